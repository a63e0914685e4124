// Shortcut keys and drags run the very steps of the menu items and the clicks
// they stand for: two programs are brought to the same position, one is given
// the menu click or the two clicks, the other the key or the drag, and what
// the player could observe afterwards must not differ.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "flow_fixture.h"
#include "platform/fake_record_panel.h"

namespace murokan::test {
namespace {

// One running program on its own recording platform, with a record panel.
struct Program {
    Program()
        : panel({std::filesystem::current_path().string()},
                std::filesystem::current_path().string()),
          form(std::make_unique<Form1>(rp.platform)) {
        form->attachRecordPanel(panel);
        form->Form_Load();
    }
    static Twips centre(int cx, int cy) { return cell_twips(cx + 0.5, cy + 0.5); }
    void click(int cx, int cy, int button = HIDARI_BUTTON) { drag(cx, cy, cx, cy, button); }
    void drag(int cx1, int cy1, int cx2, int cy2, int button = HIDARI_BUTTON) {
        const Twips a = centre(cx1, cy1), b = centre(cx2, cy2);
        form->mouseDown(button, a.x, a.y);
        form->mouseUp(button, b.x, b.y);
    }
    // A click through the menus to `item`: its header opens first.
    void menu(std::string_view header, std::string_view item) {
        form->menuClicked(header);
        form->menuClicked(item);
    }
    void key(std::string_view name) {
        const platform::MenuEntry* e = rp.menu.findShortcut(name);
        ASSERT_NE(e, nullptr) << name;
        form->menuShortcut(e->name);
    }

    // Everything the player can see or hear: boxes and sounds, every drawing
    // call, the position with the selection, and the record panel.
    std::string observed() const {
        std::ostringstream o;
        for (const std::string& e : rp.events) o << e << '\n';
        for (const platform::DrawCall& c : rp.canvas.calls()) {
            o << static_cast<int>(c.kind) << ' ' << c.code << ' ' << c.x << ' ' << c.y << ' '
              << c.x2 << ' ' << c.y2 << ' ' << c.text << ' ' << c.colour << '\n';
        }
        const GameState& g = form->g;
        for (const auto& col : g.ban)
            for (int c : col) o << c << ' ';
        for (int k = 1; k <= 7; ++k) o << g.mochi_ji[k] << g.mochi_teki[k];
        o << "\nteban " << g.teban << " dankai " << g.click_dankai << " sel " << form->sel_x << ','
          << form->sel_y << ',' << form->sel_koma << " tesuu " << g.tesuu << " genzai "
          << g.kifu_genzai << " saishu " << form->hist.kifu_saishu << " kifu " << g.kifu_mode;
        for (const platform::PanelPlace& p : platform::PANEL_PLACES)
            o << (panel.visible(p.item) ? '1' : '0');
        return o.str();
    }
    bool said(const std::string& line) const {
        return std::find(rp.events.begin(), rp.events.end(), line) != rp.events.end();
    }

    platform::RecordingPlatform rp;
    platform::FakeRecordPanel panel;
    std::unique_ptr<Form1> form;  // large, so kept off the stack
};

using Step = std::function<void(Program&)>;

// Runs `setup` on two fresh programs, then `a` on one and `b` on the other;
// returns the first for further checks after asserting both look the same.
std::unique_ptr<Program> same_for_both(const Step& setup, const Step& a, const Step& b) {
    auto one = std::make_unique<Program>();
    Program two;
    setup(*one);
    setup(two);
    a(*one);
    b(two);
    EXPECT_EQ(one->observed(), two.observed());
    return one;
}

void human_game(Program& p) {
    p.form->dispatchMenu("START");
}
// Three moves of a human game, each side's pawn in turn.
void three_moves(Program& p) {
    human_game(p);
    p.drag(7, 7, 7, 6);
    p.drag(3, 3, 3, 4);
    p.drag(2, 7, 2, 6);
}
void record_loaded(Program& p) {
    three_moves(p);
    p.menu("KIFU", "KIFU_WRITE");
    p.panel.type(platform::PanelItem::Text1, "r");
    p.panel.pressReturn();
    p.menu("KIFU", "KIFU_READ");
    p.panel.clickFile("r.棋譜");
}

class ShortcutTest : public ::testing::Test {
  protected:
    OwnFolder folder;  // the record file is written there
};

TEST_F(ShortcutTest, EachKeyRunsItsMenuItemFromEveryPosition) {
    struct Position {
        const char* name;
        Step setup;
    };
    const Position positions[] = {
        {"before any game", [](Program&) {}},
        {"three moves played", three_moves},
        {"one move stepped back",
         [](Program& p) {
             three_moves(p);
             p.menu("STOP", "REPLAY");
         }},
        {"record loaded", record_loaded},
        {"record stepped to its end",
         [](Program& p) {
             record_loaded(p);
             for (int i = 0; i < 3; ++i) p.menu("STOP", "AFTER");
         }},
        {"panel open for writing",
         [](Program& p) {
             three_moves(p);
             p.menu("KIFU", "KIFU_WRITE");
         }},
        {"board reversed",
         [](Program& p) {
             three_moves(p);
             p.menu("STOP", "REVERSE");
         }},
    };
    struct Key {
        const char* key;
        const char* header;
        const char* item;
    };
    const Key keys[] = {{"Left", "STOP", "REPLAY"},      {"Right", "STOP", "AFTER"},
                        {"Home", "STOP", "CANCEL"},      {"Ctrl+S", "KIFU", "KIFU_WRITE"},
                        {"Ctrl+O", "KIFU", "KIFU_READ"}, {"F1", "SONOTA", "KAISETU"}};
    // Refusals the table passes through, so that "both did nothing" cannot pass.
    const std::map<std::pair<std::string, std::string>, std::string> refused = {
        {{"before any game", "Left"}, R"(msg "戻る" "できません")"},
        {{"three moves played", "Right"}, R"(msg "進む" "できません")"},
        {{"record stepped to its end", "Right"}, R"(msg "進む" "終わり")"},
        {{"board reversed", "Ctrl+S"}, R"(msg "棋譜書込" "反転後は書き込みできません")"},
    };
    for (const Position& pos : positions) {
        for (const Key& k : keys) {
            SCOPED_TRACE(std::string(pos.name) + ", " + k.key);
            const auto p = same_for_both(
                pos.setup, [&](Program& q) { q.menu(k.header, k.item); },
                [&](Program& q) { q.key(k.key); });
            if (auto r = refused.find({pos.name, k.key}); r != refused.end()) {
                EXPECT_EQ(p->rp.events.back(), r->second);
            }
        }
    }
}

// Drags against clicks, each from its own position: a press on a piece or a
// hand stand and a release elsewhere are two clicks; anything else is one.
TEST_F(ShortcutTest, DragIsThePressAndTheReleaseAsClicks) {
    const Step kings_and_hand_pawn = [](Program& p) {
        human_game(p);
        for (auto& col : p.form->g.ban)
            for (int& c : col) c = KARA;
        p.form->g.ban[5][9] = -OU;
        p.form->g.ban[5][1] = OU;
        p.form->g.ban[3][4] = -HU;
        p.form->g.ban[7][7] = -KIN;
        p.form->g.ban[8][2] = -HU;
        p.form->g.mochi_ji[1] = 1;
        p.form->g.mochi_ji_kazu = 1;
    };
    const Step selected = [](Program& p) {
        human_game(p);
        p.click(7, 7);
    };
    struct Case {
        const char* name;
        Step setup;
        int from_x, from_y, to_x, to_y, button;
        int clicks;                     // how many clicks the drag stands for
        int want_x, want_y, want_code;  // a square the drag leaves as stated
    };
    const Case cases[] = {
        {"bottom side", human_game, 7, 7, 7, 6, HIDARI_BUTTON, 2, 7, 6, -HU},
        {"top side",
         [](Program& p) {
             human_game(p);
             p.drag(7, 7, 7, 6);
         },
         3, 3, 3, 4, HIDARI_BUTTON, 2, 3, 4, HU},
        {"drop from the hand stand", kings_and_hand_pawn, 11, 3, 5, 5, HIDARI_BUTTON, 2, 5, 5, -HU},
        {"promotion by the right button", kings_and_hand_pawn, 3, 4, 3, 3, MIGI_BUTTON, 2, 3, 3,
         -HU_NARI},
        {"promotion square, left button", kings_and_hand_pawn, 3, 4, 3, 3, HIDARI_BUTTON, 2, 3, 3,
         -HU},
        {"forced promotion, left button", kings_and_hand_pawn, 8, 2, 8, 1, HIDARI_BUTTON, 2, 8, 2,
         -HU},
        {"illegal square", kings_and_hand_pawn, 7, 7, 7, 5, HIDARI_BUTTON, 2, 7, 7, -KIN},
        {"released outside the board", human_game, 7, 7, 20, 5, HIDARI_BUTTON, 2, 7, 7, -HU},
        {"released on a hand stand", kings_and_hand_pawn, 7, 7, 11, 3, HIDARI_BUTTON, 2, 7, 7,
         -KIN},
        {"before any game", [](Program&) {}, 7, 7, 7, 6, HIDARI_BUTTON, 2, 7, 7, -HU},
        {"released on the pressed cell", human_game, 7, 7, 7, 7, HIDARI_BUTTON, 1, 7, 7, -HU},
        {"pressed on an empty square", human_game, 5, 5, 7, 7, HIDARI_BUTTON, 1, 7, 7, -HU},
        {"pressed on a move's destination", selected, 7, 6, 3, 3, HIDARI_BUTTON, 1, 3, 3, HU},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto p = same_for_both(
            c.setup,
            [&](Program& q) {
                q.click(c.from_x, c.from_y, c.button);
                if (c.clicks == 2) q.click(c.to_x, c.to_y, c.button);
            },
            [&](Program& q) { q.drag(c.from_x, c.from_y, c.to_x, c.to_y, c.button); });
        EXPECT_EQ(p->form->g.ban[c.want_x][c.want_y], c.want_code);
        EXPECT_EQ(p->rp.canvas.dragged(), KARA);  // nothing follows the pointer after the release
    }
}

TEST_F(ShortcutTest, ThePictureThatFollowsThePointerIsWhatThePressPickedUp) {
    struct Case {
        const char* name;
        int cx, cy;
        int picture;
    };
    const Case cases[] = {
        {"a rook on the board", 8, 8, -SYA}, {"an empty square", 5, 5, KARA},
        {"a bottom hand kind", 11, 3, -HU},  {"an empty hand kind", 11, 4, KARA},
        {"a top hand kind", -1, 7, HU},      {"outside", 20, 5, KARA},
    };
    Program p;
    human_game(p);
    p.form->g.mochi_ji[1] = p.form->g.mochi_teki[1] = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Twips at = Program::centre(c.cx, c.cy);
        p.form->mouseDown(HIDARI_BUTTON, at.x, at.y);
        EXPECT_EQ(p.rp.canvas.dragged(), c.picture);
        p.form->mouseUp(HIDARI_BUTTON, at.x, at.y);
    }
}

}  // namespace
}  // namespace murokan::test
