#include "ai/transposition.h"

namespace murokan {

TranspositionTable::TranspositionTable(int bits)
    : slots_(std::size_t{1} << bits), mask_((ZobristKey{1} << bits) - 1) {}

const TTEntry* TranspositionTable::probe(ZobristKey key) const {
    const TTEntry& e = slots_[key & mask_];
    return e.key == key && e.bound != Bound::None ? &e : nullptr;
}

void TranspositionTable::store(ZobristKey key, const Move& move, int score, int depth,
                               Bound bound) {
    TTEntry& e = slots_[key & mask_];
    if (e.key == key && e.depth > depth && e.bound != Bound::None) return;
    e.key = key;
    e.move = move;
    e.score = static_cast<std::int16_t>(score);
    e.depth = static_cast<std::int8_t>(depth);
    e.bound = bound;
}

int TranspositionTable::bits_for_nodes(std::int64_t nodes) {
    constexpr int kFewest = 16, kMost = 20;
    if (nodes <= 0) return kMost;
    int bits = kFewest;
    while (bits < kMost && (std::int64_t{1} << bits) < nodes) ++bits;
    return bits;
}

void TranspositionTable::clear() {
    for (TTEntry& e : slots_) e = TTEntry{};
}

}  // namespace murokan
