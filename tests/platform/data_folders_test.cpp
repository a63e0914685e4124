// The installed game's working folder, from the XDG variables. (Where the
// installed data folder lies is seen through the installed game itself.)
#include "platform/data_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

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

}  // namespace
}  // namespace murokan::platform
