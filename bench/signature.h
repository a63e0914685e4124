// The search signature: the total nodes of fixed-depth searches of a fixed
// set of positions. No clock and no thread bound these searches, so the number
// is the same on every run and every machine, and it changes exactly when the
// search or the evaluation visits other positions. Printed as
//   signature nodes N
#pragma once

#include <cstdint>

namespace murokan::bench {

// Searches each fixed position to a fixed depth with a fresh searcher state
// and returns the sum of the nodes.
std::int64_t search_signature();

// Prints the line.
void print_search_signature();

}  // namespace murokan::bench
