#include "games/orevein/sound/OreveinSounds.h"

#include "tools/assets/sound/Gestures.h"
#include "tools/assets/sound/Instruments.h"

#include <array>
#include <cmath>

namespace slotmachine::orevein {

using namespace slotmachine::sound;

namespace {

using Exp = Curve::Kind;

// A shower of coins spilling over `seconds` from `start`, thinning out as it goes.
void coinShower(Wave& mix, double start, double seconds, int count, double gain, Random& random) {
    for (const double t : scatterOnsets(count, start, seconds, 1.4, random)) {
        // One draw per statement: the order of a call's arguments is up to the compiler.
        const double hz = random.uniform(2300, 3700);
        const double ring = random.uniform(0.15, 0.3);
        const double hardness = random.uniform(0.5, 0.9);
        const double level = gain * (1.0 - 0.7 * (t - start) / seconds) * random.uniform(0.6, 1.0);
        addAt(mix, coin(hz, ring, hardness, random), t, level);
    }
}

// A banjo note that is damped after `held` seconds, as the next note on its string would.
Wave bluntBanjo(double note, double held, Random& random) {
    Wave wave = banjo(noteHz(note), held + 0.08, random);
    envelope(wave, [held](double t) { return t < held ? 1.0 : std::exp(-(t - held) / 0.02); });
    return wave;
}

// Hinge creak: the hinge sticks and slips in quick, uneven pulses that ring
// through the lid's wood, faster in the middle of the swing. The wood swallows the
// sharpest edge of each slip.
Wave creak(double seconds, Random& random) {
    const std::array<Mode, 5> lid{{
        {560, 1.0, 0.05},
        {930, 0.8, 0.04},
        {1480, 0.6, 0.035},
        {2270, 0.4, 0.03},
        {3150, 0.25, 0.02},
    }};
    const StickSlip hinge{.level = 0.6,
                          .swingLevel = 0.4,
                          .leastLevel = 0.7,
                          .rate = 45.0,
                          .swingRate = 70.0,
                          .shortest = 0.85,
                          .longest = 1.15,
                          .lowPassHz = 4500};
    return stickSlip(seconds, hinge, lid, random);
}

// --- The sounds ----------------------------------------------------------------

// 0: a reel comes to rest. A brass pawl snaps into the drum's notch, the heavy
// wooden drum thuds against it and settles once.
Wave reelStop() {
    Random random(0x0e01);
    Wave mix;
    addAt(mix, click(3200, 1.2, 0.006, random), 0.0, 0.5);
    addAt(mix, woodKnock(320, 0.07, random), 0.0, 0.8);
    addAt(mix, thump(220, 95, 0.12), 0.0, 0.55);
    const std::array<Partial, 3> pawl{{{1.0, 1.0, 0.07}, {2.71, 0.5, 0.04}, {5.16, 0.25, 0.025}}};
    Wave ring = struck(steady(1250), pawl, 0.08);
    normalize(ring);
    addAt(mix, ring, 0.0, 0.18);
    // The drum rocks back once and settles in the notch.
    addAt(mix, woodKnock(450, 0.045, random), 0.026, 0.4);
    addAt(mix, click(2600, 1.5, 0.004, random), 0.026, 0.2);
    return reverberate(mix, {.decay = 0.18, .size = 0.35, .damping = 0.5, .wet = 0.08, .tail = 0.05});
}

// 1: a coin is bet. It lands on the brass tray, nudges a coin lying there and
// bounces twice. Each bounce replays the same coin (same seed), struck softer.
Wave coinBet() {
    Random random(0x0e02);
    Wave mix;
    constexpr std::array<CoinStrike, 3> Strikes{{
        {0.0, 0.3, 0.9, 1.0},
        {0.062, 0.18, 0.5, 0.4},
        {0.098, 0.12, 0.3, 0.18},
    }};
    dropCoin(mix, 2480, 0xc017, Strikes, [&random](Wave& tray) {
        addAt(tray, woodKnock(700, 0.03, random), 0.0, 0.2); // the cabinet under the tray
        addAt(tray, coin(3120, 0.22, 0.6, random), 0.018, 0.3);
    });
    return reverberate(mix, {.decay = 0.25, .size = 0.4, .damping = 0.35, .wet = 0.1, .tail = 0.08});
}

// 2: the dynamite takes the bonus away. A damp fuse fizzles into a feeble pop,
// and a muted horn droops "wah... waaah" over a slack banjo string.
Wave bonusLost() {
    Random random(0x0e03);
    Wave mix;
    const Wave fizz = sweptNoise(
        0.12, Curve({{0.0, 3000}, {0.11, 500}}, Exp::Exponential), 1.2,
        [](double t) { return strike(t, 0.004, 0.12); }, random);
    addAt(mix, fizz, 0.0, 0.25);
    addAt(mix, thump(120, 60, 0.15), 0.0, 0.3);

    // A plunger mute opens and closes over each note.
    Wave wah = blown(steady(noteHz(55)), Adsr{0.02, 0.3, 0.8, 0.06}.over(0.14), 0.7, 0.2);
    wah =
        swept(wah, Curve({{0.0, 350}, {0.06, 1800}, {0.18, 450}}, Exp::Exponential), 1.8, SweepMode::LowPass);
    normalize(wah);
    addAt(mix, wah, 0.0, 0.75);
    const Shape droop =
        vibrato(Curve({{0.0, noteHz(54)}, {0.08, noteHz(54)}, {0.36, noteHz(49.5)}}, Exp::Exponential), 7.0,
                0.35, 0.1);
    Wave waah = blown(droop, Adsr{0.02, 0.4, 0.75, 0.06}.over(0.32), 0.7, 0.4);
    waah =
        swept(waah, Curve({{0.0, 350}, {0.1, 2000}, {0.38, 320}}, Exp::Exponential), 1.8, SweepMode::LowPass);
    normalize(waah);
    addAt(mix, waah, 0.18, 0.85);
    addAt(mix, banjo(noteHz(38), 0.4, random), 0.18, 0.3);
    return reverberate(mix, {.decay = 0.35, .size = 0.5, .damping = 0.5, .wet = 0.1, .tail = 0.1});
}

// 3: one tick of the win count-up: the soft "tik" of a brass counter wheel on
// its wooden spindle. It plays thirteen times a second, so it stays mellow and
// leaves the high frequencies alone.
Wave countTick() {
    Random random(0x0e04);
    const std::array<Partial, 3> wheel{{{1.0, 1.0, 0.06}, {2.76, 0.18, 0.035}, {5.40, 0.04, 0.02}}};
    return counterTick(noteHz(88), wheel, woodKnock(1100, 0.02, random), 0.22);
}

// 4: an empty crate is opened. The latch clicks, the lid creaks up, falls back
// on the hollow crate and bounces, and two dull plucks say "nothing".
Wave emptyBox() {
    Random random(0x0e05);
    Wave mix;
    addAt(mix, click(2800, 1.5, 0.005, random), 0.0, 0.5);
    addAt(mix, woodKnock(600, 0.04, random), 0.0, 0.45);
    Wave hinge = creak(0.28, random);
    envelope(hinge, Curve({{0.0, 0.6}, {0.1, 1.0}, {0.28, 0.3}}));
    addAt(mix, hinge, 0.0, 0.55);

    addAt(mix, woodKnock(170, 0.3, random), 0.26, 0.9);
    addAt(mix, thump(110, 55, 0.2), 0.26, 0.5);
    addAt(mix, woodKnock(190, 0.12, random), 0.33, 0.35);
    addAt(mix, woodKnock(205, 0.08, random), 0.37, 0.15);
    const std::array<Mode, 3> hollow{{{130, 1.0, 0.35}, {215, 0.7, 0.3}, {340, 0.5, 0.25}}};
    Wave knock = whiteNoise(0.005, random);
    knock.resize(samplesFor(0.4), 0.0);
    Wave crate = resonate(knock, hollow);
    normalize(crate);
    addAt(mix, crate, 0.26, 0.35);

    const Wave dust =
        noiseBurst(0.4, Biquad::lowPass(1500), Curve({{0.0, 0.0}, {0.05, 1.0}, {0.4, 0.0}}), random);
    addAt(mix, dust, 0.28, 0.05);

    addAt(mix, bluntBanjo(62, 0.1, random), 0.42, 0.25);
    addAt(mix, bluntBanjo(57, 0.14, random), 0.54, 0.25);
    return reverberate(mix, {.decay = 0.5, .size = 0.6, .damping = 0.45, .wet = 0.15, .tail = 0.2});
}

// 5: a crate full of gold. The lid flies open, bells climb a bright major
// arpeggio, the banjo strums it and coins spill out over a warm horn.
Wave prizeBox() {
    Random random(0x0e06);
    Wave mix;
    addAt(mix, woodKnock(200, 0.2, random), 0.0, 0.7);
    addAt(mix, thump(130, 65, 0.18), 0.0, 0.5);
    addAt(mix, click(2500, 1.0, 0.006, random), 0.0, 0.3);

    constexpr std::array<double, 4> Arpeggio{76, 79, 84, 88};
    for (std::size_t i = 0; i < Arpeggio.size(); ++i) {
        addAt(mix, bell(noteHz(Arpeggio[i]), 0.9, random), 0.05 + 0.07 * i, 0.5);
    }
    addAt(mix, bell(noteHz(91), 1.2, random), 0.33, 0.55);
    addAt(mix, bell(noteHz(96), 1.0, random), 0.33, 0.2);
    strum(mix, {60, 64, 67, 72}, 0.33, 1.0, 0.3, random);
    addAt(mix, brass(noteHz(48), 0.5, 0.9, {.brightness = 0.5, .vibrato = 0.05}), 0.33, 0.3);
    coinShower(mix, 0.3, 0.75, 16, 0.4, random);
    return reverberate(mix, {.decay = 0.9, .size = 0.7, .damping = 0.4, .wet = 0.2, .tail = 0.4});
}

// 6: a bonus point: a bell and a second, higher one that bends up into tune.
Wave bonusPoint() {
    Random random(0x0e07);
    Wave mix;
    addAt(mix, bell(noteHz(88), 0.5, random), 0.0, 0.55);
    addAt(mix, coin(3000, 0.1, 0.7, random), 0.0, 0.15);
    const Curve rise({{0.0, noteHz(94.3)}, {0.04, noteHz(95)}}, Exp::Exponential);
    addAt(mix, bell(rise, 0.6, random), 0.055, 0.7);
    return reverberate(mix, {.decay = 0.4, .size = 0.5, .damping = 0.4, .wet = 0.12, .tail = 0.1});
}

// 7: the start jingle. A banjo lick climbs to a strummed G chord over a tuba's
// oom-pah, and bells ring out on top.
Wave startJingle() {
    Random random(0x0e08);
    Wave mix;
    constexpr double Step = 0.11;
    constexpr std::array<double, 8> Lick{62, 67, 71, 74, 76, 74, 71, 74};
    for (std::size_t i = 0; i < Lick.size(); ++i) {
        addAt(mix, bluntBanjo(Lick[i], 0.3, random), Step * i, 0.45);
    }
    constexpr double Land = 0.9;
    strum(mix, {55, 59, 62, 67}, Land, 1.0, 0.35, random);
    addAt(mix, banjo(noteHz(79), 1.0, random), Land + 0.05, 0.45);
    addAt(mix, bell(noteHz(91), 1.0, random), Land + 0.05, 0.3);
    addAt(mix, bell(noteHz(86), 0.9, random), Land + 0.05, 0.2);

    const BrassStyle tuba{
        .brightness = 0.45, .vibrato = 0.05, .scoop = 0.3, .envelope = {0.025, 0.3, 0.7, 0.25}};
    addAt(mix, brass(noteHz(43), 0.14, 0.4, tuba), 0.0, 0.3);
    addAt(mix, brass(noteHz(38), 0.14, 0.4, tuba), 4 * Step, 0.3);
    addAt(mix, brass(noteHz(43), 0.45, 0.9, tuba), Land, 0.35);
    return reverberate(mix, {.decay = 0.8, .size = 0.7, .damping = 0.4, .wet = 0.18, .tail = 0.4});
}

// 8 and 9: a reel slides a symbol onto the payline. The drum's teeth rattle past
// the pawl, slowing as it settles, under a twangy glide down or up; a down slide
// lands with a thud, an up slide with a light knock and a ping.
Wave reelSlide(bool down) {
    Random random(down ? 0x0e09 : 0x0e0a);
    Wave mix;
    constexpr double Slide = 0.4;
    for (double t = 0.0; t < Slide - 0.02;) {
        const double u = t / Slide;
        const Wave tooth = filtered(click(down ? 1900 : 2300, 1.5, 0.006, random), Biquad::lowPass(6000));
        addAt(mix, tooth, t, 0.28 * (1.0 - 0.3 * u));
        t += 0.021 + 0.012 * u * u;
    }
    const double high = noteHz(81);
    const double low = noteHz(64);
    const Curve glide({{0.0, down ? high : low}, {Slide, down ? low : high}}, Exp::Exponential);
    Wave twang = blown(vibrato(glide, 7.0, 0.25, 0.05), Adsr{0.015, 0.5, 0.6, 0.05}.over(Slide - 0.02), 0.25,
                       Slide + 0.05);
    normalize(twang);
    addAt(mix, twang, 0.0, 0.35);
    if (down) {
        addAt(mix, thump(140, 70, 0.1), Slide, 0.7);
        addAt(mix, woodKnock(260, 0.08, random), Slide, 0.5);
    } else {
        addAt(mix, woodKnock(420, 0.07, random), Slide, 0.5);
        addAt(mix, bell(noteHz(93), 0.3, random), Slide, 0.25);
    }
    return reverberate(mix, {.decay = 0.25, .size = 0.45, .damping = 0.5, .wet = 0.08, .tail = 0.06});
}

// Win: a brass fanfare in C, "ta-ta-ta-taaa" in two parts over a tuba, bells
// and a strum on the held chord, and a shower of winnings.
Wave winFanfare() {
    Random random(0x0e0b);
    Wave mix;
    constexpr Fanfare Call{.times = {0.0, 0.11, 0.22, 0.34},
                           .lead = {67, 72, 76, 79},
                           .second = {64, 67, 72, 76},
                           .quick = 0.085,
                           .quickSeconds = 0.3,
                           .held = 0.95,
                           .heldTail = 0.5,
                           .leadGain = 0.5,
                           .secondGain = 0.35};
    const BrassStyle trumpet{.brightness = 0.9, .vibrato = 0.15};
    const BrassStyle horn{.brightness = 0.7, .vibrato = 0.1};
    playFanfare(
        mix, Call,
        [&](double note, double length, double seconds, bool) {
            return brass(noteHz(note), length, seconds, trumpet);
        },
        [&](double note, double length, double seconds, bool) {
            return brass(noteHz(note), length, seconds, horn);
        });
    const double chord = Call.times[3];
    const double held = Call.held;
    const double rings = Call.held + Call.heldTail;
    addAt(mix, brass(noteHz(60), held, rings, horn), chord, 0.25);
    const BrassStyle tuba{.brightness = 0.45, .vibrato = 0.05, .scoop = 0.3};
    addAt(mix, brass(noteHz(48), 0.09, 0.3, tuba), 0.0, 0.4);
    addAt(mix, brass(noteHz(43), 0.09, 0.3, tuba), 0.22, 0.35);
    addAt(mix, brass(noteHz(48), held, rings, tuba), chord, 0.4);

    strum(mix, {60, 64, 67, 72}, chord, 1.0, 0.25, random);
    addAt(mix, bell(noteHz(91), 1.2, random), chord, 0.3);
    addAt(mix, bell(noteHz(96), 1.0, random), chord, 0.18);
    coinShower(mix, 0.4, 1.05, 20, 0.3, random);
    return reverberate(mix, {.decay = 1.0, .size = 0.75, .damping = 0.4, .wet = 0.2, .tail = 0.5});
}

} // namespace

sound::GameSounds oreveinSounds() {
    return {"orevein",
            {
                {"0", 0.24, 0.0, reelStop},
                {"1", 0.34, 0.0, coinBet},
                {"2", 0.58, 0.0, bonusLost},
                {"3", 0.065, -3.0, countTick},
                {"4", 0.78, 0.0, emptyBox},
                {"5", 1.48, 0.0, prizeBox},
                {"6", 0.43, 0.0, bonusPoint},
                {"7", 1.95, 0.0, startJingle},
                {"8", 0.49, 0.0, [] { return reelSlide(true); }},
                {"9", 0.49, 0.0, [] { return reelSlide(false); }},
                {"Win", 1.95, 0.0, winFanfare},
            }};
}

} // namespace slotmachine::orevein
