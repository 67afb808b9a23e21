#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace slotmachine {

// The sound effects channel of an audio back end. There is one channel: a new
// sound cuts off the one still playing.
class EffectsOutput {
public:
    virtual ~EffectsOutput() = default;

    // Keeps a whole sound file's image for instant plays later and returns its
    // handle. An image that does not decode keeps the default sound instead.
    virtual int keep(const QByteArray& fileImage) = 0;

    // Plays a kept sound without waiting.
    virtual void playKept(int handle) = 0;

    // Plays the sound file at `path`, or the default sound when it cannot be read.
    // With waitForEnd the call returns once the sound has ended, keeping the event
    // loop running meanwhile.
    virtual void playFile(const QString& path, bool waitForEnd) = 0;

    // Cuts off whatever plays; a wait in progress ends.
    virtual void silence() = 0;

    // The effects' loudness from 0 (silent) to 100 (full), at once, also for a
    // sound already playing.
    virtual void setVolume(int percent) = 0;
};

// The music player of an audio back end: one track open at a time.
class MusicOutput {
public:
    virtual ~MusicOutput() = default;

    // Opens the track at `path`, closing any track still open, and plays it from
    // its beginning. False, with the reason in `error`, when it cannot.
    virtual bool openAndPlay(const QString& path, QString& error) = 0;

    // Stops the open track at once and closes it. A track closed this way is not
    // reported as played to its end.
    virtual void close() = 0;

    // The music's loudness from 0 (silent) to 100 (full), at once, also for the
    // track playing.
    virtual void setVolume(int percent) = 0;

    // Called on the user-interface thread when the open track has played to its end.
    std::function<void()> playedToEnd;
};

// What the machine window plays through.
struct AudioOutputs {
    EffectsOutput& effects;
    MusicOutput& music;
};

} // namespace slotmachine
