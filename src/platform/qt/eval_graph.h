// The evaluation graph as it is painted, in the window's panel and in the
// driver's picture alike: 先手's win percentage over the moves on a light
// plate of its own (so it reads the same on every background of the
// window), a dot for every position, graded moves marked larger in the
// grade's colour, and a line through the position on the board. Drawn as
// vectors, so it is crisp at any size and pixel ratio.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include "platform/analysis_panel.h"

namespace murokan::platform {

// Paints the graph of `d` filling `area`.
void paintEvalGraph(QPainter& p, const QRectF& area, const GraphData& d);
// Where position `ply` of `d` is drawn in `area`.
QPointF evalGraphPoint(const QRectF& area, const GraphData& d, int ply);
// The position whose point lies nearest to x in `area`, -1 when there is none.
int evalGraphPly(const QRectF& area, const GraphData& d, double x);
// The graph alone as a picture of `size` logical pixels at `ratio` device
// pixels each.
QImage evalGraphImage(const GraphData& d, QSize size, qreal ratio = 1.0);

}  // namespace murokan::platform
