#include "tools/assets/music/MusicCommand.h"

#include "tools/assets/music/Arrangement.h"
#include "tools/assets/music/Score.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace slotmachine::assets {

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "slots-music: %s\n", message.toLocal8Bit().constData());
    return 1;
}

} // namespace

int runMusicCommand(const QStringList& args) {
    if (args.size() != 2) {
        return fail(QStringLiteral("usage: slots-music SCORE OUT.mid"));
    }
    const QString& scorePath = args[0];
    const QString& outPath = args[1];

    QFile scoreFile(scorePath);
    if (!scoreFile.open(QIODevice::ReadOnly)) {
        return fail(QStringLiteral("cannot read %1: %2").arg(scorePath, scoreFile.errorString()));
    }
    const QByteArray text = scoreFile.readAll();

    music::Bytes midi;
    try {
        midi = music::toMidiFile(
            music::arrange(music::parseScore(std::string_view(text.constData(), text.size()))));
    } catch (const music::ScoreError& error) {
        const QString where =
            error.line() > 0 ? QStringLiteral("%1:%2").arg(scorePath).arg(error.line()) : scorePath;
        return fail(QStringLiteral("%1: %2").arg(where, QString::fromUtf8(error.what())));
    }

    // Written whole or not at all, so that a failed build leaves no half a track behind.
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(midi.data()), static_cast<qint64>(midi.size())) !=
            static_cast<qint64>(midi.size()) ||
        !out.commit()) {
        return fail(QStringLiteral("cannot write %1: %2").arg(outPath, out.errorString()));
    }
    return 0;
}

} // namespace slotmachine::assets
