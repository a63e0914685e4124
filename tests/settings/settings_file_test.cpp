// The settings file on disk: exact bytes written, and what reading makes of
// every kind of line.
#include "settings/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "core/constants.h"
#include "support/child_process.h"

namespace murokan::settings {
namespace {

// CP932 spellings, written out byte by byte so that the tests do not share the
// converter with the code under test.
const std::string K_HAIKEI = "\x94\x77\x8c\x69\x89\xe6";          // 背景画
const std::string K_SHIDOU = "\x88\xda\x93\xae\x8e\x77\x93\xb1";  // 移動指導
const std::string K_KEIKA = "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4";   // 経過時間
const std::string V_MIDORI = "\x97\xce";                          // 緑
const std::string V_TAKE = "\x92\x7c";                            // 竹
const std::string V_TATAMI = "\x8f\xf4";                          // 畳
const std::string V_UCHU = "\x89\x46\x92\x88";                    // 宇宙
const std::string V_RENGA = "\x97\xf9\x8a\xa2";                   // 煉瓦

const std::string DEFAULT_FILE =
    K_HAIKEI + "=" + V_MIDORI + "\r\n" + K_SHIDOU + "=OFF\r\n" + K_KEIKA + "=ON\r\n" + "BGM=ON\r\n";

TEST(SettingsContents, DefaultsAreTheFourDefaultLinesInOrder) {
    EXPECT_EQ(contents(defaults()), DEFAULT_FILE);
}

TEST(SettingsContents, EachBackgroundAndSwitchIsSpelledExactly) {
    struct Case {
        Values v;
        std::string expected;
    };
    const std::string rest_off = K_SHIDOU + "=OFF\r\n" + K_KEIKA + "=OFF\r\nBGM=OFF\r\n";
    const Case cases[] = {
        {{HAIKEI_TAKE, false, false, false}, K_HAIKEI + "=" + V_TAKE + "\r\n" + rest_off},
        {{HAIKEI_TATAMI, false, false, false}, K_HAIKEI + "=" + V_TATAMI + "\r\n" + rest_off},
        {{HAIKEI_UCHU, false, false, false}, K_HAIKEI + "=" + V_UCHU + "\r\n" + rest_off},
        {{HAIKEI_RENGA, false, false, false}, K_HAIKEI + "=" + V_RENGA + "\r\n" + rest_off},
        // No background ticked: no 背景画 line at all.
        {{0, true, true, true}, K_SHIDOU + "=ON\r\n" + K_KEIKA + "=ON\r\nBGM=ON\r\n"},
        {{0, true, false, true}, K_SHIDOU + "=ON\r\n" + K_KEIKA + "=OFF\r\nBGM=ON\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(contents(c.v), c.expected) << "haikei " << c.v.haikei;
    }
}

TEST(SettingsParse, RecognisedLinesInFileOrder) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<Line> lines;
        bool failed;
    };
    const Case cases[] = {
        {"default file",
         DEFAULT_FILE,
         {{Key::背景画, HAIKEI_MIDORI}, {Key::移動指導, 0}, {Key::経過時間, 1}, {Key::BGM, 1}},
         false},
        {"only renga", K_HAIKEI + "=" + V_RENGA + "\r\n", {{Key::背景画, HAIKEI_RENGA}}, false},
        {"no final line end", "BGM=OFF", {{Key::BGM, 0}}, false},
        {"lower-case on counts as off", "BGM=on\r\n", {{Key::BGM, 0}}, false},
        {"value with blanks is not ON", K_SHIDOU + "= ON\r\n", {{Key::移動指導, 0}}, false},
        {"unknown background skipped",
         K_HAIKEI + "=" + "\x90\xd4" + "\r\nBGM=ON\r\n",
         {{Key::BGM, 1}},
         false},
        {"unknown key skipped", "FOO=ON\r\n" + K_KEIKA + "=OFF\r\n", {{Key::経過時間, 0}}, false},
        {"empty key skipped", "=ON\r\n", {}, false},
        {"key is case-sensitive", "bgm=ON\r\n", {}, false},
        {"blank before = makes another key", "BGM =ON\r\n", {}, false},
        {"value may hold another =", "BGM=ON=1\r\n", {{Key::BGM, 0}}, false},
        {"later line wins, both kept",
         "BGM=ON\r\nBGM=OFF\r\n",
         {{Key::BGM, 1}, {Key::BGM, 0}},
         false},
        {"lone LF ends a line",
         "BGM=OFF\n" + K_KEIKA + "=ON\n",
         {{Key::BGM, 0}, {Key::経過時間, 1}},
         false},
        {"empty file reads nothing", "", {}, false},
        {"empty line breaks the reading",
         "BGM=OFF\r\n\r\n" + K_KEIKA + "=OFF\r\n",
         {{Key::BGM, 0}},
         true},
        {"empty first line", "\r\nBGM=OFF\r\n", {}, true},
        {"line without =", K_HAIKEI + V_TAKE + "\r\n", {}, true},
        {"UTF-8 key is not the CP932 key", "背景画=緑\r\n", {}, false},
    };
    for (const Case& c : cases) {
        const ReadResult r = parse(c.text);
        EXPECT_EQ(r.lines, c.lines) << c.name;
        EXPECT_EQ(r.failed, c.failed) << c.name;
    }
}

TEST(SettingsParse, EveryBackgroundNameGivesItsCode) {
    const std::pair<std::string, int> cases[] = {
        {V_MIDORI, 5}, {V_TATAMI, 6}, {V_TAKE, 7}, {V_UCHU, 8}, {V_RENGA, 9}};
    for (const auto& [name, code] : cases) {
        const ReadResult r = parse(K_HAIKEI + "=" + name + "\r\n");
        ASSERT_EQ(r.lines.size(), 1u);
        EXPECT_EQ(r.lines[0].value, code);
    }
}

// A private folder per test: the tests run in parallel in one working directory.
class SettingsDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string tmpl = (std::filesystem::temp_directory_path() / "murokan-ini-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string slurp(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::filesystem::path dir_;
};

TEST_F(SettingsDisk, WriteThenReadRoundTrips) {
    const std::filesystem::path ini = dir_ / FILE_NAME;
    for (int haikei : {0, 5, 6, 7, 8, 9}) {
        for (int bits = 0; bits < 8; ++bits) {
            const Values v{haikei, (bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
            ASSERT_TRUE(write(ini, v));
            const ReadResult r = read(ini);
            ASSERT_FALSE(r.failed);
            Values back{};
            for (const Line& l : r.lines) {
                switch (l.key) {
                    case Key::背景画:
                        back.haikei = l.value;
                        break;
                    case Key::移動指導:
                        back.shidou = l.value == 1;
                        break;
                    case Key::経過時間:
                        back.keika = l.value == 1;
                        break;
                    case Key::BGM:
                        back.bgm = l.value == 1;
                        break;
                }
            }
            EXPECT_EQ(back, v) << "haikei " << haikei << " bits " << bits;
        }
    }
}

TEST_F(SettingsDisk, WriteReplacesALongerFile) {
    const std::filesystem::path ini = dir_ / FILE_NAME;
    std::ofstream(ini, std::ios::binary) << std::string(500, 'x');
    ASSERT_TRUE(write(ini, defaults()));
    EXPECT_EQ(slurp(ini), DEFAULT_FILE);
}

TEST_F(SettingsDisk, MissingFileFails) {
    const ReadResult r = read(dir_ / FILE_NAME);
    EXPECT_TRUE(r.failed);
    EXPECT_TRUE(r.lines.empty());
}

TEST_F(SettingsDisk, AFolderInThePlaceOfTheFileFailsBothWays) {
    const std::filesystem::path ini = dir_ / FILE_NAME;
    std::filesystem::create_directory(ini);
    EXPECT_TRUE(read(ini).failed);
    EXPECT_FALSE(write(ini, defaults()));
}

// Once a FIFO stopped the start for ever: reading waited for a writer, and the
// defaults written after a failed read waited for a reader.
TEST_F(SettingsDisk, AFifoInThePlaceOfTheFileFailsAtOnceBothWays) {
    const std::filesystem::path ini = dir_ / FILE_NAME;
    ASSERT_EQ(mkfifo(ini.c_str(), 0600), 0);
    const test::ChildOutcome out = test::run_in_child(10, [&] {
        std::string report;
        if (!read(ini).failed) report += "read did not fail\n";
        if (write(ini, defaults())) report += "write did not fail\n";
        return report;
    });
    EXPECT_TRUE(out.finished) << out.report;
    EXPECT_EQ(out.report, "");
}

// Valid lines all through, so that only the size can make the reading fail.
TEST_F(SettingsDisk, AFileOverTheSizeLimitIsABrokenFile) {
    const auto line_of = [](std::size_t bytes) {  // "BGM=xxx...\r\n", reads as OFF
        return "BGM=" + std::string(bytes - 6, 'x') + "\r\n";
    };
    struct Case {
        const char* name;
        std::string text;
        bool failed;
    };
    const Case cases[] = {
        {"at the limit", line_of(MAX_BYTES), false},
        {"one byte over", line_of(MAX_BYTES + 1), true},
    };
    const std::filesystem::path ini = dir_ / FILE_NAME;
    for (const Case& c : cases) {
        std::ofstream(ini, std::ios::binary | std::ios::trunc) << c.text;
        const ReadResult r = read(ini);
        EXPECT_EQ(r.failed, c.failed) << c.name;
        const std::vector<Line> want =
            c.failed ? std::vector<Line>{} : std::vector<Line>{{Key::BGM, 0}};
        EXPECT_EQ(r.lines, want) << c.name;
    }
}

}  // namespace
}  // namespace murokan::settings
