// The Qt window's own behaviour: message boxes break lines the way the game's
// texts do, the default window size fits the screen, and the window's icon is
// the game's own at every size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <string>

#include "platform/qt/app_icon.h"
#include "platform/qt/canvas_geometry.h"
#include "platform/qt/qt_platform.h"
#include "platform/recording_platform.h"
#include "qt_test_app.h"

namespace murokan::platform {
namespace {

// Shows a box through the platform and returns the text it displayed.
QString shownText(QtPlatform& qt, bool yes_no, std::string_view text) {
    QString seen;
    QTimer::singleShot(0, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = box->text();
            box->done(QMessageBox::Yes);
        }
    });
    if (yes_no)
        qt.platform().dialogs.askYesNo("t", text, Icon::Question);
    else
        qt.platform().dialogs.message("t", text, Icon::None);
    return seen;
}

// The window system is handed every size of the icon, each drawn for its size:
// the first window those drawn ahead, a later one those drawn anew.
TEST(QtWindow, TheIconOffersEverySizeDrawnForThatSize) {
    test::ensureQtApp();
    const QIcon icon = appIcon();
    ASSERT_EQ(icon.availableSizes().size(), static_cast<qsizetype>(kIconSizes.size()));
    for (const char* window : {"first", "later"}) {
        for (int size : kIconSizes) {
            SCOPED_TRACE(std::string(window) + " " + std::to_string(size));
            const QImage got = icon.pixmap(QSize(size, size)).toImage();
            EXPECT_EQ(got.convertToFormat(QImage::Format_ARGB32_Premultiplied), drawAppIcon(size));
        }
    }
}

// The window shows without waiting for its icon; once its first frame is
// painted, the game's own icon follows.
TEST(QtWindow, TheIconFollowsTheFirstFrame) {
    test::ensureQtApp();
    QApplication::setWindowIcon(QIcon());
    QWidget window;
    IconAfterFirstFrame icon(window);
    QCoreApplication::processEvents();
    EXPECT_TRUE(QApplication::windowIcon().isNull()) << "given before any frame";
    window.show();
    window.repaint();
    QElapsedTimer waited;
    waited.start();
    while (QApplication::windowIcon().isNull() && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const QImage got = QApplication::windowIcon().pixmap(QSize(48, 48)).toImage();
    EXPECT_EQ(got.convertToFormat(QImage::Format_ARGB32_Premultiplied), drawAppIcon(48));
    QApplication::setWindowIcon(QIcon());
}

TEST(QtWindow, MessageBoxesBreakLinesAtBareCarriageReturns) {
    test::ensureQtApp();
    EventLog log;
    RecordingSoundLibrary sound(log);
    QtPlatform qt(sound);
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        // The handicap refusal: two bare CRs between its lines.
        {"反転後ではできません\r\r局面→最初にして下さい",
         "反転後ではできません\n\n局面→最初にして下さい"},
        {"a\r\nb", "a\nb"},
        {"a\nb", "a\nb"},
        {"a\r", "a\n"},
        {"one line", "one line"},
    };
    for (bool yes_no : {false, true}) {
        for (const Case& c : cases) {
            EXPECT_EQ(shownText(qt, yes_no, c.text), QString::fromUtf8(c.shown))
                << c.text << (yes_no ? " (Yes/No)" : " (OK)");
        }
    }
}

TEST(QtWindow, DefaultCanvasFitsTheScreenAndKeepsTheAspect) {
    struct Case {
        const char* screen;
        int avail_w, avail_h;
        int want_h;
    };
    // Chrome: 16 px of frame sides, 40 px of title bar and frame plus a 25 px menu bar.
    const Case cases[] = {
        {"1366x768 with a taskbar", 1366, 728, 663},
        {"1366x768 bare", 1366, 768, 703},
        {"1920x1080 with a taskbar", 1920, 1040, 975},
        {"4K: half the canvas at most", 3840, 2120, 1000},
        {"narrow and tall: width decides", 800, 1200, 627},
        {"tiny: a quarter of the canvas at least", 400, 300, 500},
    };
    for (const Case& c : cases) {
        const WidgetSize s = defaultCanvasSize(c.avail_w, c.avail_h, 16, 65);
        EXPECT_EQ(s.h, c.want_h) << c.screen;
        EXPECT_NEAR(double(s.w) / s.h, 1.25, 0.01) << c.screen;
        if (c.want_h > 500 && c.want_h < 1000) {
            EXPECT_LE(s.w + 16, c.avail_w) << c.screen;
            EXPECT_LE(s.h + 65, c.avail_h) << c.screen;
        }
    }
}

TEST(QtWindow, WindowStartsInsideTheScreensFreeArea) {
    test::ensureQtApp();
    EventLog log;
    RecordingSoundLibrary sound(log);
    QtPlatform qt(sound);
    const QRect avail = qt.window().screen()->availableGeometry();
    EXPECT_LE(qt.window().width(), avail.width());
    EXPECT_LE(qt.window().height(), avail.height());
    EXPECT_GE(qt.window().x(), avail.left());
    EXPECT_GE(qt.window().y(), avail.top());
}

}  // namespace
}  // namespace murokan::platform
