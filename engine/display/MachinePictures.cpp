#include "engine/display/MachinePictures.h"

#include <QFileInfo>

namespace slotmachine {

namespace {

// All drawing happens on a 32-bit surface; pictures in the same format copy fastest
// and take part in the AND and OR copies of the logo like any other.
QImage forDrawing(const QImage& image) {
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage resourcePicture(const QString& folder, const char* name) {
    return forDrawing(QImage(QStringLiteral(":/pictures/%1/%2.png").arg(folder, QLatin1String(name))));
}

} // namespace

MachinePictures builtInPictures(const QString& programName) {
    const QString& game = programName;
    const QString shared = QStringLiteral("shared");
    MachinePictures p;
    p.Image1 = resourcePicture(game, "Image1");
    p.Image2 = resourcePicture(game, "Image2");
    p.BonusBMP = resourcePicture(game, "BonusBMP");
    p.Bet1But = resourcePicture(game, "Bet1But");
    p.Bet5But = resourcePicture(game, "Bet5But");
    p.SpinBut = resourcePicture(game, "SpinBut");
    p.Dimmed = resourcePicture(game, "Dimmed");
    p.Dimmed2 = resourcePicture(game, "Dimmed2");
    p.Bet1bDimmed = resourcePicture(game, "Bet1bDimmed");
    p.DigitsSmall = resourcePicture(shared, "DigitsSmall");
    p.DigitsLarge = resourcePicture(shared, "DigitsLarge");
    p.GreenSmall = resourcePicture(shared, "GreenSmall");
    p.GreenLarge = resourcePicture(shared, "GreenLarge");
    p.SealLogo = resourcePicture(shared, "SealLogo");
    p.SealMask = resourcePicture(shared, "SealMask");
    return p;
}

QString findFileIgnoringCase(const QDir& dir, const QString& name) {
    QDir current = dir;
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        if (!last && (parts[i] == QLatin1String(".") || parts[i] == QLatin1String(".."))) {
            current = QDir(current.filePath(parts[i]));
            continue;
        }
        const QFileInfoList entries =
            current.entryInfoList(last ? QDir::Files : QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QString match;
        for (const QFileInfo& entry : entries) {
            // An exact match wins over a match that only differs in case.
            if (entry.fileName() == parts[i]) {
                match = entry.fileName();
                break;
            }
            if (match.isEmpty() && entry.fileName().compare(parts[i], Qt::CaseInsensitive) == 0) {
                match = entry.fileName();
            }
        }
        if (match.isEmpty()) {
            return {};
        }
        if (last) {
            return current.filePath(match);
        }
        current = QDir(current.filePath(match));
    }
    return {};
}

void loadReplacementPictures(MachinePictures& pictures, const QDir& programDir) {
    for (const ReplaceablePicture& r : ReplaceablePictures) {
        const QString path = findFileIgnoringCase(programDir, QString::fromLatin1(r.fileName));
        if (path.isEmpty()) {
            continue;
        }
        const QImage replacement(path);
        if (!replacement.isNull()) {
            pictures.*r.picture = forDrawing(replacement);
        }
    }
}

std::optional<QImage> loadSymbolSheet(const QDir& programDir, const QString& prefix) {
    const QString path = findFileIgnoringCase(programDir, prefix + QStringLiteral(".bmp"));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    QImage sheet(path);
    if (sheet.isNull()) {
        return std::nullopt;
    }
    return forDrawing(sheet);
}

} // namespace slotmachine
