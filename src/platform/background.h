// Work that runs for long while the window goes on taking every input: the
// analysis of a position or of a whole game. Unlike Worker::think, start
// returns at once; the work tells the window how it goes through post.
#pragma once

#include <functional>

namespace murokan::platform {

class Background {
  public:
    virtual ~Background() = default;
    // Runs `work` off the window's thread and, once it has returned, `done`
    // on the window's thread. One work at a time: the caller joins the last
    // before it starts another.
    virtual void start(std::function<void()> work, std::function<void()> done) = 0;
    // From the work: runs `f` on the window's thread soon after, unless the
    // work has been joined by then (what it told is then stale).
    virtual void post(std::function<void()> f) = 0;
    // Waits until the work has returned (its owner has told it to stop) and
    // drops its `done` and whatever it posted that has not run yet.
    virtual void join() = 0;
    // True from start until `done` has run or the work was joined.
    virtual bool busy() const = 0;
};

}  // namespace murokan::platform
