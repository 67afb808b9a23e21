#pragma once

#include <QString>
#include <array>

namespace slotmachine {

class Dialogs;
class MusicOutput;
struct GameState;

// The background music: five tracks beside the program, played one after another
// in a ring. The game state's MusicTrack tells where the ring stands:
//   0-4    the track playing (or last played),
//   10-14  that track plus 10: due to be opened and played at the next chance,
//   9      no track file exists; the music is over for this run,
//   -1     not chosen yet (before the start timer).
class MusicRing {
public:
    static constexpr int TrackCount = 5;
    static constexpr int Due = 10;
    static constexpr int NoTracks = 9;
    static constexpr int NotChosen = -1;

    // Track n is programDir + prefix + n + ".mid".
    MusicRing(GameState& state, MusicOutput& output, Dialogs& dialogs, const QString& programDir,
              const QString& prefix);
    ~MusicRing();
    MusicRing(const MusicRing&) = delete;
    MusicRing& operator=(const MusicRing&) = delete;

    const std::array<QString, TrackCount>& TrackList() const { return trackList_; }

    // Moves MusicTrack on to the next track whose file exists, or to NoTracks.
    void chooseNextTrack();

    // The start timer: the first track that exists becomes due.
    void startMusic();

    // Every 100 ms, and first thing in a spin: opens and plays a due track.
    void startDueTrack();

    // The player switched music on or off (MusicOn already holds the new value).
    // On again, the current track plays once more from its beginning.
    void musicSwitched();

    // The open track has played to its end: the next one becomes due.
    void playedToEnd();

private:
    void openAndPlay(int track);

    GameState& state_;
    MusicOutput& output_;
    Dialogs& dialogs_;
    std::array<QString, TrackCount> trackList_;
};

} // namespace slotmachine
