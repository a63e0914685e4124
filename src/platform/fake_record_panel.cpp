#include "platform/fake_record_panel.h"

#include <algorithm>

#include "platform/volumes.h"

namespace murokan::platform {

bool is_text_box(PanelItem item) {
    return item == PanelItem::Text1 || item == PanelItem::Text2 || item == PanelItem::Text3 ||
           item == PanelItem::Text4;
}

FakeRecordPanel::FakeRecordPanel() : FakeRecordPanel(list_volumes(), std::string()) {}

FakeRecordPanel::FakeRecordPanel(std::vector<std::string> drives, std::string start_dir)
    : drives_(std::move(drives)) {
    if (!drives_.empty()) drive_ = drives_.front();
    if (start_dir.empty()) start_dir = drive_.empty() ? "/" : drive_;
    if (!setDirPath(start_dir)) dir_ = start_dir;
    setFilePath(dir_);
}

bool FakeRecordPanel::visible(PanelItem item) const {
    auto it = visible_.find(item);
    return it != visible_.end() && it->second;
}

std::string FakeRecordPanel::text(PanelItem box) const {
    auto it = texts_.find(box);
    return it == texts_.end() ? std::string() : it->second;
}

void FakeRecordPanel::setText(PanelItem box, std::string_view utf8) {
    if (is_text_box(box)) texts_[box] = utf8;
}

bool FakeRecordPanel::setDirPath(std::string_view path) {
    auto folders = list_folders(path);
    if (!folders) return false;
    dir_ = path;
    folders_ = std::move(*folders);
    return true;
}

void FakeRecordPanel::setFilePath(std::string_view path) {
    file_path_ = path;
    file_name_.clear();
    refreshFiles();
}

void FakeRecordPanel::refreshFiles() {
    files_ = list_records(file_path_);
}

bool FakeRecordPanel::chooseDrive(std::string_view root) {
    if (!visible(PanelItem::Drive1)) return false;
    if (std::find(drives_.begin(), drives_.end(), root) == drives_.end()) return false;
    drive_ = root;
    if (events_) events_->Drive1_Change();
    return true;
}

bool FakeRecordPanel::chooseFolder(std::string_view path) {
    if (!visible(PanelItem::Dir1)) return false;
    if (!setDirPath(path)) return false;
    if (events_) events_->Dir1_Change();
    return true;
}

bool FakeRecordPanel::clickFile(std::string_view name) {
    if (!visible(PanelItem::File1)) return false;
    if (std::find(files_.begin(), files_.end(), name) == files_.end()) return false;
    file_name_ = name;
    if (events_) events_->File1_Click();
    return true;
}

bool FakeRecordPanel::type(PanelItem box, std::string_view utf8) {
    if (!is_text_box(box) || !visible(box)) return false;
    texts_[box] = utf8;
    if (events_) events_->Text_Change(box);
    return true;
}

bool FakeRecordPanel::pressReturn() {
    if (!visible(PanelItem::Command1)) return false;
    if (events_) events_->Command1_Click();
    return true;
}

}  // namespace murokan::platform
