#include "engine/shell/MachineAccessibility.h"

#include "engine/bonus/BonusAccessible.h"
#include "engine/core/Game.h"
#include "engine/core/GameText.h"
#include "engine/core/MachineDisplay.h"
#include "engine/display/MachineLayout.h"
#include "engine/display/MachineSurface.h"
#include "engine/machine/SlotMachine.h"
#include "engine/records/PlayAnnouncement.h"
#include "engine/records/PlayDescription.h"
#include "engine/shell/MachineView.h"
#include "engine/state/ReelStrips.h"

#include <QLocale>
#include <algorithm>

namespace slotmachine {

namespace {

// How often the parts are compared with what a screen reader was told, while one listens.
constexpr int WatchIntervalMs = 200;

enum Meter { CreditsMeter, CoinsMeter, WinningsMeter, StockMeter };
enum Button { SpinButton, BetOneButton, MaxBetButton };

// Where each meter's caption and digits lie; the stock meter's place is the game's
// own (FeatureStock::meterPlace).
constexpr DesignRect MeterPlaces[] = {CreditsMeterPlace, CoinsMeterPlace, WinningsMeterPlace};
constexpr DesignRect ButtonPlaces[] = {SpinButtonPlace, BetOneButtonPlace, BetFiveButtonPlace};

QString capitalised(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

// "1,000": grouped in the reader's locale, as a screen reader should say it.
QString meterText(std::int32_t value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

QAccessibleInterface* machineFactory(const QString&, QObject* object) {
    if (MachineAccessibility* access = MachineAccessibility::of(object)) {
        return new PartsWidgetAccessible(static_cast<QWidget*>(object), QAccessible::Pane, *access,
                                         static_cast<QWidget*>(object)->window()->windowTitle());
    }
    return bonusWindowAccessible(object);
}

} // namespace

MachineAccessibility::MachineAccessibility(SlotMachine& machine, const MachineSurface& surface, MachineView& view,
                                           MachineAccessInput input)
    : QObject(&view), machine_(machine), surface_(surface), view_(view), input_(std::move(input)) {
    const Game& game = machine.game();
    const GameValues& values = game.values();
    parts_ = {{Kind::Meter, CreditsMeter, tr("Credits")},
              {Kind::Meter, CoinsMeter, tr("Coins")},
              {Kind::Meter, WinningsMeter, tr("Winnings")}};
    if (values.stock) {
        parts_.push_back({Kind::Meter, StockMeter, capitalised(gameText(values.stock->name))});
    }
    // The buttons by their captions: "SPIN", "BET 1", "BET 3".
    //: The machine's button that spins the reels.
    parts_.push_back({Kind::Button, SpinButton, tr("Spin")});
    parts_.push_back({Kind::Button, BetOneButton, tr("Bet 1")});
    parts_.push_back({Kind::Button, MaxBetButton, tr("Bet %1").arg(values.coinLimit)});
    for (int reel = 0; reel < ReelCount; ++reel) {
        if (const std::optional<ReelControl> control = game.reelControl(machine, reel)) {
            //: A button over one reel: %1 is what it does to the reel ("Hold", "Nudge"), %2 the reel's
            //: number.
            parts_.push_back(
                {Kind::ReelControl, reel, tr("%1 reel %2").arg(gameText(control->name)).arg(reel + 1)});
        }
    }
    for (int reel = 0; reel < ReelCount; ++reel) {
        parts_.push_back({Kind::Reel, reel, tr("Reel %1").arg(reel + 1)});
    }
    parts_.push_back({Kind::Result, 0, QString()}); // named by the last play

    machine.addPlayListener(this, [this](const PlayRecord& play) {
        result_ = playAnnouncement(play, machine_.game());
        newPlay_ = true;
        // The play has settled: its reels are at rest, whatever still runs.
        for (int reel = 0; reel < ReelCount; ++reel) {
            reelsAtRest_[static_cast<std::size_t>(reel)] = reelSymbols(reel, true);
        }
        tellChanges();
    });
    for (int i = 0; i < partCount(); ++i) {
        told_.push_back(part(i));
    }
    connect(&watch_, &QTimer::timeout, this, [this] {
        if (QAccessible::isActive()) {
            tellChanges();
        }
    });
    watch_.start(WatchIntervalMs);
    installMachineAccessibility();
}

MachineAccessibility::~MachineAccessibility() {
    machine_.removePlayListeners(this);
}

MachineAccessibility* MachineAccessibility::of(QObject* view) {
    if (dynamic_cast<MachineView*>(view) == nullptr) {
        return nullptr;
    }
    for (QObject* child : view->children()) {
        if (auto* access = dynamic_cast<MachineAccessibility*>(child)) {
            return access;
        }
    }
    return nullptr;
}

QRect MachineAccessibility::onScreen(const QRect& surfaceRect) const {
    if (surfaceRect.isEmpty()) {
        return {};
    }
    const qreal ratio = view_.devicePixelRatioF();
    const QRectF inView(QPointF(view_.machineOrigin()) + QPointF(surfaceRect.topLeft()) / ratio,
                        QSizeF(surfaceRect.size()) / ratio);
    return slotmachine::onScreen(view_, inView.toAlignedRect());
}

AccessiblePart MachineAccessibility::part(int index) const {
    const Part& p = parts_[static_cast<std::size_t>(index)];
    AccessiblePart a;
    switch (p.kind) {
    case Kind::Meter:
        a = meter(p.index);
        break;
    case Kind::Button:
        a = button(p.index);
        break;
    case Kind::ReelControl:
        a = reelControl(p.index);
        break;
    case Kind::Reel:
        a = reel(p.index);
        break;
    case Kind::Result: {
        const RecallLog& log = machine_.recallLog();
        a.role = QAccessible::StatusBar;
        // Its name is the announcement; until this session's first play, the last
        // play the game kept.
        a.name = !result_.isEmpty() || log.empty() ? result_ : playAnnouncement(log[log.size() - 1], machine_.game());
        // What the coin tray's glass says (autoplay's spins left, what won), as it changes.
        const TrayMessage& note = surface_.message();
        a.description = note.heading.isEmpty() || note.text.isEmpty() ? note.heading + note.text
                                                                       : note.heading + QStringLiteral(": ") + note.text;
        a.screenRect = onScreen(CoinTrayGlass.scaled(machine_.geometry()));
        return a;
    }
    }
    a.name = p.name;
    return a;
}

AccessiblePart MachineAccessibility::meter(int index) const {
    const GameState& s = machine_.state();
    const std::int32_t values[] = {s.Credits, s.Coins, surface_.winningsShown(), s.Stock};
    AccessiblePart a;
    a.role = QAccessible::StaticText;
    a.value = values[index];
    a.description = meterText(values[index]);
    const std::optional<FeatureStock>& stock = machine_.game().values().stock;
    const DesignRect place = index < StockMeter ? MeterPlaces[index] : stock->meterPlace;
    a.screenRect = onScreen(place.scaled(machine_.geometry()));
    return a;
}

AccessiblePart MachineAccessibility::button(int index) const {
    AccessiblePart a;
    a.role = QAccessible::Button;
    a.pressable = true;
    a.unavailable = machine_.state().Busy;
    a.screenRect = onScreen(ButtonPlaces[index].scaled(machine_.geometry()));
    return a;
}

AccessiblePart MachineAccessibility::reelControl(int reel) const {
    AccessiblePart a;
    a.role = QAccessible::Button;
    a.pressable = true;
    if (const std::optional<ReelControl> control = machine_.game().reelControl(machine_, reel)) {
        a.unavailable = !control->offered;
        a.pressed = control->on;
        a.screenRect = onScreen(control->place.scaled(machine_.geometry()));
    }
    return a;
}

AccessiblePart MachineAccessibility::reel(int reel) const {
    const ReelGeometry& g = machine_.geometry();
    AccessiblePart a;
    a.role = QAccessible::Graphic;
    a.description = reelSymbols(reel, !machine_.state().Busy);
    a.screenRect = onScreen(QRect(g.ReelLeft + reel * g.ReelPitch, g.ReelTop, g.SymbolSize, 3 * g.SymbolSize));
    return a;
}

QString MachineAccessibility::reelSymbols(int reel, bool atRestNow) const {
    QString& atRest = reelsAtRest_[static_cast<std::size_t>(reel)];
    if (!atRestNow && !atRest.isEmpty()) {
        return atRest;
    }
    std::vector<int> rows(machine_.game().values().paylineRows.begin(), machine_.game().values().paylineRows.end());
    std::sort(rows.begin(), rows.end());
    QStringList symbols;
    for (const int row : rows) {
        const QString name =
            gameText(machine_.game().symbolNameAt(reel, rowPosition(machine_.state(), reel, row)));
        // One open row needs no name; several are told top first.
        symbols << (rows.size() == 1 ? name : lineName(row) + QLatin1Char(' ') + name);
    }
    atRest = symbols.join(QStringLiteral(", "));
    return atRest;
}

void MachineAccessibility::press(int index) {
    const Part p = parts_[static_cast<std::size_t>(index)];
    QTimer::singleShot(0, this, [this, p] {
        if (p.kind == Kind::Button) {
            input_.pressAt(ButtonPlaces[p.index].scaled(machine_.geometry()).center());
        } else if (p.kind == Kind::ReelControl) {
            input_.pressReelControl(p.index);
        }
    });
}

void MachineAccessibility::tellChanges() {
    for (int i = 0; i < partCount(); ++i) {
        AccessiblePart now = part(i);
        AccessiblePart& before = told_[static_cast<std::size_t>(i)];
        if (parts_[static_cast<std::size_t>(i)].kind == Kind::Result && newPlay_) {
            // A new play is told even when its words are the last play's.
            newPlay_ = false;
            tellPartChanged(view_, i, AccessiblePart{}, now);
        } else if (!now.sameAs(before)) {
            tellPartChanged(view_, i, before, now);
        }
        before = std::move(now);
    }
}

void installMachineAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(machineFactory);
        return true;
    }();
    (void)installed;
}

} // namespace slotmachine
