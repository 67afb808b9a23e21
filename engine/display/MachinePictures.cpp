#include "engine/display/MachinePictures.h"

#include <QFileInfo>

namespace slotmachine {

namespace {

// All drawing happens on a 32-bit surface; pictures in the same format copy fastest
// and take part in the AND and OR copies of the logo like any other.
QImage forDrawing(const QImage& image) {
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage resourcePicture(const QString& folder, const QString& name) {
    return forDrawing(QImage(QStringLiteral(":/pictures/%1/%2.png").arg(folder, name)));
}

QImage resourcePicture(const QString& folder, const char* name) {
    return resourcePicture(folder, QLatin1String(name));
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Replaces `picture` with the file of `fileName` beside the program when that is
// a readable picture.
void replaceFromFile(QImage& picture, const QDir& programDir, const QString& fileName) {
    const QString path = findFileIgnoringCase(programDir, fileName);
    if (path.isEmpty()) {
        return;
    }
    const QImage replacement(path);
    if (!replacement.isNull()) {
        picture = forDrawing(replacement);
    }
}

} // namespace

const QImage* MachinePictures::named(QStringView name) const {
    static const std::pair<const char*, QImage MachinePictures::*> Fixed[] = {
        {"MachineBackground", &MachinePictures::MachineBackground},
        {"ReelMotion", &MachinePictures::ReelMotion},
        {"SymbolSheet", &MachinePictures::SymbolSheet},
        {"BonusMeter", &MachinePictures::BonusMeter},
        {"BetOneButton", &MachinePictures::BetOneButton},
        {"BetFiveButton", &MachinePictures::BetFiveButton},
        {"SpinButton", &MachinePictures::SpinButton},
        {"TitleGlassUnlit", &MachinePictures::TitleGlassUnlit},
        {"TitleStripUnlit", &MachinePictures::TitleStripUnlit},
        {"CoinSignUnlit", &MachinePictures::CoinSignUnlit},
        {"SealLogo", &MachinePictures::SealLogo},
        {"SealMask", &MachinePictures::SealMask},
    };
    for (const auto& [fixedName, member] : Fixed) {
        if (name == QLatin1String(fixedName)) {
            return &(this->*member);
        }
    }
    for (const NamedPicture& picture : gamePictures) {
        if (picture.name == name) {
            return &picture.image;
        }
    }
    return nullptr;
}

MachinePictures builtInPictures(const QString& programName, std::span<const GamePicture> gamePictures) {
    const QString& game = programName;
    const QString shared = QStringLiteral("shared");
    MachinePictures p;
    p.MachineBackground = resourcePicture(game, "MachineBackground");
    p.ReelMotion = resourcePicture(game, "ReelMotion");
    p.BonusMeter = resourcePicture(game, "BonusMeter");
    p.BetOneButton = resourcePicture(game, "BetOneButton");
    p.BetFiveButton = resourcePicture(game, "BetFiveButton");
    p.SpinButton = resourcePicture(game, "SpinButton");
    p.TitleGlassUnlit = resourcePicture(game, "TitleGlassUnlit");
    p.TitleStripUnlit = resourcePicture(game, "TitleStripUnlit");
    p.CoinSignUnlit = resourcePicture(game, "CoinSignUnlit");
    p.DigitsSmall = resourcePicture(shared, "DigitsSmall");
    p.DigitsLarge = resourcePicture(shared, "DigitsLarge");
    p.GreenSmall = resourcePicture(shared, "GreenSmall");
    p.GreenLarge = resourcePicture(shared, "GreenLarge");
    p.SealLogo = resourcePicture(shared, "SealLogo");
    p.SealMask = resourcePicture(shared, "SealMask");
    for (const GamePicture& declared : gamePictures) {
        const QString name = fromView(declared.name);
        p.gamePictures.push_back({name, fromView(declared.replacementFile), resourcePicture(game, name)});
    }
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
        replaceFromFile(pictures.*r.picture, programDir, QString::fromLatin1(r.fileName));
        if (r.picture == &MachinePictures::BonusMeter) {
            for (NamedPicture& own : pictures.gamePictures) {
                if (!own.replacementFile.isEmpty()) {
                    replaceFromFile(own.image, programDir, own.replacementFile);
                }
            }
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
