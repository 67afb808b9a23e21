#include "engine/display/VectorArt.h"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

namespace slotmachine {

QImage renderVectorArt(const QString& path, QSize size, QRectF drawn) {
    if (size.isEmpty()) {
        return {};
    }
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return {};
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, drawn.isEmpty() ? QRectF(QPointF(0, 0), QSizeF(size)) : drawn);
    painter.end();
    return image;
}

MaskedPicture splitMask(const QImage& drawingWithAlpha) {
    const QImage src = drawingWithAlpha.convertToFormat(QImage::Format_ARGB32);
    MaskedPicture out{QImage(src.size(), QImage::Format_RGB32), QImage(src.size(), QImage::Format_RGB32)};
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* pic = reinterpret_cast<QRgb*>(out.picture.scanLine(y));
        auto* mask = reinterpret_cast<QRgb*>(out.mask.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            // Half-covered edge pixels belong to the drawing, so no fringe of the
            // background shows through the OR copy.
            const int a = qAlpha(in[x]);
            if (a >= 96) {
                // Undo the edge's transparency so the rim keeps its full colour.
                pic[x] = qRgb(std::min(255, qRed(in[x]) * 255 / a), std::min(255, qGreen(in[x]) * 255 / a),
                              std::min(255, qBlue(in[x]) * 255 / a));
                mask[x] = qRgb(0, 0, 0);
            } else {
                pic[x] = qRgb(0, 0, 0);
                mask[x] = qRgb(255, 255, 255);
            }
        }
    }
    return out;
}

} // namespace slotmachine
