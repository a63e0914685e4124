// The session's requests to stop: SIGTERM when the desktop logs out, SIGINT
// from a terminal's Ctrl+C, SIGHUP when that terminal goes away. Each ends the
// game as closing its window does, with the sounds released and exit status 0.
#pragma once

#include <functional>

namespace murokan::app {

class QuitSignals {
  public:
    // Catches the three signals from now on; a caught one waits for watch().
    // Made once, before anything else of the program starts.
    QuitSignals();
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // Once the application exists: a caught signal calls `close`, and again
    // every 100 ms while it answers false (the window refuses to close while a
    // handler runs). What it sets up goes with the application.
    void watch(std::function<bool()> close);

  private:
    int fds_[2] = {-1, -1};
};

}  // namespace murokan::app
