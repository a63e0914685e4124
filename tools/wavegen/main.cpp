// murokan-wavegen DIR: writes the game's five wave files into DIR.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "wavegen/wave.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: murokan-wavegen DIR\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const auto& w : murokan::wavegen::allWaves()) {
        const auto path = dir / std::filesystem::u8path(w.name);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(w.bytes.data()),
                  static_cast<std::streamsize>(w.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "murokan-wavegen: cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
