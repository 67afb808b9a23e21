#pragma once

// Machine pictures made of flat colours, so a test can tell from one pixel which
// picture, cell, half or glyph was drawn there.

#include "engine/display/MachinePictures.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace slotmachine::testing {

inline QImage filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Colours of the synthetic pictures.
inline QColor machineColour() { return {40, 40, 200}; }
inline QColor unlitColour() { return {20, 20, 20}; }
inline QColor dimmedHalf() { return {90, 0, 90}; }
inline QColor litHalf() { return {250, 250, 0}; }
inline QColor logoColour() { return {255, 0, 0}; }
inline QColor symbolColour(int cell) { return {cell * 15, 255 - cell * 15, 100}; }
inline QColor motionColour(int cell) { return {cell * 40, 0, 255 - cell * 40}; }
inline QColor bonusColour(int cell) { return {cell * 20, 100, 0}; }
inline QColor glyphColour(int digit, bool green) {
    return green ? QColor(0, 200, digit * 20) : QColor(200, digit * 20, 0);
}

// Cells of `cellWidth` x `cellHeight` in `columns` columns, each in its own colour.
template <typename ColourOf>
QImage cells(int columns, int rows, int cellWidth, int cellHeight, ColourOf colourOf) {
    QImage image(columns * cellWidth, rows * cellHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            p.fillRect(c * cellWidth, r * cellHeight, cellWidth, cellHeight, colourOf(r * columns + c));
        }
    }
    return image;
}

inline QImage digitStrip(bool green, int cellWidth, int cellHeight) {
    // Ten glyph cells and the unused end of the strip, black.
    QImage strip = cells(10, 1, cellWidth, cellHeight, [green](int d) { return glyphColour(d, green); });
    QImage full(cellWidth * 10 + cellWidth * 7 / 4, cellHeight, QImage::Format_RGB32);
    full.fill(Qt::black);
    QPainter(&full).drawImage(0, 0, strip);
    return full;
}

inline MachinePictures syntheticPictures() {
    MachinePictures p;
    p.MachineBackground = filled(800, 600, machineColour());
    p.ReelMotion = cells(1, 6, 76, 76, motionColour);
    p.SymbolSheet = cells(4, 4, 76, 76, symbolColour);
    p.BonusMeter = cells(1, 13, 78, 59, bonusColour);
    QImage button(78, 118, QImage::Format_RGB32);
    button.fill(litHalf());
    QPainter(&button).fillRect(0, 0, 78, 59, dimmedHalf());
    p.BetOneButton = p.BetFiveButton = p.SpinButton = button;
    p.TitleGlassUnlit = filled(302, 165, unlitColour());
    p.TitleStripUnlit = filled(429, 45, unlitColour());
    p.CoinSignUnlit = filled(84, 85, unlitColour());
    p.DigitsSmall = digitStrip(false, 16, 21);
    p.DigitsLarge = digitStrip(false, 32, 42);
    p.GreenSmall = digitStrip(true, 16, 21);
    p.GreenLarge = digitStrip(true, 32, 42);
    // The logo fills its left half; the mask lets the machine show through on the right.
    p.SealLogo = filled(119, 120, Qt::black);
    QPainter(&p.SealLogo).fillRect(0, 0, 60, 120, logoColour());
    p.SealMask = filled(119, 120, Qt::white);
    QPainter(&p.SealMask).fillRect(0, 0, 60, 120, Qt::black);
    return p;
}

} // namespace slotmachine::testing
