// The window's box 成績: the table the player reads, refreshed by its button
// only once the game has cleared the record.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>

#include "platform/qt/record_box.h"
#include "qt_test_app.h"

namespace murokan::platform {
namespace {

// The table's rows as "a|b|c|d|e".
std::vector<std::string> rows(const RecordBox& box) {
    const auto* t = box.findChild<QTableWidget*>();
    std::vector<std::string> out;
    for (int r = 0; r < t->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < t->columnCount(); ++c)
            cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
        out.push_back(cells.join('|').toStdString());
    }
    return out;
}

TEST(RecordBox, ShowsTheTableAndRefreshesItOnlyWhenCleared) {
    test::ensureQtApp();
    const RecordView full{"成績",
                          {{"", {{"LEVEL3", {}, 0, 0, 0}, {"LEVEL4", 191, 5, 2, 1}}},
                           {"ﾊﾝﾃﾞｨｷｬｯﾌﾟ戦", {{"LEVEL5", 318, 1, 0, 0}}}},
                          "R",
                          "N"};
    const RecordView empty{
        "成績", {{"", {{"LEVEL3", {}, 0, 0, 0}, {"LEVEL4", 191, 0, 0, 0}}}}, "R", "N"};
    using Rows = std::vector<std::string>;
    const Rows before = {"LEVEL3|―|0|0|0", "LEVEL4|191|5|2|1", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ戦||||",
                         "LEVEL5|318|1|0|0"};
    const Rows after = {"LEVEL3|―|0|0|0", "LEVEL4|191|0|0|0"};
    for (const bool cleared : {false, true}) {
        RecordBox box(full, [&](RecordView& after) {
            if (cleared) after = empty;
            return cleared;
        });
        EXPECT_EQ(box.windowTitle().toStdString(), "成績");
        EXPECT_EQ(rows(box), before);
        for (QPushButton* b : box.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("成績を消去")) b->click();
        EXPECT_EQ(rows(box), cleared ? after : before);
    }
}

}  // namespace
}  // namespace murokan::platform
