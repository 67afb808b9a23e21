#include "games/emberpeak/sound/EmberpeakSounds.h"

#include "tools/assets/sound/Gestures.h"
#include "tools/assets/sound/Instruments.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace slotmachine::emberpeak {

using namespace slotmachine::sound;

namespace {

using Exp = Curve::Kind;

// --- The mountain's voices -------------------------------------------------------

// A chime of clear ice: a free bar's stretched partials, a close twin of the
// fundamental that shimmers against it, and a glassy tick of the strike.
Wave iceChime(double frequency, double ring, Random& random) {
    const std::array<Partial, 5> partials{{
        {1.0, 1.0, ring},
        {1.0035, 0.45, ring * 0.9},
        {2.76, 0.4, ring * 0.45},
        {5.40, 0.22, ring * 0.25},
        {8.93, 0.1, ring * 0.15},
    }};
    Wave wave = struck(steady(frequency), partials, ring, 0.0003);
    normalize(wave);
    Wave glint = click(std::min(4.0 * frequency, 11000.0), 2.0, 0.004, random);
    addAt(wave, glint, 0.0, 0.18);
    normalize(wave);
    return wave;
}

// A steel piton or carabiner struck against rock: a short, high, inharmonic ring
// over the snap of the contact.
Wave piton(double frequency, double ring, Random& random) {
    const std::array<Partial, 5> partials{{
        {1.0, 1.0, ring},
        {2.14, 0.65, ring * 0.7},
        {3.71, 0.45, ring * 0.5},
        {5.93, 0.28, ring * 0.35},
        {8.62, 0.15, ring * 0.25},
    }};
    Wave wave = struck(steady(frequency), partials, ring, 0.0002);
    normalize(wave);
    addAt(wave, click(5200, 1.4, 0.003, random), 0.0, 0.5);
    normalize(wave);
    return wave;
}

// A knock on slate or basalt: dense, dull, its modes far from harmonic.
Wave stoneKnock(double frequency, double ring, Random& random) {
    const std::array<Mode, 5> modes{{
        {frequency, 1.0, ring},
        {frequency * 1.71, 0.7, ring * 0.7},
        {frequency * 2.93, 0.5, ring * 0.5},
        {frequency * 4.41, 0.3, ring * 0.3},
        {frequency * 6.82, 0.15, ring * 0.2},
    }};
    Wave hit = filtered(whiteNoise(0.0015, random), Biquad::lowPass(6000));
    hit.resize(samplesFor(ring), 0.0);
    Wave wave = resonate(hit, modes);
    normalize(wave);
    return wave;
}

// The mountain rumbling deep inside: dark noise that swells and settles.
Wave rumble(double seconds, double swellAt, Random& random) {
    Wave wave = filtered(whiteNoise(seconds, random), Biquad::lowPass(140, 0.9));
    wave = filtered(std::move(wave), Biquad::lowPass(220));
    wave = filtered(std::move(wave), Biquad::highPass(28));
    envelope(wave, [seconds, swellAt](double t) {
        return t < swellAt ? 0.25 + 0.75 * t / swellAt : std::exp(-3.0 * (t - swellAt) / (seconds - swellAt));
    });
    normalize(wave);
    return wave;
}

// Embers crackling over `seconds` from `start`: sharp snaps of many sizes and
// now and then the soft pop of a bursting pocket of resin.
void embers(Wave& mix, double start, double seconds, int count, double gain, Random& random) {
    for (const double t : scatterOnsets(count, start, seconds, 1.0, random)) {
        // One draw per statement: the order of a call's arguments is up to the compiler.
        const double centre = random.uniform(1800, 7000);
        const double q = random.uniform(0.7, 2.0);
        const double ring = random.uniform(0.002, 0.009);
        const double level = gain * random.uniform(0.3, 1.0);
        addAt(mix, click(centre, q, ring, random), t, level);
        if (random.uniform() < 0.2) {
            const double pop = random.uniform(280, 520);
            addAt(mix, thump(pop * 1.6, pop, 0.03), t, level * 0.6);
        }
    }
}

// A long wooden alpine horn: a mellow, slow-speaking brass tone with a breath of
// air in it.
Wave alphorn(double note, double length, double seconds, Random& random) {
    const BrassStyle style{
        .brightness = 0.38, .vibrato = 0.05, .scoop = 0.6, .envelope = {0.05, 0.45, 0.85, 0.22}};
    Wave wave = filtered(brass(noteHz(note), length, seconds, style), Biquad::lowPass(3200));
    normalize(wave);
    const Wave breath = noiseBurst(seconds, Biquad::bandPass(noteHz(note) * 3.0, 1.5),
                                   Adsr{0.04, 0.3, 0.5, 0.2}.over(length), random);
    addAt(wave, breath, 0.0, 0.06);
    normalize(wave);
    return wave;
}

// A bright valved horn for the fanfares.
Wave trumpet(double note, double length, double seconds) {
    return brass(noteHz(note), length, seconds, {.brightness = 0.85, .vibrato = 0.12, .scoop = 0.4});
}

// A rope running through a carabiner: its fibres rasp in quick grains whose pitch
// follows the rope's speed.
Wave ropeRun(double seconds, double fromHz, double toHz, Random& random) {
    Wave grains = silence(seconds);
    for (double t = 0.0; samplesFor(t) < static_cast<int>(grains.size());) {
        grains[samplesFor(t)] = random.uniform(0.5, 1.0);
        t += random.uniform(0.004, 0.009);
    }
    Wave fibres = filtered(whiteNoise(seconds, random), Biquad::highPass(900));
    for (std::size_t n = 0; n < fibres.size(); ++n) {
        fibres[n] *= 0.3;
    }
    for (std::size_t n = 0; n < grains.size(); ++n) {
        fibres[n] += grains[n] * 6.0;
    }
    const Curve pitch({{0.0, fromHz}, {seconds, toHz}}, Exp::Exponential);
    Wave wave = swept(fibres, pitch, 2.5, SweepMode::BandPass);
    normalize(wave);
    return wave;
}

// --- The sounds ----------------------------------------------------------------

// 0: a reel comes to rest, and a nudged reel lands. A piton bites into the rock
// with a steel "tink", the stone answers with a dull knock and the reel settles.
Wave reelStop() {
    Random random(0xe001);
    Wave mix;
    addAt(mix, piton(1850, 0.09, random), 0.0, 0.55);
    addAt(mix, stoneKnock(240, 0.08, random), 0.0, 0.8);
    addAt(mix, thump(190, 80, 0.11), 0.0, 0.55);
    addAt(mix, stoneKnock(380, 0.04, random), 0.027, 0.35);
    addAt(mix, click(3000, 1.3, 0.004, random), 0.027, 0.18);
    return reverberate(mix, {.decay = 0.16, .size = 0.3, .damping = 0.6, .wet = 0.07, .tail = 0.05});
}

// 1: a coin is bet. It lands on a slate ledge, skips once and lies still, and a
// crystal of ice on the ledge tinkles with it.
Wave coinBet() {
    Random random(0xe002);
    Wave mix;
    constexpr std::array<CoinStrike, 3> Strikes{{
        {0.0, 0.26, 0.85, 1.0},
        {0.058, 0.16, 0.5, 0.38},
        {0.092, 0.1, 0.3, 0.16},
    }};
    dropCoin(mix, 2650, 0xe0c1, Strikes, [&random](Wave& ledge) {
        addAt(ledge, stoneKnock(820, 0.035, random), 0.0, 0.35);
        addAt(ledge, iceChime(noteHz(100), 0.18, random), 0.012, 0.2);
    });
    return reverberate(mix, {.decay = 0.3, .size = 0.45, .damping = 0.3, .wet = 0.1, .tail = 0.08});
}

// 2: the mountain coughs: a boulder thuds, the peak rumbles, ash hisses down
// and a horn sinks two sad steps.
Wave mountainCough() {
    Random random(0xe003);
    Wave mix;
    addAt(mix, stoneKnock(150, 0.2, random), 0.0, 0.8);
    addAt(mix, thump(110, 45, 0.3), 0.0, 0.6);
    addAt(mix, rumble(0.55, 0.12, random), 0.0, 0.6);
    const Wave ash = sweptNoise(0.45, Curve({{0.0, 6000}, {0.45, 900}}, Exp::Exponential), 0.8,
                                Curve({{0.0, 0.0}, {0.08, 1.0}, {0.45, 0.0}}), random);
    addAt(mix, ash, 0.04, 0.12);
    addAt(mix, alphorn(55, 0.13, 0.22, random), 0.1, 0.5);
    addAt(mix, alphorn(51, 0.22, 0.34, random), 0.26, 0.55);
    return reverberate(mix, {.decay = 0.4, .size = 0.7, .damping = 0.6, .wet = 0.12, .tail = 0.08});
}

// 3: one tick of the win count-up: a tiny icicle touched with a fingernail. It
// plays thirteen times a second, so it is short, round and never shrill.
Wave countTick() {
    Random random(0xe004);
    const std::array<Partial, 3> icicle{{{1.0, 1.0, 0.06}, {2.76, 0.16, 0.03}, {5.40, 0.04, 0.015}}};
    return counterTick(noteHz(91), icicle, stoneKnock(1300, 0.015, random), 0.15);
}

// 4: an empty box: the snow crust breaks on an empty ledge, a cold gust blows
// through, and the horn drops a weary fourth: nobody here.
Wave emptyBox() {
    Random random(0xe005);
    Wave mix;
    const Wave crust = sweptNoise(
        0.07, Curve({{0.0, 5000}, {0.07, 1500}}, Exp::Exponential), 1.0,
        [](double t) { return strike(t, 0.001, 0.07); }, random);
    addAt(mix, crust, 0.0, 0.6);
    addAt(mix, stoneKnock(300, 0.06, random), 0.0, 0.5);
    addAt(mix, click(2400, 1.0, 0.006, random), 0.03, 0.25);

    const Wave gust = sweptNoise(0.62, Curve({{0.0, 500}, {0.25, 1400}, {0.62, 600}}, Exp::Exponential), 4.0,
                                 Curve({{0.0, 0.0}, {0.22, 1.0}, {0.62, 0.0}}), random);
    addAt(mix, gust, 0.04, 0.3);

    addAt(mix, alphorn(57, 0.14, 0.24, random), 0.3, 0.55);
    addAt(mix, alphorn(52, 0.22, 0.34, random), 0.44, 0.6);
    return reverberate(mix, {.decay = 0.55, .size = 0.8, .damping = 0.55, .wet = 0.16, .tail = 0.12});
}

// 5: a box with a prize: the ice breaks open, chimes climb into the light, the
// horn calls out the rescue and the camp fire crackles warm.
Wave prizeBox() {
    Random random(0xe006);
    Wave mix;
    addAt(mix, piton(1600, 0.12, random), 0.0, 0.45);
    addAt(mix, stoneKnock(210, 0.15, random), 0.0, 0.7);
    addAt(mix, thump(140, 60, 0.18), 0.0, 0.45);

    constexpr std::array<double, 5> Climb{74, 78, 81, 86, 90};
    for (std::size_t i = 0; i < Climb.size(); ++i) {
        addAt(mix, iceChime(noteHz(Climb[i]), 0.9, random), 0.05 + 0.065 * i, 0.42);
    }
    addAt(mix, iceChime(noteHz(93), 1.0, random), 0.4, 0.4);
    addAt(mix, alphorn(62, 0.16, 0.26, random), 0.34, 0.45);
    addAt(mix, alphorn(66, 0.62, 0.95, random), 0.5, 0.5);
    addAt(mix, alphorn(57, 0.62, 0.95, random), 0.5, 0.3);
    embers(mix, 0.36, 0.8, 26, 0.2, random);
    return reverberate(mix, {.decay = 1.0, .size = 0.85, .damping = 0.45, .wet = 0.2, .tail = 0.3});
}

// 6: a point earned: two ice chimes, the second higher and bending up into tune,
// over a single ember's snap.
Wave icePoint() {
    Random random(0xe007);
    Wave mix;
    addAt(mix, iceChime(noteHz(86), 0.45, random), 0.0, 0.55);
    addAt(mix, click(4800, 1.2, 0.005, random), 0.0, 0.2);
    const std::array<Partial, 3> bent{{{1.0, 1.0, 0.5}, {2.76, 0.35, 0.22}, {5.40, 0.15, 0.12}}};
    Wave second =
        struck(Curve({{0.0, noteHz(92.4)}, {0.05, noteHz(93)}}, Exp::Exponential), bent, 0.5, 0.0003);
    normalize(second);
    addAt(mix, second, 0.06, 0.65);
    return reverberate(mix, {.decay = 0.45, .size = 0.6, .damping = 0.3, .wet = 0.14, .tail = 0.1});
}

// 7: the start: the volcano wakes with a deep boom and a rumble, an alpine horn
// calls across the valley, the far wall echoes it and ice chimes glitter on top.
Wave mountainWakes() {
    Random random(0xe008);
    Wave mix;
    addAt(mix, stoneKnock(90, 0.5, random), 0.0, 0.7);
    addAt(mix, thump(95, 38, 0.7), 0.0, 0.8);
    addAt(mix, rumble(1.4, 0.3, random), 0.0, 0.55);
    embers(mix, 0.1, 1.2, 18, 0.12, random);

    // The horn sounds the notes of its own overtone row: G, D, G, B, D.
    struct Call {
        double at;
        double note;
        double length;
    };
    constexpr std::array<Call, 5> Calls{{
        {0.22, 55, 0.16},
        {0.4, 62, 0.16},
        {0.58, 67, 0.26},
        {0.86, 71, 0.14},
        {1.02, 74, 0.55},
    }};
    Wave horn;
    for (const Call& call : Calls) {
        addAt(horn, alphorn(call.note, call.length, call.length + 0.3, random), call.at - Calls[0].at, 0.55);
    }
    addAt(mix, horn, Calls[0].at, 1.0);
    // The echo from across the valley: later, softer, duller.
    Wave echo = filtered(horn, Biquad::lowPass(1400));
    addAt(mix, echo, Calls[0].at + 0.36, 0.25);

    addAt(mix, iceChime(noteHz(86), 0.8, random), 1.02, 0.25);
    addAt(mix, iceChime(noteHz(91), 0.7, random), 1.1, 0.2);
    addAt(mix, iceChime(noteHz(98), 0.6, random), 1.18, 0.15);
    return reverberate(mix, {.decay = 1.2, .size = 0.95, .damping = 0.5, .wet = 0.22, .tail = 0.3});
}

// 8 and 9: a rope runs through a carabiner as a reel slides down or up a stop:
// the rasp of its fibres falls or climbs, and the load lands on the rock with a
// thud (down) or the carabiner snaps shut with a ring (up).
Wave ropeSlide(bool down) {
    Random random(down ? 0xe009 : 0xe00a);
    Wave mix;
    constexpr double Slide = 0.36;
    addAt(mix, piton(down ? 2300 : 2000, 0.05, random), 0.0, 0.45);
    Wave rope = down ? ropeRun(Slide, 2600, 900, random) : ropeRun(Slide, 900, 2600, random);
    envelope(rope, Curve({{0.0, 0.6}, {0.1, 1.0}, {Slide - 0.05, 0.8}, {Slide, 0.0}}));
    addAt(mix, rope, 0.0, 0.55);
    if (down) {
        addAt(mix, stoneKnock(200, 0.1, random), Slide, 0.8);
        addAt(mix, thump(130, 60, 0.1), Slide, 0.6);
    } else {
        addAt(mix, piton(2450, 0.1, random), Slide, 0.6);
        addAt(mix, iceChime(noteHz(93), 0.12, random), Slide, 0.2);
    }
    return reverberate(mix, {.decay = 0.25, .size = 0.5, .damping = 0.5, .wet = 0.08, .tail = 0.05});
}

// Win: the rescuers' fanfare in D: horns climb "ta-ta-ta-taaa" over timpani that
// roll like the mountain, ice chimes fall glittering and the fire roars up.
Wave rescueFanfare() {
    Random random(0xe00b);
    Wave mix;
    // Timpani: the first stroke starts the sound, a short roll leads to the held chord.
    addAt(mix, thump(120, 73, 0.5), 0.0, 0.65);
    addAt(mix, stoneKnock(73, 0.4, random), 0.0, 0.4);
    for (int i = 0; i < 5; ++i) {
        addAt(mix, thump(90, 55, 0.25), 0.2 + 0.032 * i, 0.25 + 0.05 * i);
    }
    addAt(mix, thump(120, 73, 0.9), 0.36, 0.7);

    constexpr Fanfare Call{.times = {0.0, 0.12, 0.24, 0.36},
                           .lead = {69, 74, 78, 81},
                           .second = {62, 66, 69, 74},
                           .quick = 0.09,
                           .quickSeconds = 0.3,
                           .held = 1.0,
                           .heldTail = 0.45,
                           .leadGain = 0.5,
                           .secondGain = 0.4};
    playFanfare(
        mix, Call,
        [](double note, double length, double seconds, bool) { return trumpet(note, length, seconds); },
        [&random](double note, double length, double seconds, bool) {
            return alphorn(note, length, seconds, random);
        });
    const double chord = Call.times[3];
    addAt(mix, alphorn(50, Call.held, Call.held + Call.heldTail, random), chord, 0.35);

    // Falling ice: a descending shower of chimes over the held chord.
    constexpr std::array<double, 7> Fall{98, 93, 90, 86, 81, 78, 74};
    for (std::size_t i = 0; i < Fall.size(); ++i) {
        addAt(mix, iceChime(noteHz(Fall[i]), 0.7, random), chord + 0.05 + 0.085 * i, 0.22);
    }
    embers(mix, chord, 1.1, 30, 0.18, random);
    const Wave roar =
        noiseBurst(1.2, Biquad::bandPass(700, 0.6), Curve({{0.0, 0.0}, {0.3, 1.0}, {1.2, 0.0}}), random);
    addAt(mix, roar, chord, 0.08);
    return reverberate(mix, {.decay = 1.1, .size = 0.9, .damping = 0.45, .wet = 0.2, .tail = 0.4});
}

} // namespace

sound::GameSounds emberpeakSounds() {
    return {"emberpeak",
            {
                {"0", 0.24, 0.0, reelStop},
                {"1", 0.34, 0.0, coinBet},
                {"2", 0.58, 0.0, mountainCough},
                {"3", 0.065, -3.0, countTick},
                {"4", 0.78, 0.0, emptyBox},
                {"5", 1.48, 0.0, prizeBox},
                {"6", 0.43, 0.0, icePoint},
                {"7", 1.95, 0.0, mountainWakes},
                {"8", 0.49, 0.0, [] { return ropeSlide(true); }},
                {"9", 0.49, 0.0, [] { return ropeSlide(false); }},
                {"Win", 1.95, 0.0, rescueFanfare},
            }};
}

} // namespace slotmachine::emberpeak
