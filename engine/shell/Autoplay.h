#pragma once

#include "engine/display/MachineSurface.h"

#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace slotmachine {

class GameKeeper;
class PlayerSettings;
class SlotMachine;

// The numbers of spins an autoplay run may be asked for.
inline constexpr std::array<int, 4> AutoplaySpinCounts{10, 25, 50, 100};

// What the player asked of an autoplay run.
struct AutoplayChoices {
    int spins = AutoplaySpinCounts[0];
    std::optional<std::int32_t> creditsBelow; // stop when the credits fall below this
    std::optional<std::int32_t> winAtLeast;   // stop after one spin wins this much
    bool stopOnBonusGame = false;
    bool followAdvice = false; // holds and nudges as the machine advises

    friend bool operator==(const AutoplayChoices&, const AutoplayChoices&) = default;
};

// The choices as the player last made them (keys under "Autoplay/"), and their store.
AutoplayChoices loadAutoplayChoices(const PlayerSettings& settings);
void saveAutoplayChoices(PlayerSettings& settings, const AutoplayChoices& choices);

// Why an autoplay run ended.
enum class AutoplayStop { SpinsPlayed, CreditsBelow, BigWin, BonusGame, CannotPay, Player, Closing };

// The player's words for why autoplay stopped.
QString autoplayStopText(AutoplayStop why);

// Plays spins by itself: the last bet again (one coin when there is none), one spin
// after another, each through the GameKeeper so that it is stored as a spin the
// player started. A spin settles (its win counted up, its bonus game picked) before
// the next one starts. It never borrows; it stops at the count, at a stop condition
// the player chose, when the credits cannot pay the next bet, or at once when told
// to (the running spin still finishes).
class Autoplay {
public:
    // Milliseconds between one spin's end and the next spin, so each result is seen.
    static constexpr int PauseMs = 400;

    Autoplay(SlotMachine& machine, GameKeeper& keeper);
    Autoplay(const Autoplay&) = delete;
    Autoplay& operator=(const Autoplay&) = delete;

    // Begins a run; its first spin comes after the pause.
    void start(const AutoplayChoices& choices);
    // Ends the run now; a spin under way plays to its end. Nothing when none runs.
    void stop(AutoplayStop why);

    bool running() const { return running_; }
    int spinsLeft() const { return spinsLeft_; }
    // Why the last run ended; nothing while one runs or before the first.
    std::optional<AutoplayStop> stopped() const { return stopped_; }

    // Plays the next spin now (the pause's timer calls it) and schedules the one after.
    void playNext();

    // Called whenever a run starts, plays a spin or stops.
    std::function<void()> changed;

private:
    void playOneSpin();
    void finish(AutoplayStop why);
    void notify() const;

    SlotMachine& machine_;
    GameKeeper& keeper_;
    QTimer pause_;
    AutoplayChoices choices_;
    bool running_ = false;
    bool playing_ = false;
    int spinsLeft_ = 0;
    std::optional<AutoplayStop> stopped_;
};

// What the machine shows of a run on its coin tray: the spins left while it runs,
// why it stopped once it has, nothing before the first.
TrayMessage autoplayMessage(const Autoplay& autoplay);

} // namespace slotmachine
