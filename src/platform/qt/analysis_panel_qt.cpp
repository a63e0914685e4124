#include "platform/qt/analysis_panel_qt.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/eval_graph.h"

namespace murokan::platform {

EvalGraphWidget::EvalGraphWidget(std::function<AnalysisPanelEvents*()> events,
                                 std::function<bool()> input_blocked, QWidget* parent)
    : QWidget(parent), events_(std::move(events)), input_blocked_(std::move(input_blocked)) {
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(200, 140);
    setMaximumHeight(320);
    setToolTip(QStringLiteral("クリックでその局面へ、PageUp/PageDown で前後の指摘手へ"));
}

void EvalGraphWidget::setGraph(const GraphData& d) {
    data_ = d;
    setVisible(!d.win.empty());
    update();
}

void EvalGraphWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintEvalGraph(p, QRectF(rect()), data_);
}

void EvalGraphWidget::mousePressEvent(QMouseEvent* event) {
    AnalysisPanelEvents* e = events_();
    if (e == nullptr || input_blocked_() || event->button() != Qt::LeftButton) return;
    const int ply = evalGraphPly(QRectF(rect()), data_, event->position().x());
    if (ply >= 0) e->graphClicked(ply);
}

void EvalGraphWidget::keyPressEvent(QKeyEvent* event) {
    AnalysisPanelEvents* e = events_();
    int step = 0;
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_BracketLeft) step = -1;
    if (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_BracketRight) step = 1;
    if (step == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (e != nullptr && !input_blocked_()) e->graphStep(step);
}

AnalysisPanelQt::AnalysisPanelQt(QMainWindow& window, std::function<bool()> input_blocked)
    : input_blocked_(std::move(input_blocked)) {
    dock_ = new QDockWidget(QStringLiteral("検討・棋譜解析"), &window);
    dock_->setObjectName(QStringLiteral("ANALYSIS"));
    dock_->setFeatures(QDockWidget::DockWidgetMovable);
    auto* body = new QWidget(dock_);
    auto* column = new QVBoxLayout(body);
    text_ = new QLabel(body);
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setMinimumWidth(280);
    QFont font = text_->font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    text_->setFont(font);
    graph_ = new EvalGraphWidget([this] { return events_; }, input_blocked_, body);
    graph_->setVisible(false);
    auto* row = new QHBoxLayout;
    bar_ = new QProgressBar(body);
    cancel_ = new QPushButton(QStringLiteral("中止"), body);
    copy_ = new QPushButton(QStringLiteral("解析をコピー"), body);
    row->addWidget(bar_, 1);
    row->addWidget(cancel_);
    column->addWidget(text_);
    column->addWidget(graph_);
    column->addLayout(row);
    column->addWidget(copy_);
    column->addStretch(1);
    bar_->setVisible(false);
    cancel_->setVisible(false);
    copy_->setVisible(false);
    QObject::connect(cancel_, &QPushButton::clicked, [this] {
        if (events_ && !input_blocked_()) events_->cancelClicked();
    });
    QObject::connect(copy_, &QPushButton::clicked, [this] {
        if (events_ && !input_blocked_()) events_->copyClicked();
    });
    dock_->setWidget(body);
    window.addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->setVisible(false);
}

void AnalysisPanelQt::setVisible(bool on) {
    dock_->setVisible(on);
}

bool AnalysisPanelQt::visible() const {
    return dock_->isVisible();
}

void AnalysisPanelQt::setText(std::string_view utf8) {
    text_->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void AnalysisPanelQt::setGraph(const GraphData& graph) {
    graph_->setGraph(graph);
    copy_->setVisible(!graph.win.empty());
}

void AnalysisPanelQt::setProgress(int done, int total) {
    bar_->setVisible(total > 0);
    cancel_->setVisible(total > 0);
    if (total > 0) {
        bar_->setRange(0, total);
        bar_->setValue(done);
    }
}

}  // namespace murokan::platform
