#include "tools/assets/music/MidiFile.h"

#include <algorithm>

namespace slotmachine::music {

namespace {

void appendBigEndian(Bytes& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void appendTag(Bytes& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

void appendVariableLength(Bytes& out, std::uint32_t value) {
    value &= 0x0FFFFFFF;
    std::uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(groups[--count] | 0x80);
    }
    out.push_back(groups[0]);
}

Bytes metaEvent(std::uint8_t type, const Bytes& data) {
    Bytes event = {0xFF, type};
    appendVariableLength(event, static_cast<std::uint32_t>(data.size()));
    event.insert(event.end(), data.begin(), data.end());
    return event;
}

Bytes midiFile(const std::vector<MidiTrack>& tracks, std::uint16_t ticksPerQuarter) {
    Bytes out;
    appendTag(out, "MThd");
    appendBigEndian(out, 6, 4);
    appendBigEndian(out, 1, 2); // format 1: simultaneous tracks
    appendBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
    appendBigEndian(out, ticksPerQuarter, 2);

    for (const MidiTrack& track : tracks) {
        Bytes body;
        std::uint32_t now = 0;
        for (const MidiEvent& event : track.events) {
            const std::uint32_t tick = std::max(event.tick, now);
            appendVariableLength(body, tick - now);
            body.insert(body.end(), event.data.begin(), event.data.end());
            now = tick;
        }
        appendVariableLength(body, std::max(track.end, now) - now);
        const Bytes end = metaEvent(0x2F, {});
        body.insert(body.end(), end.begin(), end.end());

        appendTag(out, "MTrk");
        appendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

} // namespace slotmachine::music
