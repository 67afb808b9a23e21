#include "engine/shell/Autoplay.h"

#include "engine/core/ClampedMath.h"
#include "engine/core/Game.h"
#include "engine/machine/SlotMachine.h"
#include "engine/shell/GameKeeper.h"
#include "engine/shell/PlayerSettings.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <algorithm>
#include <limits>

namespace slotmachine {

namespace {

const QString SpinsKey = QStringLiteral("Autoplay/Spins");
const QString CreditsBelowKey = QStringLiteral("Autoplay/CreditsBelow");
const QString WinAtLeastKey = QStringLiteral("Autoplay/WinAtLeast");
const QString StopOnBonusKey = QStringLiteral("Autoplay/StopOnBonusGame");
const QString FollowAdviceKey = QStringLiteral("Autoplay/FollowAdvice");

constexpr int MostCredits = std::numeric_limits<std::int32_t>::max();

} // namespace

AutoplayChoices loadAutoplayChoices(const PlayerSettings& settings) {
    AutoplayChoices choices;
    const std::optional<int> spins = settings.number(SpinsKey, 1, AutoplaySpinCounts.back());
    if (spins && std::find(AutoplaySpinCounts.begin(), AutoplaySpinCounts.end(), *spins) != AutoplaySpinCounts.end()) {
        choices.spins = *spins;
    }
    choices.creditsBelow = settings.number(CreditsBelowKey, 1, MostCredits);
    choices.winAtLeast = settings.number(WinAtLeastKey, 1, MostCredits);
    choices.stopOnBonusGame = settings.flag(StopOnBonusKey, false);
    choices.followAdvice = settings.flag(FollowAdviceKey, false);
    return choices;
}

void saveAutoplayChoices(PlayerSettings& settings, const AutoplayChoices& choices) {
    settings.setNumber(SpinsKey, choices.spins);
    settings.setNumber(CreditsBelowKey, choices.creditsBelow);
    settings.setNumber(WinAtLeastKey, choices.winAtLeast);
    settings.setFlag(StopOnBonusKey, choices.stopOnBonusGame);
    settings.setFlag(FollowAdviceKey, choices.followAdvice);
}

QString autoplayStopText(AutoplayStop why) {
    switch (why) {
    case AutoplayStop::SpinsPlayed:
        return QCoreApplication::translate("Autoplay", "all spins played");
    case AutoplayStop::CreditsBelow:
        return QCoreApplication::translate("Autoplay", "credits below your limit");
    case AutoplayStop::BigWin:
        return QCoreApplication::translate("Autoplay", "a big win");
    case AutoplayStop::BonusGame:
        return QCoreApplication::translate("Autoplay", "a bonus game");
    case AutoplayStop::CannotPay:
        return QCoreApplication::translate("Autoplay", "not enough credits for the bet");
    case AutoplayStop::Player:
        return QCoreApplication::translate("Autoplay", "stopped by you");
    case AutoplayStop::Closing:
        return QCoreApplication::translate("Autoplay", "the game is closing");
    }
    return {};
}

Autoplay::Autoplay(SlotMachine& machine, GameKeeper& keeper) : machine_(machine), keeper_(keeper) {
    pause_.setSingleShot(true);
    pause_.setInterval(PauseMs);
    QObject::connect(&pause_, &QTimer::timeout, &pause_, [this] { playNext(); });
}

void Autoplay::start(const AutoplayChoices& choices) {
    choices_ = choices;
    spinsLeft_ = std::max(choices.spins, 1);
    running_ = true;
    stopped_.reset();
    pause_.start();
    notify();
}

void Autoplay::stop(AutoplayStop why) {
    if (running_) {
        finish(why);
    }
}

void Autoplay::finish(AutoplayStop why) {
    pause_.stop();
    running_ = false;
    stopped_ = why;
    notify();
}

void Autoplay::notify() const {
    if (changed) {
        changed();
    }
}

void Autoplay::playNext() {
    if (!running_) {
        return;
    }
    if (keeper_.closing()) {
        finish(AutoplayStop::Closing);
        return;
    }
    // The machine is starting up, or a command of the player's still runs.
    if (machine_.operationRunning() || machine_.state().Busy) {
        pause_.start();
        return;
    }
    if (playing_) {
        return; // a window opened by this spin runs the event loop
    }
    {
        const QScopedValueRollback<bool> playing(playing_, true);
        keeper_.run([this] { playOneSpin(); });
    }
    if (running_) {
        pause_.start();
    }
}

void Autoplay::playOneSpin() {
    GameState& s = machine_.state();
    if (choices_.followAdvice) {
        if (const std::optional<Advice> advice = machine_.game().advice(machine_)) {
            machine_.game().followAdvice(machine_, *advice);
        }
        if (!running_) {
            return; // the player stopped it while the advice was followed
        }
    }
    if (choices_.creditsBelow && s.Credits < *choices_.creditsBelow) {
        finish(AutoplayStop::CreditsBelow);
        return;
    }
    const std::int32_t bet = s.LastCoins > 0 ? s.LastCoins : 1;
    if (s.Coins == 0 && s.Credits < bet) {
        finish(AutoplayStop::CannotPay);
        return;
    }
    const std::int32_t spinsBefore = s.Spins;
    if (s.Coins == 0 && s.LastCoins == 0) {
        machine_.betOne(); // the coin that reaches the coin limit spins by itself
    }
    if (s.Spins == spinsBefore) {
        machine_.spin();
    }
    if (s.Spins == spinsBefore) {
        finish(AutoplayStop::CannotPay);
        return;
    }
    spinsLeft_ = std::max(spinsLeft_ - 1, 0);
    if (!running_) {
        return; // stopped by the player during the spin
    }
    const SpinOutcome& outcome = machine_.lastSpin();
    if (keeper_.closing()) {
        finish(AutoplayStop::Closing);
    } else if (choices_.stopOnBonusGame && outcome.bonusPlayed) {
        finish(AutoplayStop::BonusGame);
    } else if (choices_.winAtLeast && addClamped(outcome.lineWin, outcome.bonusPrize) >= *choices_.winAtLeast) {
        finish(AutoplayStop::BigWin);
    } else if (spinsLeft_ == 0) {
        finish(AutoplayStop::SpinsPlayed);
    } else {
        notify();
    }
}

TrayMessage autoplayMessage(const Autoplay& autoplay) {
    if (autoplay.running()) {
        const int left = autoplay.spinsLeft();
        return {QCoreApplication::translate("Autoplay", "Autoplay"),
                left == 1 ? QCoreApplication::translate("Autoplay", "%1 spin left").arg(left)
                          : QCoreApplication::translate("Autoplay", "%1 spins left").arg(left)};
    }
    if (autoplay.stopped()) {
        QString why = autoplayStopText(*autoplay.stopped());
        why[0] = why[0].toUpper();
        return {QCoreApplication::translate("Autoplay", "Autoplay stopped"), why};
    }
    return {};
}

} // namespace slotmachine
