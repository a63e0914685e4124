// Where the game looks for its files: the user's working folder from the XDG
// variables, and the installed data folder beside a program.
#include "platform/data_folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace murokan::platform {
namespace {

namespace fs = std::filesystem;

TEST(DataFolders, UserDataFolderFollowsTheXdgRules) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* want;
    } const cases[] = {
        {"/x/data", "/home/u", "/x/data/murokan"},
        {nullptr, "/home/u", "/home/u/.local/share/murokan"},
        {"", "/home/u", "/home/u/.local/share/murokan"},
        {"relative/data", "/home/u", "/home/u/.local/share/murokan"},
        {"/x/data", nullptr, "/x/data/murokan"},
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
        {nullptr, "relative/home", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(user_data_folder(c.xdg, c.home), fs::path(c.want))
            << (c.xdg ? c.xdg : "(unset)") << " / " << (c.home ? c.home : "(unset)");
    }
}

TEST(DataFolders, InstalledDataFolderOnlyWhereTheInstallPutOne) {
    const fs::path prefix =
        fs::temp_directory_path() / ("murokan_prefix_" + std::to_string(getpid()));
    fs::remove_all(prefix);
    fs::create_directories(prefix / "games");
    EXPECT_EQ(installed_data_folder(prefix / "games"), fs::path());
    fs::create_directories(prefix / "share/murokan");
    EXPECT_EQ(installed_data_folder(prefix / "games"), prefix / "share/murokan");
    EXPECT_EQ(installed_data_folder(fs::path()), fs::path());
    fs::remove_all(prefix);
    // This test runs in the build tree, which keeps everything beside the program.
    EXPECT_EQ(installed_data_folder(program_folder()), fs::path());
    EXPECT_EQ(data_folder(), program_folder());
}

}  // namespace
}  // namespace murokan::platform
