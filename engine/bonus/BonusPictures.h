#pragma once

#include <QDir>
#include <QImage>
#include <QSize>
#include <QString>
#include <array>

namespace slotmachine {

// The three pictures of the box bonus window, 640 by 480 each, stacked at one place.
struct BonusPictures {
    QImage Board;   // the box board, the only one that takes the pointer
    QImage NoPrize; // shown for a box without a prize
    QImage Prize;   // the prize picture; the prize text is drawn onto it
    // The vector sources of the built-in pictures, drawn afresh at any size; empty
    // for a picture replaced by a file, which is stretched instead.
    std::array<QString, 3> vectorSources{};
};

// Picture `index` (0 to 2) at `size`: its vector source rendered over black when it
// has one that can be read, otherwise its bitmap stretched; null for a missing one.
QImage bonusPictureAt(const BonusPictures& pictures, int index, QSize size);

// The pictures compiled into the program under ":/pictures/<program name>/",
// as BonusBoard.png to BonusPrize.png, with their vector sources BonusBoard.svg to BonusPrize.svg
// where the program has them. In a translated `language` ("de", "es") each is that
// language's lettering, BonusBoard.de.png and BonusBoard.de.svg, where the program has
// it, else the English one; English (empty) takes the English ones.
BonusPictures builtInBonusPictures(const QString& programName, const QString& language = {});

// "bonus1.bmp" to "bonus3.bmp" beside the program replace Board, NoPrize and Prize (and
// their vector sources). A file that is missing, or is not a picture, leaves the
// built-in one in place.
void loadBonusOverrides(BonusPictures& pictures, const QDir& programDir);

} // namespace slotmachine
