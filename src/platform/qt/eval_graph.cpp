#include "platform/qt/eval_graph.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace murokan::platform {

namespace {

constexpr double kMargin = 0.06;  // of the height, above and below the plot
constexpr double kLeft = 30;      // room for the percentages, logical pixels
const QColor kPlate(250, 248, 240);
const QColor kInk(40, 40, 40);
const QColor kSente(70, 110, 170);
// 緩手, 疑問手, 悪手, 大悪手: from a mild amber to a deep red.
const QColor kGrades[] = {QColor(230, 180, 40), QColor(240, 130, 30), QColor(220, 50, 40),
                          QColor(140, 0, 60)};

QRectF plot_of(const QRectF& area) {
    const double m = area.height() * kMargin;
    return area.adjusted(kLeft, m, -8, -m);
}

}  // namespace

QPointF evalGraphPoint(const QRectF& area, const GraphData& d, int ply) {
    const QRectF plot = plot_of(area);
    const int n = static_cast<int>(d.win.size());
    const double x = n <= 1 ? plot.left() : plot.left() + plot.width() * ply / (n - 1);
    const double win = ply >= 0 && ply < n ? std::clamp(d.win[ply], 0.0, 100.0) : 50.0;
    return {x, plot.bottom() - plot.height() * win / 100.0};
}

int evalGraphPly(const QRectF& area, const GraphData& d, double x) {
    const int n = static_cast<int>(d.win.size());
    if (n == 0) return -1;
    const QRectF plot = plot_of(area);
    if (n == 1 || plot.width() <= 0) return 0;
    const double t = (x - plot.left()) / plot.width() * (n - 1);
    return std::clamp(static_cast<int>(std::lround(t)), 0, n - 1);
}

void paintEvalGraph(QPainter& p, const QRectF& area, const GraphData& d) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(area, kPlate);
    const QRectF plot = plot_of(area);
    QFont font = p.font();
    font.setPixelSize(std::clamp(static_cast<int>(area.height() / 16), 8, 12));
    p.setFont(font);
    // The 50% line solid, 25% and 75% dotted, each named at the left.
    for (const int level : {0, 25, 50, 75, 100}) {
        const double y = plot.bottom() - plot.height() * level / 100.0;
        p.setPen(QPen(QColor(150, 150, 150), level == 50 ? 1.2 : 0.8,
                      level == 50 || level == 0 || level == 100 ? Qt::SolidLine : Qt::DotLine));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(kInk);
        p.drawText(QRectF(area.left(), y - 8, kLeft - 3, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(level));
    }
    const int n = static_cast<int>(d.win.size());
    if (n > 0) {
        // 先手's share shaded below the line.
        QPainterPath line, shade;
        for (int i = 0; i < n; ++i) {
            const QPointF pt = evalGraphPoint(area, d, i);
            if (i == 0) {
                line.moveTo(pt);
                shade.moveTo(pt.x(), plot.bottom());
            }
            if (i > 0) line.lineTo(pt);
            shade.lineTo(pt);
        }
        shade.lineTo(evalGraphPoint(area, d, n - 1).x(), plot.bottom());
        shade.closeSubpath();
        QColor fill = kSente;
        fill.setAlpha(50);
        p.fillPath(shade, fill);
        p.setPen(QPen(kSente, 1.6));
        p.drawPath(line);
        if (d.current >= 0 && d.current < n) {
            const double x = evalGraphPoint(area, d, d.current).x();
            p.setPen(QPen(kInk, 1.0, Qt::DashLine));
            p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
        const double dot = std::clamp(plot.width() / n / 3, 1.5, 3.0);
        for (int i = 0; i < n; ++i) {
            const QPointF pt = evalGraphPoint(area, d, i);
            const int g = i < static_cast<int>(d.grade.size()) ? d.grade[i] : 0;
            if (g >= 1 && g <= 4) {
                p.setPen(QPen(kInk, 1.0));
                p.setBrush(kGrades[g - 1]);
                p.drawEllipse(pt, dot + 1.5 + g * 0.5, dot + 1.5 + g * 0.5);
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(kSente.darker(150));
                p.drawEllipse(pt, dot, dot);
            }
        }
    }
    p.setPen(kInk);
    p.drawText(plot.adjusted(4, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("先手"));
    p.drawText(plot.adjusted(4, 0, 0, -2), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("後手"));
    p.restore();
}

QImage evalGraphImage(const GraphData& d, QSize size, qreal ratio) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter p(&image);
    paintEvalGraph(p, QRectF(QPointF(0, 0), QSizeF(size)), d);
    p.end();
    return image;
}

}  // namespace murokan::platform
