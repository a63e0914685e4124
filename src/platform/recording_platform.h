// The recording fake of the platform seam: every interface implemented in
// memory, for the tests and for murokan-script. Drawing calls are kept in an
// inspectable list; user-visible events (message boxes, sounds, the browser,
// dialogs, quitting) are kept as driver-style text lines; the clock is manual
// and its waits advance it at once, so nothing ever sleeps. The lists of
// drawing calls, message boxes and waits keep only the latest entries (see
// RECORDING_LIMIT); the event lines are the reader's to clear once read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace murokan::platform {

// The most entries the lists of drawing calls, message boxes and waits hold.
// Past it the oldest half is forgotten, so that long scripts and soak runs stay
// flat; each list always holds at least its latest RECORDING_LIMIT / 2 entries.
inline constexpr std::size_t RECORDING_LIMIT = std::size_t{1} << 15;

// The shared list of event lines, e.g. `msg "題" "本文" -> yes`, `sound play 禁止.wav`.
using EventLog = std::vector<std::string>;

// One drawing call as the canvas received it.
struct DrawCall {
    enum class Kind : std::uint8_t { Picture, Text, Rectangle, Refresh };
    Kind kind = Kind::Picture;
    int code = 0;           // Picture: drawing code
    double x = 0, y = 0;    // Picture/Text: top-left; Rectangle: first corner
    double x2 = 0, y2 = 0;  // Rectangle: second corner
    std::string text;       // Text
    double size = 0;        // Text: points
    int colour = 0;         // Text/Rectangle: QBColor number
    bool bold = false;      // Text
};

// Keeps the latest drawing calls; optionally passes each on to another canvas
// (a real image canvas), so the driver can show what was drawn.
class RecordingCanvas : public Canvas {
  public:
    void picture(int code, double x, double y) override;
    void text(double x, double y, std::string_view utf8, double size, int colour,
              bool bold) override;
    void rectangle(double x1, double y1, double x2, double y2, int colour) override;
    void refresh() override;
    // Kept apart from the drawing calls: a drag shows this, it draws nothing.
    void dragPicture(int code) override;

    // The kept calls, oldest first.
    const std::vector<DrawCall>& calls() const { return calls_; }
    // The picture a drag would show now, 0 for none.
    int dragged() const { return dragged_; }
    void clear() { calls_.clear(); }
    // How many calls were forgotten to stay within RECORDING_LIMIT.
    std::size_t dropped() const { return dropped_; }
    // Every later call is also made on `target` (nullptr to stop).
    void forwardTo(Canvas* target) { forward_ = target; }

  private:
    void keep(DrawCall&& call);

    std::vector<DrawCall> calls_;
    std::size_t dropped_ = 0;
    Canvas* forward_ = nullptr;
    int dragged_ = 0;
};

// One message box as shown.
struct MessageRecord {
    std::string title;
    std::string text;
    Icon icon = Icon::None;
    bool yes_no = false;
    bool answer = true;  // Yes/No boxes only
};

// Answers Yes/No boxes from a queue (Yes once the queue is empty) and the
// about box from another (OK once empty). The box 成績 takes its answer from
// the Yes/No queue too: Yes presses its clearing button once, No closes it.
class RecordingDialogs : public Dialogs {
  public:
    explicit RecordingDialogs(EventLog& log) : log_(log) {}
    void message(std::string_view title, std::string_view text, Icon icon) override;
    bool askYesNo(std::string_view title, std::string_view text, Icon icon) override;
    AboutChoice aboutBox() override;
    // Logged as a Yes/No box: the tables as text, asking whether to clear them.
    void recordBox(const RecordView& view,
                   const std::function<bool(RecordView&)>& clear) override;

    void queueAnswer(bool yes) { answers_.push_back(yes); }
    void queueAbout(AboutChoice choice) { about_answers_.push_back(choice); }
    // The latest boxes shown, oldest first.
    const std::vector<MessageRecord>& messages() const { return messages_; }
    // What the box 成績 showed, oldest first: each opening, and the tables
    // after each clearing.
    const std::vector<RecordView>& recordViews() const { return record_views_; }

  private:
    bool nextAnswer();

    EventLog& log_;
    std::deque<bool> answers_;
    std::deque<AboutChoice> about_answers_;
    std::vector<MessageRecord> messages_;
    std::vector<RecordView> record_views_;
};

// Seconds since midnight, moved only by hand and by waits.
class ManualClock : public Clock {
  public:
    double now() override { return now_; }
    // Advances the clock by `seconds` at once and remembers the wait.
    void wait(double seconds) override;

    // Sets the reading (wrapped into 0..86400).
    void set(double seconds_since_midnight);
    // Moves the reading on, wrapping at midnight.
    void advance(double seconds);
    // The latest waits, oldest first.
    const std::vector<double>& waits() const { return waits_; }

  private:
    double now_ = 36000.0;  // 10:00, far from midnight unless a test asks
    std::vector<double> waits_;
};

class RecordingTimer : public DisplayTimer {
  public:
    void setEnabled(bool on) override { enabled_ = on; }
    bool enabled() const override { return enabled_; }

  private:
    bool enabled_ = false;
};

// One menu entry as added.
struct MenuEntry {
    std::string parent;
    std::string name;
    std::string caption;
    bool checked = false;
    std::string shortcut;  // Qt's portable key text, empty for none
};

class RecordingMenuBar : public MenuBar {
  public:
    void add(std::string_view parent, std::string_view name, std::string_view caption) override;
    // Ticks or unticks a named entry; unknown names are remembered all the same.
    void setChecked(std::string_view name, bool on) override;
    bool checked(std::string_view name) const override;
    void setShortcut(std::string_view name, std::string_view key) override;

    const std::vector<MenuEntry>& entries() const { return entries_; }
    // The entry of that control name, nullptr when none was added.
    const MenuEntry* find(std::string_view name) const;
    // The entry whose shortcut is `key` exactly, nullptr when none has it.
    const MenuEntry* findShortcut(std::string_view key) const;

  private:
    std::vector<MenuEntry> entries_;
    std::map<std::string, bool, std::less<>> loose_checks_;  // ticks of names never added
};

class RecordingBrowser : public Browser {
  public:
    explicit RecordingBrowser(EventLog& log) : log_(log) {}
    // Logs `browser <target>` and answers as set (true unless told otherwise).
    bool open(std::string_view target) override;
    void setAvailable(bool available) { available_ = available; }

  private:
    EventLog& log_;
    bool available_ = true;
};

// A sound library that plays nothing and logs `sound play|loop|stop|free <file>`
// (`-` for buffer 0 or a buffer of unknown origin). A buffer is made only from
// an image that starts like a wave file ("RIFF" ... "WAVE").
class RecordingSoundLibrary : public SoundLibrary {
  public:
    explicit RecordingSoundLibrary(EventLog& log) : log_(log) {}
    int dsInitialize(std::intptr_t window) override;
    int dsCreateDSB(int handle, const std::uint8_t* image, std::size_t size, int flags) override;
    void dsPlay(int buffer) override;
    void dsPlayLooping(int buffer) override;
    void dsStop(int buffer) override;
    void dsFree(int buffer) override;
    void dsTerminate(int handle) override;
    void dsNameBuffer(int buffer, std::string_view file_name) override;

    // When false, dsInitialize answers 0 (no sound system).
    void setAvailable(bool available) { available_ = available; }
    bool initialized() const { return handle_ != 0; }
    // Live buffers (created, not yet freed) and the flags each was made with.
    const std::map<int, int>& buffers() const { return flags_; }
    // The file name of a buffer, "-" when unknown.
    std::string nameOf(int buffer) const;
    // Buffers that are looping now.
    bool looping(int buffer) const;

  private:
    void log(std::string_view verb, int buffer);

    EventLog& log_;
    bool available_ = true;
    int handle_ = 0;
    int next_buffer_ = 1;
    std::map<int, int> flags_;
    std::map<int, std::string> names_;
    std::map<int, bool> looping_;
};

class RecordingApplication : public Application {
  public:
    explicit RecordingApplication(EventLog& log) : log_(log) {}
    void quit() override;
    std::intptr_t windowHandle() const override { return 1; }
    bool quitRequested() const { return quit_; }

  private:
    EventLog& log_;
    bool quit_ = false;
};

// Runs the work in place, on the caller's thread, so that a script or a test
// sees the same game every time.
class RecordingWorker : public Worker {
  public:
    void think(const std::function<void()>& work, std::atomic<bool>& stop) override;
    // How many works have run.
    int runs() const { return runs_; }

  private:
    int runs_ = 0;
};

// All the fakes together, with one event log, and the Platform aggregate over them.
class RecordingPlatform {
  public:
    RecordingPlatform();
    RecordingPlatform(const RecordingPlatform&) = delete;
    RecordingPlatform& operator=(const RecordingPlatform&) = delete;

    EventLog events;
    RecordingCanvas canvas;
    RecordingDialogs dialogs;
    ManualClock clock;
    RecordingTimer timer;
    RecordingMenuBar menu;
    RecordingBrowser browser;
    RecordingSoundLibrary sound;
    RecordingApplication app;
    RecordingWorker worker;
    Platform platform;
};

// Quotes a text for an event line the way the driver reads quoted words back:
// "..." with \ and " escaped by a backslash, line breaks and tabs as \n, \r, \t.
std::string quoteEventText(std::string_view text);

}  // namespace murokan::platform
