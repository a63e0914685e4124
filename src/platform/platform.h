// The seam between the game and the machine. Form1 and the drawing procedures
// reach the screen, the clock, message boxes, the browser and the sound library
// only through these interfaces. The Qt/SDL implementations serve the real
// program; the recording fake serves the tests and murokan-script.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/record_box.h"

namespace murokan::platform {

// The window's persistent drawing, addressed in twips over a 10000 x 8000 area.
class Canvas {
  public:
    virtual ~Canvas() = default;
    // Copies the stock picture of drawing code `code` (piece codes, 0 the empty
    // square, 3/4 the vanish frames, 5..9 the backgrounds, -3 the title art) at
    // its own size with its top-left corner at (x, y). Other codes draw nothing.
    virtual void picture(int code, double x, double y) = 0;
    // Prints one line of text with its top-left corner at (x, y), in the
    // window's Mincho face at `size` points, QBColor `colour`.
    virtual void text(double x, double y, std::string_view utf8, double size, int colour,
                      bool bold) = 0;
    // Outline of the rectangle (x1, y1)-(x2, y2) in QBColor `colour`, unfilled.
    virtual void rectangle(double x1, double y1, double x2, double y2, int colour) = 0;
    // Shows what has been drawn so far.
    virtual void refresh() = 0;
    // Not part of the drawing: the stock picture `code` follows the pointer
    // while the pressed button is held and the pointer has left the press, so
    // a dragged piece can be seen in flight; 0 shows none. The drawing itself
    // is not touched.
    virtual void dragPicture(int code) = 0;
};

enum class Icon : std::uint8_t { None, Information, Exclamation, Question, Critical };

enum class AboutChoice : std::uint8_t { Ok, HomePage };

// Modal boxes. Each returns only when the user has answered.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual void message(std::string_view title, std::string_view text, Icon icon) = 0;
    // A Yes/No box; true for Yes.
    virtual bool askYesNo(std::string_view title, std::string_view text, Icon icon) = 0;
    // The about box Form2 ("バージョン情報"); tells which button closed it.
    virtual AboutChoice aboutBox() = 0;
    // The box 成績, showing `view` until the player closes it. Its button that
    // clears the record calls `clear`, which asks the player itself and, once
    // the record is cleared, answers true with the view to show from then on.
    virtual void recordBox(const RecordView& view,
                           const std::function<bool(RecordView&)>& clear) = 0;
};

// The system clock and the pacing waits.
class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since midnight, with fractions.
    virtual double now() = 0;
    // Returns after `seconds` have passed. The window keeps repainting meanwhile
    // but takes no input.
    virtual void wait(double seconds) = 0;
};

// Timer1, the display timer (50 ms ticks delivered to EventSink::timerTick).
class DisplayTimer {
  public:
    virtual ~DisplayTimer() = default;
    virtual void setEnabled(bool on) = 0;
    virtual bool enabled() const = 0;
};

// The menu bar. Items are addressed by their control name ("START", "KEIKA").
class MenuBar {
  public:
    virtual ~MenuBar() = default;
    // Adds a header (parent empty) or an item under `parent`, in call order.
    virtual void add(std::string_view parent, std::string_view name, std::string_view caption) = 0;
    virtual void setChecked(std::string_view name, bool on) = 0;
    virtual bool checked(std::string_view name) const = 0;
    // Gives an item a shortcut key in Qt's portable key text ("Left",
    // "Ctrl+S"). The bar shows it beside the caption; pressing it reaches
    // EventSink::menuShortcut with the item's name.
    virtual void setShortcut(std::string_view name, std::string_view key) = 0;
};

// Opens a local file path or a web address in the platform's browser.
// Returns false when no browser could be started.
class Browser {
  public:
    virtual ~Browser() = default;
    virtual bool open(std::string_view target) = 0;
};

// The small sound library. Buffer number 0 is silence and is always accepted.
class SoundLibrary {
  public:
    virtual ~SoundLibrary() = default;
    // Returns the sound-system handle, 0 when there is no sound system.
    virtual int dsInitialize(std::intptr_t window) = 0;
    // Makes a buffer from a complete wave file image (copied as needed);
    // returns its number, 0 on failure.
    virtual int dsCreateDSB(int handle, const std::uint8_t* image, std::size_t size, int flags) = 0;
    virtual void dsPlay(int buffer) = 0;
    virtual void dsPlayLooping(int buffer) = 0;
    virtual void dsStop(int buffer) = 0;
    virtual void dsFree(int buffer) = 0;
    virtual void dsTerminate(int handle) = 0;
    // Tells the library which wave file `buffer` was made from, so that a
    // recording library can name it; real libraries ignore it.
    virtual void dsNameBuffer(int buffer, std::string_view file_name) {
        (void)buffer;
        (void)file_name;
    }
};

// Ends the program once the current handler returns.
class Application {
  public:
    virtual ~Application() = default;
    virtual void quit() = 0;
    // Handle of the main window, for dsInitialize.
    virtual std::intptr_t windowHandle() const = 0;
};

// Runs the computer's long thinking away from the window's thread.
class Worker {
  public:
    virtual ~Worker() = default;
    // Runs `work` and returns once it has finished. Meanwhile the window
    // repaints and resizes and Timer1's ticks reach the game; of the user's
    // input only Esc and closing the window do, and the game's handlers then
    // set `stop`, which `work` must obey at once. Everything else is dropped
    // as during a wait. `work` must touch nothing those handlers touch.
    virtual void think(const std::function<void()>& work, std::atomic<bool>& stop) = 0;
};

// Everything Form1 is given at construction.
struct Platform {
    Canvas& canvas;
    Dialogs& dialogs;
    Clock& clock;
    DisplayTimer& timer;
    MenuBar& menu;
    Browser& browser;
    SoundLibrary& sound;
    Application& app;
    Worker& worker;
};

// Events from the window to Form1, all on the one thread.
class EventSink {
  public:
    virtual ~EventSink() = default;
    // button: 1 left, 2 right, 4 middle; x, y in twips.
    virtual void mouseDown(int button, double x, double y) = 0;
    // The button of the last mouseDown was released at (x, y) twips, which
    // ends a drag that the press began.
    virtual void mouseUp(int button, double x, double y) = 0;
    // A menu header or item was clicked, by control name.
    virtual void menuClicked(std::string_view name) = 0;
    // The shortcut key of item `name` was pressed: the item is reached the way
    // a click through its menus reaches it.
    virtual void menuShortcut(std::string_view name) = 0;
    virtual void keyPress(int code) = 0;
    virtual void timerTick() = 0;
    // The window is being closed.
    virtual void unload() = 0;
};

}  // namespace murokan::platform
