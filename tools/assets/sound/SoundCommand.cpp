#include "tools/assets/sound/SoundCommand.h"

#include "tools/assets/sound/SoundSet.h"
#include "tools/assets/sound/WavFile.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <string>

namespace slotmachine::assets {

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "slots-assets sounds: %s\n", message.c_str());
    return 1;
}

std::string knownGames() {
    std::string names;
    for (const sound::GameSounds& set : sound::gameSoundSets()) {
        names += (names.empty() ? "" : ", ") + set.game;
    }
    return names;
}

} // namespace

int runSoundsCommand(const QStringList& args) {
    if (args.size() != 2 || args[1].isEmpty()) {
        return fail(
            "usage: slots-assets sounds GAME OUT-PREFIX (writes OUT-PREFIX<name>.wav for each sound)");
    }
    const std::string game = args[0].toStdString();
    const sound::GameSounds* set = sound::findGameSounds(game);
    if (set == nullptr) {
        return fail("no sounds for the game '" + game + "' (games with sounds: " + knownGames() + ")");
    }
    // The prefix may name a folder that does not exist yet.
    const QString folder = QFileInfo(args[1]).absolutePath();
    if (!QDir().mkpath(folder)) {
        return fail("cannot make the folder " + folder.toStdString());
    }
    for (const sound::FinishedSound& finished : sound::render(*set)) {
        const std::string path = args[1].toStdString() + finished.name + ".wav";
        if (const std::string error = sound::writeWav(path, finished.wave); !error.empty()) {
            return fail("cannot write " + path + ": " + error);
        }
    }
    return 0;
}

} // namespace slotmachine::assets
