// The record panel at the left of the main window: a drive list, a directory
// list and a "*.棋譜" file list, four captioned text boxes and the "RETURN"
// button. Form1 opens, fills and reads it through this interface; the Qt
// widgets serve the real window and the recording fake serves the tests and
// murokan-script.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace murokan::platform {

// The panel's controls, by control name. Label1_n is the caption array Label1(n).
enum class PanelItem : std::uint8_t {
    Drive1,
    Dir1,
    File1,
    Label1_0,  // "ﾌｧｲﾙ名 ：", caption of Text1
    Label1_1,  // "後    手 ：", caption of Text4
    Label1_2,  // "先    手 ：", caption of Text3
    Label1_3,  // "対 局 名：", caption of Text2
    Text1,     // file name without folder and extension
    Text2,     // game name
    Text3,     // name of the player who moves first
    Text4,     // name of the player who moves second
    Command1,  // "RETURN"
};

// Where each control sits on the window, in twips, and what it shows.
struct PanelPlace {
    PanelItem item;
    int left, top, width, height;
    std::string_view caption;  // labels and the button; empty for the others
};

inline constexpr PanelPlace PANEL_PLACES[] = {
    {PanelItem::Drive1, 240, 360, 2535, 300, ""},
    {PanelItem::Dir1, 240, 600, 2535, 1710, ""},
    {PanelItem::File1, 240, 2280, 2535, 930, ""},
    {PanelItem::Label1_3, 120, 2400, 855, 255, "対 局 名："},
    {PanelItem::Label1_2, 120, 2640, 855, 255, "先    手 ："},
    {PanelItem::Label1_1, 120, 2880, 855, 255, "後    手 ："},
    {PanelItem::Label1_0, 120, 3120, 855, 255, "ﾌｧｲﾙ名 ："},
    {PanelItem::Text2, 960, 2400, 2295, 270, ""},
    {PanelItem::Text3, 960, 2640, 2295, 270, ""},
    {PanelItem::Text4, 960, 2880, 2295, 270, ""},
    {PanelItem::Text1, 960, 3120, 2295, 270, ""},
    {PanelItem::Command1, 3360, 3000, 855, 375, "RETURN"},
};

// The file list shows only record files.
inline constexpr std::string_view RECORD_PATTERN = "*.棋譜";
inline constexpr std::string_view RECORD_EXTENSION = ".棋譜";

// What the user does on the panel, delivered to Form1. A change made by Form1
// itself through RecordPanel does not come back here.
class RecordPanelEvents {
  public:
    virtual ~RecordPanelEvents() = default;
    virtual void Drive1_Change() = 0;   // a drive was chosen in Drive1
    virtual void Dir1_Change() = 0;     // the user moved Dir1 to another folder
    virtual void File1_Click() = 0;     // a file was chosen in File1
    virtual void Command1_Click() = 0;  // "RETURN" was pressed
    // The user changed what Text1..Text4 `box` holds (typing, pasting).
    virtual void Text_Change(PanelItem box) = 0;
};

class RecordPanel {
  public:
    virtual ~RecordPanel() = default;
    // Where the user's actions go; null for nowhere.
    virtual void setEvents(RecordPanelEvents* events) = 0;

    virtual void setVisible(PanelItem item, bool on) = 0;
    virtual bool visible(PanelItem item) const = 0;

    // Contents of Text1..Text4 (UTF-8); other items have none. setText keeps
    // the caret where it was, as far as the new text allows.
    virtual std::string text(PanelItem box) const = 0;
    virtual void setText(PanelItem box, std::string_view utf8) = 0;

    // Drive1: the root folder of the chosen volume. setDrive only moves the
    // selection back (after a failed change) and reports nothing.
    virtual std::string drive() const = 0;
    virtual void setDrive(std::string_view root) = 0;

    // Dir1: the folder shown. Moving it lists that folder; when the folder
    // cannot be read the list keeps its previous folder and false is returned.
    virtual std::string dirPath() const = 0;
    virtual bool setDirPath(std::string_view path) = 0;

    // File1: the folder whose record files are listed, and the chosen file's
    // name ("" when none).
    virtual std::string filePath() const = 0;
    virtual void setFilePath(std::string_view path) = 0;
    virtual std::string fileName() const = 0;
    // Lists File1's folder again (after a record was written there).
    virtual void refreshFiles() = 0;
};

}  // namespace murokan::platform
