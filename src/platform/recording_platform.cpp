#include "platform/recording_platform.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

namespace murokan::platform {

namespace {

constexpr double kDaySeconds = 86400.0;

// Adds `entry` to `list`, first forgetting the oldest entries when the list is
// full so that the latest half stays. Returns how many were forgotten.
template <class T>
std::size_t append_bounded(std::vector<T>& list, T&& entry) {
    std::size_t forgotten = 0;
    if (list.size() >= RECORDING_LIMIT) {
        forgotten = list.size() - RECORDING_LIMIT / 2;
        list.erase(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(forgotten));
    }
    list.push_back(std::move(entry));
    return forgotten;
}

}  // namespace

std::string quoteEventText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    out += '"';
    return out;
}

// ------------------------------------------------------------ canvas

void RecordingCanvas::keep(DrawCall&& call) {
    dropped_ += append_bounded(calls_, std::move(call));
}

void RecordingCanvas::picture(int code, double x, double y) {
    DrawCall c;
    c.kind = DrawCall::Kind::Picture;
    c.code = code;
    c.x = x;
    c.y = y;
    keep(std::move(c));
    if (forward_) forward_->picture(code, x, y);
}

void RecordingCanvas::text(double x, double y, std::string_view utf8, double size, int colour,
                           bool bold) {
    DrawCall c;
    c.kind = DrawCall::Kind::Text;
    c.x = x;
    c.y = y;
    c.text = std::string(utf8);
    c.size = size;
    c.colour = colour;
    c.bold = bold;
    keep(std::move(c));
    if (forward_) forward_->text(x, y, utf8, size, colour, bold);
}

void RecordingCanvas::rectangle(double x1, double y1, double x2, double y2, int colour) {
    DrawCall c;
    c.kind = DrawCall::Kind::Rectangle;
    c.x = x1;
    c.y = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.colour = colour;
    keep(std::move(c));
    if (forward_) forward_->rectangle(x1, y1, x2, y2, colour);
}

void RecordingCanvas::refresh() {
    DrawCall c;
    c.kind = DrawCall::Kind::Refresh;
    keep(std::move(c));
    if (forward_) forward_->refresh();
}

void RecordingCanvas::dragPicture(int code) {
    dragged_ = code;
    if (forward_) forward_->dragPicture(code);
}

// ------------------------------------------------------------ dialogs

void RecordingDialogs::message(std::string_view title, std::string_view text, Icon icon) {
    append_bounded(messages_,
                   MessageRecord{std::string(title), std::string(text), icon, false, true});
    log_.push_back("msg " + quoteEventText(title) + " " + quoteEventText(text));
}

// The next queued Yes/No answer, Yes once the queue is empty.
bool RecordingDialogs::nextAnswer() {
    if (answers_.empty()) return true;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

bool RecordingDialogs::askYesNo(std::string_view title, std::string_view text, Icon icon) {
    const bool yes = nextAnswer();
    append_bounded(messages_,
                   MessageRecord{std::string(title), std::string(text), icon, true, yes});
    log_.push_back("msg " + quoteEventText(title) + " " + quoteEventText(text) +
                   (yes ? " -> yes" : " -> no"));
    return yes;
}

namespace {

// The tables of 成績 as lines of text, the counts first so that their digits
// line up even in a proportional face.
std::string recordText(const RecordView& view) {
    std::string text;
    for (const RecordSection& section : view.sections) {
        if (!section.heading.empty()) text += "\n" + section.heading + "\n";
        for (const RecordRow& row : section.rows) {
            char line[96];
            std::snprintf(line, sizeof line, "%4d勝 %4d敗 %4d分   %s", row.wins, row.losses,
                          row.draws, row.level.c_str());
            text += line;
            if (row.rating) text += " (R " + std::to_string(*row.rating) + ")";
            text += "\n";
        }
    }
    return text + "\n" + view.rating_line + "\n" + view.next_line + "\n";
}

}  // namespace

void RecordingDialogs::recordBox(const RecordView& view,
                                 const std::function<bool(RecordView&)>& clear) {
    append_bounded(record_views_, RecordView(view));
    const bool yes = nextAnswer();
    log_.push_back("msg " + quoteEventText(view.title) + " " +
                   quoteEventText(recordText(view) + "\n成績を消去しますか？") +
                   (yes ? " -> yes" : " -> no"));
    RecordView after = view;
    if (yes && clear(after)) append_bounded(record_views_, std::move(after));
}

AboutChoice RecordingDialogs::aboutBox() {
    AboutChoice choice = AboutChoice::Ok;
    if (!about_answers_.empty()) {
        choice = about_answers_.front();
        about_answers_.pop_front();
    }
    log_.push_back("dialog " + quoteEventText("バージョン情報"));
    return choice;
}

// ------------------------------------------------------------ clock

void ManualClock::set(double seconds_since_midnight) {
    double t = std::fmod(seconds_since_midnight, kDaySeconds);
    if (t < 0) t += kDaySeconds;
    now_ = t;
}

void ManualClock::advance(double seconds) {
    set(now_ + seconds);
}

void ManualClock::wait(double seconds) {
    append_bounded(waits_, double{seconds});
    if (seconds > 0) advance(seconds);
}

// ------------------------------------------------------------ menu

void RecordingMenuBar::add(std::string_view parent, std::string_view name,
                           std::string_view caption) {
    MenuEntry e{std::string(parent), std::string(name), std::string(caption), false, {}};
    if (auto it = loose_checks_.find(name); it != loose_checks_.end()) {
        e.checked = it->second;
        loose_checks_.erase(it);
    }
    entries_.push_back(std::move(e));
}

const MenuEntry* RecordingMenuBar::find(std::string_view name) const {
    for (const MenuEntry& e : entries_)
        if (e.name == name) return &e;
    return nullptr;
}

void RecordingMenuBar::setChecked(std::string_view name, bool on) {
    for (MenuEntry& e : entries_) {
        if (e.name == name) {
            e.checked = on;
            return;
        }
    }
    loose_checks_[std::string(name)] = on;
}

bool RecordingMenuBar::checked(std::string_view name) const {
    if (const MenuEntry* e = find(name)) return e->checked;
    auto it = loose_checks_.find(name);
    return it != loose_checks_.end() && it->second;
}

void RecordingMenuBar::setShortcut(std::string_view name, std::string_view key) {
    for (MenuEntry& e : entries_) {
        if (e.name == name) e.shortcut = key;
    }
}

const MenuEntry* RecordingMenuBar::findShortcut(std::string_view key) const {
    if (key.empty()) return nullptr;
    for (const MenuEntry& e : entries_)
        if (e.shortcut == key) return &e;
    return nullptr;
}

// ------------------------------------------------------------ browser, app

bool RecordingBrowser::open(std::string_view target) {
    log_.push_back("browser " + std::string(target));
    return available_;
}

void RecordingApplication::quit() {
    quit_ = true;
    log_.push_back("quit");
}

// ------------------------------------------------------------ sound

int RecordingSoundLibrary::dsInitialize(std::intptr_t /*window*/) {
    handle_ = available_ ? 1 : 0;
    return handle_;
}

int RecordingSoundLibrary::dsCreateDSB(int handle, const std::uint8_t* image, std::size_t size,
                                       int flags) {
    if (handle == 0 || handle != handle_ || image == nullptr || size < 12) return 0;
    if (std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0) return 0;
    int b = next_buffer_++;
    flags_[b] = flags;
    return b;
}

void RecordingSoundLibrary::dsNameBuffer(int buffer, std::string_view file_name) {
    if (flags_.count(buffer)) names_[buffer] = std::string(file_name);
}

std::string RecordingSoundLibrary::nameOf(int buffer) const {
    auto it = names_.find(buffer);
    return it == names_.end() ? std::string("-") : it->second;
}

bool RecordingSoundLibrary::looping(int buffer) const {
    auto it = looping_.find(buffer);
    return it != looping_.end() && it->second;
}

void RecordingSoundLibrary::log(std::string_view verb, int buffer) {
    log_.push_back("sound " + std::string(verb) + " " + nameOf(buffer));
}

void RecordingSoundLibrary::dsPlay(int buffer) {
    log("play", buffer);
}

void RecordingSoundLibrary::dsPlayLooping(int buffer) {
    log("loop", buffer);
    if (flags_.count(buffer)) looping_[buffer] = true;
}

void RecordingSoundLibrary::dsStop(int buffer) {
    log("stop", buffer);
    looping_.erase(buffer);
}

void RecordingSoundLibrary::dsFree(int buffer) {
    log("free", buffer);
    flags_.erase(buffer);
    names_.erase(buffer);
    looping_.erase(buffer);
}

void RecordingSoundLibrary::dsTerminate(int handle) {
    if (handle != 0 && handle == handle_) handle_ = 0;
}

// ------------------------------------------------------------ worker

void RecordingWorker::think(const std::function<void()>& work, std::atomic<bool>& stop) {
    (void)stop;  // no input can come while the work runs here
    ++runs_;
    work();
}

// ------------------------------------------------------------ aggregate

RecordingPlatform::RecordingPlatform()
    : dialogs(events), browser(events), sound(events), app(events), platform{canvas, dialogs,
                                                                             clock,  timer,
                                                                             menu,   browser,
                                                                             sound,  app,
                                                                             worker} {}

}  // namespace murokan::platform
