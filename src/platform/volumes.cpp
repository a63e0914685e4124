#include "platform/volumes.h"

#include <dirent.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/record_panel.h"

namespace murokan::platform {

namespace {

bool starts_with_folder(std::string_view path, std::string_view folder) {
    return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

// /proc/mounts escapes blanks and a few other bytes as \ooo.
std::string unescape_mount(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size()) {
            const std::string oct(s.substr(i + 1, 3));
            if (oct.size() == 3 &&
                std::all_of(oct.begin(), oct.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(std::strtol(oct.c_str(), nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

// Names of the entries of `path` for which `keep` holds; nullopt when unreadable.
template <typename Keep>
std::optional<std::vector<std::string>> list_entries(std::string_view path, Keep keep) {
    DIR* d = opendir(std::string(path).c_str());
    if (!d) return std::nullopt;
    std::vector<std::string> names;
    while (const dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        if (keep(join_path(path, name), name)) names.push_back(name);
    }
    closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

bool is_folder(const std::string& full) {
    DIR* d = opendir(full.c_str());  // follows links, as the user expects
    if (!d) return false;
    closedir(d);
    return true;
}

}  // namespace

std::vector<std::string> list_volumes() {
    std::vector<std::string> volumes;
    auto add = [&](const std::string& v) {
        if (!v.empty() && std::find(volumes.begin(), volumes.end(), v) == volumes.end()) {
            volumes.push_back(v);
        }
    };
    if (const char* home = std::getenv("HOME"); home && *home) add(home);
    add("/");
    std::ifstream mounts("/proc/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, point;
        fields >> device >> point;
        point = unescape_mount(point);
        if (starts_with_folder(point, "/media") || starts_with_folder(point, "/mnt") ||
            starts_with_folder(point, "/run/media")) {
            add(point);
        }
    }
    return volumes;
}

std::optional<std::vector<std::string>> list_folders(std::string_view path) {
    return list_entries(path, [](const std::string& full, const std::string& name) {
        return name[0] != '.' && is_folder(full);
    });
}

std::vector<std::string> list_records(std::string_view path) {
    auto names = list_entries(path, [](const std::string& full, const std::string& name) {
        return name.size() > RECORD_EXTENSION.size() && name.ends_with(RECORD_EXTENSION) &&
               !is_folder(full);
    });
    return names.value_or(std::vector<std::string>{});
}

std::string join_path(std::string_view dir, std::string_view name) {
    std::string out(dir);
    if (out.empty() || out.back() != '/') out += '/';
    out += name;
    return out;
}

std::string parent_path(std::string_view path) {
    std::string p(path);
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    const size_t slash = p.rfind('/');
    if (slash == std::string::npos) return p;
    if (slash == 0) return "/";
    return p.substr(0, slash);
}

}  // namespace murokan::platform
