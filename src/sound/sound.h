// The program's sound module: the five buffers loaded at start-up and the calls
// into the sound library around them. Effects are played elsewhere by handing
// one of these buffer numbers to the library's dsPlay.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/data_folders.h"
#include "platform/platform.h"

namespace murokan {

// The sound-system handle and the five buffer numbers; 0 means "none".
struct Oto {
    int oto_handle = 0;
    int oto_koma = 0;       // 駒打音.wav: a piece is placed
    int oto_kinshi = 0;     // 禁止.wav: a refusal
    int oto_sonota = 0;     // その他.wav: the about box
    int oto_bgm = 0;        // BGM.wav: looped background music
    int oto_shoumetsu = 0;  // 消滅.wav: a sandwiched piece vanishes
    // Where a wave file is looked for when the current directory lacks it:
    // the game's data folder by default, empty for no second place.
    std::filesystem::path fallback_dir = platform::data_folder();
};

// Message box with `text`, an exclamation icon, an OK button and the title "Murokan.dll".
void 表示_警告(platform::Dialogs& dialogs, std::string_view text);

// Opens the sound system for the main window; warns once when there is none.
void 初期化_サウンド(const platform::Platform& pf, Oto& oto, std::intptr_t window);

// Reads the whole wave file and hands it to the library. 0 when there is no
// sound system or no such file (silently), or when reading fails (with a
// warning carrying the error's description).
int 読込_音声ファイル(const platform::Platform& pf, const Oto& oto, std::string_view file_name,
                      int flags);

// Shuts the sound system down when one was opened.
void 終了_サウンド(const platform::Platform& pf, const Oto& oto);

// Start-up: opens the sound system and loads the five files in their fixed order.
void 開始_サウンド(const platform::Platform& pf, Oto& oto, std::intptr_t window);

// Shutdown: frees the five buffers in their fixed order, then 終了_サウンド.
void 解放_サウンド(const platform::Platform& pf, const Oto& oto);

}  // namespace murokan
