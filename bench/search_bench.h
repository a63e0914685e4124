// The searching levels' speed, printed as one line:
//   search nodes_per_second N depth_1s D
#pragma once

namespace murokan::bench {

// Searches each fixed position for one second and prints the line.
void print_search_speed();

// Searches each fixed position to the same node budget and prints
//   search fixed_nodes N nodes_per_cpu_second S nodes_per_wall_second W
// the same work on every build whose search visits the same nodes.
void print_fixed_node_speed();

}  // namespace murokan::bench
