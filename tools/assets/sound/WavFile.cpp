#include "tools/assets/sound/WavFile.h"

#include <algorithm>
#include <cmath>
#include <sndfile.h>

namespace slotmachine::sound {

std::vector<std::int16_t> toPcm16(const Wave& wave) {
    std::vector<std::int16_t> pcm(wave.size());
    std::transform(wave.begin(), wave.end(), pcm.begin(), [](double x) {
        return static_cast<std::int16_t>(std::clamp(std::lround(x * 32767.0), -32767L, 32767L));
    });
    return pcm;
}

std::string writeWav(const std::string& path, const Wave& wave) {
    SF_INFO info{};
    info.samplerate = SampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        return sf_strerror(nullptr);
    }
    const std::vector<std::int16_t> pcm = toPcm16(wave);
    const sf_count_t written = sf_write_short(file, pcm.data(), static_cast<sf_count_t>(pcm.size()));
    std::string error;
    if (written != static_cast<sf_count_t>(pcm.size())) {
        error = sf_strerror(file);
    }
    if (sf_close(file) != 0 && error.empty()) {
        error = "the file could not be completed";
    }
    return error;
}

} // namespace slotmachine::sound
