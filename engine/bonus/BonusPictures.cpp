#include "engine/bonus/BonusPictures.h"

#include "engine/display/MachinePictures.h"

namespace slotmachine {

namespace {

struct BonusPictureFile {
    QImage BonusPictures::*picture;
    const char* builtIn;
    const char* replacement;
};

constexpr BonusPictureFile BonusPictureFiles[] = {
    {&BonusPictures::Image1, "Bonus1", "bonus1.bmp"},
    {&BonusPictures::Image2, "Bonus2", "bonus2.bmp"},
    {&BonusPictures::Image3, "Bonus3", "bonus3.bmp"},
};

// The prize text is drawn in colour onto the prize picture, whatever its file held.
QImage forDrawing(const QImage& image) {
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

BonusPictures builtInBonusPictures(const QString& programName) {
    BonusPictures pictures;
    for (const BonusPictureFile& file : BonusPictureFiles) {
        pictures.*file.picture =
            forDrawing(QImage(QStringLiteral(":/pictures/%1/%2.png").arg(programName, QLatin1String(file.builtIn))));
    }
    return pictures;
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
        }
    }
}

} // namespace slotmachine
