// The window's box 成績: what the player reads in its table, and its button
// that refreshes the table once the game has cleared the record.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "platform/qt/record_box.h"
#include "qt_test_app.h"

namespace murokan::platform {
namespace {

RecordView view(int wins, bool handicap) {
    RecordView v{"成績", {{"", {{"LEVEL3", 0, 0, 0, 0}, {"LEVEL4", 191, wins, 2, 1}}}}, "R", "N"};
    if (handicap) v.sections.push_back({"ﾊﾝﾃﾞｨｷｬｯﾌﾟ戦", {{"LEVEL5", 318, 1, 0, 0}}});
    return v;
}

// The table's rows as "a|b|c|d|e", empty cells left empty.
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
    for (const bool cleared : {false, true}) {
        int asked = 0;
        RecordBox box(view(5, true), [&](RecordView& after) {
            ++asked;
            if (cleared) after = view(0, false);
            return cleared;
        });
        EXPECT_EQ(box.windowTitle().toStdString(), "成績");
        const std::vector<std::string> before = {"LEVEL3|―|0|0|0", "LEVEL4|191|5|2|1",
                                                 "ﾊﾝﾃﾞｨｷｬｯﾌﾟ戦||||", "LEVEL5|318|1|0|0"};
        EXPECT_EQ(rows(box), before);
        for (QPushButton* b : box.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("成績を消去")) b->click();
        EXPECT_EQ(asked, 1);
        const std::vector<std::string> empty = {"LEVEL3|―|0|0|0", "LEVEL4|191|0|2|1"};
        EXPECT_EQ(rows(box), cleared ? empty : before);
    }
}

}  // namespace
}  // namespace murokan::platform
