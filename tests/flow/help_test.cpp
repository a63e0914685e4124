// The その他 menu: the help page in the browser and the about box.
#include <cstring>
#include <fstream>
#include <iterator>

#include "panel_fixture.h"

namespace murokan::test {
namespace {

class HelpTest : public PanelTest {
  protected:
    // Everything a help command must leave alone.
    struct Snapshot {
        GameState g;
        std::vector<platform::MenuEntry> menu;
        std::string panel;
        bool timer;
    };
    Snapshot snapshot() const { return {form.g, rp.menu.entries(), shown(), rp.timer.enabled()}; }
    void expect_unchanged(const Snapshot& s) const {
        EXPECT_EQ(std::memcmp(&s.g, &form.g, sizeof(GameState)), 0);
        ASSERT_EQ(s.menu.size(), rp.menu.entries().size());
        for (std::size_t i = 0; i < s.menu.size(); ++i)
            EXPECT_EQ(s.menu[i].checked, rp.menu.entries()[i].checked) << s.menu[i].name;
        EXPECT_EQ(s.timer, rp.timer.enabled());
    }
};

// The help page shipped beside the program tells of every level the menu offers.
TEST_F(HelpTest, TheShippedHelpPageNamesEveryLevel) {
    std::ifstream in(form.data_dir / "Murokan.htm", std::ios::binary);
    ASSERT_TRUE(in) << form.data_dir;
    const std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    int levels = 0;
    for (const platform::MenuEntry& e : rp.menu.entries()) {
        if (e.parent != "LEVEL" || e.caption == "-") continue;
        ++levels;
        EXPECT_NE(page.find(e.caption), std::string::npos) << e.caption;
    }
    EXPECT_EQ(levels, 10);
}

TEST_F(HelpTest, ExplanationOpensTheHelpPageOfTheStartUpFolder) {
    write_bytes(scratch.path() / "Murokan.htm", "<html></html>");
    const Snapshot before = snapshot();
    forget_events();
    form.KAISETU_Click();
    EXPECT_EQ(take_events(),
              std::vector<std::string>{"browser " + (scratch.path() / "Murokan.htm").string()});
    expect_unchanged(before);
}

TEST_F(HelpTest, ExplanationFallsBackToTheShippedHelpPage) {
    // Started elsewhere, as an installed game is: the data folder's copy opens.
    const std::filesystem::path shipped = scratch.path() / "data";
    std::filesystem::create_directories(shipped);
    write_bytes(shipped / "Murokan.htm", "<html></html>");
    form.data_dir = shipped;
    forget_events();
    form.KAISETU_Click();
    EXPECT_EQ(take_events(),
              std::vector<std::string>{"browser " + (shipped / "Murokan.htm").string()});
}

TEST_F(HelpTest, ExplanationWithoutABrowserIsSilent) {
    rp.browser.setAvailable(false);
    forget_events();
    form.KAISETU_Click();
    const auto ev = take_events();
    ASSERT_EQ(ev.size(), 1u);
    EXPECT_EQ(ev[0].rfind("browser ", 0), 0u);
    EXPECT_FALSE(form.quit_requested());
}

TEST_F(HelpTest, AboutBoxClosesThePanelPlaysTheSoundThenShowsTheBox) {
    for (auto choice : {platform::AboutChoice::Ok, platform::AboutChoice::HomePage}) {
        form.KIFU_WRITE_Click();
        const Snapshot before = snapshot();
        rp.dialogs.queueAbout(choice);
        forget_events();
        form.VER_Click();
        // The home-page address is left empty: that button only closes the box.
        EXPECT_EQ(take_events(), (std::vector<std::string>{
                                     "sound play " + rp.sound.nameOf(form.oto_sonota),
                                     "dialog " + platform::quoteEventText("バージョン情報")}));
        EXPECT_EQ(shown(), CLOSED);
        expect_unchanged(before);
        EXPECT_FALSE(form.quit_requested());
    }
}

}  // namespace
}  // namespace murokan::test
