// The evaluation graph as painted: a point for every position, wherever the
// line runs, at any size and pixel ratio.
#include "platform/qt/eval_graph.h"

#include <gtest/gtest.h>

#include "qt_test_app.h"

namespace murokan::platform {
namespace {

TEST(EvalGraphTest, HoldsAPointForEveryPosition) {
    test::ensureQtApp();
    GraphData d;
    for (int i = 0; i < 41; ++i) {
        d.win.push_back(i % 7 == 0 ? 2.0 : 50 + 45 * ((i % 5) - 2) / 2.0);
        d.grade.push_back(static_cast<std::uint8_t>(i % 5));
    }
    for (const qreal ratio : {1.0, 2.0}) {
        const QSize size(400, 160);
        const QImage image = evalGraphImage(d, size, ratio);
        const QColor plate = image.pixelColor(1, 1);
        const QRectF area(QPointF(0, 0), QSizeF(size));
        for (int i = 0; i < static_cast<int>(d.win.size()); ++i) {
            const QPointF at = evalGraphPoint(area, d, i) * ratio;
            EXPECT_NE(image.pixelColor(at.toPoint()), plate) << "point " << i << " ratio " << ratio;
            EXPECT_EQ(evalGraphPly(area, d, at.x() / ratio), i);
        }
    }
}

}  // namespace
}  // namespace murokan::platform
