// One QApplication for the whole test binary (Qt allows only one per process).
#pragma once

#include <QApplication>

namespace murokan::platform::test {

inline void ensureQtApp() {
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
    (void)app;
}

}  // namespace murokan::platform::test
