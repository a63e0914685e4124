#include "wavegen/wave.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace murokan::wavegen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// A chunk tag, byte by byte (inserting a brace list trips a false GCC 12
// overflow warning at -O3).
void putTag(std::vector<std::uint8_t>& out, std::string_view tag) {
    for (char c : tag) out.push_back(static_cast<std::uint8_t>(c));
}

// A small fixed-seed generator, so that the noise is the same everywhere.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    // Uniform in -1..1.
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

  private:
    std::uint32_t state_;
};

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(seconds * kRate);
}

// Scales the peak to `peak`, keeping the shape.
void normalise(std::vector<float>& s, float peak) {
    float m = 0;
    for (float v : s) m = std::max(m, std::fabs(v));
    if (m <= 0) return;
    for (float& v : s) v = v * peak / m;
}

// A short fade at both ends so a one-shot never starts or stops with a click.
void fadeEnds(std::vector<float>& s, double in_seconds, double out_seconds) {
    std::size_t in = std::min(s.size(), samplesFor(in_seconds));
    std::size_t out = std::min(s.size(), samplesFor(out_seconds));
    for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<float>(i) / in;
    for (std::size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / out;
}

double midiHz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

}  // namespace

std::vector<std::uint8_t> encodeWave(const std::vector<float>& samples, int rate) {
    const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + data_bytes);
    putTag(out, "RIFF");
    put32(out, 36 + data_bytes);
    putTag(out, "WAVEfmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, static_cast<std::uint32_t>(rate));
    put32(out, static_cast<std::uint32_t>(rate * 2));
    put16(out, 2);   // block align
    put16(out, 16);  // bits
    putTag(out, "data");
    put32(out, data_bytes);
    for (float v : samples) {
        double c = std::clamp(static_cast<double>(v), -1.0, 1.0);
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(c * 32767.0))));
    }
    return out;
}

// A hard wooden knock: a burst of filtered noise for the contact, then a few
// quickly damped wood resonances.
std::vector<float> komaClick() {
    std::vector<float> s(samplesFor(0.14));
    Noise noise(12345);
    double lp = 0;
    const double modes[][3] = {
        {820, 1.0, 55}, {1460, 0.7, 70}, {2630, 0.45, 90}, {3900, 0.25, 120}};
    for (std::size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        lp += 0.35 * (noise.next() - lp);
        double v = lp * std::exp(-t * 260.0) * 0.9;
        for (const auto& m : modes) v += m[1] * std::sin(kTwoPi * m[0] * t) * std::exp(-t * m[2]);
        s[i] = static_cast<float>(v);
    }
    normalise(s, 0.85f);
    fadeEnds(s, 0.0005, 0.02);
    return s;
}

// Two soft low pulses: a rounded square wave with only its first few harmonics.
std::vector<float> kinshiBuzz() {
    std::vector<float> s(samplesFor(0.32));
    for (std::size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double v = 0;
        for (int h = 1; h <= 7; h += 2) v += std::sin(kTwoPi * 140.0 * h * t) / h;
        // Two pulses of 0.12 s with soft edges.
        double env = 0;
        for (double start : {0.0, 0.17}) {
            double u = t - start;
            if (u >= 0 && u < 0.13) env = std::max(env, std::sin(std::numbers::pi * u / 0.13));
        }
        s[i] = static_cast<float>(v * env);
    }
    normalise(s, 0.45f);
    fadeEnds(s, 0.002, 0.01);
    return s;
}

// Two bell strokes a fifth apart, each with a slightly inharmonic overtone.
std::vector<float> sonotaChime() {
    std::vector<float> s(samplesFor(1.1));
    const double strokes[][2] = {{0.0, midiHz(88)}, {0.12, midiHz(95)}};
    for (std::size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double v = 0;
        for (const auto& st : strokes) {
            double u = t - st[0];
            if (u < 0) continue;
            double env = std::exp(-u * 4.5) * std::min(1.0, u * 400.0);
            v += env * (std::sin(kTwoPi * st[1] * u) +
                        0.35 * std::sin(kTwoPi * st[1] * 2.76 * u) * std::exp(-u * 6.0));
        }
        s[i] = static_cast<float>(v);
    }
    normalise(s, 0.6f);
    fadeEnds(s, 0.001, 0.08);
    return s;
}

// A falling whistle in a puff of airy noise.
std::vector<float> shoumetsu() {
    std::vector<float> s(samplesFor(0.55));
    Noise noise(777);
    double phase = 0, lp = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double f = 300.0 + 1500.0 * std::exp(-t * 6.0);
        phase += kTwoPi * f / kRate;
        lp += 0.12 * (noise.next() - lp);
        double env = std::min(1.0, t * 60.0) * std::exp(-t * 5.5);
        s[i] = static_cast<float>(env * (0.6 * std::sin(phase) + 1.4 * lp));
    }
    normalise(s, 0.6f);
    fadeEnds(s, 0.002, 0.05);
    return s;
}

// Eight bars at 80 beats a minute (24 s) of a plucked pentatonic melody over a
// soft drone. Every note is written into the buffer modulo its length, so the
// tails of the last notes sound over the start and the loop has no seam.
std::vector<float> bgmLoop() {
    constexpr double kBeat = 0.75;
    constexpr int kBeats = 32;
    const std::size_t n = samplesFor(kBeat * kBeats);
    std::vector<double> mix(n, 0.0);

    auto pluck = [&](double start, int note, double gain, double decay) {
        const double f = midiHz(note);
        const std::size_t first = samplesFor(start);
        const std::size_t len = samplesFor(3.0);
        for (std::size_t k = 0; k < len; ++k) {
            double u = static_cast<double>(k) / kRate;
            double env = std::min(1.0, u * 300.0) * std::exp(-u * decay);
            double v = std::sin(kTwoPi * f * u) +
                       0.3 * std::sin(kTwoPi * 2 * f * u) * std::exp(-u * 3) +
                       0.12 * std::sin(kTwoPi * 3 * f * u) * std::exp(-u * 5);
            mix[(first + k) % n] += gain * env * v;
        }
    };

    // Melody in D minor pentatonic (D F G A C), one entry per half beat; 0 = rest.
    const int melody[64] = {
        74, 0, 72, 69, 67, 0, 69, 0, 72, 0, 74, 0, 77, 0, 0,  0,  //
        76, 0, 74, 72, 69, 0, 67, 0, 65, 0, 67, 0, 69, 0, 0,  0,  //
        69, 0, 72, 74, 77, 0, 74, 0, 72, 0, 69, 0, 67, 0, 69, 0,  //
        65, 0, 67, 69, 72, 0, 69, 0, 67, 0, 65, 0, 62, 0, 0,  0,
    };
    for (int i = 0; i < 64; ++i)
        if (melody[i]) pluck(i * kBeat / 2, melody[i], 0.5, 2.2);
    // Bass on every bar, and a soft answer on the third beat.
    const int bass[8] = {50, 46, 48, 45, 50, 46, 43, 45};
    for (int bar = 0; bar < 8; ++bar) {
        pluck(bar * 4 * kBeat, bass[bar], 0.45, 1.2);
        pluck((bar * 4 + 2) * kBeat, bass[bar] + 7, 0.25, 1.5);
    }
    // A quiet drone whose period divides the loop length exactly.
    const double drone_hz = std::round(midiHz(38) * kBeat * kBeats) / (kBeat * kBeats);
    for (std::size_t i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / kRate;
        double swell = 0.5 + 0.5 * std::sin(kTwoPi * t / (kBeat * 16));
        mix[i] += 0.08 * swell * std::sin(kTwoPi * drone_hz * t);
    }
    std::vector<float> s(n);
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<float>(mix[i]);
    normalise(s, 0.5f);
    return s;
}

std::vector<WaveFile> allWaves() {
    return {
        {"駒打音.wav", encodeWave(komaClick())},   {"禁止.wav", encodeWave(kinshiBuzz())},
        {"その他.wav", encodeWave(sonotaChime())}, {"BGM.wav", encodeWave(bgmLoop())},
        {"消滅.wav", encodeWave(shoumetsu())},
    };
}

}  // namespace murokan::wavegen
