// The searching levels' speed, printed as one line:
//   search nodes_per_second N depth_1s D
#pragma once

namespace murokan::bench {

// Searches each fixed position for one second and prints the line.
void print_search_speed();

}  // namespace murokan::bench
