#include "tools/assets/music/Arrangement.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace slotmachine::music {

namespace {

// Moves an eighth note's place within its quarter: the off-beat eighth comes late,
// at `swing` percent of the quarter.
int swung(int tick, int swing) {
    if (swing == 50) {
        return tick;
    }
    const int half = TicksPerQuarter / 2;
    const int split = TicksPerQuarter * swing / 100;
    const int beat = tick - tick % TicksPerQuarter;
    const int within = tick % TicksPerQuarter;
    const int moved =
        within < half ? within * split / half : split + (within - half) * (TicksPerQuarter - split) / half;
    return beat + moved;
}

// Compound meters (6/8, 9/8, 12/8) are felt in dotted quarters.
int stressTicks(const Meter& meter) {
    if (meter.unit == 8 && meter.beats % 3 == 0 && meter.beats > 3) {
        return 3 * meter.beatTicks();
    }
    return meter.beatTicks();
}

int stress(int start, const Meter& meter) {
    if (start % meter.barTicks() == 0) {
        return 6;
    }
    return start % stressTicks(meter) == 0 ? 2 : 0;
}

// How far into its chord a note is struck when the part strums: the chord's notes
// go from the lowest up.
std::vector<int> strumOrder(const std::vector<Note>& notes) {
    std::map<int, std::vector<int>> chords; // start -> keys
    for (const Note& note : notes) {
        if (note.chord) {
            chords[note.start].push_back(note.key);
        }
    }
    for (auto& [start, keys] : chords) {
        std::sort(keys.begin(), keys.end());
    }
    std::vector<int> order;
    order.reserve(notes.size());
    for (const Note& note : notes) {
        if (!note.chord) {
            order.push_back(0);
            continue;
        }
        const auto& keys = chords[note.start];
        order.push_back(
            static_cast<int>(std::lower_bound(keys.begin(), keys.end(), note.key) - keys.begin()));
    }
    return order;
}

void setTempo(Arrangement& arrangement, std::uint32_t tick, double tempo) {
    if (!arrangement.tempos.empty() && std::abs(arrangement.tempos.back().tempo - tempo) < 0.01) {
        return;
    }
    if (!arrangement.tempos.empty() && arrangement.tempos.back().tick == tick) {
        arrangement.tempos.back().tempo = tempo;
        return;
    }
    arrangement.tempos.push_back({tick, tempo});
}

std::uint32_t microsPerQuarter(double tempo) {
    return static_cast<std::uint32_t>(std::lround(60'000'000.0 / tempo));
}

Bytes bytesOf(std::initializer_list<int> values) {
    Bytes bytes;
    for (const int value : values) {
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

} // namespace

Arrangement arrange(const Score& score) {
    Arrangement result;
    result.title = score.title;
    result.meter = score.meter;
    result.key = score.key;
    result.parts = score.parts;
    result.notes.resize(score.parts.size());

    std::uint32_t tick = 0;
    for (const FormEntry& entry : score.form) {
        const Section& section = score.sections[entry.section];
        // The file's delta times take at most 28 bits.
        if (tick + static_cast<std::uint64_t>(section.length) * entry.times >= (1u << 27)) {
            throw ScoreError(entry.line, "the form makes the track longer than a MIDI file can hold");
        }
        std::vector<std::vector<int>> strums;
        for (const auto& notes : section.notes) {
            strums.push_back(strumOrder(notes));
        }
        for (int time = 0; time < entry.times; ++time) {
            const double tempo = section.tempo.value_or(score.tempo);
            if (section.ritardando) {
                // One step a quarter note, reaching the slower tempo on the last one.
                const int steps = (section.length + TicksPerQuarter - 1) / TicksPerQuarter;
                for (int step = 0; step < steps; ++step) {
                    const double share = steps == 1 ? 1.0 : static_cast<double>(step) / (steps - 1);
                    setTempo(result, tick + step * TicksPerQuarter,
                             tempo + (*section.ritardando - tempo) * share);
                }
            } else {
                setTempo(result, tick, tempo);
            }

            for (std::size_t p = 0; p < score.parts.size(); ++p) {
                const Part& part = score.parts[p];
                const auto& notes = section.notes[p];
                for (std::size_t n = 0; n < notes.size(); ++n) {
                    const Note& note = notes[n];
                    TimedNote timed;
                    timed.key = part.drums ? note.key : note.key + part.transpose + entry.transpose;
                    if (timed.key < 0 || timed.key > 127) {
                        throw ScoreError(entry.line, "transposed, section " + section.name + " plays " +
                                                         part.name + " outside the MIDI keys");
                    }
                    const int on = swung(note.start, score.swing);
                    const int off = std::max(swung(note.start + note.length, score.swing), on + 1);
                    // A strummed note keeps at least half its length.
                    const int strum = std::min(part.strum * strums[p][n], (off - on) / 2);
                    timed.on = tick + on + strum;
                    timed.off = tick + off;
                    const int level = note.level < 0 ? part.velocity : note.level;
                    timed.velocity =
                        std::clamp(level + note.accent + stress(note.start, score.meter), 1, 127);
                    result.notes[p].push_back(timed);
                    result.musicEnd = std::max(result.musicEnd, timed.off);
                }
            }
            tick += section.length;
        }
    }
    result.musicEnd = std::max(result.musicEnd, tick);
    for (auto& notes : result.notes) {
        std::stable_sort(notes.begin(), notes.end(), [](const TimedNote& a, const TimedNote& b) {
            return std::tie(a.on, a.key) < std::tie(b.on, b.key);
        });
    }
    const double lastTempo = result.tempos.back().tempo;
    result.end = result.musicEnd +
                 static_cast<std::uint32_t>(std::lround(score.tail * lastTempo / 60.0 * TicksPerQuarter));
    return result;
}

double secondsAt(const Arrangement& arrangement, std::uint32_t tick) {
    double seconds = 0;
    for (std::size_t i = 0; i < arrangement.tempos.size(); ++i) {
        const TempoChange& change = arrangement.tempos[i];
        if (change.tick >= tick) {
            break;
        }
        const std::uint32_t until =
            i + 1 < arrangement.tempos.size() ? std::min(arrangement.tempos[i + 1].tick, tick) : tick;
        seconds += (until - change.tick) / static_cast<double>(TicksPerQuarter) * 60.0 / change.tempo;
    }
    return seconds;
}

Bytes toMidiFile(const Arrangement& arrangement) {
    std::vector<MidiTrack> tracks;

    MidiTrack conductor;
    conductor.end = arrangement.end;
    if (!arrangement.title.empty()) {
        conductor.events.push_back(
            {0, metaEvent(0x03, Bytes(arrangement.title.begin(), arrangement.title.end()))});
    }
    const Meter& meter = arrangement.meter;
    int unitPower = 0;
    while ((1 << unitPower) < meter.unit) {
        ++unitPower;
    }
    // MIDI clocks (24 to a quarter note) per metronome click: a click each stressed beat.
    const int clocks = 24 * stressTicks(meter) / TicksPerQuarter;
    conductor.events.push_back({0, metaEvent(0x58, bytesOf({meter.beats, unitPower, clocks, 8}))});
    if (arrangement.key) {
        conductor.events.push_back(
            {0, metaEvent(0x59, bytesOf({arrangement.key->sharps & 0xFF, arrangement.key->minor ? 1 : 0}))});
    }
    for (const TempoChange& change : arrangement.tempos) {
        const std::uint32_t micros = microsPerQuarter(change.tempo);
        conductor.events.push_back(
            {change.tick,
             metaEvent(0x51, bytesOf({int(micros >> 16), int(micros >> 8 & 0xFF), int(micros & 0xFF)}))});
    }
    tracks.push_back(std::move(conductor));

    for (std::size_t p = 0; p < arrangement.parts.size(); ++p) {
        const Part& part = arrangement.parts[p];
        const int channel = part.channel;
        MidiTrack track;
        track.end = arrangement.end;
        track.events.push_back({0, metaEvent(0x03, Bytes(part.name.begin(), part.name.end()))});
        if (part.program >= 0) {
            track.events.push_back({0, bytesOf({0xC0 | channel, part.program})});
        }
        track.events.push_back({0, bytesOf({0xB0 | channel, 7, part.volume})});
        track.events.push_back({0, bytesOf({0xB0 | channel, 10, 64 + part.pan})});
        track.events.push_back({0, bytesOf({0xB0 | channel, 91, part.reverb})});

        // Note offs before note ons at the same tick, so that a note struck again
        // right after itself is not cut off by its own end.
        std::vector<std::tuple<std::uint32_t, int, Bytes>> notes;
        for (const TimedNote& note : arrangement.notes[p]) {
            notes.emplace_back(note.on, 1, bytesOf({0x90 | channel, note.key, note.velocity}));
            notes.emplace_back(note.off, 0, bytesOf({0x80 | channel, note.key, 64}));
        }
        std::stable_sort(notes.begin(), notes.end(), [](const auto& a, const auto& b) {
            return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
        });
        for (auto& [tick, order, data] : notes) {
            track.events.push_back({tick, std::move(data)});
        }
        tracks.push_back(std::move(track));
    }
    return midiFile(tracks, TicksPerQuarter);
}

} // namespace slotmachine::music
