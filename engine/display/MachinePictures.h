#pragma once

#include "engine/core/GameValues.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace slotmachine {

// A picture a game declares for itself, with the file that may replace it.
struct NamedPicture {
    QString name;
    QString replacementFile; // empty: no file replaces it
    QImage image;
};

// Every picture the machine window draws from, by the names the games know them by.
struct MachinePictures {
    QImage MachineBackground; // the machine, background of the whole window (800x600)
    QImage ReelMotion;  // motion picture of a spinning reel (76 wide)
    QImage SymbolSheet; // the symbol sheet, four 76-pixel cells to a row
    QImage BonusMeter;  // the bonus meter's 13 cells of 78x59; a game without a bonus
                        // meter may show a picture of its own there (Emberpeak's nudge button)
    QImage BetOneButton;  // buttons: upper half dimmed, lower half lit
    QImage BetFiveButton; // the button that bets the coin limit (BET 5 or BET 3)
    QImage SpinButton;
    QImage TitleGlassUnlit;
    QImage TitleStripUnlit;
    QImage CoinSignUnlit;
    QImage DigitsSmall; // red and green digit strips, 16 and 32 pixels to a glyph
    QImage DigitsLarge;
    QImage GreenSmall;
    QImage GreenLarge;
    QImage SealLogo; // the publisher's logo and its AND mask
    QImage SealMask;
    std::vector<NamedPicture> gamePictures; // the game's own, in their declared order

    // Any of the pictures above by its name ("BonusMeter", "HoldLamp"); null for a
    // name that is none of them.
    const QImage* named(QStringView name) const;
};

// The pictures compiled into the program: the game's own under
// ":/pictures/<program name>/" (with the pictures it declares for itself), the
// ones every machine shares under ":/pictures/shared/". The symbol sheet is not
// among them: it only exists as a file.
MachinePictures builtInPictures(const QString& programName, std::span<const GamePicture> gamePictures = {});

// A picture that may replace a built-in one, and the file that holds it.
struct ReplaceablePicture {
    QImage MachinePictures::*picture;
    const char* fileName;
};

// The pictures that files beside the program can replace, in the order they are
// loaded; a game's own replaceable pictures come after "bonusx.bmp".
inline constexpr ReplaceablePicture ReplaceablePictures[] = {
    {&MachinePictures::MachineBackground, "tester.bmp"},
    {&MachinePictures::ReelMotion, "motionx.bmp"},
    {&MachinePictures::BonusMeter, "bonusx.bmp"},
    {&MachinePictures::BetOneButton, "Bet1But.bmp"},
    {&MachinePictures::BetFiveButton, "Bet5But.bmp"},
    {&MachinePictures::SpinButton, "SpinBut.bmp"},
    {&MachinePictures::TitleGlassUnlit, "DIMMEDX.bmp"},
    {&MachinePictures::TitleStripUnlit, "DIMMED2X.bmp"},
    {&MachinePictures::CoinSignUnlit, "BET1B.bmp"},
};

// The path of the file in `dir` whose name equals `name` without regard to case,
// or an empty string when there is none. `name` may hold a folder part ("art/x.bmp"),
// which is matched the same way.
QString findFileIgnoringCase(const QDir& dir, const QString& name);

// Replaces each built-in picture that has a readable file beside the program. A
// file that exists but is not a picture keeps the built-in one.
void loadReplacementPictures(MachinePictures& pictures, const QDir& programDir);

// The symbol sheet `prefix` + ".bmp" beside the program; nothing when it is missing
// or cannot be read as a picture.
std::optional<QImage> loadSymbolSheet(const QDir& programDir, const QString& prefix);

} // namespace slotmachine
