#include "platform/recording_analysis.h"

#include <utility>

namespace murokan::platform {

RecordingBackground::~RecordingBackground() {
    if (thread_.joinable()) thread_.join();
}

void RecordingBackground::start(std::function<void()> work, std::function<void()> done) {
    join();
    busy_ = true;
    done_ = std::move(done);
    finished_ = false;
    thread_ = std::thread([this, w = std::move(work)] {
        w();
        finished_ = true;
    });
}

void RecordingBackground::post(std::function<void()> f) {
    const std::lock_guard lock(mutex_);
    posted_.push_back(std::move(f));
}

void RecordingBackground::join() {
    if (thread_.joinable()) thread_.join();
    const std::lock_guard lock(mutex_);
    posted_.clear();
    done_ = nullptr;
    busy_ = false;
}

void RecordingBackground::deliver(bool wait) {
    if (wait && thread_.joinable()) thread_.join();
    // Read before draining, so that all the work posted is run before `done`.
    const bool over = finished_;
    for (;;) {
        std::function<void()> f;
        {
            const std::lock_guard lock(mutex_);
            if (posted_.empty()) break;
            f = std::move(posted_.front());
            posted_.pop_front();
        }
        f();
    }
    if (busy_ && over) {
        if (thread_.joinable()) thread_.join();
        busy_ = false;
        if (auto done = std::exchange(done_, nullptr)) done();
    }
}

}  // namespace murokan::platform
