// Build-time generator of the program's sound effects and of the recording
// template. Usage: lexaroo_effect_synth NAME OUTPUT.wav
// where NAME is the file name the program reads ("xding.wav", ...).
//
// Every sound is made from sine partials, envelopes, filters and a seeded
// noise generator: the same source always gives the same bytes.
#include "SoundFile.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

using namespace lexaroo::assets;

namespace {

constexpr double kTwoPi = 2 * M_PI;

// xorshift32: our own noise so no library's random engine can change it.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
    double Next() // uniform in [-1, 1)
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

// Second-order filter after the well-known audio-EQ formulas; the
// coefficients may be changed every sample for sweeps.
class Biquad {
public:
    void Lowpass(double freq, double q) { Set(freq, q, Kind::Low); }
    void Highpass(double freq, double q) { Set(freq, q, Kind::High); }
    void Bandpass(double freq, double q) { Set(freq, q, Kind::Band); }
    double Process(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    enum class Kind { Low, High, Band };
    void Set(double freq, double q, Kind kind)
    {
        freq = std::clamp(freq, 20.0, kRate * 0.45);
        const double w = kTwoPi * freq / kRate;
        const double alpha = std::sin(w) / (2 * q);
        const double c = std::cos(w);
        const double a0 = 1 + alpha;
        switch (kind) {
        case Kind::Low:
            b0_ = (1 - c) / 2;
            b1_ = 1 - c;
            b2_ = (1 - c) / 2;
            break;
        case Kind::High:
            b0_ = (1 + c) / 2;
            b1_ = -(1 + c);
            b2_ = (1 + c) / 2;
            break;
        case Kind::Band:
            b0_ = alpha;
            b1_ = 0;
            b2_ = -alpha;
            break;
        }
        b0_ /= a0;
        b1_ /= a0;
        b2_ /= a0;
        a1_ = -2 * c / a0;
        a2_ = (1 - alpha) / a0;
    }
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

double Time(int i) { return static_cast<double>(i) / kRate; }

// Attack to 1 in `attack` seconds, then exponential decay with time
// constant `tau`.
double Pluck(double t, double attack, double tau)
{
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / tau);
}

// A struck tone: partials at ratio x frequency, each with its own level and
// decay, added into `out` from `start` seconds.
struct Partial {
    double ratio;
    double level;
    double tau;
};

void Strike(Signal& out, double start, double freq, const std::vector<Partial>& partials,
            double attack = 0.002, double gain = 1.0)
{
    const int from = Samples(start);
    for (int i = from; i < static_cast<int>(out.size()); ++i) {
        const double t = Time(i - from);
        double v = 0;
        for (const auto& p : partials) {
            const double f = freq * p.ratio;
            if (f >= kRate * 0.45)
                continue;
            v += p.level * Pluck(t, attack, p.tau) * std::sin(kTwoPi * f * t);
        }
        out[i] += gain * v;
    }
}

double Note(const char* name) // "C5", "F#4", "Bb3"
{
    static const std::map<char, int> steps{{'C', -9}, {'D', -7}, {'E', -5}, {'F', -4},
                                           {'G', -2}, {'A', 0},  {'B', 2}};
    int semis = steps.at(name[0]);
    const char* p = name + 1;
    if (*p == '#')
        ++semis, ++p;
    else if (*p == 'b')
        --semis, ++p;
    const int octave = *p - '0';
    semis += (octave - 4) * 12;
    return 440.0 * std::pow(2.0, semis / 12.0);
}

// A right step: a short, bright glockenspiel ding.
Signal Ding()
{
    Signal s(Samples(0.22));
    Strike(s, 0, Note("E6"), {{1.0, 1.0, 0.060}, {2.756, 0.22, 0.025}, {5.404, 0.06, 0.010}});
    FadeOut(s, 0.02);
    return s;
}

// Wrong: two sung notes falling a minor third, "uh-oh".
Signal UhOh()
{
    Signal s(Samples(0.66));
    struct Syllable {
        double start, length, freq;
    };
    const Syllable syllables[] = {{0.0, 0.20, Note("G4")}, {0.25, 0.40, Note("E4")}};
    for (const auto& syl : syllables) {
        Biquad vowel; // the "uh"/"oh" colour: a soft formant near 650 Hz
        vowel.Bandpass(650, 1.2);
        Biquad soften;
        soften.Lowpass(1800, 0.7);
        double phase = 0;
        const int from = Samples(syl.start);
        const int n = Samples(syl.length);
        for (int i = 0; i < n; ++i) {
            const double t = Time(i);
            // a little droop at the end of each note, as a voice does
            const double droop = 1.0 - 0.04 * std::max(0.0, (t - syl.length * 0.6) / (syl.length * 0.4));
            const double vibrato = 1.0 + 0.006 * std::sin(kTwoPi * 5.5 * t);
            phase += kTwoPi * syl.freq * droop * vibrato / kRate;
            double wave = 0;
            for (int h = 1; h <= 10; ++h)
                wave += std::sin(h * phase) / h;
            double env = std::min(1.0, t / 0.02);
            env *= std::min(1.0, (syl.length - t) / 0.05);
            const double v = 0.6 * vowel.Process(wave) + 0.4 * wave * 0.3;
            s[from + i] += env * soften.Process(v);
        }
    }
    FadeOut(s, 0.01);
    return s;
}

// Brass-like note with a brightening attack, added into `out`.
void Horn(Signal& out, double start, double length, double freq, double gain)
{
    Biquad tone;
    double phase = 0;
    const int from = Samples(start);
    const int n = std::min(Samples(length), static_cast<int>(out.size()) - from);
    for (int i = 0; i < n; ++i) {
        const double t = Time(i);
        // vibrato eases in on held notes; a sudden start would click
        const double depth = 0.005 * std::clamp((t - 0.1) / 0.2, 0.0, 1.0);
        const double vibrato = 1.0 + depth * std::sin(kTwoPi * 5.0 * t);
        phase += kTwoPi * freq * vibrato / kRate;
        double wave = 0;
        for (int h = 1; h <= 8; ++h)
            if (freq * h < kRate * 0.45)
                wave += std::sin(h * phase) / h;
        tone.Lowpass(600 + 2000 * std::min(1.0, t / 0.04), 0.8);
        double env = std::min(1.0, t / 0.015);
        env *= 0.75 + 0.25 * std::exp(-t / 0.08);
        env *= std::min(1.0, (length - t) / 0.06);
        out[from + i] += gain * env * tone.Process(wave);
    }
}

// Success: a quick rising arpeggio that lands on a bright chord.
Signal TaDa()
{
    Signal s(Samples(1.15));
    Horn(s, 0.00, 0.12, Note("C5"), 0.8);
    Horn(s, 0.10, 0.12, Note("E5"), 0.8);
    Horn(s, 0.20, 0.12, Note("G5"), 0.8);
    for (const char* n : {"C5", "E5", "G5", "C6"})
        Horn(s, 0.30, 0.85, Note(n), n[1] == '6' ? 0.8 : 0.5);
    FadeOut(s, 0.05);
    return s;
}

// A word revealed: a soft rising arpeggio of bells.
Signal Chimes()
{
    Signal s(Samples(1.6));
    const std::vector<Partial> bell{{1.0, 1.0, 0.45}, {2.0, 0.25, 0.20}, {3.01, 0.08, 0.10}};
    double start = 0;
    for (const char* n : {"G5", "C6", "E6", "G6"}) {
        Strike(s, start, Note(n), bell, 0.004, 0.7);
        start += 0.13;
    }
    FadeOut(s, 0.15);
    return s;
}

// The magic cloud: a puff of air, noise whose colour falls as it fades.
Signal Poof()
{
    Signal s(Samples(0.45));
    Noise noise(0x9f0f);
    Biquad lp, lp2;
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        const double t = Time(i);
        const double cutoff = 300 + 2700 * std::exp(-t / 0.09);
        lp.Lowpass(cutoff, 0.7);
        lp2.Lowpass(cutoff, 0.7);
        s[i] = Pluck(t, 0.012, 0.10) * lp2.Process(lp.Process(noise.Next()));
    }
    FadeOut(s, 0.03);
    return s;
}

// Letters frying in a pan: steady hiss with crackles. The game restarts it
// on every animation tick, so it starts at full level and its end runs
// into its start without a seam.
Signal Cook()
{
    const int n = Samples(0.8);
    const int overlap = Samples(0.1);
    Signal x(n + overlap);
    Noise noise(0xc00c);
    Noise pops(0x5a5a);
    Biquad hp, lp, crackleHp;
    hp.Highpass(2500, 0.7);
    lp.Lowpass(8000, 0.7);
    crackleHp.Highpass(1500, 0.7);
    double crackle = 0;
    for (int i = 0; i < static_cast<int>(x.size()); ++i) {
        // about 60 crackles a second, each a quickly dying burst
        if ((pops.Next() + 1) * 0.5 < 60.0 / kRate)
            crackle = 0.5 + 0.5 * (pops.Next() + 1) * 0.5;
        crackle *= std::exp(-1.0 / (0.004 * kRate));
        const double hiss = 0.25 * lp.Process(hp.Process(noise.Next()));
        x[i] = hiss + crackle * crackleHp.Process(noise.Next());
    }
    Signal s(n);
    for (int i = 0; i < n; ++i)
        s[i] = x[i];
    for (int i = 0; i < overlap; ++i) { // equal-power crossfade of the tail into the head
        const double w = static_cast<double>(i) / overlap;
        s[i] = x[i] * std::sin(M_PI / 2 * w) + x[n + i] * std::cos(M_PI / 2 * w);
    }
    return s;
}

// The ship's laser: a zap whose pitch dives.
Signal Blast()
{
    Signal s(Samples(0.42));
    Biquad soften;
    soften.Lowpass(4500, 0.7);
    double phase = 0;
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        const double t = Time(i);
        const double freq = 150 + 1650 * std::exp(-t / 0.09);
        phase += kTwoPi * freq / kRate;
        const double wave = std::sin(phase) + 0.3 * std::sin(3 * phase) + 0.12 * std::sin(5 * phase);
        const double env = std::min(1.0, t / 0.003) * std::exp(-t / 0.16);
        s[i] = env * soften.Process(wave);
    }
    FadeOut(s, 0.04);
    return s;
}

// The ship goes home: a short, cheerful marimba tune over a bass.
Signal Music()
{
    const double beat = 0.16; // one eighth note
    Signal s(Samples(12 * beat + 1.0));
    const std::vector<Partial> marimba{{1.0, 1.0, 0.28}, {3.93, 0.18, 0.04}, {9.9, 0.04, 0.01}};
    const char* melody[] = {"C5", "E5", "G5", "E5", "F5", "A5", "C6", "A5", "G5", "B5", "D6", "B5"};
    for (int k = 0; k < 12; ++k)
        Strike(s, k * beat, Note(melody[k]), marimba, 0.003, 0.55);
    Strike(s, 12 * beat, Note("C6"), {{1.0, 1.0, 0.45}, {3.93, 0.18, 0.05}}, 0.003, 0.6);
    Strike(s, 12 * beat, Note("G5"), {{1.0, 1.0, 0.45}}, 0.003, 0.35);
    Strike(s, 12 * beat, Note("E5"), {{1.0, 1.0, 0.45}}, 0.003, 0.35);
    const std::vector<Partial> bass{{1.0, 1.0, 0.30}, {2.0, 0.3, 0.12}};
    const char* bassline[] = {"C3", "G3", "F3", "C4", "G3", "D4", "C3"};
    for (int k = 0; k < 7; ++k)
        Strike(s, k * 2 * beat, Note(bassline[k]), bass, 0.006, 0.5);
    FadeOut(s, 0.3);
    return s;
}

// A letter rises to the ship: an upward whoosh with a faint rising tone.
Signal Raise()
{
    Signal s(Samples(0.6));
    Noise noise(0x7a15e);
    Biquad band;
    double phase = 0;
    const double length = Time(static_cast<int>(s.size()));
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        const double t = Time(i);
        const double sweep = t / length;
        band.Bandpass(400 * std::pow(10.0, sweep), 3.0);
        phase += kTwoPi * (300 * std::pow(4.0, sweep)) / kRate;
        const double env = std::sin(M_PI * std::pow(sweep, 0.7));
        s[i] = env * (band.Process(noise.Next()) * 1.5 + 0.12 * std::sin(phase));
    }
    FadeOut(s, 0.02);
    return s;
}

// The worm eats a letter: two quick crunchy bites.
Signal Eat()
{
    Signal s(Samples(0.3));
    Noise noise(0xea7);
    for (double start : {0.0, 0.14}) {
        Biquad crunch;
        crunch.Lowpass(1600, 0.9);
        const int from = Samples(start);
        for (int i = from; i < static_cast<int>(s.size()); ++i) {
            const double t = Time(i - from);
            const double body = std::sin(kTwoPi * (110 + 90 * std::exp(-t / 0.02)) * t);
            s[i] += Pluck(t, 0.003, 0.035) * (0.8 * crunch.Process(noise.Next()) + 0.7 * body);
        }
    }
    FadeOut(s, 0.02);
    return s;
}

// The worm bumps into its own trail: a soft thud and a little falling "ow".
Signal Ouch()
{
    Signal s(Samples(0.36));
    Noise noise(0x0c4);
    Biquad thudFilter;
    thudFilter.Lowpass(700, 0.7);
    double thudPhase = 0, owPhase = 0;
    Biquad owFilter;
    owFilter.Bandpass(900, 1.5);
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        const double t = Time(i);
        thudPhase += kTwoPi * (70 + 130 * std::exp(-t / 0.05)) / kRate;
        const double thud = Pluck(t, 0.002, 0.06) * (std::sin(thudPhase) + 0.5 * thudFilter.Process(noise.Next()) * std::exp(-t / 0.015));
        double ow = 0;
        if (t > 0.06) {
            const double u = t - 0.06;
            owPhase += kTwoPi * (520 - 200 * u / 0.3) / kRate;
            double wave = 0;
            for (int h = 1; h <= 6; ++h)
                wave += std::sin(h * owPhase) / h;
            const double env = std::min(1.0, u / 0.02) * std::min(1.0, (0.3 - u) / 0.08);
            ow = 0.35 * std::max(0.0, env) * (0.5 * wave + owFilter.Process(wave));
        }
        s[i] = thud + ow;
    }
    FadeOut(s, 0.02);
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    const std::map<std::string, std::function<Signal()>> effects{
        {"xding.wav", Ding},   {"xuhoh.wav", UhOh},   {"xtada.wav", TaDa},   {"xchimes.wav", Chimes},
        {"xpoof.wav", Poof},   {"xcook.wav", Cook},   {"xblast.wav", Blast}, {"xmusic.wav", Music},
        {"xraise.wav", Raise}, {"xeat.wav", Eat},     {"xouch.wav", Ouch},
    };
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s NAME OUTPUT.wav\n", argv[0]);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "zzblank.wav") {
        // The recorder copies this before each recording and records in its
        // format; a tenth of a second of silence is all it needs.
        return WriteWav(argv[2], Signal(Samples(0.1), 0.0)) ? 0 : 1;
    }
    const auto it = effects.find(name);
    if (it == effects.end()) {
        std::fprintf(stderr, "%s: no such effect\n", name.c_str());
        return 2;
    }
    Signal s = it->second();
    ScaleToPeak(s);
    return WriteWav(argv[2], s) ? 0 : 1;
}
