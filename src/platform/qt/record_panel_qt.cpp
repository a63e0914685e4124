#include "platform/qt/record_panel_qt.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "platform/volumes.h"

namespace murokan::platform {

namespace {

QString q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
std::string s(const QString& text) {
    return text.toUtf8().toStdString();
}

// A text box keeps every key typed into it: none reaches the window (Esc
// would end the program in the middle of typing a name) or triggers a menu
// item's shortcut (Home and the arrows move the cursor here).
class TextBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride) {
            e->accept();
            return true;
        }
        return QLineEdit::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        QLineEdit::keyPressEvent(e);
        e->accept();
    }
};

// Keys with which the lists and the drive box move their current row; they
// stay in those controls rather than trigger the menu items they name.
bool movesInList(const QKeyEvent& e) {
    switch (e.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
    }
}

// The Dir1 rows that are not subfolders: the folder itself and the way up.
constexpr int kRoleFolder = Qt::UserRole;    // full path of the row's folder
constexpr int kRoleKind = Qt::UserRole + 1;  // 0 current, 1 up, 2 subfolder

// The boxes in the order of texts_.
constexpr PanelItem kTextItems[] = {PanelItem::Text1, PanelItem::Text2, PanelItem::Text3,
                                    PanelItem::Text4};

}  // namespace

RecordPanelQt::RecordPanelQt(CanvasWidget& host, std::function<bool()> input_blocked)
    : host_(host), input_blocked_(std::move(input_blocked)) {
    drive_ = new QComboBox(&host);
    for (const std::string& v : list_volumes()) drive_->addItem(q(v), q(v));
    dir_list_ = new QListWidget(&host);
    file_list_ = new QListWidget(&host);
    for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i] = new QLabel(&host);
    for (std::size_t i = 0; i < texts_.size(); ++i) texts_[i] = new TextBox(&host);
    return_ = new QPushButton(&host);
    for (const PanelPlace& p : PANEL_PLACES) {
        if (auto* label = qobject_cast<QLabel*>(widget(p.item))) label->setText(q(p.caption));
        if (p.item == PanelItem::Command1) return_->setText(q(p.caption));
    }
    for (QLabel* l : labels_) l->setStyleSheet("QLabel { color: white; background: transparent; }");

    // `activated` comes only from the user, never from setDrive.
    connect(drive_, &QComboBox::activated, this, &RecordPanelQt::driveChosen);
    connect(dir_list_, &QListWidget::itemActivated, this, &RecordPanelQt::folderActivated);
    connect(file_list_, &QListWidget::itemClicked, this, &RecordPanelQt::fileClicked);
    connect(return_, &QPushButton::clicked, this, &RecordPanelQt::returnPressed);
    // Only the user's edits, never setText. Not held back while the game
    // animates: the box takes the keys all the same, and Form1 only tidies it.
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        connect(texts_[i], &QLineEdit::textEdited, this, [this, i] {
            if (events_) events_->Text_Change(kTextItems[i]);
        });
    }

    const std::string start = drive_->count() > 0 ? s(drive_->itemData(0).toString()) : "/";
    if (!setDirPath(start)) setDirPath("/");
    setFilePath(dir_);
    for (const PanelPlace& p : PANEL_PLACES) widget(p.item)->hide();
    host_.installEventFilter(this);
    for (QWidget* w : {static_cast<QWidget*>(drive_), static_cast<QWidget*>(dir_list_),
                       static_cast<QWidget*>(file_list_)}) {
        w->installEventFilter(this);
    }
    relayout();
}

QWidget* RecordPanelQt::widget(PanelItem item) const {
    switch (item) {
        case PanelItem::Drive1:
            return drive_;
        case PanelItem::Dir1:
            return dir_list_;
        case PanelItem::File1:
            return file_list_;
        case PanelItem::Label1_0:
            return labels_[0];
        case PanelItem::Label1_1:
            return labels_[1];
        case PanelItem::Label1_2:
            return labels_[2];
        case PanelItem::Label1_3:
            return labels_[3];
        case PanelItem::Text1:
            return texts_[0];
        case PanelItem::Text2:
            return texts_[1];
        case PanelItem::Text3:
            return texts_[2];
        case PanelItem::Text4:
            return texts_[3];
        case PanelItem::Command1:
            return return_;
    }
    return nullptr;
}

QLineEdit* RecordPanelQt::box(PanelItem item) const {
    return qobject_cast<QLineEdit*>(widget(item));
}

void RecordPanelQt::setVisible(PanelItem item, bool on) {
    widget(item)->setVisible(on);
}

bool RecordPanelQt::visible(PanelItem item) const {
    return !widget(item)->isHidden();
}

std::string RecordPanelQt::text(PanelItem item) const {
    const QLineEdit* b = box(item);
    return b ? s(b->text()) : std::string();
}

void RecordPanelQt::setText(PanelItem item, std::string_view utf8) {
    QLineEdit* b = box(item);
    if (!b) return;
    const QString text = q(utf8);
    if (b->text() == text) return;
    const int caret = b->cursorPosition();
    b->setText(text);
    b->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
}

std::string RecordPanelQt::drive() const {
    return s(drive_->currentData().toString());
}

void RecordPanelQt::setDrive(std::string_view root) {
    int index = drive_->findData(q(root));
    if (index < 0) {
        drive_->addItem(q(root), q(root));
        index = drive_->count() - 1;
    }
    drive_->setCurrentIndex(index);
}

bool RecordPanelQt::setDirPath(std::string_view path) {
    const auto folders = list_folders(path);
    if (!folders) return false;
    dir_ = path;
    dir_list_->clear();
    auto add = [&](const QString& shown, const std::string& folder, int kind) {
        auto* item = new QListWidgetItem(shown, dir_list_);
        item->setData(kRoleFolder, q(folder));
        item->setData(kRoleKind, kind);
        if (kind == 0) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
    };
    add(q(dir_), dir_, 0);
    if (parent_path(dir_) != dir_) add(QStringLiteral(".."), parent_path(dir_), 1);
    for (const std::string& name : *folders) add(q(name + "/"), join_path(dir_, name), 2);
    return true;
}

void RecordPanelQt::setFilePath(std::string_view path) {
    file_path_ = path;
    file_name_.clear();
    refreshFiles();
}

void RecordPanelQt::refreshFiles() {
    file_list_->clear();
    for (const std::string& name : list_records(file_path_)) file_list_->addItem(q(name));
}

void RecordPanelQt::driveChosen(int) {
    if (input_blocked_ && input_blocked_()) return;
    if (events_) events_->Drive1_Change();
}

void RecordPanelQt::folderActivated(QListWidgetItem* item) {
    if (input_blocked_ && input_blocked_()) return;
    if (!item || item->data(kRoleKind).toInt() == 0) return;
    if (!setDirPath(s(item->data(kRoleFolder).toString()))) return;
    if (events_) events_->Dir1_Change();
}

void RecordPanelQt::fileClicked(QListWidgetItem* item) {
    if (input_blocked_ && input_blocked_()) return;
    if (!item) return;
    file_name_ = s(item->text());
    if (events_) events_->File1_Click();
}

void RecordPanelQt::returnPressed() {
    if (input_blocked_ && input_blocked_()) return;
    if (events_) events_->Command1_Click();
}

bool RecordPanelQt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &host_ && event->type() == QEvent::Resize) relayout();
    if (watched != &host_ && event->type() == QEvent::ShortcutOverride &&
        movesInList(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void RecordPanelQt::relayout() {
    const CanvasPlacement pl = host_.placement();
    const double per_twip = pl.scale / kTwipsPerPixel;  // widget units per twip
    // The window's 9-point face is 180 twips; a little less fits the boxes.
    QFont font = host_.font();
    font.setPixelSize(std::max(6, static_cast<int>(std::lround(150 * per_twip))));
    for (const PanelPlace& p : PANEL_PLACES) {
        QWidget* w = widget(p.item);
        const int x = static_cast<int>(std::lround(pl.fromTwipsX(p.left)));
        const int y = static_cast<int>(std::lround(pl.fromTwipsY(p.top)));
        const int wd = std::max(1, static_cast<int>(std::lround(p.width * per_twip)));
        // A combo box keeps at least the height its font needs.
        const int ht = std::max(1, static_cast<int>(std::lround(p.height * per_twip)));
        w->setFont(font);
        w->setGeometry(x, y, wd, ht);
    }
}

}  // namespace murokan::platform
