// The record panel as Qt widgets laid over the canvas widget: each control
// sits at its twips position through the canvas transform, so the panel
// scales and moves with the window like the drawing beneath it.
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <string>

#include "platform/qt/canvas_widget.h"
#include "platform/record_panel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

namespace murokan::platform {

class RecordPanelQt : public QObject, public RecordPanel {
    Q_OBJECT
  public:
    // `input_blocked` answers true while the user's input must be dropped (an
    // animation of the game is running). Starts with every control hidden, on
    // the first volume (the home folder).
    RecordPanelQt(CanvasWidget& host, std::function<bool()> input_blocked);

    void setEvents(RecordPanelEvents* events) override { events_ = events; }
    void setVisible(PanelItem item, bool on) override;
    bool visible(PanelItem item) const override;
    std::string text(PanelItem box) const override;
    void setText(PanelItem box, std::string_view utf8) override;
    std::string drive() const override;
    void setDrive(std::string_view root) override;
    std::string dirPath() const override { return dir_; }
    bool setDirPath(std::string_view path) override;
    std::string filePath() const override { return file_path_; }
    void setFilePath(std::string_view path) override;
    std::string fileName() const override { return file_name_; }
    void refreshFiles() override;

    // The widget of a control (for tests).
    QWidget* widget(PanelItem item) const;

  protected:
    // Follows the canvas widget's size; keeps the keys that move through the
    // lists inside them.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void relayout();
    void driveChosen(int index);
    void folderActivated(QListWidgetItem* item);
    void fileClicked(QListWidgetItem* item);
    void returnPressed();
    QLineEdit* box(PanelItem item) const;

    CanvasWidget& host_;
    std::function<bool()> input_blocked_;
    RecordPanelEvents* events_ = nullptr;
    QComboBox* drive_ = nullptr;
    QListWidget* dir_list_ = nullptr;
    QListWidget* file_list_ = nullptr;
    std::array<QLabel*, 4> labels_{};    // Label1(0..3)
    std::array<QLineEdit*, 4> texts_{};  // Text1..Text4
    QPushButton* return_ = nullptr;
    std::string dir_;
    std::string file_path_;
    std::string file_name_;
};

}  // namespace murokan::platform
