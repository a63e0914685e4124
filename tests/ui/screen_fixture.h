// A Screen drawing onto the recording platform, with helpers to pick calls out
// of the drawing list. Waits and sound plays are also noted with their place
// in that list, so tests can check what was on screen at each pause.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/recording_platform.h"
#include "ui/cell.h"
#include "ui/screen.h"

namespace murokan::test {

using platform::DrawCall;
using Kind = platform::DrawCall::Kind;

// (number of drawing calls made before it, "W<seconds>" or "S<buffer>").
using Marks = std::vector<std::pair<size_t, std::string>>;

class MarkingClock : public platform::Clock {
  public:
    MarkingClock(platform::ManualClock& inner, const platform::RecordingCanvas& canvas,
                 Marks& marks)
        : inner_(inner), canvas_(canvas), marks_(marks) {}
    double now() override { return inner_.now(); }
    void wait(double seconds) override {
        char buf[32];
        std::snprintf(buf, sizeof buf, "W%.2f", seconds);
        marks_.emplace_back(canvas_.calls().size(), buf);
        inner_.wait(seconds);
    }

  private:
    platform::ManualClock& inner_;
    const platform::RecordingCanvas& canvas_;
    Marks& marks_;
};

class MarkingSound : public platform::RecordingSoundLibrary {
  public:
    MarkingSound(platform::EventLog& log, const platform::RecordingCanvas& canvas, Marks& marks)
        : RecordingSoundLibrary(log), canvas_(canvas), marks_(marks) {}
    void dsPlay(int buffer) override {
        std::string mark = "S";
        mark += std::to_string(buffer);
        marks_.emplace_back(canvas_.calls().size(), std::move(mark));
        RecordingSoundLibrary::dsPlay(buffer);
    }

  private:
    const platform::RecordingCanvas& canvas_;
    Marks& marks_;
};

class ScreenTest : public ::testing::Test {
  protected:
    platform::RecordingPlatform pf;
    Marks marks;
    MarkingClock clock{pf.clock, pf.canvas, marks};
    MarkingSound sound{pf.events, pf.canvas, marks};
    GameState g;
    Options opt;
    int vanish_buffer = 0;
    Screen screen{ScreenLinks{pf.canvas, pf.dialogs, clock, sound, vanish_buffer, pf.menu, g, opt}};

    const std::vector<DrawCall>& calls() const { return pf.canvas.calls(); }
    void clear() {
        pf.canvas.clear();
        marks.clear();
    }
    std::vector<DrawCall> of(Kind kind) const {
        std::vector<DrawCall> out;
        for (const DrawCall& c : calls()) {
            if (c.kind == kind) out.push_back(c);
        }
        return out;
    }
    std::vector<DrawCall> texts() const { return of(Kind::Text); }
    std::vector<DrawCall> pictures() const { return of(Kind::Picture); }

    // The drawing list with the marks put in place, each call written short:
    // "P<code>@x,y", "R@x,y" (cells rounded), "F" for a refresh.
    std::vector<std::string> trace() const {
        std::vector<std::string> out;
        size_t m = 0;
        for (size_t i = 0; i <= calls().size(); ++i) {
            while (m < marks.size() && marks[m].first == i) out.push_back(marks[m++].second);
            if (i == calls().size()) break;
            const DrawCall& c = calls()[i];
            const long cx = std::lround((c.x - BAN_X0) / MASU_W);
            const long cy = std::lround((c.y - BAN_Y0) / MASU_H);
            char buf[64];
            switch (c.kind) {
                case Kind::Picture:
                    std::snprintf(buf, sizeof buf, "P%d@%ld,%ld", c.code, cx, cy);
                    break;
                case Kind::Rectangle:
                    std::snprintf(buf, sizeof buf, "R@%ld,%ld", cx, cy);
                    break;
                case Kind::Refresh:
                    std::snprintf(buf, sizeof buf, "F");
                    break;
                case Kind::Text:
                    std::snprintf(buf, sizeof buf, "T%s", c.text.c_str());
                    break;
            }
            out.push_back(buf);
        }
        return out;
    }
};

inline bool near(double a, double b) {
    return std::fabs(a - b) < 1e-6;
}

// True when `c` starts at cell (x, y), optionally shifted by twips.
inline bool at_cell(const DrawCall& c, double x, double y, double dx = 0, double dy = 0) {
    const Twips t = cell_twips(x, y);
    return near(c.x, t.x + dx) && near(c.y, t.y + dy);
}

// The expected form of one printed text; x, y in cells.
struct Printed {
    std::string text;
    int colour;
    double size;
    double x, y;
};

inline std::string describe(const std::string& text, int colour, double size, double x, double y) {
    char buf[200];
    std::snprintf(buf, sizeof buf, "'%s' colour %d size %g @ (%.3f, %.3f)", text.c_str(), colour,
                  size, x, y);
    return buf;
}

inline std::string describe(const DrawCall& c) {
    return describe(c.text, c.colour, c.size, (c.x - BAN_X0) / MASU_W, (c.y - BAN_Y0) / MASU_H);
}

inline std::vector<std::string> describe_all(const std::vector<DrawCall>& calls) {
    std::vector<std::string> out;
    for (const DrawCall& c : calls) out.push_back(describe(c));
    return out;
}

inline std::vector<std::string> describe_all(const std::vector<Printed>& ps) {
    std::vector<std::string> out;
    for (const Printed& p : ps) out.push_back(describe(p.text, p.colour, p.size, p.x, p.y));
    return out;
}

}  // namespace murokan::test
