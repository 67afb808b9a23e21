#pragma once

// The look every game's pay chart shares: the symbol sheet's pictures as small
// reel windows, the colours, the type and the panels. A game's extras panel draws
// with these, so that it matches the pay table beside it.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <cstdint>

class QPainter;

namespace slotmachine::paychart {

// A symbol sheet: square cells, four to a row, numbered row by row from 0.
class SymbolSheet {
public:
    explicit SymbolSheet(QImage sheet);

    bool isNull() const { return sheet_.isNull(); }
    bool has(int cell) const;
    int cellSize() const { return cellSize_; }

    // The cell scaled into `target`, on a reel window with a gold rim.
    void drawTile(QPainter& painter, int cell, const QRectF& target) const;

private:
    QImage sheet_;
    int cellSize_ = 0;
};

namespace style {

inline QColor gold() {
    return {240, 194, 74};
}
inline QColor paleGold() {
    return {255, 231, 160};
}
inline QColor deepGold() {
    return {168, 116, 28};
}
inline QColor cream() {
    return {243, 230, 200};
}
inline QColor dimCream() {
    return {200, 180, 145};
}
inline QColor darkBrown() {
    return {26, 15, 7};
}
inline QColor panelBrown() {
    return {52, 32, 16};
}

// A pay or prize as the chart's language writes it: English's "1,500" unless a
// player's language is installed (installPlayerLanguage), then that language's.
QString number(std::int32_t value);

// DejaVu at a size in pixels, so the chart does not depend on the screen's DPI.
QFont sans(qreal pixels, bool bold = false);
QFont serif(qreal pixels, bool bold = true);

// `font` made a pixel smaller at a time until `text` is at most `width` wide, and left
// as it is when it fits already: for a translation's longer word in a small place.
QFont fitted(QFont font, const QString& text, qreal width);

// A framed panel: a darker inset with a fine gold rim.
void drawPanel(QPainter& painter, const QRectF& area);

// Gold text with a dark outline and shadow, centred in `area`.
void drawEmbossedText(QPainter& painter, const QRectF& area, const QString& text, const QFont& font);

// A small gold heading in capitals, with a hairline under it; returns the bottom edge.
qreal drawHeading(QPainter& painter, const QRectF& area, const QString& text);

// Word-wrapped cream text at the top of `area`; returns the bottom edge of the text.
qreal drawNote(QPainter& painter, const QRectF& area, const QString& text, qreal pixels = 10.5);

// A symbol tile `tile` pixels square at the top left of `area`, a short bold title
// beside it and a note under the title, `gap` pixels right of the tile; returns the
// bottom edge of the pair.
qreal drawTileWithNote(QPainter& painter, const SymbolSheet& sheet, int cell, const QRectF& area,
                       const QString& title, const QString& note, qreal tile, qreal gap = 8);

// The mark for "any other symbol", the size of a tile.
void drawAnyOther(QPainter& painter, const QRectF& target);

} // namespace style

} // namespace slotmachine::paychart
