#include "games/pawlane/sound/PawlaneSounds.h"

#include "tools/assets/sound/Gestures.h"
#include "tools/assets/sound/Instruments.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace slotmachine::pawlane {

using namespace slotmachine::sound;

namespace {

using Exp = Curve::Kind;

// A cowbell: a thin hammered iron box whose two strong modes sit a little over a
// fifth apart, struck with a wooden stick.
Wave cowbell(double frequency, double ring, Random& random) {
    const std::array<Partial, 5> box{{
        {1.0, 1.0, 1.0},
        {1.49, 0.8, 0.8},
        {2.13, 0.35, 0.45},
        {2.87, 0.25, 0.3},
        {4.05, 0.12, 0.2},
    }};
    Wave wave = struck(steady(frequency), box, ring, 0.0005);
    // The box is a poor radiator of its lowest hum and rings mostly in the middle.
    wave = filtered(std::move(wave), Biquad::bandPass(frequency * 1.6, 0.8));
    fade(wave, 0.0, 0.02);
    normalize(wave);
    addAt(wave, woodKnock(frequency * 2.2, 0.015, random), 0.0, 0.25);
    normalize(wave);
    return wave;
}

// A chick's peep: a thin whistle that slides up (or down) and fades.
Wave peep(double fromHz, double toHz, double seconds) {
    Wave wave = sine(Curve({{0.0, fromHz}, {seconds * 0.7, toHz}, {seconds, toHz * 0.97}}, Exp::Exponential),
                     seconds);
    envelope(wave, [seconds](double t) {
        const double rise = std::min(1.0, t / 0.008);
        return rise * std::pow(std::max(0.0, 1.0 - t / seconds), 1.5);
    });
    return wave;
}

// A fiddle note: a bowed string (a bright, buzzing tone that swells under the bow)
// through the body's resonances, with a little bow hiss and vibrato that arrives late.
struct Bowing {
    double vibrato = 0.14; // semitones
    double slide = 0.0;    // semitones below pitch at the onset, sliding up into it
    double attack = 0.03;
    double brightness = 0.95;
};

Wave fiddle(double note, double length, double seconds, Random& random, const Bowing& bowing = {}) {
    const double hz = noteHz(note);
    const Curve into({{0.0, noteHz(note - bowing.slide)}, {0.06, hz}}, Exp::Exponential);
    const Shape pitch = vibrato(bowing.slide > 0 ? Shape(into) : steady(hz), 5.8, bowing.vibrato, 0.18);
    const Shape loud = Adsr{bowing.attack, 0.25, 0.8, 0.08}.over(length);
    Wave wave = blown(pitch, loud, bowing.brightness, seconds);
    const Wave hiss = noiseBurst(seconds, Biquad::bandPass(hz * 3.0, 1.2), loud, random);
    addAt(wave, hiss, 0.0, 0.04 * *std::max_element(wave.begin(), wave.end()));
    Biquad::highPass(190).apply(wave);
    Biquad::peak(280, 1.5, 4.0).apply(wave);
    Biquad::peak(460, 1.8, 3.0).apply(wave);
    Biquad::peak(2900, 1.0, 5.0).apply(wave);
    Biquad::lowPass(7500).apply(wave);
    normalize(wave);
    return wave;
}

// A cow lowing: a low buzzing voice whose mouth opens from a hummed "mm" into a
// round "ooh" and closes again while the pitch sags.
Wave moo(double fromNote, double toNote, double seconds) {
    const Shape pitch = vibrato(
        Curve({{0.0, noteHz(fromNote)}, {seconds * 0.25, noteHz(fromNote + 0.6)}, {seconds, noteHz(toNote)}},
              Exp::Exponential),
        5.0, 0.2, 0.1);
    const Shape loud =
        Curve({{0.0, 0.0}, {0.05, 0.7}, {seconds * 0.3, 1.0}, {seconds * 0.8, 0.8}, {seconds, 0.0}});
    Wave voice = blown(pitch, loud, 0.9, seconds);
    Wave mouth = swept(voice, Curve({{0.0, 260}, {seconds * 0.35, 950}, {seconds, 380}}, Exp::Exponential),
                       2.2, SweepMode::LowPass);
    // The second formant of "ooh", a little nasal.
    Wave nose = swept(voice, Curve({{0.0, 900}, {seconds * 0.35, 1300}, {seconds, 800}}, Exp::Exponential),
                      4.0, SweepMode::BandPass);
    normalize(mouth);
    normalize(nose);
    addAt(mouth, nose, 0.0, 0.3);
    normalize(mouth);
    return mouth;
}

// A barn door's hinge: iron grinding on iron in short, uneven slips that ring
// through the planks, quicker in the middle of the swing.
Wave hinge(double seconds, Random& random) {
    const std::array<Mode, 4> planks{{
        {420, 1.0, 0.06},
        {780, 0.8, 0.05},
        {1350, 0.5, 0.04},
        {2400, 0.3, 0.03},
    }};
    const StickSlip iron{.level = 0.5,
                         .swingLevel = 0.5,
                         .leastLevel = 0.6,
                         .rate = 60.0,
                         .swingRate = 90.0,
                         .shortest = 0.8,
                         .longest = 1.2,
                         .lowPassHz = 5000};
    return stickSlip(seconds, iron, planks, random);
}

// --- The sounds ----------------------------------------------------------------

// 0: a reel comes to rest: the wooden drum claps against its stop block like a
// gate swinging shut on its post, with a short rattle of the latch.
Wave reelStop() {
    Random random(0x9a01);
    Wave mix;
    addAt(mix, woodKnock(520, 0.06, random), 0.0, 1.0);
    addAt(mix, woodKnock(880, 0.03, random), 0.0, 0.45);
    addAt(mix, thump(180, 90, 0.08), 0.0, 0.45);
    addAt(mix, click(3400, 1.4, 0.005, random), 0.0, 0.35);
    addAt(mix, woodKnock(610, 0.03, random), 0.03, 0.3); // the latch drops back
    return reverberate(mix, {.decay = 0.15, .size = 0.35, .damping = 0.5, .wet = 0.07, .tail = 0.05});
}

// 1: a coin is bet: it drops into a tin milk pail and rolls once round the bottom.
Wave coinBet() {
    Wave mix;
    constexpr std::array<CoinStrike, 3> Strikes{{
        {0.0, 0.25, 0.85, 0.9},
        {0.07, 0.12, 0.4, 0.35},
        {0.11, 0.08, 0.25, 0.15},
    }};
    dropCoin(mix, 2900, 0x7a11, Strikes, [](Wave& pail) {
        const std::array<Partial, 4> tin{
            {{1.0, 1.0, 0.25}, {1.83, 0.6, 0.2}, {2.71, 0.4, 0.14}, {3.9, 0.2, 0.1}}};
        Wave ring = struck(steady(740), tin, 0.3, 0.0005);
        normalize(ring);
        addAt(pail, ring, 0.0, 0.35);
    });
    return reverberate(mix, {.decay = 0.25, .size = 0.4, .damping = 0.4, .wet = 0.1, .tail = 0.08});
}

// 2: the bonus meter is reset: a cow lows a long, disappointed "moo" that sags,
// over a low cowbell clank.
Wave bonusReset() {
    Random random(0x9a03);
    Wave mix;
    addAt(mix, cowbell(330, 0.4, random), 0.0, 0.35);
    addAt(mix, moo(47, 42, 0.54), 0.02, 1.0);
    return reverberate(mix, {.decay = 0.3, .size = 0.55, .damping = 0.5, .wet = 0.08, .tail = 0.05});
}

// 3: one tick of the win count-up: a hen's beak pecking a hollow wooden trough.
// It plays thirteen times a second, so it stays short and mellow.
Wave countTick() {
    Random random(0x9a04);
    const std::array<Partial, 3> trough{{{1.0, 1.0, 0.06}, {2.6, 0.2, 0.03}, {4.9, 0.05, 0.02}}};
    return counterTick(noteHz(84), trough, woodKnock(1500, 0.02, random), 0.3);
}

// 4: an empty box: the barn door creaks open on nothing, bumps its stop, and the
// fiddle slides down two sorry notes.
Wave emptyBox() {
    Random random(0x9a05);
    Wave mix;
    addAt(mix, click(2600, 1.4, 0.005, random), 0.0, 0.4);
    Wave door = hinge(0.3, random);
    envelope(door, Curve({{0.0, 0.5}, {0.12, 1.0}, {0.3, 0.3}}));
    addAt(mix, door, 0.0, 0.5);
    addAt(mix, woodKnock(210, 0.2, random), 0.28, 0.8);
    addAt(mix, thump(120, 60, 0.15), 0.28, 0.4);
    const Bowing sorry{.vibrato = 0.1, .slide = 0.0, .attack = 0.02, .brightness = 0.8};
    Wave first = fiddle(67, 0.12, 0.2, random, sorry);
    addAt(mix, first, 0.36, 0.4);
    Wave second = blown(Curve({{0.0, noteHz(62)}, {0.08, noteHz(62)}, {0.3, noteHz(59.5)}}, Exp::Exponential),
                        Adsr{0.02, 0.3, 0.8, 0.06}.over(0.26), 0.8, 0.34);
    Biquad::highPass(190).apply(second);
    Biquad::peak(2900, 1.0, 4.0).apply(second);
    normalize(second);
    addAt(mix, second, 0.5, 0.4);
    return reverberate(mix, {.decay = 0.5, .size = 0.6, .damping = 0.45, .wet = 0.14, .tail = 0.15});
}

// 5: a prize box: the door flies open, cowbells ring a rising major arpeggio, the
// banjo strums it, the fiddle sings out and the chicks cheer.
Wave prizeBox() {
    Random random(0x9a06);
    Wave mix;
    addAt(mix, woodKnock(240, 0.15, random), 0.0, 0.6);
    addAt(mix, click(2500, 1.0, 0.006, random), 0.0, 0.3);
    constexpr std::array<double, 4> Arpeggio{72, 76, 79, 84};
    for (std::size_t i = 0; i < Arpeggio.size(); ++i) {
        addAt(mix, bell(noteHz(Arpeggio[i] + 12), 0.8, random), 0.05 + 0.07 * i, 0.35);
        addAt(mix, cowbell(noteHz(Arpeggio[i]), 0.5, random), 0.05 + 0.07 * i, 0.25);
    }
    strum(mix, {60, 64, 67, 72, 76}, 0.33, 1.0, 0.3, random);
    addAt(mix, fiddle(79, 0.75, 1.0, random, {.vibrato = 0.18, .slide = 1.0}), 0.33, 0.35);
    addAt(mix, fiddle(72, 0.75, 1.0, random, {.vibrato = 0.15, .slide = 0.0}), 0.33, 0.2);
    for (int i = 0; i < 6; ++i) {
        const double at = 0.55 + 0.09 * i + random.uniform(0.0, 0.03);
        const double from = random.uniform(2800, 3400);
        addAt(mix, peep(from, from * 1.35, 0.07), at, 0.18);
    }
    return reverberate(mix, {.decay = 0.8, .size = 0.7, .damping = 0.4, .wet = 0.18, .tail = 0.35});
}

// 6: a bonus point: a chick hatches into the meter, "cheep-cheep!", over a
// little bell.
Wave bonusPoint() {
    Random random(0x9a07);
    Wave mix;
    addAt(mix, bell(noteHz(86), 0.4, random), 0.0, 0.4);
    addAt(mix, peep(2700, 3900, 0.08), 0.0, 0.8);
    addAt(mix, peep(3000, 4300, 0.09), 0.12, 0.9);
    return reverberate(mix, {.decay = 0.3, .size = 0.45, .damping = 0.4, .wet = 0.1, .tail = 0.08});
}

// 7: the start jingle: a quick hoedown lick on the fiddle over banjo and a
// bass fiddle's "oom-pah", landing on a strummed G chord with a cowbell.
Wave startJingle() {
    Random random(0x9a08);
    Wave mix;
    constexpr double Step = 0.1;
    constexpr std::array<double, 8> Lick{67, 71, 74, 71, 76, 74, 71, 74};
    for (std::size_t i = 0; i < Lick.size(); ++i) {
        addAt(mix, fiddle(Lick[i], Step * 0.8, Step + 0.1, random, {.vibrato = 0.0, .attack = 0.015}),
              Step * i, 0.4);
    }
    constexpr std::array<double, 4> Bass{43, 50, 38, 50};
    for (std::size_t i = 0; i < Bass.size(); ++i) {
        addAt(mix, banjo(noteHz(Bass[i]), 0.2, random), 2 * Step * i, 0.3);
    }
    constexpr double Land = 0.85;
    strum(mix, {55, 59, 62, 67, 71}, Land, 1.0, 0.3, random);
    addAt(mix, fiddle(79, 0.6, 1.0, random, {.vibrato = 0.18, .slide = 1.5}), Land, 0.45);
    addAt(mix, fiddle(71, 0.6, 1.0, random, {.vibrato = 0.15}), Land, 0.25);
    addAt(mix, cowbell(noteHz(79), 0.7, random), Land, 0.3);
    addAt(mix, thump(98, 80, 0.4), Land, 0.3);
    return reverberate(mix, {.decay = 0.8, .size = 0.7, .damping = 0.4, .wet = 0.16, .tail = 0.35});
}

// 8: a hold won: the gate's iron latch drops home, "clack", and two cowbells
// ring it in, low then high.
Wave holdWon() {
    Random random(0x9a09);
    Wave mix;
    addAt(mix, click(3000, 1.2, 0.008, random), 0.0, 0.5);
    addAt(mix, woodKnock(400, 0.08, random), 0.0, 0.8);
    const std::array<Partial, 3> latch{{{1.0, 1.0, 0.12}, {2.4, 0.5, 0.08}, {4.1, 0.3, 0.05}}};
    Wave iron = struck(steady(1650), latch, 0.15);
    normalize(iron);
    addAt(mix, iron, 0.0, 0.3);
    addAt(mix, cowbell(noteHz(72), 0.45, random), 0.1, 0.6);
    addAt(mix, cowbell(noteHz(79), 0.45, random), 0.22, 0.7);
    return reverberate(mix, {.decay = 0.3, .size = 0.5, .damping = 0.45, .wet = 0.1, .tail = 0.08});
}

// 9: a reel sliding one step up: a banjo run climbs and a chick answers. The
// farm machine's rules never call for it; it completes the family's set of files.
Wave reelLift() {
    Random random(0x9a0a);
    Wave mix;
    constexpr std::array<double, 5> Run{62, 64, 67, 69, 74};
    for (std::size_t i = 0; i < Run.size(); ++i) {
        addAt(mix, banjo(noteHz(Run[i]), 0.25, random), 0.055 * i, 0.45);
    }
    addAt(mix, woodKnock(480, 0.06, random), 0.3, 0.5);
    addAt(mix, peep(2900, 4000, 0.08), 0.32, 0.4);
    return reverberate(mix, {.decay = 0.25, .size = 0.45, .damping = 0.5, .wet = 0.08, .tail = 0.06});
}

// Win: a hoedown: the fiddle saws "ta-ta-ta-taaa" up the D chord in double stops
// over banjo and bass, the cowbell keeps time, and the chicks join the cheer.
Wave winHoedown() {
    Random random(0x9a0b);
    Wave mix;
    // The lead and its double stop are one bow on two strings.
    constexpr Fanfare Saw{.times = {0.0, 0.12, 0.24, 0.38},
                          .lead = {69, 74, 78, 81},
                          .second = {66, 69, 74, 78},
                          .quick = 0.09,
                          .quickSeconds = 0.2,
                          .held = 0.95,
                          .heldTail = 0.3,
                          .leadGain = 0.45,
                          .secondGain = 0.28};
    const FanfareVoice bowed = [&random](double note, double length, double seconds, bool last) {
        const Bowing bow{.vibrato = last ? 0.2 : 0.0, .slide = last ? 1.0 : 0.0, .attack = 0.015};
        return fiddle(note, length, seconds, random, bow);
    };
    playFanfare(mix, Saw, bowed, bowed);
    for (const double at : Saw.times) {
        addAt(mix, cowbell(noteHz(81), 0.25, random), at, 0.15);
    }
    const double chord = Saw.times[3];
    addAt(mix, banjo(noteHz(38), 0.3, random), 0.0, 0.35);
    addAt(mix, banjo(noteHz(45), 0.3, random), 0.24, 0.3);
    strum(mix, {50, 57, 62, 66, 69, 74}, chord, 1.2, 0.28, random);
    addAt(mix, thump(73, 60, 0.5), chord, 0.3);
    addAt(mix, bell(noteHz(93), 1.0, random), chord, 0.25);
    for (int i = 0; i < 8; ++i) {
        const double at = 0.55 + 0.1 * i + random.uniform(0.0, 0.04);
        const double from = random.uniform(2700, 3500);
        addAt(mix, peep(from, from * random.uniform(1.25, 1.45), 0.075), at, 0.16 * (1.0 - 0.07 * i));
    }
    return reverberate(mix, {.decay = 0.9, .size = 0.75, .damping = 0.4, .wet = 0.18, .tail = 0.45});
}

} // namespace

sound::GameSounds pawlaneSounds() {
    return {"pawlane",
            {
                {"0", 0.24, 0.0, reelStop},
                {"1", 0.34, 0.0, coinBet},
                {"2", 0.58, 0.0, bonusReset},
                {"3", 0.065, -3.0, countTick},
                {"4", 0.78, 0.0, emptyBox},
                {"5", 1.48, 0.0, prizeBox},
                {"6", 0.43, 0.0, bonusPoint},
                {"7", 1.95, 0.0, startJingle},
                {"8", 0.58, 0.0, holdWon},
                {"9", 0.49, 0.0, reelLift},
                {"Win", 1.95, 0.0, winHoedown},
            }};
}

} // namespace slotmachine::pawlane
