// Background work on a thread of its own, its messages queued to the
// window's thread through Qt's event loop. What a joined work posted late is
// dropped, as is all of it once this object is gone.
#pragma once

#include <QObject>
#include <atomic>
#include <thread>

#include "platform/background.h"

namespace murokan::platform {

class QtBackground : public QObject, public Background {
  public:
    QtBackground() = default;
    ~QtBackground() override;
    void start(std::function<void()> work, std::function<void()> done) override;
    void post(std::function<void()> f) override;
    void join() override;
    bool busy() const override { return busy_; }

  private:
    std::thread thread_;
    std::function<void()> done_;
    // Counts the works joined and started: a message of an older one is stale.
    std::atomic<int> generation_{0};
    bool busy_ = false;
};

}  // namespace murokan::platform
