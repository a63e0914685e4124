// The search's transposition table: one block allocated when the searcher is
// made, never during a search. Each slot keeps the last position stored there.
#pragma once

#include <cstdint>
#include <vector>

#include "ai/zobrist.h"
#include "core/movegen.h"

namespace murokan {

enum class Bound : std::uint8_t { None, Exact, Lower, Upper };

struct TTEntry {
    ZobristKey key = 0;
    Move move;  // best or refuting move; piece KARA when none
    std::int16_t score = 0;
    std::int8_t depth = -1;
    Bound bound = Bound::None;
};

class TranspositionTable {
  public:
    // Room for 2^bits entries.
    explicit TranspositionTable(int bits);

    // The entry for `key`, or nullptr when the slot holds another position.
    const TTEntry* probe(ZobristKey key) const;
    // Starts loading the slot of `key` into the cache, for a probe soon after.
    void prefetch(ZobristKey key) const { __builtin_prefetch(&slots_[key & mask_]); }
    // Stores a result, replacing what the slot held unless that is the same
    // position searched deeper.
    void store(ZobristKey key, const Move& move, int score, int depth, Bound bound);
    void clear();

    // The size, as a power of two, for a search of at most `nodes` nodes (0
    // for no node bound): about one slot per node, so a search seldom loses
    // what it stored itself, from 2^16 slots (1.5 MB) to 2^20 (24 MB).
    static int bits_for_nodes(std::int64_t nodes);

  private:
    std::vector<TTEntry> slots_;
    ZobristKey mask_;
};

}  // namespace murokan
