// A started program on the recording platform, with clicks addressed by cell.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/constants.h"
#include "flow/form1.h"
#include "platform/recording_platform.h"

namespace murokan::test {

// Makes a new empty folder the current directory for its lifetime, so that
// the settings file a program reads and writes there is its own: tests that
// run side by side, or one after another, never see each other's options.
class OwnFolder {
  public:
    OwnFolder() : previous_(std::filesystem::current_path()) {
        std::string tmpl =
            (std::filesystem::temp_directory_path() / "murokan-game-XXXXXX").string();
        if (mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = tmpl;
        std::filesystem::current_path(path_);
    }
    ~OwnFolder() {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(path_, ec);
    }
    OwnFolder(const OwnFolder&) = delete;
    OwnFolder& operator=(const OwnFolder&) = delete;

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Once started, writes what the program draws (in cells), its pauses and its
// display timer into the recording platform's event log, between the message
// boxes and sounds already there: everything the player sees, in order.
class Timeline : public platform::Canvas, public platform::Clock, public platform::DisplayTimer {
  public:
    explicit Timeline(platform::RecordingPlatform& rp) : rp_(rp) {}
    void start() {
        on_ = true;
        rp_.canvas.forwardTo(this);
    }

    void picture(int code, double x, double y) override {
        log("絵 " + std::to_string(code) + " " + cell(x, y));
    }
    void text(double x, double y, std::string_view utf8, double, int colour, bool) override {
        log("字 " + std::string(utf8) + " " + std::to_string(colour) + " " + cell(x, y));
    }
    void rectangle(double x1, double y1, double, double, int colour) override {
        log("輪郭 " + std::to_string(colour) + " " + cell(x1, y1));
    }
    void refresh() override { log("更新"); }
    // The piece in flight over the canvas is no drawing: the timeline leaves it out.
    void dragPicture(int) override {}
    double now() override {
        rp_.clock.advance(seconds_per_reading);
        return rp_.clock.now();
    }
    void wait(double seconds) override {
        log("待ち " + num(seconds));
        rp_.clock.wait(seconds);
    }
    void setEnabled(bool on) override {
        log(on ? "Timer1 on" : "Timer1 off");
        rp_.timer.setEnabled(on);
    }
    bool enabled() const override { return rp_.timer.enabled(); }

    // How far the clock moves at each reading, so that time passes where no
    // pause makes it pass (a search); 0 leaves it still.
    double seconds_per_reading = 0;

  private:
    static std::string num(double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%g", v);
        return buf;
    }
    // Twips back to window cells: "x y", fractions kept to a tenth.
    static std::string cell(double x, double y) {
        const auto tenth = [](double v) { return std::round(v * 10) / 10 + 0.0; };
        return num(tenth((x - BAN_X0) / MASU_W)) + " " + num(tenth((y - BAN_Y0) / MASU_H));
    }
    void log(std::string line) {
        if (on_) rp_.events.push_back(std::move(line));
    }

    platform::RecordingPlatform& rp_;
    bool on_ = false;
};

class FlowTest : public ::testing::Test {
  protected:
    FlowTest() : form(pf) {}

    void SetUp() override { form.Form_Load(); }

    // A button press at the centre of cell (cx, cy).
    void click(int cx, int cy, int button = HIDARI_BUTTON) {
        form.Form_MouseDown(button, 0, BAN_X0 + MASU_W * (cx + 0.5), BAN_Y0 + MASU_H * (cy + 0.5));
    }
    // A board move by two left clicks (right for the second when promoting).
    void move(int x1, int y1, int x2, int y2, int button = HIDARI_BUTTON) {
        click(x1, y1);
        click(x2, y2, button);
    }

    // The events logged since the last call.
    std::vector<std::string> take_events() {
        std::vector<std::string> out(rp.events.begin() + seen_, rp.events.end());
        seen_ = rp.events.size();
        return out;
    }
    void forget_events() { seen_ = rp.events.size(); }
    static bool has(const std::vector<std::string>& events, const std::string& line) {
        return std::find(events.begin(), events.end(), line) != events.end();
    }

    // Empties the board and the hands, keeping the kings where given.
    void clear_board() {
        for (auto& col : form.g.ban)
            for (int& c : col) c = KARA;
        for (int k = 0; k < 8; ++k) form.g.mochi_ji[k] = form.g.mochi_teki[k] = 0;
        form.g.mochi_ji_kazu = form.g.mochi_teki_kazu = 0;
    }

    OwnFolder folder;  // first: the program starts in it
    platform::RecordingPlatform rp;
    Timeline timeline{rp};  // silent until a test starts it
    platform::Platform pf{rp.canvas,  rp.dialogs, timeline, timeline, rp.menu,
                          rp.browser, rp.sound,   rp.app,   rp.worker};
    Form1 form;
    std::size_t seen_ = 0;
};

}  // namespace murokan::test
