#include "ai/principal_line.h"

#include <algorithm>
#include <memory>

#include "ai/zobrist.h"

namespace murokan {

namespace {

// True when `m` is one of the legal moves of `p`: a table slot may hold a
// move of another position whose key collided.
bool legal_in(const Position& p, const Move& m, MoveList& scratch) {
    generate_moves(p, scratch);
    return std::find(scratch.begin(), scratch.end(), m) != scratch.end();
}

}  // namespace

std::vector<Move> principal_line(const Searcher& searcher, const Position& root, const Move& first,
                                 int max_plies) {
    std::vector<Move> line;
    const auto scratch = std::make_unique<MoveList>();  // too large for the stack of a worker
    std::vector<ZobristKey> seen{zobrist_key(root)};
    Position p = root;
    Move next = first;
    while (static_cast<int>(line.size()) < max_plies && p.shuukyoku == 0 &&
           legal_in(p, next, *scratch)) {
        line.push_back(next);
        make_move(p, next);
        const ZobristKey key = zobrist_key(p);
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) break;
        seen.push_back(key);
        const TTEntry* e = searcher.table().probe(key);
        if (e == nullptr || e->move.piece == KARA) break;
        next = e->move;
    }
    return line;
}

}  // namespace murokan
