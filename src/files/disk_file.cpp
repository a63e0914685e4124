#include "files/disk_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace murokan {

namespace {

// As many links as the kernel itself follows before it gives up.
constexpr int kMaxLinkHops = 40;
// Tries at a free temporary name before the folder counts as unwritable.
constexpr int kMaxTempTries = 100;

// Closes a descriptor on every path.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;

    int get() const { return fd_; }
    // Closes now, reporting the error a late write may only show here.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool 全部書く(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Back to blocking transfers once the open did not have to wait.
bool 待機に戻す(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

// The path a chain of symbolic links ends at (which need not exist yet); the
// path itself when it is no link. nullopt for a loop or an unreadable link.
std::optional<std::filesystem::path> リンク先(std::filesystem::path p) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        const auto st = std::filesystem::symlink_status(p, ec);
        if (ec || !std::filesystem::is_symlink(st)) return p;
        const std::filesystem::path target = std::filesystem::read_symlink(p, ec);
        if (ec) return std::nullopt;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> 読込_通常ファイル(const std::filesystem::path& path, std::size_t limit) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || !待機に戻す(fd.get())) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[16384];
    while (bytes.size() < limit) {
        const size_t want = std::min(sizeof buffer, limit - bytes.size());
        const ssize_t n = ::read(fd.get(), buffer, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    return bytes;
}

bool 書込_ファイル(const std::filesystem::path& path, std::string_view bytes) {
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                 0666));
    if (fd.get() < 0 || !待機に戻す(fd.get())) return false;
    return 全部書く(fd.get(), bytes) && fd.close();
}

bool 置換_ファイル(const std::filesystem::path& path, std::string_view bytes) {
    const auto target = リンク先(path);
    if (!target) return false;

    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists && (!S_ISREG(old.st_mode) || ::access(target->c_str(), W_OK) != 0)) return false;

    // A short name of its own, so that a name as long as the folder allows
    // still leaves room; the dot keeps it out of the record list.
    const std::filesystem::path folder = target->parent_path();
    std::filesystem::path temp;
    int raw = -1;
    for (int i = 0; raw < 0 && i < kMaxTempTries; ++i) {
        temp =
            folder / (".murokan-" + std::to_string(::getpid()) + "-" + std::to_string(i) + ".tmp");
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) return false;
    }
    if (raw < 0) return false;
    Fd fd(raw);

    // A file system without permission bits keeps its own; the record matters more.
    if (exists) (void)::fchmod(fd.get(), old.st_mode & 07777);
    bool ok = 全部書く(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && ::rename(temp.c_str(), target->c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace murokan
