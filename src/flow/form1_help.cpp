// The その他 menu: the help page in the browser and the about box.

#include <filesystem>
#include <system_error>

#include "flow/form1.h"

namespace murokan {

namespace {

constexpr std::string_view HELP_PAGE = "Murokan.htm";

// The maker's home page. Left empty: the about box's "ホームページ" button
// then only closes the box.
constexpr std::string_view HOME_PAGE = "";

}  // namespace

// The help page of the start-up folder; when the program was started from
// elsewhere, the copy in the data folder (beside the program in a build tree).
std::string Form1::help_page_path() const {
    const std::filesystem::path in_startup = std::filesystem::path(startup_dir) / HELP_PAGE;
    std::error_code ec;
    if (std::filesystem::exists(in_startup, ec)) return in_startup.string();
    const std::filesystem::path shipped = data_dir / HELP_PAGE;
    if (!data_dir.empty() && std::filesystem::exists(shipped, ec)) return shipped.string();
    return in_startup.string();
}

void Form1::KAISETU_Click() {
    // Every failure (no browser, no page) passes silently.
    (void)pf.browser.open(help_page_path());
}

void Form1::VER_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    play(oto_sonota);
    if (pf.dialogs.aboutBox() == platform::AboutChoice::HomePage && !HOME_PAGE.empty()) {
        // A missing browser must not end the program; the box is closed either way.
        (void)pf.browser.open(HOME_PAGE);
    }
}

}  // namespace murokan
