#include "engine/audio/MusicRing.h"

#include "engine/audio/AudioOutput.h"
#include "engine/core/Dialogs.h"
#include "engine/core/GameState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace slotmachine {

namespace {

bool isTrackNumber(int n) {
    return n >= 0 && n < MusicRing::TrackCount;
}

} // namespace

MusicRing::MusicRing(GameState& state, MusicOutput& output, Dialogs& dialogs, const QString& programDir,
                     const QString& prefix)
    : state_(state), output_(output), dialogs_(dialogs) {
    for (int n = 0; n < TrackCount; ++n) {
        trackList_[static_cast<std::size_t>(n)] = programDir + prefix + QString::number(n) + QStringLiteral(".mid");
    }
    output_.playedToEnd = [this] { playedToEnd(); };
}

MusicRing::~MusicRing() {
    output_.playedToEnd = nullptr;
}

void MusicRing::chooseNextTrack() {
    const auto exists = [](const QString& path) { return QFileInfo(path).isFile(); };
    if (std::none_of(trackList_.begin(), trackList_.end(), exists)) {
        state_.MusicTrack = NoTracks;
        return;
    }
    // A value left over from a damaged state starts the search from the top.
    int n = isTrackNumber(state_.MusicTrack + 1) ? state_.MusicTrack + 1 : 0;
    while (!exists(trackList_[static_cast<std::size_t>(n)])) {
        n = (n + 1) % TrackCount;
    }
    state_.MusicTrack = n;
}

void MusicRing::startMusic() {
    state_.MusicTrack = NotChosen;
    chooseNextTrack();
    state_.MusicTrack += Due;
}

void MusicRing::startDueTrack() {
    // A track that fell due just before the player switched music off waits for
    // music to be switched on again.
    if (state_.MusicTrack < Due || !state_.MusicOn) {
        return;
    }
    while (state_.MusicTrack >= Due) {
        state_.MusicTrack -= Due;
    }
    if (isTrackNumber(state_.MusicTrack)) {
        openAndPlay(state_.MusicTrack);
    }
}

void MusicRing::musicSwitched() {
    if (!state_.MusicOn) {
        output_.close();
    } else if (isTrackNumber(state_.MusicTrack)) {
        openAndPlay(state_.MusicTrack);
    } else if (state_.MusicTrack == NotChosen) {
        // Music was switched off before the start timer chose a track, and on again.
        startMusic();
    }
}

void MusicRing::playedToEnd() {
    chooseNextTrack();
    state_.MusicTrack += Due;
    output_.close();
}

void MusicRing::openAndPlay(int track) {
    // MusicTrack already names this track and is below Due, so a track that fails
    // is not tried again until music is switched off and on.
    const QString& path = trackList_[static_cast<std::size_t>(track)];
    QString error;
    if (!output_.openAndPlay(path, error)) {
        dialogs_.error(QCoreApplication::translate("MusicRing", "Unable to play the music track %1: %2")
                           .arg(QDir::toNativeSeparators(path), error));
    }
}

} // namespace slotmachine
