#include "engine/audio/SoundEffects.h"

#include "engine/audio/AudioOutput.h"

#include <QFile>

namespace slotmachine {

namespace {

constexpr int ReelStopSound = 0;
constexpr int CountStepSound = 3;

QByteArray wholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

} // namespace

SoundEffects::SoundEffects(EffectsOutput& output, QString programDir, QString prefix)
    : output_(output), filePrefix_(std::move(programDir) + prefix) {}

QString SoundEffects::pathOf(int number) const {
    return filePrefix_ + QString::number(number) + QStringLiteral(".wav");
}

QString SoundEffects::winPath() const {
    return filePrefix_ + QStringLiteral("Win.wav");
}

void SoundEffects::loadHeldSounds() {
    heldReelStop_ = output_.keep(wholeFile(pathOf(ReelStopSound)));
    heldCountStep_ = output_.keep(wholeFile(pathOf(CountStepSound)));
}

void SoundEffects::play(int number, bool waitForEnd) {
    if (number == ReelStopSound && heldReelStop_ >= 0) {
        output_.playKept(heldReelStop_);
    } else if (number == CountStepSound && heldCountStep_ >= 0) {
        output_.playKept(heldCountStep_);
    } else {
        output_.playFile(pathOf(number), waitForEnd);
    }
}

void SoundEffects::playWin() {
    output_.playFile(winPath(), true);
}

} // namespace slotmachine
