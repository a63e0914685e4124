// The analysis panel as a dock at the right of the main window: 検討's lines,
// the evaluation graph, 棋譜解析's progress bar with its cancel button, and
// the button that copies the analysis. Hidden until the game shows it.
#pragma once

#include <QDockWidget>
#include <functional>

#include "platform/analysis_panel.h"

class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;

namespace murokan::platform {

// The graph, painted by eval_graph.h; a click picks a point, PageUp and
// PageDown (or [ and ]) jump between graded moves.
class EvalGraphWidget : public QWidget {
  public:
    EvalGraphWidget(std::function<AnalysisPanelEvents*()> events,
                    std::function<bool()> input_blocked, QWidget* parent);
    void setGraph(const GraphData& d);
    const GraphData& graph() const { return data_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<AnalysisPanelEvents*()> events_;
    std::function<bool()> input_blocked_;
    GraphData data_;
};

class AnalysisPanelQt : public AnalysisPanel {
  public:
    // `input_blocked` as for the record panel: true while the game drops input.
    AnalysisPanelQt(QMainWindow& window, std::function<bool()> input_blocked);

    void setEvents(AnalysisPanelEvents* events) override { events_ = events; }
    void setVisible(bool on) override;
    bool visible() const override;
    void setText(std::string_view utf8) override;
    void setGraph(const GraphData& graph) override;
    void setProgress(int done, int total) override;

    // The widgets (for tests).
    QDockWidget* dock() const { return dock_; }
    EvalGraphWidget* graphWidget() const { return graph_; }

  private:
    AnalysisPanelEvents* events_ = nullptr;
    std::function<bool()> input_blocked_;
    QDockWidget* dock_;
    QLabel* text_;
    EvalGraphWidget* graph_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    QPushButton* copy_;
};

}  // namespace murokan::platform
