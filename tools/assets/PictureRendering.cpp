#include "tools/assets/PictureRendering.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

namespace slotmachine::assets {

bool parsePictureFormat(const QString& text, PictureFormat& format) {
    if (text == QLatin1String("rgb")) {
        format = PictureFormat::Rgb24;
    } else if (text == QLatin1String("16")) {
        format = PictureFormat::Colours16;
    } else if (text == QLatin1String("256")) {
        format = PictureFormat::Colours256;
    } else if (text == QLatin1String("mono")) {
        format = PictureFormat::Mono;
    } else if (text == QLatin1String("alpha")) {
        format = PictureFormat::Alpha;
    } else {
        return false;
    }
    return true;
}

QImage renderSvg(const QString& path, QSize size, QColor background, QString& error) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        error = QStringLiteral("cannot read %1 as SVG").arg(path);
        return {};
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

namespace {

// The palette is chosen deterministically (most frequent colours, ties by value),
// so indexed pictures come out the same from build to build.
QImage toIndexed(const QImage& image, int colours) {
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    // Most frequent colours first, quantised to 4 bits per channel so that the
    // antialiased edges fall into a few shared bins.
    QHash<QRgb, int> counts;
    auto quantise = [](QRgb c) {
        return qRgb((qRed(c) & 0xF0) | 0x08, (qGreen(c) & 0xF0) | 0x08, (qBlue(c) & 0xF0) | 0x08);
    };
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            ++counts[quantise(line[x])];
        }
    }
    QList<QPair<int, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        byCount.append(qMakePair(it.value(), it.key()));
    }
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> palette;
    for (const auto& entry : byCount) {
        if (palette.size() == colours) {
            break;
        }
        palette.append(entry.second);
    }
    // Pure black stays available for the glyph backgrounds.
    if (!palette.contains(qRgb(0, 0, 0))) {
        if (palette.size() == colours) {
            palette.removeLast();
        }
        palette.append(qRgb(0, 0, 0));
    }
    return rgb.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

} // namespace

QImage toPictureFormat(const QImage& image, PictureFormat format) {
    switch (format) {
    case PictureFormat::Rgb24:
        return image.convertToFormat(QImage::Format_RGB888);
    case PictureFormat::Colours16:
        return toIndexed(image, 16);
    case PictureFormat::Colours256:
        return toIndexed(image, 256);
    case PictureFormat::Mono:
        return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    case PictureFormat::Alpha:
        return image.convertToFormat(QImage::Format_ARGB32);
    }
    return image;
}

QImage motionStrip(const QImage& sheet, int cell, const QList<int>& cells, int blurRadius) {
    const QImage src = sheet.convertToFormat(QImage::Format_RGB32);
    const int height = cell * static_cast<int>(cells.size());
    QImage stacked(cell, height, QImage::Format_RGB32);
    QPainter painter(&stacked);
    for (int i = 0; i < cells.size(); ++i) {
        const int n = cells[i];
        painter.drawImage(QPoint(0, i * cell), src, QRect((n % 4) * cell, (n / 4) * cell, cell, cell));
    }
    painter.end();

    // A vertical box blur with wrap-around, as a reel spinning downwards smears it.
    QImage blurred(stacked.size(), QImage::Format_RGB32);
    const int window = 2 * blurRadius + 1;
    for (int x = 0; x < cell; ++x) {
        int r = 0;
        int g = 0;
        int b = 0;
        auto pixel = [&](int y) { return stacked.pixel(x, ((y % height) + height) % height); };
        for (int y = -blurRadius; y <= blurRadius; ++y) {
            const QRgb c = pixel(y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
        for (int y = 0; y < height; ++y) {
            blurred.setPixel(x, y, qRgb(r / window, g / window, b / window));
            const QRgb out = pixel(y - blurRadius);
            const QRgb in = pixel(y + blurRadius + 1);
            r += qRed(in) - qRed(out);
            g += qGreen(in) - qGreen(out);
            b += qBlue(in) - qBlue(out);
        }
    }
    return blurred;
}

} // namespace slotmachine::assets
