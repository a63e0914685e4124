// The keys are fixed pseudo-random numbers made at compile time, so every run
// and every build keys the same position alike.
#include "ai/zobrist.h"

#include <array>

#include "core/move_line.h"

namespace murokan {

namespace {

constexpr int kPieceSlots = 32;  // 2 sides x kinds 1..8 x plain/promoted
constexpr int kMaxCount = 19;    // a hand holds at most 18 pawns

constexpr std::uint64_t splitmix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

struct Tables {
    std::uint64_t square[kPieceSlots][10][10] = {};
    std::uint64_t hand[2][8][kMaxCount] = {};  // count 0 keys nothing
    std::uint64_t bottom_to_move = 0;
};

constexpr Tables make_tables() {
    Tables t;
    std::uint64_t state = 0x4D75726F6B616E00ull;
    for (auto& piece : t.square) {
        for (auto& column : piece) {
            for (auto& cell : column) cell = splitmix(state);
        }
    }
    for (auto& side : t.hand) {
        for (auto& kind : side) {
            for (int c = 1; c < kMaxCount; ++c) kind[c] = splitmix(state);
        }
    }
    t.bottom_to_move = splitmix(state);
    return t;
}

constexpr Tables kTables = make_tables();

// Slot of a piece code; KARA and unknown codes key nothing.
constexpr int slot(int code) {
    const int a = code < 0 ? -code : code;
    if (a < 10 || a > 81 || a % 10 > 1) return -1;
    return (a / 10 - 1) * 2 + a % 10 + (code < 0 ? 16 : 0);
}

// slot() of the codes -81..81, looked up rather than worked out per square.
constexpr int kSlotOffset = 81;
constexpr std::array<std::int8_t, 2 * kSlotOffset + 1> kSlots = [] {
    std::array<std::int8_t, 2 * kSlotOffset + 1> t{};
    for (int c = -kSlotOffset; c <= kSlotOffset; ++c)
        t[c + kSlotOffset] = static_cast<std::int8_t>(slot(c));
    return t;
}();

std::uint64_t square_key(int code, int x, int y) {
    const unsigned i = static_cast<unsigned>(code + kSlotOffset);
    const int s = i < kSlots.size() ? kSlots[i] : -1;
    return s < 0 ? 0 : kTables.square[s][x][y];
}

std::uint64_t hand_key(int side, int kind, int count) {
    if (count <= 0 || count >= kMaxCount) return 0;
    return kTables.hand[side][kind][count];
}

std::uint64_t hands_key(const Position& g) {
    std::uint64_t k = 0;
    for (int kind = 1; kind <= 7; ++kind) {
        k ^= hand_key(0, kind, g.mochi_ji[kind]) ^ hand_key(1, kind, g.mochi_teki[kind]);
    }
    return k;
}

}  // namespace

ZobristKey zobrist_key(const Position& g) {
    ZobristKey k = hands_key(g);
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) k ^= square_key(g.ban[x][y], x, y);
    }
    if (bottom_to_move(g)) k ^= kTables.bottom_to_move;
    return k;
}

ZobristKey zobrist_after(ZobristKey key, const Position& before, const Position& after,
                         const Move& m) {
    for_each_square_a_move_changes(m, [&](int x, int y) {
        const int b = before.ban[x][y], a = after.ban[x][y];
        if (a != b) key ^= square_key(b, x, y) ^ square_key(a, x, y);
    });
    // A move changes at most two hand counts; comparing all fourteen is as cheap.
    for (int kind = 1; kind <= 7; ++kind) {
        if (before.mochi_ji[kind] != after.mochi_ji[kind]) {
            key ^=
                hand_key(0, kind, before.mochi_ji[kind]) ^ hand_key(0, kind, after.mochi_ji[kind]);
        }
        if (before.mochi_teki[kind] != after.mochi_teki[kind]) {
            key ^= hand_key(1, kind, before.mochi_teki[kind]) ^
                   hand_key(1, kind, after.mochi_teki[kind]);
        }
    }
    if (bottom_to_move(before) != bottom_to_move(after)) key ^= kTables.bottom_to_move;
    return key;
}

ZobristKey zobrist_pass(ZobristKey key) {
    return key ^ kTables.bottom_to_move;
}

}  // namespace murokan
