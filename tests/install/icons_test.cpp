// The icons the build drew and the install put in the hicolor theme: each size
// the desktop asks for is there, at its size, and shows a piece on wood.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>

#include "platform/qt/app_icon.h"

namespace {

using murokan::platform::kIconSizes;

TEST(InstalledIcons, EachSizeShowsTheKomaOnWood) {
    for (int want : {16, 32, 48, 64, 128, 256})
        EXPECT_NE(std::find(kIconSizes.begin(), kIconSizes.end(), want), kIconSizes.end()) << want;
    for (int size : kIconSizes) {
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png")
                                 .arg(QStringLiteral(MUROKAN_INSTALLED_ICONS))
                                 .arg(size)
                                 .arg(QStringLiteral(MUROKAN_APP_ID));
        const QImage img(path);
        ASSERT_FALSE(img.isNull()) << "missing or unreadable: " << path.toStdString();
        EXPECT_EQ(img.width(), size);
        EXPECT_EQ(img.height(), size);
        int opaque = 0, wood = 0, ink = 0, darkest = 255;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c.alpha() < 250) continue;
                ++opaque;
                darkest = std::min(darkest, c.lightness());
                if (c.red() > 190 && c.green() > 140 && c.blue() < 170) ++wood;
                if (c.lightness() < 70) ++ink;
            }
        const int area = size * size;
        EXPECT_LT(img.pixelColor(0, 0).alpha(), 64) << size << ": the corners stay clear";
        EXPECT_GT(opaque, area * 3 / 4) << size;
        EXPECT_GT(wood, area / 3) << size << ": too little wood";
        // Even the smallest shows the rim and the kanji darker than the wood.
        EXPECT_LT(darkest, 120) << size;
        if (size >= 48) {
            EXPECT_GT(ink, area / 50) << size << ": no kanji";
        }
    }
}

}  // namespace
