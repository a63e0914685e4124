// The record panel's Qt widgets in the real window: keys typed into a text
// box stay there, a typed name reaches Form1, and the controls follow the
// window's size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <vector>

#include "flow/form1.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/record_panel_qt.h"
#include "platform/qt_test_app.h"
#include "platform/recording_platform.h"

namespace murokan::test {
namespace {

using platform::PanelItem;

// The window's events that reach the game: only key presses matter here.
class KeySink : public platform::EventSink {
  public:
    void mouseDown(int, double, double) override {}
    void mouseUp(int, double, double) override {}
    void menuClicked(std::string_view) override {}
    void menuShortcut(std::string_view name) override { shortcuts.emplace_back(name); }
    void keyPress(int code) override { keys.push_back(code); }
    void timerTick() override {}
    void unload() override {}
    std::vector<int> keys;
    std::vector<std::string> shortcuts;
};

class RecordPanelQtTest : public ::testing::Test {
  protected:
    RecordPanelQtTest() : sound(log), qt((platform::test::ensureQtApp(), sound)) {
        qt.setSink(&sink);
        panel = std::make_unique<platform::RecordPanelQt>(qt.window().canvasWidget(),
                                                          [] { return false; });
        qt.window().show();
        QApplication::processEvents();
    }
    ~RecordPanelQtTest() override { panel.reset(); }

    void press(QWidget* target, Qt::Key key) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }

    platform::EventLog log;
    platform::RecordingSoundLibrary sound;
    platform::QtPlatform qt;
    KeySink sink;
    std::unique_ptr<platform::RecordPanelQt> panel;
};

TEST_F(RecordPanelQtTest, EscInATextBoxDoesNotReachTheWindow) {
    for (PanelItem box : {PanelItem::Text1, PanelItem::Text2, PanelItem::Text3, PanelItem::Text4}) {
        panel->setVisible(box, true);
        panel->setText(box, "abc");
        press(panel->widget(box), Qt::Key_Escape);
        EXPECT_TRUE(sink.keys.empty()) << static_cast<int>(box);
        EXPECT_EQ(panel->text(box), "abc");
    }
    // Outside the text boxes Esc still reaches the game, which ends on it.
    press(&qt.window().canvasWidget(), Qt::Key_Escape);
    EXPECT_EQ(sink.keys, std::vector<int>{27});
}

// Form1 shows a typed name as a record will give it back (the WAVE DASH as the
// FULLWIDTH TILDE of the same CP932 code); the caret stays after the typing.
TEST_F(RecordPanelQtTest, ATypedWaveDashBecomesTheTildeARecordGivesBack) {
    platform::RecordingPlatform rp;
    Form1 form(rp.platform);
    form.attachRecordPanel(*panel);
    auto* box = static_cast<QLineEdit*>(panel->widget(PanelItem::Text2));
    box->show();
    const auto type = [&](const char* utf8) {
        QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8(utf8));
        QApplication::sendEvent(box, &e);
    };
    type("A");
    type("B");
    box->setCursorPosition(1);
    type("〜");
    EXPECT_EQ(panel->text(PanelItem::Text2), "A～B");
    EXPECT_EQ(box->cursorPosition(), 2);
}

TEST_F(RecordPanelQtTest, MenuKeysTypedIntoATextBoxStayThere) {
    platform::test::addKeyedMenus(qt.platform().menu);
    qt.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&qt.window()));
    panel->setVisible(PanelItem::Text1, true);
    panel->setText(PanelItem::Text1, "abc");
    auto* box = static_cast<QLineEdit*>(panel->widget(PanelItem::Text1));
    box->setFocus();
    box->setCursorPosition(3);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(box->cursorPosition(), 2);
    QTest::keyClick(box, Qt::Key_Home);
    EXPECT_EQ(box->cursorPosition(), 0);
    EXPECT_TRUE(sink.shortcuts.empty());
    EXPECT_TRUE(sink.keys.empty());
    EXPECT_EQ(panel->text(PanelItem::Text1), "abc");
    // The lists keep the keys that move through them too; others still work there.
    panel->setVisible(PanelItem::File1, true);
    panel->widget(PanelItem::File1)->setFocus();
    QTest::keyClick(panel->widget(PanelItem::File1), Qt::Key_Home);
    EXPECT_TRUE(sink.shortcuts.empty());
    QTest::keyClick(panel->widget(PanelItem::File1), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(sink.shortcuts, std::vector<std::string>{"KIFU_WRITE"});
}

TEST_F(RecordPanelQtTest, ControlsScaleWithTheWindow) {
    struct Size {
        int w, h;
    };
    for (const Size size : {Size{825, 660}, Size{1650, 1320}, Size{500, 400}}) {
        qt.window().canvasWidget().resize(size.w, size.h);
        QApplication::processEvents();
        const auto pl = qt.window().canvasWidget().placement();
        for (const platform::PanelPlace& p : platform::PANEL_PLACES) {
            const QRect r = panel->widget(p.item)->geometry();
            EXPECT_NEAR(r.x(), pl.fromTwipsX(p.left), 1) << size.w;
            EXPECT_NEAR(r.y(), pl.fromTwipsY(p.top), 1) << size.w;
            EXPECT_NEAR(r.width(), p.width * pl.scale / platform::kTwipsPerPixel, 1) << size.w;
        }
    }
}

}  // namespace
}  // namespace murokan::test
