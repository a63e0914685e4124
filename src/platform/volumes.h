// The folders behind the record panel's lists: the volumes offered by the
// drive list, the subfolders of a folder and the record files in it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace murokan::platform {

// The home folder first, then the root folder, then the mount points of
// removable and extra volumes (under /media, /mnt and /run/media), each once.
std::vector<std::string> list_volumes();

// Names of the folders directly inside `path`, sorted, hidden ones left out;
// nullopt when `path` cannot be read (no such folder, no permission, I/O error).
std::optional<std::vector<std::string>> list_folders(std::string_view path);

// Names of the files in `path` ending in ".棋譜", sorted; empty when the
// folder cannot be read.
std::vector<std::string> list_records(std::string_view path);

// `name` joined to the folder `dir` with one "/" between them.
std::string join_path(std::string_view dir, std::string_view name);

// The folder above `path`; the root stays the root.
std::string parent_path(std::string_view path);

}  // namespace murokan::platform
