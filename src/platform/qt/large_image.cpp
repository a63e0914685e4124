#include "platform/qt/large_image.h"

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>

namespace murokan::platform {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// The mapping an image lies in, unmapped with the image's last copy.
struct Mapping {
    void* base;
    std::size_t length;
};

void unmap(void* info) {
    auto* m = static_cast<Mapping*>(info);
    munmap(m->base, m->length);
    delete m;
}

}  // namespace

QImage makeLargeImage(int w, int h, QImage::Format format) {
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype bpl = ((qsizetype(w) * depth + 31) / 32) * 4;  // QImage's own row alignment
    const std::size_t bytes = std::size_t(bpl) * std::size_t(h);
    if (w <= 0 || h <= 0 || bytes < kHugePage) return QImage(w, h, format);
    // Room to start on a huge page's boundary.
    const std::size_t length = bytes + kHugePage;
    void* base = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) return QImage(w, h, format);
    const auto start = (reinterpret_cast<std::uintptr_t>(base) + kHugePage - 1) & ~(kHugePage - 1);
    auto* data = reinterpret_cast<uchar*>(start);
    // Only whole huge pages: the tail stays on ordinary pages, so that the
    // image takes no more memory than an ordinary one.
    madvise(data, bytes / kHugePage * kHugePage, MADV_HUGEPAGE);
    auto* mapping = new Mapping{base, length};
    return QImage(data, w, h, bpl, format, unmap, mapping);
}

}  // namespace murokan::platform
