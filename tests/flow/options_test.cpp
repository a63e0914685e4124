// The settings file read at start-up and the ｵﾌﾟｼｮﾝ menu that rewrites it.
#include <array>
#include <cmath>
#include <set>

#include "panel_fixture.h"

namespace murokan::test {
namespace {

// The five background items, then SIDOU, KEIKA and BGM, as ticks: "10000 0 1 1".
std::string ticks(const platform::RecordingMenuBar& m) {
    std::string s;
    for (const char* n : {"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"})
        s += m.checked(n) ? '1' : '0';
    for (const char* n : {"SIDOU", "KEIKA", "BGM"}) {
        s += ' ';
        s += m.checked(n) ? '1' : '0';
    }
    return s;
}

bool painted(const platform::RecordingCanvas& c, int code) {
    for (const auto& call : c.calls()) {
        if (call.kind == platform::DrawCall::Kind::Picture && call.code == code) return true;
    }
    return false;
}

bool has_prefix(const std::vector<std::string>& events, const std::string& prefix) {
    for (const auto& e : events) {
        if (e.rfind(prefix, 0) == 0) return true;
    }
    return false;
}

// Start-up with a given settings file (or none), each case in a fresh program.
TEST(OptionsStartup, SettingsFileAppliedAtStartUp) {
    struct Case {
        const char* name;
        const char* file;  // nullptr: no file at all
        std::string bytes;
        std::string ticks;
        int haikei;  // -1: not checked
        bool music;
        std::string file_after;  // "" : unchanged
    };
    const Case cases[] = {
        {"no file", nullptr, "", "10000 0 1 1", HAIKEI_MIDORI, true, ini::DEFAULTS},
        {"only renga", "x", ini::HAIKEI + "=" + ini::RENGA + "\r\n", "00001 0 0 0", HAIKEI_RENGA,
         false, ""},
        {"every option on", "x", ini::file(ini::TAKE, true, true, true), "00100 1 1 1", HAIKEI_TAKE,
         true, ""},
        {"lower-case on is off", "x", "BGM=on\r\n", "00000 0 0 0", -1, false, ""},
        {"unknown background and key ignored", "x",
         ini::HAIKEI + "=\x90\xd4\r\nFOO=ON\r\n" + ini::KEIKA + "=ON\r\n", "00000 0 1 0", -1, false,
         ""},
        {"empty line gives the defaults", "x",
         ini::HAIKEI + "=" + ini::RENGA + "\r\n\r\nBGM=OFF\r\n", "10000 0 1 1", HAIKEI_MIDORI, true,
         ini::DEFAULTS},
        {"line without = gives the defaults", "x", "BGM\r\n", "10000 0 1 1", HAIKEI_MIDORI, true,
         ini::DEFAULTS},
        {"later line wins", "x",
         "BGM=ON\r\nBGM=OFF\r\n" + ini::HAIKEI + "=" + ini::TAKE + "\r\n" + ini::HAIKEI + "=" +
             ini::RENGA + "\r\n",
         "00001 0 0 0", HAIKEI_RENGA, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder scratch;
        if (c.file) write_bytes("Murokan.ini", c.bytes);
        platform::RecordingPlatform rp;
        Form1 form(rp.platform);
        form.Form_Load();
        EXPECT_EQ(ticks(rp.menu), c.ticks);
        if (c.haikei > 0) {
            EXPECT_EQ(form.opt.haikei, c.haikei);
            EXPECT_TRUE(painted(rp.canvas, c.haikei));
        }
        EXPECT_EQ(rp.sound.looping(form.oto_bgm), c.music);
        EXPECT_EQ(read_bytes("Murokan.ini"), c.file_after.empty() ? c.bytes : c.file_after);
        EXPECT_FALSE(has_prefix(rp.events, "msg "));  // never a message
    }
}

TEST(OptionsStartup, GuidanceFromTheFileSetsAllThreeValues) {
    ScratchFolder scratch;
    write_bytes("Murokan.ini", ini::file(ini::MIDORI, true, false, false));
    platform::RecordingPlatform rp;
    Form1 form(rp.platform);
    form.Form_Load();
    EXPECT_TRUE(rp.menu.checked("SIDOU"));
    EXPECT_EQ(form.opt.shidou, 1);
    EXPECT_EQ(form.opt.shidou_iro, 15);
}

TEST(OptionsStartup, UnreadableFileStillStartsWithTheDefaults) {
    ScratchFolder scratch;
    std::filesystem::create_directory("Murokan.ini");  // neither readable nor writable as a file
    platform::RecordingPlatform rp;
    Form1 form(rp.platform);
    form.Form_Load();
    EXPECT_EQ(ticks(rp.menu), "10000 0 1 1");
    EXPECT_TRUE(std::filesystem::is_directory("Murokan.ini"));
}

using OptionsTest = PanelTest;

TEST_F(OptionsTest, EachClickWritesTheFileAtOnce) {
    struct Step {
        const char* item;
        std::string file;
        std::string ticks;
    };
    const Step steps[] = {
        {"TAKE", ini::file(ini::TAKE, false, true, true), "00100 0 1 1"},
        {"TAKE", ini::file(ini::TAKE, false, true, true), "00100 0 1 1"},  // already ticked
        {"RENGA", ini::file(ini::RENGA, false, true, true), "00001 0 1 1"},
        {"SIDOU", ini::file(ini::RENGA, true, true, true), "00001 1 1 1"},
        {"KEIKA", ini::file(ini::RENGA, true, false, true), "00001 1 0 1"},
        {"BGM", ini::file(ini::RENGA, true, false, false), "00001 1 0 0"},
        {"SIDOU", ini::file(ini::RENGA, false, false, false), "00001 0 0 0"},
        {"KEIKA", ini::file(ini::RENGA, false, true, false), "00001 0 1 0"},
        {"BGM", ini::file(ini::RENGA, false, true, true), "00001 0 1 1"},
        {"MIDORI", ini::DEFAULTS, "10000 0 1 1"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.item);
        std::filesystem::remove(ini_path());
        ASSERT_TRUE(form.dispatchMenu(s.item));
        EXPECT_EQ(read_bytes(ini_path()), s.file);
        EXPECT_EQ(ticks(rp.menu), s.ticks);
    }
}

TEST_F(OptionsTest, BackgroundClickRepaintsTheWholeWindowInTheNewPicture) {
    rp.canvas.clear();
    form.UCHU_Click();
    EXPECT_EQ(form.opt.haikei, HAIKEI_UCHU);
    EXPECT_TRUE(painted(rp.canvas, HAIKEI_UCHU));
    EXPECT_TRUE(painted(rp.canvas, -OU));  // the board too
    // The already ticked item changes nothing but still redraws.
    rp.canvas.clear();
    form.UCHU_Click();
    EXPECT_EQ(form.opt.haikei, HAIKEI_UCHU);
    EXPECT_TRUE(painted(rp.canvas, HAIKEI_UCHU));
}

TEST_F(OptionsTest, GuidanceOffGivesEverySquareItsPlainOutline) {
    form.SIDOU_Click();
    EXPECT_EQ(form.opt.shidou, 1);
    EXPECT_EQ(form.opt.shidou_iro, 15);
    rp.canvas.clear();
    form.SIDOU_Click();
    EXPECT_EQ(form.opt.shidou, 0);
    EXPECT_EQ(form.opt.shidou_iro, MASU_IRO);
    // One plain outline per board square and hand-stand cell.
    std::set<std::pair<int, int>> outlined;
    for (const auto& c : rp.canvas.calls()) {
        if (c.kind != platform::DrawCall::Kind::Rectangle || c.colour != MASU_IRO) continue;
        outlined.insert({static_cast<int>(std::lround((c.x - BAN_X0) / MASU_W)),
                         static_cast<int>(std::lround((c.y - BAN_Y0) / MASU_H))});
    }
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_TRUE(outlined.count({x, y})) << x << "," << y;
    for (int y = 1; y <= 7; ++y) EXPECT_TRUE(outlined.count({TEKI_MOCHI_X, y})) << y;
    for (int y = 3; y <= 9; ++y) EXPECT_TRUE(outlined.count({JI_MOCHI_X, y})) << y;
}

TEST_F(OptionsTest, MusicStopsAndStartsAgain) {
    forget_events();
    form.BGM_Click();
    form.BGM_Click();
    const auto ev = take_events();
    ASSERT_EQ(ev.size(), 2u);
    EXPECT_EQ(ev[0], "sound stop " + rp.sound.nameOf(form.oto_bgm));
    EXPECT_EQ(ev[1], "sound loop " + rp.sound.nameOf(form.oto_bgm));
    EXPECT_TRUE(rp.sound.looping(form.oto_bgm));
    EXPECT_EQ(read_bytes(ini_path()), ini::DEFAULTS);
}

TEST_F(OptionsTest, ElapsedTimeToggleStopsAndStartsTheTimer) {
    form.g.ji_jikan = 125;
    form.KEIKA_Click();  // on -> off
    EXPECT_FALSE(rp.timer.enabled());
    rp.canvas.clear();
    form.KEIKA_Click();  // off -> on, both clocks drawn
    EXPECT_TRUE(rp.timer.enabled());
    bool drawn = false;
    for (const auto& c : rp.canvas.calls()) drawn |= c.text == "00:02:05";
    EXPECT_TRUE(drawn);
}

TEST_F(OptionsTest, UnwritableFileFallsBackToTheDefaultTicks) {
    form.RENGA_Click();
    std::filesystem::remove(ini_path());
    std::filesystem::create_directory(ini_path());
    form.SIDOU_Click();
    // Guidance went back off with its tick, the background back to 緑.
    EXPECT_EQ(ticks(rp.menu), "10000 0 1 1");
    EXPECT_EQ(form.opt.shidou, 0);
    EXPECT_EQ(form.opt.shidou_iro, MASU_IRO);
    EXPECT_EQ(form.opt.haikei, HAIKEI_MIDORI);
    EXPECT_TRUE(std::filesystem::is_directory(ini_path()));
}

TEST_F(OptionsTest, OptionMenuHeaderClosesThePanel) {
    form.KIFU_READ_Click();
    ASSERT_EQ(shown(), READING);
    form.OPTION_Click();
    EXPECT_EQ(shown(), CLOSED);
}

}  // namespace
}  // namespace murokan::test
