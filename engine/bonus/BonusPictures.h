#pragma once

#include <QDir>
#include <QImage>
#include <QString>

namespace slotmachine {

// The three pictures of the box bonus window, 640 by 480 each, stacked at one place.
struct BonusPictures {
    QImage Image1; // the box board, the only one that takes the pointer
    QImage Image2; // no prize
    QImage Image3; // the prize picture; the prize text is drawn onto it
};

// The pictures compiled into the program under ":/pictures/<program name>/",
// as Bonus1.png to Bonus3.png.
BonusPictures builtInBonusPictures(const QString& programName);

// "bonus1.bmp" to "bonus3.bmp" beside the program replace Image1 to Image3. A file
// that is missing, or is not a picture, leaves the built-in one in place.
void loadBonusOverrides(BonusPictures& pictures, const QDir& programDir);

} // namespace slotmachine
