#pragma once

// The pay chart drawn large at build time beside the chart file (`<game>-docs
// paychart`), which the game's pay chart window shows reduced to the window scale of a
// grown machine; built into the program at ":/figures/<program>/Paychart-large.png",
// and the chart drawn in each translated language beside the program
// ("Paychart-de.png") at ":/figures/<program>/Paychart-large-de.png".

#include <QCryptographicHash>
#include <QFile>
#include <QString>

namespace slotmachine {

// How many times the chart's size the large chart is drawn.
inline constexpr int LargeChartScale = 3;

// The large chart's PNG text key that holds the SHA-256, in hex, of the chart file
// it was drawn with, so that the game tells its own chart file from a player's.
inline constexpr const char* ChartDigestKey = "ChartSha256";

// The SHA-256 of a file's bytes in hex, empty when it cannot be read.
inline QString chartFileDigest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
}

} // namespace slotmachine
