#include "platform/qt/record_box.h"

#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "platform/qt/pictures.h"

namespace murokan::platform {

namespace {

constexpr int kColumns = 5;

// A cell of the table, numbers aligned to the right as in a ledger.
QTableWidgetItem* cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

RecordBox::RecordBox(const RecordView& view, std::function<bool(RecordView&)> clear,
                     QWidget* parent)
    : QDialog(parent), clear_(std::move(clear)) {
    setWindowTitle(QString::fromStdString(view.title));
    setModal(true);
    QFont face(Pictures::minchoFamily());
    face.setPointSize(11);
    setFont(face);

    table_ = new QTableWidget(0, kColumns, this);
    table_->setHorizontalHeaderLabels({QStringLiteral("レベル"), QStringLiteral("レーティング"),
                                       QStringLiteral("勝ち"), QStringLiteral("負け"),
                                       QStringLiteral("引分")});
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rating_ = new QLabel(this);
    next_ = new QLabel(this);

    auto* erase = new QPushButton(QStringLiteral("成績を消去"), this);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setDefault(true);
    connect(erase, &QPushButton::clicked, this, [this] {
        RecordView after;
        if (clear_ && clear_(after)) show(after);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(erase);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(rating_);
    layout->addWidget(next_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    show(view);
}

void RecordBox::show(const RecordView& view) {
    table_->clearSpans();
    table_->setRowCount(0);
    for (const RecordSection& section : view.sections) {
        if (!section.heading.empty()) {
            const int at = table_->rowCount();
            table_->insertRow(at);
            QTableWidgetItem* heading = cell(QString::fromStdString(section.heading), false);
            QFont bold = font();
            bold.setBold(true);
            heading->setFont(bold);
            table_->setItem(at, 0, heading);
            table_->setSpan(at, 0, 1, kColumns);
        }
        for (const RecordRow& row : section.rows) {
            const int at = table_->rowCount();
            table_->insertRow(at);
            table_->setItem(at, 0, cell(QString::fromStdString(row.level), false));
            table_->setItem(
                at, 1, cell(row.rating ? QString::number(*row.rating) : QStringLiteral("―"), true));
            table_->setItem(at, 2, cell(QString::number(row.wins), true));
            table_->setItem(at, 3, cell(QString::number(row.losses), true));
            table_->setItem(at, 4, cell(QString::number(row.draws), true));
        }
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    // The whole table in view, so that no level hides behind a scroll bar.
    int width = 2 * table_->frameWidth();
    for (int c = 0; c < kColumns; ++c) {
        table_->setColumnWidth(c, table_->columnWidth(c) + 12);  // air between the columns
        width += table_->columnWidth(c);
    }
    int height = 2 * table_->frameWidth() + table_->horizontalHeader()->height();
    for (int r = 0; r < table_->rowCount(); ++r) height += table_->rowHeight(r);
    table_->setFixedSize(width, height);
    rating_->setText(QString::fromStdString(view.rating_line));
    next_->setText(QString::fromStdString(view.next_line));
}

}  // namespace murokan::platform
