#include "platform/qt/qt_background.h"

#include <utility>

namespace murokan::platform {

QtBackground::~QtBackground() {
    if (thread_.joinable()) thread_.join();
}

void QtBackground::start(std::function<void()> work, std::function<void()> done) {
    join();
    busy_ = true;
    done_ = std::move(done);
    const int generation = ++generation_;
    thread_ = std::thread([this, generation, w = std::move(work)] {
        w();
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation != generation_) return;
                if (thread_.joinable()) thread_.join();
                busy_ = false;
                if (auto d = std::exchange(done_, nullptr)) d();
            },
            Qt::QueuedConnection);
    });
}

void QtBackground::post(std::function<void()> f) {
    const int generation = generation_;
    QMetaObject::invokeMethod(
        this,
        [this, generation, f = std::move(f)] {
            if (generation == generation_) f();
        },
        Qt::QueuedConnection);
}

void QtBackground::join() {
    if (thread_.joinable()) thread_.join();
    ++generation_;
    busy_ = false;
    done_ = nullptr;
}

}  // namespace murokan::platform
