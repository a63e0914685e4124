// A started program with the record panel attached, running in a folder of its
// own: the settings file and the record files it writes land there, so tests
// running side by side never share them.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "flow_fixture.h"
#include "platform/fake_record_panel.h"

namespace murokan::test {

// Makes a fresh folder the current directory for its lifetime.
class ScratchFolder {
  public:
    ScratchFolder() : previous_(std::filesystem::current_path()) {
        std::string tmpl =
            (std::filesystem::temp_directory_path() / "murokan-flow-XXXXXX").string();
        if (mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = tmpl;
        std::filesystem::current_path(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline std::string read_bytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void write_bytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

// The settings file's lines in CP932, spelled byte by byte.
namespace ini {
inline const std::string HAIKEI = "\x94\x77\x8c\x69\x89\xe6";          // 背景画
inline const std::string SHIDOU = "\x88\xda\x93\xae\x8e\x77\x93\xb1";  // 移動指導
inline const std::string KEIKA = "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4";   // 経過時間
inline const std::string MIDORI = "\x97\xce";                          // 緑
inline const std::string TAKE = "\x92\x7c";                            // 竹
inline const std::string RENGA = "\x97\xf9\x8a\xa2";                   // 煉瓦
inline std::string file(const std::string& haikei, bool shidou, bool keika, bool bgm) {
    std::string s;
    if (!haikei.empty()) s += HAIKEI + "=" + haikei + "\r\n";
    s += SHIDOU + (shidou ? "=ON\r\n" : "=OFF\r\n");
    s += KEIKA + (keika ? "=ON\r\n" : "=OFF\r\n");
    s += std::string("BGM=") + (bgm ? "ON\r\n" : "OFF\r\n");
    return s;
}
inline const std::string DEFAULTS = file(MIDORI, false, true, true);
}  // namespace ini

class PanelTest : public FlowTest {
  protected:
    PanelTest() : panel({scratch.path().string()}, scratch.path().string()) {
        form.attachRecordPanel(panel);
    }

    std::filesystem::path ini_path() const { return scratch.path() / "Murokan.ini"; }

    // Whether each record-panel control is shown, as one string: drive, dir,
    // file lists, then the four text boxes, the four captions and RETURN.
    std::string shown() const {
        using platform::PanelItem;
        const PanelItem order[] = {PanelItem::Drive1,   PanelItem::Dir1,     PanelItem::File1,
                                   PanelItem::Text1,    PanelItem::Text2,    PanelItem::Text3,
                                   PanelItem::Text4,    PanelItem::Label1_0, PanelItem::Label1_1,
                                   PanelItem::Label1_2, PanelItem::Label1_3, PanelItem::Command1};
        std::string s;
        for (PanelItem item : order) s += panel.visible(item) ? '1' : '0';
        return s;
    }
    static constexpr const char* CLOSED = "000000000000";
    static constexpr const char* WRITING = "110111111111";
    static constexpr const char* READING = "111000000000";

    ScratchFolder scratch;
    platform::FakeRecordPanel panel;
};

}  // namespace murokan::test
