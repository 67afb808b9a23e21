#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

namespace slotmachine {

// Renders the SVG drawing at `path` (a file or a resource) into a transparent
// picture of `size`, the drawing filling `drawn` (the whole picture when empty).
// A null picture when the file is missing or is not SVG.
QImage renderVectorArt(const QString& path, QSize size, QRectF drawn = {});

// A drawing with transparency split into the two pictures of a masked copy: the
// picture black wherever the drawing is clear (so that OR leaves the background
// as it is), and a mask white there and black under the drawing (so that AND
// clears the place the picture fills).
struct MaskedPicture {
    QImage picture;
    QImage mask;
};
MaskedPicture splitMask(const QImage& drawingWithAlpha);

} // namespace slotmachine
