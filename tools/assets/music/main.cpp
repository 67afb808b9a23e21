// slots-music: composes one music track from its score (tools/assets/music/README.md).
// It knows no game: the build runs it once per track of every game.
#include "tools/assets/music/MusicCommand.h"

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    return slotmachine::assets::runMusicCommand(args);
}
