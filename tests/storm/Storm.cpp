#include "tests/storm/Storm.h"

#include "engine/bonus/BonusWindow.h"
#include "engine/core/Game.h"
#include "engine/display/MachineLayout.h"
#include "engine/display/MachineSurface.h"
#include "engine/machine/SlotMachine.h"
#include "engine/records/GameRecords.h"
#include "engine/records/SaveOpenWindow.h"
#include "engine/records/StatisticsWindow.h"
#include "engine/shell/GameKeeper.h"
#include "engine/shell/LoanDeskWindow.h"
#include "engine/shell/MachineView.h"
#include "engine/shell/MachineWindow.h"
#include "engine/shell/PayChartWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

namespace slotmachine::storm {

namespace {

// How many events the report lists before the broken invariant.
constexpr std::size_t ReportedEvents = 20;
// While a spin runs, the share of its waits in which the player does something.
constexpr double ShareDuringSpin = 0.12;

// The boxes of the bonus board in its own 640 x 480 pixels: two columns of four,
// each box 86 pixels square.
constexpr int BoxColumnLeft[] = {400, 505};
constexpr int BoxRowTop[] = {30, 125, 220, 315};
constexpr int BoxSpan = 85;

// Names typed for saved games: ordinary ones, and ones that try to break the
// record file's lines, sections or keys.
const char* const SaveNames[] = {
    "Lucky run",
    "",
    "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW",
    "two\nlines\nCredits=99999",
    "[GameNo1]",
    "Borrowed=0",
    "  spaced  ",
    "tab\there;semicolon#hash",
    "\xc3\xa9t\xc3\xa9 \xe2\x82\xac",
};

// Keys that the machine does not answer, some it answers only in other windows, and A,
// whose autoplay window the storm closes unanswered.
const std::pair<int, const char*> OtherKeys[] = {
    {Qt::Key_A, "A"},        {Qt::Key_Escape, "Escape"}, {Qt::Key_Tab, "Tab"},   {Qt::Key_F2, "F2"},
    {Qt::Key_Left, "Left"},  {Qt::Key_1, "1"},           {Qt::Key_N, "N"},       {Qt::Key_Delete, "Delete"},
    {Qt::Key_Enter, "keypad Enter"},
};

std::string shortText(const QString& text) {
    QString line = text.simplified();
    if (line.size() > 40) {
        line = line.left(37) + QStringLiteral("...");
    }
    return line.toStdString();
}

std::string describe(const Totals& t) {
    return "Credits+Coins=" + std::to_string(t.Credits) + " Borrowed=" + std::to_string(t.Borrowed) +
           " Spins=" + std::to_string(t.Spins) + " TotalBets=" + std::to_string(t.TotalBets) +
           " BonusWon=" + std::to_string(t.BonusWon) + " BonusPts=" + std::to_string(t.BonusPts) +
           " Stock=" + std::to_string(t.Stock);
}

// A choice among weighted actions.
struct Choice {
    int weight;
    std::function<void()> act;
};

// Runs one of the choices, each as likely as its weight; `draw(n)` gives 0 to n - 1.
void runOneOf(const std::vector<Choice>& choices, const std::function<std::uint32_t(std::uint32_t)>& draw) {
    int total = 0;
    for (const Choice& c : choices) {
        total += c.weight;
    }
    int pick = static_cast<int>(draw(static_cast<std::uint32_t>(total)));
    for (const Choice& c : choices) {
        if (pick < c.weight) {
            c.act();
            return;
        }
        pick -= c.weight;
    }
}

} // namespace

Storm::Storm(MachineWindow& window, Game& game, GameRecords& storedGames, StormSettings settings, QString recordPath)
    : window_(window), game_(game), storedGames_(storedGames), settings_(std::move(settings)),
      recordPath_(std::move(recordPath)), random_(settings_.seed) {
    // A slot never saved into opens as a new game, with a new game's holds or nudges.
    if (game_.values().stock) {
        for (Totals& slot : slots_) {
            slot.Stock = game_.values().stock->atNewGame;
        }
    }
}

SlotMachine& Storm::machine() const {
    return window_.machine();
}

int Storm::run() {
    // The start timer lets the machine take input after its first quarter second.
    QElapsedTimer started;
    started.start();
    while (machine().state().Busy && started.elapsed() < 10000) {
        QEventLoop wait;
        QTimer::singleShot(20, &wait, &QEventLoop::quit);
        wait.exec();
    }
    if (machine().state().Busy) {
        fail("the machine never became ready for input");
    }
    // The machine's own draws follow from the seed too.
    machine().random().seed(settings_.seed);
    atRest_ = totals();
    coinsAtRest_ = machine().state().Coins;
    balance_ = conservedValue();
    checkAtRest();

    QElapsedTimer clock;
    clock.start();
    schedule();
    QApplication::exec();
    const double seconds = std::max(1e-3, static_cast<double>(clock.nsecsElapsed()) / 1e9);

    // The close stores the game for the last time.
    if (!window_.keeper().closed()) {
        fail("the window did not finish its close");
    }
    if (stored(CurrentGameIndex) != totals()) {
        fail("the game stored at the close differs from the game in memory: stored " +
             describe(stored(CurrentGameIndex)) + ", in memory " + describe(totals()));
    }
    std::printf("slots-storm: %s seed %u: %ld events, %ld spins, %ld bonus games, %.0f events/s; "
                "every invariant held\n",
                settings_.game.c_str(), settings_.seed, events_, spinsPlayed_, bonusGames_,
                static_cast<double>(events_) / seconds);
    return 0;
}

void Storm::schedule() {
    QTimer::singleShot(0, [this] { step(); });
}

void Storm::beginEvent(const std::string& context) {
    ++events_;
    if (events_ >= settings_.events) {
        draining_ = true;
    }
    current_ = "#" + std::to_string(events_) + (context.empty() ? "" : " [" + context + "]");
    lastEvents_.push_back(current_);
    if (lastEvents_.size() > ReportedEvents) {
        lastEvents_.pop_front();
    }
}

void Storm::note(const std::string& what) {
    current_ += " " + what;
    lastEvents_.back() = current_;
}

// One step of the storm. Each schedules the next before it acts, so the next one
// runs inside whatever event loop this one opens: a spin's waits, a modal window.
void Storm::step() {
    if (done_) {
        return;
    }
    ++depth_;
    schedule();
    QWidget* modal = QApplication::activeModalWidget();
    const Before before{machine().operationRunning(), modal != nullptr, totals(), machine().state().Coins};
    if (modal != nullptr) {
        answer(*modal);
    } else if (draining_) {
        if (depth_ == 1 && !machine().operationRunning()) {
            finish();
            --depth_;
            return;
        }
    } else if (!before.operation || chance(ShareDuringSpin)) {
        beginEvent(before.operation ? "spin" : "");
        machineEvent();
    }
    checkEveryStep(before);
    if (depth_ == 1 && QApplication::activeModalWidget() == nullptr && !machine().operationRunning()) {
        checkAtRest();
    }
    --depth_;
}

void Storm::finish() {
    done_ = true;
    beginEvent("end");
    note("File > Exit");
    // The close finishes at once here: nothing runs, and the keeper quits the application.
    menuCommand(QStringLiteral("&File"), QStringLiteral("E&xit"));
}

// --- Input on the machine ---------------------------------------------------------

void Storm::key(QWidget& target, int qtKey, const char* name) {
    note(std::string("key ") + name);
    QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

void Storm::press(QWidget& target, QPoint at) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(at), target.mapToGlobal(QPointF(at)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

void Storm::pressOnMachine(const char* what, int x, int y) {
    auto& view = *static_cast<MachineView*>(window_.centralWidget());
    const QPoint at = view.machineOrigin() + (QPointF(x, y) / view.devicePixelRatioF()).toPoint();
    note(std::string("press ") + what + " at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
    press(view, at);
}

void Storm::menuCommand(const QString& menu, const QString& item) {
    for (QAction* m : window_.menuBar()->actions()) {
        if (m->text() != menu) {
            continue;
        }
        // Opening the menu brings its items' availability up to date.
        emit m->menu()->aboutToShow();
        for (QAction* action : m->menu()->actions()) {
            if (action->text() == item || (item.startsWith(QLatin1Char(' ')) && action->text().endsWith(item))) {
                if (!action->isEnabled()) {
                    note("(unavailable)");
                    return;
                }
                action->trigger();
                return;
            }
        }
    }
    fail("the menu has no item " + menu.toStdString() + " > " + item.toStdString());
}

void Storm::machineEvent() {
    QWidget& view = *window_.centralWidget();
    const ReelGeometry& g = machine().geometry();
    auto at = [&](const DesignRect& place, const char* what) {
        const QRect r = place.scaled(g);
        pressOnMachine(what, r.left() + static_cast<int>(draw(static_cast<std::uint32_t>(r.width()))),
                       r.top() + static_cast<int>(draw(static_cast<std::uint32_t>(r.height()))));
    };
    const bool atRest = depth_ == 1 && !machine().operationRunning();
    auto menu = [&](const char* menuName, const char* item, Command command) {
        return [this, menuName, item, command, atRest] {
            note(std::string(menuName + 1) + " > " + QString::fromUtf8(item).remove(QLatin1Char('&')).trimmed().toStdString());
            if (atRest) {
                command_ = command;
            }
            menuCommand(QString::fromUtf8(menuName), QString::fromUtf8(item));
        };
    };
    const std::vector<Choice> choices = {
        {14, [&] { key(view, Qt::Key_Return, "Enter"); }},
        {10, [&] { key(view, Qt::Key_Space, "Space"); }},
        {16, [&] { key(view, Qt::Key_B, "B"); }},
        {16, [&] { key(view, Qt::Key_M, "M"); }},
        {2, [&] { key(view, Qt::Key_F1, "F1"); }},
        {8, [&] {
             const auto& k = OtherKeys[draw(std::size(OtherKeys))];
             key(view, k.first, k.second);
         }},
        {14, [&] { at(SpinButtonPlace, "Spin"); }},
        {14, [&] { at(BetOneButtonPlace, "Bet 1"); }},
        {12, [&] { at(BetFiveButtonPlace, "Bet 5"); }},
        {10, [&] { at(CoinSignHitArea, "coin sign"); }},
        {2, [&] {
             const int logo = window_.surface().pictures().SealLogo.width();
             pressOnMachine("logo", LogoMargin + static_cast<int>(draw(static_cast<std::uint32_t>(logo + 1))),
                            LogoMargin + static_cast<int>(draw(static_cast<std::uint32_t>(logo + 1))));
         }},
        {6, [&] {
             const int width = 2 * g.ReelPitch + g.SymbolSize;
             pressOnMachine("reels", g.ReelLeft + static_cast<int>(draw(static_cast<std::uint32_t>(width))),
                            g.ReelTop + static_cast<int>(draw(static_cast<std::uint32_t>(3 * g.SymbolSize))));
         }},
        {8, [&] {
             // Anywhere in the window, the black border around the machine included.
             const QPoint p(static_cast<int>(draw(static_cast<std::uint32_t>(std::max(1, view.width())))),
                            static_cast<int>(draw(static_cast<std::uint32_t>(std::max(1, view.height())))));
             note("press anywhere at " + std::to_string(p.x()) + "," + std::to_string(p.y()));
             press(view, p);
         }},
        {4, menu("&File", "&New Game", Command::NewGame)},
        {8, menu("&File", "&Open Game", Command::OpenGame)},
        {8, menu("&File", "&Save Game", Command::SaveGame)},
        {10, menu("&Options", "&Borrow", Command::Other)},
        {4, menu("&Options", "&Stats", Command::Other)},
        {4, menu("&Options", "&Payoffs", Command::Other)},
        {2, menu("&Options", "Show &Advice", Command::Other)},
        {6, menu("&Options", "Sound", Command::Other)},
        {4, menu("&Options", "Music", Command::Other)},
        {2, menu("&Help", "Version", Command::Other)},
        {2, menu("&Help", " Manual", Command::Other)},
        {1, menu("&Help", "&Brightplay Homepage", Command::Other)},
        {1, menu("&Help", "&Company Information", Command::Other)},
        {2, [&] {
             note("closes the help window");
             for (QWidget* w : QApplication::topLevelWidgets()) {
                 if (w != &window_ && w->isVisible() && !w->isModal()) {
                     w->close();
                 }
             }
         }},
    };
    runOneOf(choices, [this](std::uint32_t n) { return draw(n); });
}

// --- Answers to the windows that open ----------------------------------------------

void Storm::answer(QWidget& modal) {
    if (auto* bonus = dynamic_cast<BonusWindow*>(&modal)) {
        beginEvent("bonus game");
        answerBonus(*bonus);
    } else if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
        beginEvent("message \"" + shortText(box->text()) + "\"");
        answerMessage(*box);
    } else if (auto* input = qobject_cast<QInputDialog*>(&modal)) {
        beginEvent("input box");
        answerInput(*input);
    } else if (auto* loadSave = dynamic_cast<SaveOpenWindow*>(&modal)) {
        beginEvent(loadSave->windowTitle().startsWith(QLatin1String("Save")) ? "save window" : "open window");
        answerLoadSave(*loadSave);
    } else if (auto* borrow = dynamic_cast<LoanDeskWindow*>(&modal)) {
        beginEvent("loan desk");
        answerBorrow(*borrow);
    } else if (auto* stats = dynamic_cast<StatisticsWindow*>(&modal)) {
        beginEvent("statistics");
        answerStats(*stats);
    } else if (auto* chart = dynamic_cast<PayChartWindow*>(&modal)) {
        beginEvent("pay chart");
        answerPaychart(*chart);
    } else {
        beginEvent(std::string("window ") + modal.metaObject()->className());
        note("closed");
        if (auto* dialog = qobject_cast<QDialog*>(&modal)) {
            dialog->reject();
        } else {
            modal.close();
        }
    }
}

void Storm::answerBonus(BonusWindow& bonus) {
    const BonusWindowPicture& board = bonus.board();
    // A window pixel for a point of the board's own pixels.
    auto onBoard = [&](int x, int y) {
        return board.place + QPoint(x * board.shown.width() / board.own.width(),
                                    y * board.shown.height() / board.own.height());
    };
    auto pressBox = [&] {
        const int box = static_cast<int>(draw(8));
        note("press box " + std::to_string(box + 1));
        press(bonus, onBoard(BoxColumnLeft[box / 4] + 1 + static_cast<int>(draw(BoxSpan - 1)),
                             BoxRowTop[box % 4] + 1 + static_cast<int>(draw(BoxSpan - 1))));
    };
    auto pressBeside = [&] {
        note("press beside the board");
        press(bonus, QPoint(1, 1));
    };
    if (draining_) {
        bonus.boxOpened() ? pressBeside() : key(bonus, Qt::Key_Return, "Enter");
        return;
    }
    const std::vector<Choice> choices = bonus.boxOpened()
        ? std::vector<Choice>{
              {50, pressBeside},
              {15, [&] { key(bonus, Qt::Key_E, "E"); }},
              {15, pressBox},
              {10, [&] { key(bonus, Qt::Key_Space, "Space"); }},
              {10, [&] { key(bonus, Qt::Key_Escape, "Escape"); }},
          }
        : std::vector<Choice>{
              {40, pressBox},
              {15, [&] { key(bonus, Qt::Key_Return, "Enter"); }},
              {5, [&] { key(bonus, Qt::Key_Space, "Space"); }},
              {10, [&] {
                   const std::pair<int, const char*> letters[] = {
                       {Qt::Key_N, "N"}, {Qt::Key_W, "W"}, {Qt::Key_Y, "Y"}, {Qt::Key_R, "R"}};
                   const auto& k = letters[draw(std::size(letters))];
                   key(bonus, k.first, k.second);
               }},
              {10, pressBeside},
              {10, [&] { key(bonus, Qt::Key_Escape, "Escape"); }},
              {10, [&] {
                   note("press between the boxes");
                   press(bonus, onBoard(100, 100));
               }},
          };
    runOneOf(choices, [this](std::uint32_t n) { return draw(n); });
}

void Storm::answerMessage(QMessageBox& box) {
    if (!draining_ && chance(0.2)) {
        key(box, Qt::Key_Escape, "Escape");
        return;
    }
    const QList<QAbstractButton*> buttons = box.buttons();
    if (buttons.isEmpty()) {
        note("closed");
        box.reject();
        return;
    }
    QAbstractButton* button = buttons.at(static_cast<qsizetype>(draw(static_cast<std::uint32_t>(buttons.size()))));
    note("clicks " + shortText(button->text()));
    button->click();
}

void Storm::answerInput(QInputDialog& input) {
    if (draining_ || chance(0.25)) {
        note("Cancel");
        input.reject();
        return;
    }
    const QString name = QString::fromUtf8(SaveNames[draw(std::size(SaveNames))]);
    note("OK with \"" + shortText(name) + "\"");
    input.setTextValue(name);
    savedSlot_ = slotClicked_;
    input.accept();
}

void Storm::answerLoadSave(SaveOpenWindow& window) {
    if (draining_) {
        note("Cancel");
        window.CancelBtn->click();
        return;
    }
    const bool saving = window.windowTitle().startsWith(QLatin1String("Save"));
    const std::uint32_t roll = draw(100);
    if (roll < 55) {
        const int slot = 1 + static_cast<int>(draw(GameSlotCount));
        note("slot " + std::to_string(slot));
        slotClicked_ = slot;
        if (!saving) {
            openedSlot_ = slot;
        }
        window.panel(slot).button->click();
    } else if (roll < 70) {
        note("Cancel");
        window.CancelBtn->click();
    } else if (roll < 80) {
        key(window, Qt::Key_Escape, "Escape");
    } else if (roll < 85) {
        note("Help");
        window.HelpBtn->click();
    } else if (roll < 90) {
        key(window, Qt::Key_F1, "F1");
    } else {
        const int slot = 1 + static_cast<int>(draw(GameSlotCount));
        const QString name = QString::fromUtf8(SaveNames[draw(std::size(SaveNames))]);
        note("types \"" + shortText(name) + "\" as the name of slot " + std::to_string(slot));
        window.panel(slot).name->setText(name);
    }
}

void Storm::answerBorrow(LoanDeskWindow& window) {
    if (draining_) {
        note("OK");
        window.okButton()->click();
        return;
    }
    const std::uint32_t roll = draw(100);
    if (roll < 55) {
        QToolButton* chips[] = {window.thousandChip(), window.hundredChip(), window.tenChip(), window.oneChip()};
        const char* names[] = {"$1,000", "$100", "$10", "$1"};
        const std::uint32_t chip = draw(4);
        note(std::string(window.payBackButton()->isChecked() ? "pays back " : "borrows ") + names[chip]);
        chips[chip]->click();
    } else if (roll < 70) {
        QRadioButton* mode = chance(0.5) ? window.borrowButton() : window.payBackButton();
        note("mode " + mode->text().toStdString());
        mode->click();
    } else if (roll < 85) {
        note("OK");
        window.okButton()->click();
    } else if (roll < 90) {
        key(window, Qt::Key_Escape, "Escape");
    } else if (roll < 95) {
        note("Help");
        window.helpButton()->click();
    } else {
        key(window, Qt::Key_F1, "F1");
    }
}

void Storm::answerStats(StatisticsWindow& window) {
    if (!draining_ && chance(0.3)) {
        key(window, Qt::Key_Escape, "Escape");
        return;
    }
    note("OK");
    window.okButton->click();
}

void Storm::answerPaychart(PayChartWindow& window) {
    if (!draining_ && chance(0.2)) {
        key(window, Qt::Key_F1, "F1");
        return;
    }
    key(window, Qt::Key_Escape, "Escape");
}

// --- Invariants -------------------------------------------------------------------

Totals Storm::totals() const {
    const GameState& s = machine().state();
    const GameValues& values = game_.values();
    return {std::int64_t{s.Credits} + s.Coins,
            s.Borrowed,
            s.Spins,
            s.TotalBets,
            s.BonusWon,
            s.BonusPts,
            values.stock ? std::int64_t{s.Stock} + game_.stockSetAside(machine()) : 0};
}

Totals Storm::stored(int index) {
    GameState read;
    storedGames_.readGame(index, read);
    const GameValues& values = game_.values();
    return {read.Credits, read.Borrowed, read.Spins, read.TotalBets, read.BonusWon, read.BonusPts,
            values.stock ? read.Stock : 0};
}

// Credits + coins bet - borrowed + total bets - wins: what the player brought to the
// game beyond the loans, which only a new game (keeping its coins bet) or an
// opened game changes.
std::int64_t Storm::conservedValue() const {
    const Totals t = totals();
    return t.Credits - t.Borrowed + t.TotalBets - wins_;
}

void Storm::checkEveryStep(const Before& before) {
    const GameState& s = machine().state();
    const std::int64_t limit = game_.values().coinLimit;
    for (const auto& [name, value] : {std::pair{"Credits", s.Credits}, {"Coins", s.Coins}, {"Borrowed", s.Borrowed},
                                      {"Spins", s.Spins}, {"TotalBets", s.TotalBets}, {"BonusWon", s.BonusWon},
                                      {"BonusPts", s.BonusPts}, {"SpinWin", s.SpinWin}}) {
        if (value < 0) {
            fail(std::string(name) + " is negative: " + std::to_string(value));
        }
    }
    if (s.BonusPts > FullBonusPoints) {
        fail("BonusPts is above 12: " + std::to_string(s.BonusPts));
    }
    if (s.Coins > limit) {
        fail("more coins bet than the coin limit: " + std::to_string(s.Coins));
    }
    if (s.TotalBets < s.Spins || s.TotalBets > limit * s.Spins) {
        fail("TotalBets " + std::to_string(s.TotalBets) + " is not between Spins " + std::to_string(s.Spins) +
             " and the coin limit times Spins");
    }
    // A command that comes while a spin runs starts nothing: no bet, no second
    // spin, no new, opened or borrowed game.
    if (before.operation && !before.modal && (totals() != before.totals || s.Coins != before.coins)) {
        fail("a command during a spin changed the game (a spin inside a spin?): before " +
             describe(before.totals) + " Coins=" + std::to_string(before.coins) + ", after " + describe(totals()) +
             " Coins=" + std::to_string(s.Coins));
    }
}

void Storm::checkAtRest() {
    const GameState& s = machine().state();
    const Totals now = totals();
    const GameValues& values = game_.values();
    if (command_ == Command::NewGame) {
        // Reels held before New Game stay held for its first spin.
        const Totals fresh{NewGameCredits + coinsAtRest_, NewGameCredits, 0, 0, 0, 0,
                           values.stock ? values.stock->atNewGame + game_.stockSetAside(machine()) : 0};
        if (now != fresh || s.Coins != coinsAtRest_) {
            fail("New Game did not start a fresh game keeping the coins bet: " + describe(now) +
                 " Coins=" + std::to_string(s.Coins) + ", coins bet before " + std::to_string(coinsAtRest_));
        }
        wins_ = 0;
        balance_ = conservedValue();
    } else if (command_ == Command::OpenGame && openedSlot_ != 0) {
        const Totals& slot = slots_[static_cast<std::size_t>(openedSlot_ - 1)];
        if (now != slot || s.Coins != std::min<std::int64_t>(coinsAtRest_, slot.Credits)) {
            fail("the opened game is not the game saved in slot " + std::to_string(openedSlot_) + ": opened " +
                 describe(now) + " Coins=" + std::to_string(s.Coins) + ", saved " + describe(slot));
        }
        wins_ = 0;
        balance_ = conservedValue();
    } else {
        const std::int64_t spins = now.Spins - atRest_.Spins;
        const std::int64_t bets = now.TotalBets - atRest_.TotalBets;
        if (spins == 1) {
            const SpinOutcome& spin = machine().lastSpin();
            wins_ += std::int64_t{spin.lineWin} + spin.bonusPrize;
            ++spinsPlayed_;
            bonusGames_ += spin.bonusPlayed ? 1 : 0;
            if (bets < 1 || bets > values.coinLimit || bets != spin.coins) {
                fail("a spin added " + std::to_string(bets) + " to TotalBets, played with " +
                     std::to_string(spin.coins) + " coins");
            }
        } else if (spins != 0 || bets != 0) {
            fail("one command moved Spins by " + std::to_string(spins) + " and TotalBets by " + std::to_string(bets));
        }
        if (conservedValue() != balance_) {
            fail("credits are not conserved: credits + coins - borrowed + total bets - wins is " +
                 std::to_string(conservedValue()) + ", was " + std::to_string(balance_) + " (wins since the game began " +
                 std::to_string(wins_) + ", last spin line win " + std::to_string(machine().lastSpin().lineWin) +
                 ", bonus prize " + std::to_string(machine().lastSpin().bonusPrize) + ")");
        }
    }
    if (command_ == Command::SaveGame && savedSlot_ != 0) {
        slots_[static_cast<std::size_t>(savedSlot_ - 1)] = now;
    }
    if (command_ == Command::SaveGame || command_ == Command::OpenGame) {
        checkRecordsMatchModel();
    }
    if (s.Busy || s.SpinWin != 0) {
        fail("the machine rests with Busy " + std::to_string(s.Busy) + " and SpinWin " + std::to_string(s.SpinWin));
    }
    if (const Totals kept = stored(CurrentGameIndex); kept != now) {
        fail("the stored game differs from the game in memory: stored " + describe(kept) + ", in memory " +
             describe(now));
    }
    atRest_ = now;
    coinsAtRest_ = s.Coins;
    command_ = Command::Other;
    slotClicked_ = openedSlot_ = savedSlot_ = 0;
}

void Storm::checkRecordsMatchModel() {
    for (int slot = 1; slot <= GameSlotCount; ++slot) {
        const Totals kept = stored(slot - 1);
        const Totals& saved = slots_[static_cast<std::size_t>(slot - 1)];
        if (kept != saved) {
            fail("slot " + std::to_string(slot) + " holds " + describe(kept) + ", saved was " + describe(saved));
        }
    }
}

void Storm::fail(const std::string& invariant) {
    const GameState& s = machine().state();
    std::fprintf(stderr, "slots-storm: invariant broken: %s\n", invariant.c_str());
    std::fprintf(stderr, "  game %s, seed %u, event %ld of %ld%s\n", settings_.game.c_str(), settings_.seed, events_,
                 settings_.events, draining_ ? " (closing the windows left open)" : "");
    std::fprintf(stderr, "  in memory: Credits=%d Coins=%d Borrowed=%d Spins=%d TotalBets=%d BonusWon=%d BonusPts=%d "
                 "SpinWin=%d Busy=%d spin running=%d\n",
                 s.Credits, s.Coins, s.Borrowed, s.Spins, s.TotalBets, s.BonusWon, s.BonusPts, s.SpinWin, s.Busy,
                 machine().operationRunning());
    std::fprintf(stderr, "  the last %zu events:\n", lastEvents_.size());
    for (const std::string& e : lastEvents_) {
        std::fprintf(stderr, "    %s\n", e.c_str());
    }
    std::fprintf(stderr, "  the record file is kept: %s\n", recordPath_.toLocal8Bit().constData());
    std::fprintf(stderr, "  again: slots-storm --game %s --events %ld --seed %u\n", settings_.game.c_str(), events_,
                 settings_.seed);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace slotmachine::storm
