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

// The folder of the running program, "" when it cannot be found.
std::filesystem::path program_folder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

}  // namespace

// The help page of the start-up folder; when the program was started from
// elsewhere, the copy beside the program.
std::string Form1::help_page_path() const {
    const std::filesystem::path in_startup = std::filesystem::path(startup_dir) / HELP_PAGE;
    std::error_code ec;
    if (std::filesystem::exists(in_startup, ec)) return in_startup.string();
    const std::filesystem::path beside = program_folder() / HELP_PAGE;
    if (!program_folder().empty() && std::filesystem::exists(beside, ec)) return beside.string();
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
