#pragma once

// The cabinet artwork scripts draw the places the engine draws over and takes
// presses on; these read the rectangles a script writes and hold them against the
// engine's and the game's own.
#include "engine/core/DesignRect.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>
#include <optional>
#include <span>
#include <utility>

namespace slotmachine::testing {

using ScriptPlace = std::pair<const char*, DesignRect>;

// The rectangle written in the script as `<name> = (l, t, r, b)` or `"<name>": (l, t, r, b)`.
inline std::optional<DesignRect> scriptRect(const QString& script, const QString& name) {
    const QRegularExpression pattern(
        QStringLiteral("\"?%1\"?\\s*[=:]\\s*\\((\\d+),\\s*(\\d+),\\s*(\\d+),\\s*(\\d+)\\)")
            .arg(QRegularExpression::escape(name)));
    const auto match = pattern.match(script);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return DesignRect{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                      match.captured(4).toInt()};
}

// Every place is written in the script under its name, with the given rectangle.
// `script` is relative to the project's sources (games/<game>/artwork/...).
inline void expectScriptPlaces(const char* script, std::span<const ScriptPlace> places) {
    QFile file(QStringLiteral(SLOTS_SOURCE_DIR "/") + QLatin1String(script));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    for (const auto& [name, place] : places) {
        const auto drawn = scriptRect(text, QLatin1String(name));
        ASSERT_TRUE(drawn) << script << ": " << name;
        EXPECT_EQ(*drawn, place) << script << ": " << name;
    }
}

} // namespace slotmachine::testing
