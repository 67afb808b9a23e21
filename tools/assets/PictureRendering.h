#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "engine/display/VectorArt.h"

namespace slotmachine::assets {

// The pixel formats the built-in pictures are stored in.
enum class PictureFormat {
    Rgb24,     // full colour
    Colours16, // a 16-colour palette (the digit strips)
    Colours256,
    Mono,  // one bit: black and white
    Alpha, // full colour with transparency, over nothing (desktop icons)
};

// Parses "rgb", "16", "256", "mono" or "alpha"; false for anything else.
bool parsePictureFormat(const QString& text, PictureFormat& format);

// Renders an SVG file at exactly `size` pixels, over `background` (transparent
// areas of the drawing take that colour). Returns a null image and sets `error`
// when the file cannot be read as SVG.
QImage renderSvg(const QString& path, QSize size, QColor background, QString& error);

// Converts a rendered picture to its stored pixel format.
QImage toPictureFormat(const QImage& image, PictureFormat format);

// A logo is split into its picture and AND mask by the engine's own rule, so that
// a logo rendered at run time for a large layout matches the built-in one.
using slotmachine::MaskedPicture;
using slotmachine::splitMask;

// A motion-blurred reel: the given cells of a symbol sheet (four cells to a row,
// `cell` pixels square) stacked top to bottom and smeared vertically, wrapping
// around so that the strip loops without a seam.
QImage motionStrip(const QImage& sheet, int cell, const QList<int>& cells, int blurRadius);

} // namespace slotmachine::assets
