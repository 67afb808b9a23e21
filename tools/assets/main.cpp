// slots-assets: renders the games' artwork sources into the pictures the programs
// load. It knows no game: the build runs it once per picture of every game. (Each
// game's sounds, pay chart and manual come from programs of that game's own,
// <game>-sounds and <game>-docs; the music from slots-music.)
#include "tools/assets/PictureRendering.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>

using namespace slotmachine::assets;

namespace {

constexpr const char* Usage = "usage:\n"
                              "  slots-assets render SOURCE.svg OUT WIDTHxHEIGHT [rgb|16|256|mono|alpha]\n"
                              "  slots-assets logo SOURCE.svg PICTURE-OUT MASK-OUT WIDTHxHEIGHT\n"
                              "  slots-assets motion SHEET OUT CELL BLUR CELL-NUMBERS (comma separated)\n";

int fail(const QString& message) {
    std::fprintf(stderr, "slots-assets: %s\n", message.toLocal8Bit().constData());
    return 1;
}

bool parseSize(const QString& text, QSize& size) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch()) {
        return false;
    }
    size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
    return !size.isEmpty();
}

int save(const QImage& image, const QString& path) {
    if (!image.save(path)) {
        return fail(QStringLiteral("cannot write %1").arg(path));
    }
    return 0;
}

int render(const QStringList& args) {
    QSize size;
    PictureFormat format = PictureFormat::Rgb24;
    if (args.size() < 3 || args.size() > 4 || !parseSize(args[2], size) ||
        (args.size() == 4 && !parsePictureFormat(args[3], format))) {
        return fail(QString::fromLatin1(Usage));
    }
    QString error;
    // Transparent parts come out black, except in pictures that keep their transparency.
    const QColor background = format == PictureFormat::Alpha ? QColor(Qt::transparent) : QColor(Qt::black);
    const QImage image = renderSvg(args[0], size, background, error);
    if (image.isNull()) {
        return fail(error);
    }
    return save(toPictureFormat(image, format), args[1]);
}

int logo(const QStringList& args) {
    QSize size;
    if (args.size() != 4 || !parseSize(args[3], size)) {
        return fail(QString::fromLatin1(Usage));
    }
    QString error;
    const QImage drawing = renderSvg(args[0], size, Qt::transparent, error);
    if (drawing.isNull()) {
        return fail(error);
    }
    const MaskedPicture split = splitMask(drawing);
    if (const int status = save(toPictureFormat(split.picture, PictureFormat::Colours256), args[1])) {
        return status;
    }
    return save(toPictureFormat(split.mask, PictureFormat::Mono), args[2]);
}

int motion(const QStringList& args) {
    bool cellOk = false;
    bool blurOk = false;
    if (args.size() != 5) {
        return fail(QString::fromLatin1(Usage));
    }
    const int cell = args[2].toInt(&cellOk);
    const int blur = args[3].toInt(&blurOk);
    QList<int> cells;
    for (const QString& part : args[4].split(QLatin1Char(','))) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n < 0) {
            return fail(QString::fromLatin1(Usage));
        }
        cells.append(n);
    }
    if (!cellOk || !blurOk || cell <= 0 || blur < 0 || cells.isEmpty()) {
        return fail(QString::fromLatin1(Usage));
    }
    const QImage sheet(args[0]);
    if (sheet.isNull()) {
        return fail(QStringLiteral("cannot read %1 as a picture").arg(args[0]));
    }
    for (const int n : cells) {
        if ((n / 4 + 1) * cell > sheet.height() || 4 * cell > sheet.width()) {
            return fail(QStringLiteral("cell %1 lies outside %2").arg(n).arg(args[0]));
        }
    }
    return save(toPictureFormat(motionStrip(sheet, cell, cells, blur), PictureFormat::Rgb24), args[1]);
}

} // namespace

int main(int argc, char** argv) {
    // Text in the drawings needs fonts, which need a GUI application; offscreen
    // keeps the build free of any display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        return fail(QString::fromLatin1(Usage));
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("render")) {
        return render(args);
    }
    if (command == QLatin1String("logo")) {
        return logo(args);
    }
    if (command == QLatin1String("motion")) {
        return motion(args);
    }
    return fail(QString::fromLatin1(Usage));
}
