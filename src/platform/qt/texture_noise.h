// The fixed-seed noise the painted pictures share, so that every texture looks
// the same on every start.
#pragma once

#include <cstdint>

namespace murokan::platform {

// A small xorshift generator.
class Rng {
  public:
    explicit Rng(std::uint32_t seed) : s_(seed) {}
    std::uint32_t next() { return s_ = after(s_); }
    // The state that follows `s`.
    static std::uint32_t after(std::uint32_t s) {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    // Uniform in 0..1.
    double unit() { return (next() & 0xffffff) / double(0x1000000); }
    int range(int lo, int hi) { return lo + static_cast<int>(next() % unsigned(hi - lo + 1)); }
    std::uint32_t state() const { return s_; }

  private:
    std::uint32_t s_;
};

// A colour channel kept within 0..255.
inline int clampByte(int v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

}  // namespace murokan::platform
