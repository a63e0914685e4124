// One QApplication for the whole test binary (Qt allows only one per process).
#pragma once

#include <QApplication>

#include "platform/platform.h"

namespace murokan::platform::test {

inline void ensureQtApp() {
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
    (void)app;
}

// A few of the game's menus with their keys: 局面 with 最初 (Home), 戻 (Left)
// and 反転 (none), 棋譜 with 書込 (Ctrl+S).
inline void addKeyedMenus(MenuBar& m) {
    m.add("", "STOP", "局面");
    m.add("STOP", "CANCEL", "最初");
    m.add("STOP", "REPLAY", "戻");
    m.add("STOP", "REVERSE", "反転");
    m.add("", "KIFU", "棋譜");
    m.add("KIFU", "KIFU_WRITE", "書込");
    m.setShortcut("CANCEL", "Home");
    m.setShortcut("REPLAY", "Left");
    m.setShortcut("KIFU_WRITE", "Ctrl+S");
}

}  // namespace murokan::platform::test
