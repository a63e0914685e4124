// The analysis panel beside the board: the lines of 検討 (evaluation, depth,
// best line), the evaluation graph of the whole game, and the progress of
// 棋譜解析 with its cancel button. Form1 fills it through this interface;
// the Qt widgets serve the window, the recording fake the tests and the
// driver.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace murokan::platform {

// What the graph shows: 先手's win percentage (0..100) at each position of the
// game, position 0 first; the grade of the move that reached each position
// (0 none, 1 緩手, 2 疑問手, 3 悪手, 4 大悪手; position 0 has none); and
// the position on the board, -1 for none.
struct GraphData {
    std::vector<double> win;
    std::vector<std::uint8_t> grade;
    int current = -1;
};

// What the user does in the panel.
class AnalysisPanelEvents {
  public:
    virtual ~AnalysisPanelEvents() = default;
    // A point of the graph was clicked: position `ply` of the game.
    virtual void graphClicked(int ply) = 0;
    // The keys that jump to the previous (-1) or next (+1) graded move.
    virtual void graphStep(int direction) = 0;
    // The cancel button of 棋譜解析.
    virtual void cancelClicked() = 0;
    // The button that copies the analysis as text.
    virtual void copyClicked() = 0;
};

class AnalysisPanel {
  public:
    virtual ~AnalysisPanel() = default;
    virtual void setEvents(AnalysisPanelEvents* events) = 0;
    virtual void setVisible(bool on) = 0;
    virtual bool visible() const = 0;
    // The lines above the graph (検討's evaluation, depth and best line).
    virtual void setText(std::string_view utf8) = 0;
    // An empty graph hides it.
    virtual void setGraph(const GraphData& graph) = 0;
    // 棋譜解析's progress: `done` of `total` positions; total 0 hides the
    // bar and the cancel button.
    virtual void setProgress(int done, int total) = 0;
};

}  // namespace murokan::platform
