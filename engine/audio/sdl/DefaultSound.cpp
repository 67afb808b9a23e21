#include "engine/audio/sdl/DefaultSound.h"

#include <QDataStream>
#include <QIODevice>
#include <cmath>
#include <numbers>

namespace slotmachine {

namespace {

constexpr int SampleRate = 22050;
constexpr double Seconds = 0.3;

// A pair of bell-like tones a fifth apart, the upper one a little later, each
// with a quick attack and an exponential decay.
double chimeAt(double t) {
    const auto tone = [](double time, double hz, double decay) {
        if (time < 0.0) {
            return 0.0;
        }
        const double attack = std::min(1.0, time / 0.004);
        return attack * std::exp(-time * decay) * std::sin(2.0 * std::numbers::pi * hz * time);
    };
    return 0.45 * tone(t, 880.0, 11.0) + 0.35 * tone(t - 0.06, 1318.5, 13.0);
}

} // namespace

QByteArray defaultSoundWav() {
    const int frames = static_cast<int>(SampleRate * Seconds);
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto tag = [&out](const char* fourCC) { out.writeRawData(fourCC, 4); };
    const quint32 dataBytes = static_cast<quint32>(frames) * 2;
    tag("RIFF");
    out << quint32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    out << quint32(16) << quint16(1) << quint16(1) << quint32(SampleRate) << quint32(SampleRate * 2) << quint16(2)
        << quint16(16);
    tag("data");
    out << dataBytes;
    for (int i = 0; i < frames; ++i) {
        // The last 10 ms fade to silence, so the end does not click.
        const double remaining = (frames - i) / static_cast<double>(SampleRate);
        const double fade = std::min(1.0, remaining / 0.01);
        out << static_cast<qint16>(std::lround(chimeAt(i / static_cast<double>(SampleRate)) * fade * 32767.0));
    }
    return wav;
}

} // namespace slotmachine
