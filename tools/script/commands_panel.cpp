// The user's side of the record panel: typing into Text1..Text4, moving Dir1
// to a folder, choosing a drive, clicking a file in File1 and pressing
// "RETURN". What Form1 then does (messages, the board) shows in its events. A
// control that is hidden, or a choice its list does not hold, is an error, as
// the user could not make it either.
#include <string>

#include "platform/fake_record_panel.h"
#include "script/commands.h"
#include "script/output.h"

namespace murokan::script {

namespace {

using platform::PanelItem;

// text Text1|Text2|Text3|Text4 VALUE
void cmd_text(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 2)) return;
    static constexpr std::pair<std::string_view, PanelItem> kBoxes[] = {
        {"Text1", PanelItem::Text1},
        {"Text2", PanelItem::Text2},
        {"Text3", PanelItem::Text3},
        {"Text4", PanelItem::Text4}};
    for (const auto& [name, item] : kBoxes) {
        if (args.words[0] != name) continue;
        if (!ctx.window.panel.type(item, args.words[1]))
            print_error(ctx, std::string(name) + " is hidden");
        return;
    }
    print_error(ctx, "usage: " + std::string(args.usage));
}

// dir PATH: Dir1 moves to the folder PATH.
void cmd_dir(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    platform::FakeRecordPanel& p = ctx.window.panel;
    if (!p.visible(PanelItem::Dir1)) {
        print_error(ctx, "Dir1 is hidden");
    } else if (!p.chooseFolder(args.words[0])) {
        print_error(ctx, "cannot open folder " + args.words[0]);
    }
}

// drive PATH: a volume chosen in Drive1; PATH must be one of its entries.
void cmd_drive(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    platform::FakeRecordPanel& p = ctx.window.panel;
    if (!p.visible(PanelItem::Drive1)) {
        print_error(ctx, "Drive1 is hidden");
    } else if (!p.chooseDrive(args.words[0])) {
        print_error(ctx, "no drive " + args.words[0]);
    }
}

// file NAME: a click on NAME in File1.
void cmd_file(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    platform::FakeRecordPanel& p = ctx.window.panel;
    if (!p.visible(PanelItem::File1)) {
        print_error(ctx, "File1 is hidden");
    } else if (!p.clickFile(args.words[0])) {
        print_error(ctx, "no file " + args.words[0] + " in " + p.filePath());
    }
}

// button RETURN
void cmd_button(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    if (args.words[0] != "RETURN") {
        print_error(ctx, "usage: " + std::string(args.usage));
    } else if (!ctx.window.panel.pressReturn()) {
        print_error(ctx, "RETURN is hidden");
    }
}

}  // namespace

void register_panel_commands(Registry& registry) {
    registry.add("text", "text Text1|Text2|Text3|Text4 VALUE", cmd_text);
    registry.add("dir", "dir PATH", cmd_dir);
    registry.add("drive", "drive PATH", cmd_drive);
    registry.add("file", "file NAME", cmd_file);
    registry.add("button", "button RETURN", cmd_button);
}

}  // namespace murokan::script
