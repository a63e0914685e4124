// The recording fakes of the analysis seam (analysis panel, background work,
// clipboard), for the tests and murokan-script: the panel keeps what it was
// last told, the background runs its work on a thread of its own and hands
// what it posted to the caller of deliver, as a window's event loop would.
#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/analysis_panel.h"
#include "platform/background.h"
#include "platform/clipboard.h"

namespace murokan::platform {

class RecordingAnalysisPanel : public AnalysisPanel {
  public:
    void setEvents(AnalysisPanelEvents* events) override { events_ = events; }
    void setVisible(bool on) override { visible_ = on; }
    bool visible() const override { return visible_; }
    void setText(std::string_view utf8) override { text_ = utf8; }
    void setGraph(const GraphData& graph) override { graph_ = graph; }
    void setProgress(int done, int total) override {
        done_ = done;
        total_ = total;
    }

    // What the panel shows now.
    const std::string& text() const { return text_; }
    const GraphData& graph() const { return graph_; }
    int progressDone() const { return done_; }
    int progressTotal() const { return total_; }
    // The user's side: the panel's events, nullptr until Form1 attaches.
    AnalysisPanelEvents* events() const { return events_; }

  private:
    AnalysisPanelEvents* events_ = nullptr;
    bool visible_ = false;
    std::string text_;
    GraphData graph_;
    int done_ = 0, total_ = 0;
};

class RecordingBackground : public Background {
  public:
    ~RecordingBackground() override;
    void start(std::function<void()> work, std::function<void()> done) override;
    void post(std::function<void()> f) override;
    void join() override;
    bool busy() const override { return busy_; }

    // The window's side: runs what the work has posted so far, oldest first;
    // once `wait` and the work is over, waits for it and runs `done` too.
    void deliver(bool wait);

  private:
    std::thread thread_;
    std::mutex mutex_;
    std::deque<std::function<void()>> posted_;
    std::function<void()> done_;
    bool busy_ = false;
    std::atomic<bool> finished_{false};
};

class RecordingClipboard : public Clipboard {
  public:
    void setText(std::string_view utf8) override { text_ = utf8; }
    std::string text() const override { return text_; }

  private:
    std::string text_;
};

// The three together, as the driver's window holds them.
struct RecordingAnalysis {
    RecordingAnalysisPanel panel;
    RecordingBackground background;
    RecordingClipboard clipboard;
};

}  // namespace murokan::platform
