#include "engine/bonus/BonusPictures.h"

#include "engine/display/MachinePictures.h"
#include "engine/display/VectorArt.h"

#include <QFile>
#include <QPainter>
#include <iterator>

namespace slotmachine {

namespace {

struct BonusPictureFile {
    int index;
    QImage BonusPictures::*picture;
    const char* builtIn;
    const char* replacement;
};

constexpr BonusPictureFile BonusPictureFiles[] = {
    {0, &BonusPictures::Board, "BonusBoard", "bonus1.bmp"},
    {1, &BonusPictures::NoPrize, "BonusNoPrize", "bonus2.bmp"},
    {2, &BonusPictures::Prize, "BonusPrize", "bonus3.bmp"},
};

// The prize text is drawn in colour onto the prize picture, whatever its file held.
QImage forDrawing(const QImage& image) {
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

BonusPictures builtInBonusPictures(const QString& programName, const QString& language) {
    BonusPictures pictures;
    for (const BonusPictureFile& file : BonusPictureFiles) {
        QString stem = QStringLiteral(":/pictures/%1/%2").arg(programName, QLatin1String(file.builtIn));
        if (const QString lettered = stem + QLatin1Char('.') + language;
            !language.isEmpty() && QFile::exists(lettered + QStringLiteral(".png"))) {
            stem = lettered;
        }
        pictures.*file.picture = forDrawing(QImage(stem + QStringLiteral(".png")));
        if (QFile::exists(stem + QStringLiteral(".svg"))) {
            pictures.vectorSources[static_cast<std::size_t>(file.index)] = stem + QStringLiteral(".svg");
        }
    }
    return pictures;
}

QImage bonusPictureAt(const BonusPictures& pictures, int index, QSize size) {
    if (index < 0 || index >= static_cast<int>(std::size(BonusPictureFiles))) {
        return {};
    }
    const BonusPictureFile& file = BonusPictureFiles[index];
    const QImage& bitmap = pictures.*file.picture;
    if (bitmap.isNull() || size.isEmpty()) {
        return {};
    }
    if (bitmap.size() == size) {
        return bitmap;
    }
    const QString& source = pictures.vectorSources[static_cast<std::size_t>(index)];
    if (!source.isEmpty()) {
        if (const QImage drawing = renderVectorArt(source, size); !drawing.isNull()) {
            QImage opaque(size, QImage::Format_RGB32);
            opaque.fill(Qt::black);
            QPainter(&opaque).drawImage(0, 0, drawing);
            return opaque;
        }
    }
    return bitmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void loadBonusOverrides(BonusPictures& pictures, const QDir& programDir) {
    for (const BonusPictureFile& file : BonusPictureFiles) {
        const QString path = findFileIgnoringCase(programDir, QLatin1String(file.replacement));
        if (path.isEmpty()) {
            continue;
        }
        const QImage image(path);
        if (!image.isNull()) {
            pictures.*file.picture = forDrawing(image);
            pictures.vectorSources[static_cast<std::size_t>(file.index)].clear();
        }
    }
}

} // namespace slotmachine
