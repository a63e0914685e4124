#include "sound/sound.h"

#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace murokan {

namespace {

namespace fs = std::filesystem;

// Texts of the read errors, worded as the system's own runtime errors.
constexpr std::string_view kAccessError = "パス/ファイル アクセス エラーです。";
constexpr std::string_view kIoError = "デバイス I/O エラーです。";
constexpr std::string_view kEmptyFileError = "インデックスが有効範囲にありません。";

// The path of an existing regular file named `name`: the current directory
// first, then the fallback folder; empty when neither has one.
fs::path findWaveFile(const Oto& oto, std::string_view name) {
    std::error_code ec;
    const fs::path bare = fs::u8path(name);
    if (fs::is_regular_file(bare, ec)) return bare;
    if (!oto.fallback_dir.empty()) {
        const fs::path beside = oto.fallback_dir / bare;
        if (fs::is_regular_file(beside, ec)) return beside;
    }
    return {};
}

}  // namespace

void 表示_警告(platform::Dialogs& dialogs, std::string_view text) {
    dialogs.message("Murokan.dll", text, platform::Icon::Exclamation);
}

void 初期化_サウンド(const platform::Platform& pf, Oto& oto, std::intptr_t window) {
    oto.oto_handle = pf.sound.dsInitialize(window);
    if (oto.oto_handle == 0)
        表示_警告(pf.dialogs, "Direct Soundインターフェースが作成できません。");
}

int 読込_音声ファイル(const platform::Platform& pf, const Oto& oto, std::string_view file_name,
                      int flags) {
    if (oto.oto_handle == 0) return 0;
    const fs::path path = findWaveFile(oto, file_name);
    if (path.empty()) return 0;

    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        表示_警告(pf.dialogs, kAccessError);
        return 0;
    }
    const std::streamoff length = in.tellg();
    if (length <= 0) {
        // The whole-file buffer of an empty file has no first byte to hand over.
        表示_警告(pf.dialogs, kEmptyFileError);
        return 0;
    }
    // The image lives only for this call; the library keeps what it needs.
    std::vector<std::uint8_t> image(static_cast<std::size_t>(length));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(image.data()), length)) {
        表示_警告(pf.dialogs, kIoError);
        return 0;
    }
    const int buffer = pf.sound.dsCreateDSB(oto.oto_handle, image.data(), image.size(), flags);
    if (buffer != 0) pf.sound.dsNameBuffer(buffer, file_name);
    return buffer;
}

void 終了_サウンド(const platform::Platform& pf, const Oto& oto) {
    if (oto.oto_handle != 0) pf.sound.dsTerminate(oto.oto_handle);
}

void 開始_サウンド(const platform::Platform& pf, Oto& oto, std::intptr_t window) {
    初期化_サウンド(pf, oto, window);
    oto.oto_sonota = 読込_音声ファイル(pf, oto, "その他.wav", 3);
    oto.oto_kinshi = 読込_音声ファイル(pf, oto, "禁止.wav", 3);
    oto.oto_koma = 読込_音声ファイル(pf, oto, "駒打音.wav", 3);
    oto.oto_bgm = 読込_音声ファイル(pf, oto, "BGM.wav", 1);
    oto.oto_shoumetsu = 読込_音声ファイル(pf, oto, "消滅.wav", 1);
}

void 解放_サウンド(const platform::Platform& pf, const Oto& oto) {
    pf.sound.dsFree(oto.oto_sonota);
    pf.sound.dsFree(oto.oto_kinshi);
    pf.sound.dsFree(oto.oto_koma);
    pf.sound.dsFree(oto.oto_bgm);
    pf.sound.dsFree(oto.oto_shoumetsu);
    終了_サウンド(pf, oto);
}

}  // namespace murokan
