#pragma once

#include <QString>

namespace slotmachine {

class EffectsOutput;

// A game's numbered sound effects and its win sound, found beside the program by
// the game's file prefix: sound 4 of prefix "Orev" is "Orev4.wav". Sounds 0 (a reel
// at rest) and 3 (a count-up step) come often and must start at once, so their
// files are read into memory once at start.
class SoundEffects {
public:
    SoundEffects(EffectsOutput& output, QString programDir, QString prefix);

    // Reads "0.wav" and "3.wav" into memory. A file that cannot be read plays the
    // default sound in its place later; start-up goes on.
    void loadHeldSounds();

    void play(int number, bool waitForEnd);
    void playWin();

    QString pathOf(int number) const;
    QString winPath() const;

private:
    EffectsOutput& output_;
    QString filePrefix_;
    int heldReelStop_ = -1;
    int heldCountStep_ = -1;
};

} // namespace slotmachine
