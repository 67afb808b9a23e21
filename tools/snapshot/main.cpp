// slots-snapshot: renders a game's machine offscreen into PNG files in a few
// states (idle, mid-spin, after a win with the win lamps on, the bonus meter full,
// and the game's own scenes) at the layout widths asked for, and its three bonus game pictures, for review
// and for the README's screenshot.
#include "engine/bonus/BonusPictures.h"
#include "engine/bonus/BoxAward.h"
#include "engine/bonus/RandomPickBonus.h"
#include "engine/core/Audio.h"
#include "engine/core/Dialogs.h"
#include "engine/core/MachineTimers.h"
#include "engine/core/Random.h"
#include "engine/display/MachineSurface.h"
#include "engine/display/PictureChecks.h"
#include "engine/machine/BlinkingLamps.h"
#include "engine/machine/SlotMachine.h"
#include "engine/machine/VirtualClock.h"
#include "games/Catalog.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <optional>

using namespace slotmachine;

namespace {

constexpr const char* Usage =
    "usage: slots-snapshot --game NAME --media DIR --out DIR [--width PIXELS]...\n"
    "  --game   a game of the catalog (the snapshots target renders each of them)\n"
    "  --media  the folder that holds the game's symbol sheet (its program's folder)\n"
    "  --width  layout widths to render (default 800 and 1920)\n";

class PrintedDialogs final : public Dialogs {
public:
    void information(const QString& text) override { print(text); }
    void plain(const QString& text) override { print(text); }
    void error(const QString& text) override { print(text); }

private:
    static void print(const QString& text) { std::fprintf(stderr, "slots-snapshot: %s\n", qPrintable(text)); }
};

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct Options {
    QString game;
    QString media;
    QString out;
    QList<int> widths;
};

std::optional<Options> parse(const QStringList& args) {
    Options o;
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        const QString& key = args[i];
        const QString& value = args[i + 1];
        if (key == QLatin1String("--game")) {
            o.game = value;
        } else if (key == QLatin1String("--media")) {
            o.media = value;
        } else if (key == QLatin1String("--out")) {
            o.out = value;
        } else if (key == QLatin1String("--width")) {
            bool ok = false;
            const int w = value.toInt(&ok);
            if (!ok || w < 200 || w > 8000) {
                return std::nullopt;
            }
            o.widths.append(w);
        } else {
            return std::nullopt;
        }
    }
    if (args.size() % 2 != 0 || o.game.isEmpty() || o.media.isEmpty() || o.out.isEmpty()) {
        return std::nullopt;
    }
    if (o.widths.isEmpty()) {
        o.widths = {800, 1920};
    }
    return o;
}

bool savePicture(const QImage& picture, const QString& path) {
    if (picture.isNull()) {
        std::fprintf(stderr, "slots-snapshot: no picture for %s\n", qPrintable(path));
        return false;
    }
    if (!picture.save(path)) {
        std::fprintf(stderr, "slots-snapshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool save(const MachineSurface& surface, const QString& path) {
    return savePicture(surface.image(), path);
}

// A machine drawing into an offscreen surface at one layout width, on virtual time,
// silent, with a fixed seed.
struct SnapshotRig {
    SnapshotRig(Game& game, const MachinePictures& pictures, int width)
        : random(20261207), surface(state, game, pictures, SurfaceScreen{width, 96}),
          machine({state, game, random, clock, audio, dialogs, surface, timers, bonus}), lamps(machine) {
        machine.setGeometry(surface.geometry());
        machine.powerOn();
    }

    GameState state;
    Random random;
    VirtualClock clock;
    SilentAudio audio;
    PrintedDialogs dialogs;
    TimerFlags timers;
    RandomPickBonus bonus;
    MachineSurface surface;
    SlotMachine machine;
    BlinkingLamps lamps;
};

// Renders the states every game has at one layout width, then the game's own scenes.
bool renderAt(Game& game, const MachinePictures& pictures, int width, const QString& outDir,
              const QString& name) {
    const QString stem = QDir(outDir).filePath(QStringLiteral("%1-%2-%3.png").arg(name));
    const QString w = QString::number(width);
    SnapshotRig rig(game, pictures, width);
    SlotMachine& machine = rig.machine;

    rig.lamps.blinkButtons();
    rig.lamps.blinkCoinSign();
    bool ok = save(rig.surface, stem.arg(QStringLiteral("idle"), w));

    // Mid-spin: the first reel has stopped, the second bounces, the third still spins.
    int waits = 0;
    rig.clock.setDuringWait([&] {
        if (++waits == 31) {
            ok = save(rig.surface, stem.arg(QStringLiteral("spin"), w)) && ok;
        }
    });
    machine.betFive();
    rig.clock.setDuringWait(nullptr);

    // Spins until one pays, then shows the win lamps and the blinking Spin button.
    for (int spin = 0; spin < 1000 && machine.lastSpin().lineWin == 0; ++spin) {
        machine.betFive();
    }
    rig.lamps.blinkWinLamps();
    rig.lamps.blinkWinLamps();
    rig.lamps.blinkButtons();
    ok = save(rig.surface, stem.arg(QStringLiteral("win"), w)) && ok;

    // The bonus meter full, as it shows just before the bonus game opens.
    if (game.showsBonusMeter()) {
        rig.state.BonusPts = FullBonusPoints;
        machine.FullRepaint();
        ok = save(rig.surface, stem.arg(QStringLiteral("bonusmeter"), w)) && ok;
    }

    // Each scene on a game of its own: a game keeps state between spins.
    for (const SnapshotScene& scene : snapshotScenes(name.toStdString())) {
        const std::unique_ptr<Game> fresh = makeGame(name.toStdString());
        SnapshotRig own(*fresh, pictures, width);
        const QString path = stem.arg(fromView(scene.name), w);
        scene.stage(own.machine, *fresh);
        if (scene.act == nullptr) {
            ok = save(own.surface, path) && ok;
            continue;
        }
        int sceneWaits = 0;
        bool taken = false;
        own.clock.setDuringWait([&] {
            if (++sceneWaits == scene.atWait) {
                taken = save(own.surface, path);
            }
        });
        scene.act(own.machine, *fresh);
        own.clock.setDuringWait(nullptr);
        if (!taken) {
            std::fprintf(stderr, "slots-snapshot: %s never reached wait %d\n", qPrintable(path),
                         scene.atWait);
        }
        ok = taken && ok;
    }
    return ok;
}

// The bonus game's pictures as the program shows them, replacement files in the
// media folder included; the prize picture carries the game's own prize text.
bool renderBonusPictures(Game& game, const QDir& mediaDir, const QString& outDir, const QString& name) {
    BonusPictures pictures = builtInBonusPictures(fromView(game.values().programName));
    loadBonusOverrides(pictures, mediaDir);
    GameState state;
    QImage prize = pictures.Prize;
    BoxAward award{state, 250, &prize};
    game.awardBox(award);
    const QString stem = QDir(outDir).filePath(QStringLiteral("%1-bonus-%2.png").arg(name));
    bool ok = savePicture(pictures.Board, stem.arg(QStringLiteral("board")));
    ok = savePicture(pictures.NoPrize, stem.arg(QStringLiteral("empty"))) && ok;
    return savePicture(prize, stem.arg(QStringLiteral("prize"))) && ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::optional<Options> options = parse(QCoreApplication::arguments().mid(1));
    if (!options) {
        std::fputs(Usage, stderr);
        return 2;
    }
    std::unique_ptr<Game> game = makeGame(options->game.toStdString());
    if (!game) {
        QStringList names;
        for (const std::string_view name : gameNames()) {
            names.append(fromView(name));
        }
        std::fprintf(stderr, "slots-snapshot: no game is called %s (games: %s)\n", qPrintable(options->game),
                     qPrintable(names.join(QStringLiteral(", "))));
        return 2;
    }
    const GameValues& values = game->values();
    PrintedDialogs dialogs;
    std::optional<MachinePictures> pictures =
        prepareMachinePictures(builtInPictures(fromView(values.programName), values.pictures),
                               QDir(options->media), fromView(values.soundPrefix), 24, dialogs);
    if (!pictures) {
        return 1;
    }
    QDir().mkpath(options->out);
    bool ok = renderBonusPictures(*game, QDir(options->media), options->out, options->game);
    for (const int width : options->widths) {
        ok = renderAt(*game, *pictures, width, options->out, options->game) && ok;
    }
    return ok ? 0 : 1;
}
