// Deterministic synthesis of the game's five wave files. The same bytes come out
// on every machine and every run, so the files can be made at build time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace murokan::wavegen {

inline constexpr int kRate = 22050;  // samples per second, mono, 16-bit

// A complete RIFF/WAVE image of 16-bit mono PCM at `rate`; samples are clipped to -1..1.
std::vector<std::uint8_t> encodeWave(const std::vector<float>& samples, int rate = kRate);

std::vector<float> komaClick();    // 駒打音: a crisp wooden click
std::vector<float> kinshiBuzz();   // 禁止: a short soft buzz
std::vector<float> sonotaChime();  // その他: a light chime
std::vector<float> bgmLoop();      // BGM: a calm tune whose end joins its start
std::vector<float> shoumetsu();    // 消滅: a short vanishing sweep

struct WaveFile {
    std::string name;  // UTF-8 file name
    std::vector<std::uint8_t> bytes;
};

// The five files with the names the game loads.
std::vector<WaveFile> allWaves();

}  // namespace murokan::wavegen
