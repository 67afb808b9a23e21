#include "tools/assets/sound/SoundCommand.h"

#include "tools/assets/sound/WavFile.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <string>

namespace slotmachine::assets {

namespace {

int fail(const std::string& game, const std::string& message) {
    std::fprintf(stderr, "%s-sounds: %s\n", game.c_str(), message.c_str());
    return 1;
}

} // namespace

int runSoundsCommand(const sound::GameSounds& set, const QStringList& args) {
    if (args.size() != 1 || args[0].isEmpty()) {
        return fail(set.game,
                    "usage: " + set.game + "-sounds OUT-PREFIX (writes OUT-PREFIX<name>.wav for each sound)");
    }
    // The prefix may name a folder that does not exist yet.
    const QString folder = QFileInfo(args[0]).absolutePath();
    if (!QDir().mkpath(folder)) {
        return fail(set.game, "cannot make the folder " + folder.toStdString());
    }
    for (const sound::FinishedSound& finished : sound::render(set)) {
        const std::string path = args[0].toStdString() + finished.name + ".wav";
        if (const std::string error = sound::writeWav(path, finished.wave); !error.empty()) {
            return fail(set.game, "cannot write " + path + ": " + error);
        }
    }
    return 0;
}

int runSoundsProgram(int argc, char** argv, sound::GameSounds (*sounds)()) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    return runSoundsCommand(sounds(), args);
}

} // namespace slotmachine::assets
