// audio_latency: how soon a held sound reaches the mixer after the engine asks for
// it, and how long opening a music track holds up the user-interface thread.
//
//   audio_latency [SOUND.wav] [TRACK.mid]
//
// Run with SDL_AUDIODRIVER=dummy on a machine without sound; the dummy device pulls
// buffers at the same pace as a real one, so the figures show the mixer's share of
// the delay (a real device adds its own).
#include "engine/audio/sdl/SdlAudio.h"
#include "engine/audio/sdl/DefaultSound.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <SDL_mixer.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace slotmachine;

namespace {

std::atomic<bool> waitingForSound{false};
std::atomic<qint64> heardAtNs{0};
QElapsedTimer sinceStart;

void SDLCALL listen(void*, Uint8* stream, int length) {
    if (!waitingForSound) {
        return;
    }
    const auto* samples = reinterpret_cast<const Sint16*>(stream);
    for (int i = 0; i < length / 2; ++i) {
        if (samples[i] != 0) {
            heardAtNs = sinceStart.nsecsElapsed();
            waitingForSound = false;
            return;
        }
    }
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    sinceStart.start();
    SdlAudio audio;
    if (!audio.hasDevice()) {
        std::fprintf(stderr, "audio_latency: no audio device (try SDL_AUDIODRIVER=dummy)\n");
        return 1;
    }
    EffectsOutput& effects = audio.outputs().effects;
    QByteArray sound = defaultSoundWav();
    if (!args.isEmpty() && args[0].endsWith(QLatin1String(".wav"))) {
        QFile file(args[0]);
        if (file.open(QIODevice::ReadOnly)) {
            sound = file.readAll();
        }
    }
    const int held = effects.keep(sound);
    Mix_SetPostMix(&listen, nullptr);

    std::vector<double> latencies;
    for (int i = 0; i < 100; ++i) {
        effects.silence();
        QThread::msleep(20 + static_cast<unsigned long>(i % 7)); // start at varied points of a buffer
        heardAtNs = 0;
        waitingForSound = true;
        const qint64 asked = sinceStart.nsecsElapsed();
        effects.playKept(held);
        while (waitingForSound && sinceStart.nsecsElapsed() - asked < 500'000'000) {
            QThread::usleep(200);
        }
        if (heardAtNs > 0) {
            latencies.push_back(static_cast<double>(heardAtNs - asked) / 1e6);
        }
    }
    Mix_SetPostMix(nullptr, nullptr);
    if (latencies.empty()) {
        std::fprintf(stderr, "audio_latency: the sound never reached the mixer\n");
        return 1;
    }
    std::printf("held sound to mixer: median %.1f ms, 95th percentile %.1f ms, max %.1f ms (%zu plays)\n",
                percentile(latencies, 0.5), percentile(latencies, 0.95), percentile(latencies, 1.0),
                latencies.size());

    for (const QString& arg : args) {
        if (!arg.endsWith(QLatin1String(".mid"))) {
            continue;
        }
        std::vector<double> opens;
        for (int i = 0; i < 5; ++i) {
            QString error;
            QElapsedTimer open;
            open.start();
            if (!audio.outputs().music.openAndPlay(arg, error)) {
                std::fprintf(stderr, "audio_latency: %s\n", error.toLocal8Bit().constData());
                return 1;
            }
            opens.push_back(static_cast<double>(open.nsecsElapsed()) / 1e6);
            audio.outputs().music.close();
        }
        std::printf("opening %s: median %.0f ms, max %.0f ms\n", QFile::encodeName(arg).constData(),
                    percentile(opens, 0.5), percentile(opens, 1.0));
    }
    return 0;
}
