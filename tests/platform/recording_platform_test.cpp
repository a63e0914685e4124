// The recording fake: other subsystems' tests rely on its answers, its clock and
// its event lines, so these are pinned here.
#include "platform/recording_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace murokan::platform {
namespace {

TEST(RecordingDialogs, YesNoAnswersComeFromTheQueueThenDefaultToYes) {
    RecordingPlatform p;
    p.dialogs.queueAnswer(false);
    p.dialogs.queueAnswer(true);
    EXPECT_FALSE(p.dialogs.askYesNo("題", "一", Icon::Question));
    EXPECT_TRUE(p.dialogs.askYesNo("題", "二", Icon::Question));
    EXPECT_TRUE(p.dialogs.askYesNo("題", "三", Icon::Question));
    p.dialogs.message("Murokan.dll", "警告 \"x\"\n\\", Icon::Exclamation);
    const std::vector<std::string> want{R"(msg "題" "一" -> no)", R"(msg "題" "二" -> yes)",
                                        R"(msg "題" "三" -> yes)",
                                        R"(msg "Murokan.dll" "警告 \"x\"\n\\")"};
    EXPECT_EQ(p.events, want);
    ASSERT_EQ(p.dialogs.messages().size(), 4u);
    EXPECT_EQ(p.dialogs.messages()[3].icon, Icon::Exclamation);
    EXPECT_FALSE(p.dialogs.messages()[3].yes_no);
}

TEST(RecordingDialogs, AboutBoxAnswersFromItsQueue) {
    RecordingPlatform p;
    p.dialogs.queueAbout(AboutChoice::HomePage);
    EXPECT_EQ(p.dialogs.aboutBox(), AboutChoice::HomePage);
    EXPECT_EQ(p.dialogs.aboutBox(), AboutChoice::Ok);
    EXPECT_EQ(p.events, (std::vector<std::string>{R"(dialog "バージョン情報")",
                                                  R"(dialog "バージョン情報")"}));
}

TEST(ManualClock, WaitsAdvanceAtOnceAndWrapAtMidnight) {
    struct Case {
        double start, wait, want;
    };
    const Case cases[] = {
        {100.0, 0.15, 100.15},
        {86399.9, 0.2, 0.1},  // past midnight
        {500.0, 0.0, 500.0},
        {500.0, -1.0, 500.0},  // a negative wait does not turn the clock back
    };
    for (const Case& c : cases) {
        ManualClock clock;
        clock.set(c.start);
        clock.wait(c.wait);
        EXPECT_NEAR(clock.now(), c.want, 1e-9) << c.start << " + " << c.wait;
        ASSERT_EQ(clock.waits().size(), 1u);
        EXPECT_EQ(clock.waits()[0], c.wait);
    }
}

// Long scripts and soak runs stay flat: each list keeps only its latest entries,
// in order, and the canvas counts what it forgot.
TEST(RecordingPlatform, ListsKeepOnlyTheirLatestEntries) {
    RecordingPlatform p;
    const std::size_t total = 3 * RECORDING_LIMIT + 7;
    for (std::size_t i = 0; i < total; ++i) {
        p.canvas.picture(static_cast<int>(i), 0, 0);
        p.dialogs.message("題", std::to_string(i), Icon::None);
        p.clock.wait(static_cast<double>(i));
    }
    struct List {
        const char* name;
        std::size_t size;
        std::function<double(std::size_t)> entry;  // the number the i-th kept entry carries
    };
    const List lists[] = {
        {"drawing", p.canvas.calls().size(),
         [&](std::size_t i) { return p.canvas.calls()[i].code; }},
        {"boxes", p.dialogs.messages().size(),
         [&](std::size_t i) { return std::stod(p.dialogs.messages()[i].text); }},
        {"waits", p.clock.waits().size(), [&](std::size_t i) { return p.clock.waits()[i]; }},
    };
    for (const List& l : lists) {
        EXPECT_LE(l.size, RECORDING_LIMIT) << l.name;
        EXPECT_GE(l.size, RECORDING_LIMIT / 2) << l.name;
        for (std::size_t i = 0; i < l.size; ++i) {
            ASSERT_EQ(l.entry(i), static_cast<double>(total - l.size + i)) << l.name << " " << i;
        }
    }
    EXPECT_EQ(p.canvas.dropped() + p.canvas.calls().size(), total);
}

TEST(RecordingMenuBar, ChecksFollowNamesIncludingOnesTickedBeforeBeingAdded) {
    RecordingMenuBar m;
    m.setChecked("LEVEL3", true);  // ticked before the menu exists
    m.add("", "TAIKYOKU", "対局");
    m.add("TAIKYOKU", "LEVEL3", "レベル3");
    m.add("TAIKYOKU", "KEIKA", "経過時間");
    EXPECT_TRUE(m.checked("LEVEL3"));
    EXPECT_FALSE(m.checked("KEIKA"));
    m.setChecked("KEIKA", true);
    m.setChecked("LEVEL3", false);
    EXPECT_TRUE(m.checked("KEIKA"));
    EXPECT_FALSE(m.checked("LEVEL3"));
    EXPECT_FALSE(m.checked("NOSUCH"));
    ASSERT_NE(m.find("KEIKA"), nullptr);
    EXPECT_EQ(m.find("KEIKA")->parent, "TAIKYOKU");
}

std::vector<std::uint8_t> waveLike() {
    std::vector<std::uint8_t> v(64, 0);
    const std::string_view head("RIFF\0\0\0\0WAVE", 12);
    std::copy(head.begin(), head.end(), v.begin());
    return v;
}

TEST(RecordingSoundLibrary, NamesBuffersInEventLinesAndZeroIsADash) {
    RecordingPlatform p;
    int h = p.sound.dsInitialize(p.app.windowHandle());
    ASSERT_NE(h, 0);
    auto img = waveLike();
    int b = p.sound.dsCreateDSB(h, img.data(), img.size(), 1);
    ASSERT_NE(b, 0);
    p.sound.dsNameBuffer(b, "BGM.wav");
    p.sound.dsPlayLooping(b);
    EXPECT_TRUE(p.sound.looping(b));
    p.sound.dsStop(b);
    EXPECT_FALSE(p.sound.looping(b));
    p.sound.dsPlay(0);
    p.sound.dsFree(b);
    p.sound.dsTerminate(h);
    EXPECT_FALSE(p.sound.initialized());
    EXPECT_TRUE(p.sound.buffers().empty());
    EXPECT_EQ(p.events, (std::vector<std::string>{"sound loop BGM.wav", "sound stop BGM.wav",
                                                  "sound play -", "sound free BGM.wav"}));
}

TEST(RecordingSoundLibrary, RefusesNonWaveImagesAndWorksWithoutSoundSystem) {
    RecordingPlatform p;
    int h = p.sound.dsInitialize(1);
    std::vector<std::uint8_t> junk(64, 'x');
    EXPECT_EQ(p.sound.dsCreateDSB(h, junk.data(), junk.size(), 3), 0);
    EXPECT_EQ(p.sound.dsCreateDSB(h, junk.data(), 4, 3), 0);

    RecordingPlatform silent;
    silent.sound.setAvailable(false);
    EXPECT_EQ(silent.sound.dsInitialize(1), 0);
    auto img = waveLike();
    EXPECT_EQ(silent.sound.dsCreateDSB(0, img.data(), img.size(), 3), 0);
}

TEST(RecordingCanvas, KeepsCallsAndForwardsThem) {
    RecordingCanvas inner, outer;
    outer.forwardTo(&inner);
    outer.picture(-10, 1545, 715);
    outer.text(10, 20, "手目", 10, 15, true);
    outer.rectangle(1, 2, 3, 4, 2);
    outer.refresh();
    ASSERT_EQ(outer.calls().size(), 4u);
    ASSERT_EQ(inner.calls().size(), 4u);
    const DrawCall& t = inner.calls()[1];
    EXPECT_EQ(t.kind, DrawCall::Kind::Text);
    EXPECT_EQ(t.text, "手目");
    EXPECT_EQ(t.size, 10);
    EXPECT_EQ(t.colour, 15);
    EXPECT_TRUE(t.bold);
    EXPECT_EQ(inner.calls()[2].x2, 3);
    EXPECT_EQ(inner.calls()[3].kind, DrawCall::Kind::Refresh);
}

TEST(RecordingPlatform, AggregateRefersToTheFakes) {
    RecordingPlatform p;
    p.platform.timer.setEnabled(true);
    EXPECT_TRUE(p.timer.enabled());
    EXPECT_TRUE(p.platform.browser.open("Murokan.htm"));
    p.browser.setAvailable(false);
    EXPECT_FALSE(p.platform.browser.open("x"));
    p.platform.app.quit();
    EXPECT_TRUE(p.app.quitRequested());
    EXPECT_EQ(p.events, (std::vector<std::string>{"browser Murokan.htm", "browser x", "quit"}));
}

}  // namespace
}  // namespace murokan::platform
