// The computer's thinking on a thread of its own, so that the window stays
// alive: while it runs, a local event loop repaints and resizes the window and
// delivers Timer1, Esc and closing (QtPlatform drops the rest).
#include <QEventLoop>
#include <atomic>
#include <thread>

#include "platform/qt/qt_platform.h"

namespace murokan::platform {

void QtWorker::think(const std::function<void()>& work, std::atomic<bool>& stop) {
    QEventLoop loop;
    std::atomic<bool> done{false};
    owner_.enterThink();
    std::thread thread([&] {
        work();
        done = true;
        // Queued to the window's thread, where the loop runs; the loop
        // outlives the call, as the thread is joined first.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    // The loop ends early only when the application quits (every loop of the
    // thread then ends, and none runs again): the work is no longer wanted.
    if (!done) stop = true;
    thread.join();
    owner_.leaveThink();
}

}  // namespace murokan::platform
