#pragma once

namespace slotmachine {

// Sound effects and music as the engine asks for them. Sounds are numbered; the
// backend finds the file from the game's prefix. The engine only calls these while
// sound (or music) is switched on.
class Audio {
public:
    virtual ~Audio() = default;

    // Plays sound `number`. With waitForEnd the call returns when the sound has
    // ended, keeping the event loop running meanwhile; otherwise it returns at once.
    // A new sound cuts off one still playing.
    virtual void playSound(int number, bool waitForEnd) = 0;

    // Plays the win sound to its end.
    virtual void playWinSound() = 0;

    // Opens and plays the music track that is marked due in the game state.
    virtual void startDueTrack() = 0;
};

// Plays nothing and waits for nothing: the simulator, and programs without sound.
class SilentAudio final : public Audio {
public:
    void playSound(int, bool) override {}
    void playWinSound() override {}
    void startDueTrack() override {}
};

} // namespace slotmachine
