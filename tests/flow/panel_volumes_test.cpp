// The folders behind the record panel's lists.
#include <gtest/gtest.h>

#include <cstdlib>

#include "panel_fixture.h"
#include "platform/volumes.h"

namespace murokan::platform {
namespace {

TEST(PanelVolumes, JoinAndParentTable) {
    const std::pair<std::string, std::string> joins[] = {
        {join_path("/a/b", "c.棋譜"), "/a/b/c.棋譜"},
        {join_path("/a/b/", "c"), "/a/b/c"},  // no doubled separator
        {join_path("/", "c"), "/c"},
    };
    for (const auto& [got, want] : joins) EXPECT_EQ(got, want);
    const std::pair<const char*, const char*> parents[] = {
        {"/a/b", "/a"}, {"/a/b/", "/a"}, {"/a", "/"}, {"/", "/"}};
    for (const auto& [path, want] : parents) EXPECT_EQ(parent_path(path), want) << path;
}

TEST(PanelVolumes, HomeFirstThenTheRoot) {
    const char* home = std::getenv("HOME");
    const std::vector<std::string> v = list_volumes();
    ASSERT_GE(v.size(), 1u);
    if (home && *home && std::string(home) != "/") {
        ASSERT_GE(v.size(), 2u);
        EXPECT_EQ(v[0], home);
        EXPECT_EQ(v[1], "/");
    } else {
        EXPECT_EQ(v[0], "/");
    }
    for (std::size_t i = 0; i < v.size(); ++i)
        for (std::size_t j = i + 1; j < v.size(); ++j) EXPECT_NE(v[i], v[j]);
}

TEST(PanelVolumes, ListsOnlyVisibleFoldersAndRecordFiles) {
    test::ScratchFolder scratch;
    const auto& d = scratch.path();
    std::filesystem::create_directory(d / "b");
    std::filesystem::create_directory(d / "a");
    std::filesystem::create_directory(d / ".hidden");
    std::filesystem::create_directory(d / "folder.棋譜");  // a folder, not a record
    test::write_bytes(d / "z.棋譜", "");
    test::write_bytes(d / "m.棋譜", "");
    test::write_bytes(d / ".棋譜", "");  // no name before the extension
    test::write_bytes(d / "x.棋譜.bak", "");
    test::write_bytes(d / "y.txt", "");

    const auto folders = list_folders(d.string());
    ASSERT_TRUE(folders.has_value());
    EXPECT_EQ(*folders, (std::vector<std::string>{"a", "b", "folder.棋譜"}));
    EXPECT_EQ(list_records(d.string()), (std::vector<std::string>{"m.棋譜", "z.棋譜"}));

    EXPECT_FALSE(list_folders((d / "missing").string()).has_value());
    EXPECT_TRUE(list_records((d / "missing").string()).empty());
}

}  // namespace
}  // namespace murokan::platform
