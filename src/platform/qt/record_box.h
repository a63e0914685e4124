// The box 成績: the player's games level by level in a table, the estimated
// rating and the level to try next under it, and the buttons 成績を消去 and
// 閉じる.
#pragma once

#include <QDialog>
#include <functional>

#include "platform/record_box.h"

class QLabel;
class QTableWidget;

namespace murokan::platform {

class RecordBox : public QDialog {
    Q_OBJECT
  public:
    // `clear` is run by 成績を消去; when it answers true, the box shows the
    // view it filled in.
    RecordBox(const RecordView& view, std::function<bool(RecordView&)> clear,
              QWidget* parent = nullptr);

  private:
    // Puts `view` in the table and the lines under it.
    void show(const RecordView& view);

    std::function<bool(RecordView&)> clear_;
    QTableWidget* table_;
    QLabel* rating_;
    QLabel* next_;
};

}  // namespace murokan::platform
