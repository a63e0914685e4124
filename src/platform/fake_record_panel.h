// The record panel without widgets, for the tests and murokan-script. It keeps
// what the real panel would show and lists real folders, and it lets a script
// act as the user: choose a drive or folder, click a file, type, press RETURN.
// A hidden control cannot be used, as on the screen.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/record_panel.h"

namespace murokan::platform {

class FakeRecordPanel : public RecordPanel {
  public:
    // Starts on the first volume of list_volumes() (the home folder), all hidden.
    FakeRecordPanel();
    // Starts with the given drive list and Dir1/File1 on `start_dir`.
    FakeRecordPanel(std::vector<std::string> drives, std::string start_dir);

    // ------------------------------------------------------------ RecordPanel
    void setEvents(RecordPanelEvents* events) override { events_ = events; }
    void setVisible(PanelItem item, bool on) override { visible_[item] = on; }
    bool visible(PanelItem item) const override;
    std::string text(PanelItem box) const override;
    void setText(PanelItem box, std::string_view utf8) override;
    std::string drive() const override { return drive_; }
    void setDrive(std::string_view root) override { drive_ = root; }
    std::string dirPath() const override { return dir_; }
    bool setDirPath(std::string_view path) override;
    std::string filePath() const override { return file_path_; }
    void setFilePath(std::string_view path) override;
    std::string fileName() const override { return file_name_; }
    void refreshFiles() override;

    // ------------------------------------------------------------ the user's side
    // Each returns false, doing nothing, when the control is hidden or the
    // choice is not in its list. Text boxes take the text as typed.
    bool chooseDrive(std::string_view root);
    bool chooseFolder(std::string_view path);  // moves Dir1 to the folder
    bool clickFile(std::string_view name);
    bool type(PanelItem box, std::string_view utf8);
    bool pressReturn();

    // What the lists show now.
    const std::vector<std::string>& drives() const { return drives_; }
    const std::vector<std::string>& folders() const { return folders_; }
    const std::vector<std::string>& files() const { return files_; }

  private:
    RecordPanelEvents* events_ = nullptr;
    std::map<PanelItem, bool> visible_;
    std::map<PanelItem, std::string> texts_;
    std::vector<std::string> drives_;
    std::string drive_;
    std::string dir_;
    std::vector<std::string> folders_;
    std::string file_path_;
    std::string file_name_;
    std::vector<std::string> files_;
};

// True for Text1..Text4.
bool is_text_box(PanelItem item);

}  // namespace murokan::platform
