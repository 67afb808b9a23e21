#pragma once

// A writer of Standard MIDI Files (format 1): tracks of timed events in, the bytes
// of the file out.

#include <cstdint>
#include <vector>

namespace slotmachine::music {

using Bytes = std::vector<std::uint8_t>;

struct MidiEvent {
    std::uint32_t tick = 0; // from the start of the track
    Bytes data;             // a channel message, or a meta event from its 0xFF on
};

struct MidiTrack {
    std::vector<MidiEvent> events; // in the order they are played
    std::uint32_t end = 0;         // where End of Track goes, if after the last event
};

// Appends `value` (at most 0x0FFFFFFF) as a variable-length quantity: seven bits to a
// byte, most significant first, the top bit set on every byte but the last.
void appendVariableLength(Bytes& out, std::uint32_t value);

// A meta event: 0xFF, its type, the length of its data and the data.
Bytes metaEvent(std::uint8_t type, const Bytes& data);

// The whole file: the header with `ticksPerQuarter`, then each track with its events
// as delta times, ending with End of Track. Events are written in the order given;
// those of equal tick keep their order, and a tick earlier than its predecessor's
// counts as that tick.
Bytes midiFile(const std::vector<MidiTrack>& tracks, std::uint16_t ticksPerQuarter);

} // namespace slotmachine::music
