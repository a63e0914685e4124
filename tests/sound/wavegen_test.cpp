// The generated wave files: well-formed, small, deterministic, and the music
// loops without a jump.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numeric>

#include "wavegen/wave.h"

namespace murokan::wavegen {
namespace {

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(Wavegen, FilesAreWellFormedPcmWithinTheSizeBudget) {
    const auto waves = allWaves();
    ASSERT_EQ(waves.size(), 5u);
    std::size_t total = 0;
    for (const auto& w : waves) {
        SCOPED_TRACE(w.name);
        const auto& b = w.bytes;
        ASSERT_GT(b.size(), 44u);
        EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
        EXPECT_EQ(le32(b, 4), b.size() - 8);
        EXPECT_EQ(std::memcmp(b.data() + 8, "WAVEfmt ", 8), 0);
        EXPECT_EQ(le32(b, 24), static_cast<std::uint32_t>(kRate));
        EXPECT_EQ(le32(b, 40), b.size() - 44);
        total += b.size();
    }
    EXPECT_LT(total, 2u * 1024 * 1024);
}

TEST(Wavegen, SoundsHaveTheirIntendedLengthsAndAreNotSilent) {
    struct Case {
        const char* name;
        std::vector<float> s;
        double min_s, max_s;
    };
    const Case cases[] = {
        {"click", komaClick(), 0.05, 0.3},  {"buzz", kinshiBuzz(), 0.15, 0.6},
        {"chime", sonotaChime(), 0.4, 2.0}, {"bgm", bgmLoop(), 20.0, 40.0},
        {"vanish", shoumetsu(), 0.2, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double seconds = static_cast<double>(c.s.size()) / kRate;
        EXPECT_GE(seconds, c.min_s);
        EXPECT_LE(seconds, c.max_s);
        float peak = 0;
        for (float v : c.s) peak = std::max(peak, std::fabs(v));
        EXPECT_GT(peak, 0.3f);
        EXPECT_LE(peak, 1.0f);
    }
}

TEST(Wavegen, SameBytesEveryTime) {
    const auto a = allWaves();
    const auto b = allWaves();
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].bytes, b[i].bytes) << a[i].name;
}

TEST(Wavegen, MusicLoopJoinsWithoutAJump) {
    const auto s = bgmLoop();
    // The step across the loop point is no bigger than the largest step inside.
    float largest = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        largest = std::max(largest, std::fabs(s[i] - s[i - 1]));
    EXPECT_LE(std::fabs(s.front() - s.back()), largest);
    // And the start is not silence: the tails of the last notes sound over it.
    float head = 0;
    for (std::size_t i = 0; i < 200; ++i) head = std::max(head, std::fabs(s[i]));
    EXPECT_GT(head, 0.01f);
}

}  // namespace
}  // namespace murokan::wavegen
