#include "record/record_file.h"

#include <memory>

#include "files/cp932.h"
#include "files/disk_file.h"
#include "record/record_format.h"

namespace murokan {

namespace {

棋譜メッセージ 箱(std::string_view title, std::string_view text,
                  棋譜アイコン icon = 棋譜アイコン::None) {
    return {std::string(title), std::string(text), icon};
}

棋譜メッセージ 書込エラー(std::string_view text) {
    return 箱(棋譜文言::題_棋譜保存, text, 棋譜アイコン::Exclamation);
}

bool 制御文字を含む(std::string_view s) {
    for (unsigned char c : s) {
        if (c < 0x20 || c == 0x7F) return true;
    }
    return false;
}

// A non-empty Text1 must name one file in the chosen folder, in a form the
// record's own code page can carry.
std::optional<棋譜メッセージ> 調査_ファイル名(std::string_view name) {
    if (name == "." || name == "..") return 書込エラー(棋譜文言::ファイル名不正);
    if (name.find_first_of("/\\") != std::string_view::npos || 制御文字を含む(name) ||
        !UTF8からCP932(name)) {
        return 書込エラー(棋譜文言::ファイル名不正文字);
    }
    return std::nullopt;
}

// The latest position counts as data even before it is stored.
int 書込件数(const GameState& g, const History& h) {
    if (g.kifu_genzai > h.kifu_saishu && g.kifu_genzai <= MAX_KIFU) return g.kifu_genzai;
    return h.kifu_saishu;
}

}  // namespace

std::filesystem::path パス_UTF8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::optional<棋譜メッセージ> 調査_棋譜書込可否(const GameState& g) {
    if (g.hanten == FLAG_ON) return 箱(棋譜文言::題_棋譜書込, 棋譜文言::反転後);
    if (g.hande_settei == FLAG_ON) return 箱(棋譜文言::題_棋譜書込, 棋譜文言::ハンデ後);
    return std::nullopt;
}

棋譜メッセージ 棋譜満杯メッセージ() {
    return 箱(棋譜文言::題_棋譜, 棋譜文言::満杯, 棋譜アイコン::Exclamation);
}

棋譜書込結果 書込_棋譜(const GameState& g, History& h, const 棋譜書込指定& panel) {
    棋譜書込結果 result;
    // An empty name, then no moves, as the panel has always checked them; the
    // name's form and the texts' encoding only matter once there is a file to
    // write.
    if (panel.file_name.empty()) {
        result.messages.push_back(箱(棋譜文言::題_空白, 棋譜文言::ファイル名なし));
        return result;
    }
    if (書込件数(g, h) < 1) {
        result.messages.push_back(箱(棋譜文言::題_棋譜保存, 棋譜文言::データなし));
        return result;
    }
    if (auto refusal = 調査_ファイル名(panel.file_name)) {
        result.messages.push_back(*refusal);
        return result;
    }
    result.file = panel.folder / パス_UTF8(panel.file_name + std::string(棋譜_拡張子));

    // Line 2 is the top side's player, line 3 the bottom side's.
    const bool bottom_first = g.ji_teban == TEBAN_SENTE;
    const std::string* names[] = {&panel.game_name,
                                  bottom_first ? &panel.gote_name : &panel.sente_name,
                                  bottom_first ? &panel.sente_name : &panel.gote_name};
    std::array<std::string, 3> headers;
    for (size_t i = 0; i < headers.size(); ++i) {
        auto encoded = 制御文字を含む(*names[i]) ? std::nullopt : UTF8からCP932(*names[i]);
        if (!encoded) {
            result.messages.push_back(書込エラー(棋譜文言::名前不正文字));
            return result;
        }
        headers[i] = std::move(*encoded);
    }

    // The file is built from a copy holding the latest position, so that the
    // history changes only once the record is safely written.
    auto written = std::make_unique<History>(h);
    保存_最新局面(g, *written);
    const auto bytes = 作成_棋譜ファイル(*written, written->kifu_saishu, headers);
    if (!bytes) {
        result.messages.push_back(書込エラー(棋譜文言::局面不正));
        return result;
    }
    if (!置換_ファイル(result.file, *bytes)) {
        result.messages.push_back(書込エラー(棋譜文言::書込失敗));
        return result;
    }
    保存_最新局面(g, h);
    result.書込済 = true;
    result.messages.push_back(箱(棋譜文言::題_空白, 棋譜文言::書込完了));
    return result;
}

棋譜読込結果 読込_棋譜データ(GameState& g, History& h, std::string_view bytes,
                             const std::function<void()>& 初期設定) {
    棋譜読込結果 result;
    棋譜解析結果 parsed = 解析_棋譜(bytes);
    if (parsed.拒否) {
        result.messages.push_back(*parsed.拒否);
        return result;
    }

    初期設定();
    // The file does not say which side moved first: the record is read as a
    // freshly started program reads it, with the bottom side 先手, and not with
    // the sides a game played before left behind (a computer that moved first
    // would otherwise be handed the bottom side's turns).
    g.ji_teban = TEBAN_SENTE;
    g.teki_teban = TEBAN_GOTE;
    g.kifu_mode = FLAG_ON;
    const int n = static_cast<int>(parsed.局面.size());
    for (int i = 1; i <= n; ++i) {
        const 棋譜局面& e = parsed.局面[static_cast<size_t>(i - 1)];
        for (int x = 1; x <= BAN_SIZE; ++x) {
            for (int y = 1; y <= BAN_SIZE; ++y) h.kifu_ban[i][x][y] = e.ban[x][y];
        }
        for (int k = 1; k <= 7; ++k) {
            h.kifu_mochi_ji[i][k] = e.mochi_ji[k];
            h.kifu_mochi_teki[i][k] = e.mochi_teki[k];
        }
        h.kifu_ji_mae[i] = e.ji_mae;
        h.kifu_ji_ato[i] = e.ji_ato;
        h.kifu_teki_mae[i] = e.teki_mae;
        h.kifu_teki_ato[i] = e.teki_ato;
    }
    g.kifu_genzai = 0;
    g.tesuu = 0;
    h.kifu_saishu = n;

    result.置換済 = true;
    result.件数 = n;
    result.見出し = std::move(parsed.見出し);
    if (n == 0) {
        result.messages.push_back(箱(棋譜文言::題_棋譜, 棋譜文言::読込データなし));
        return result;
    }
    result.messages.push_back(箱(棋譜文言::題_棋譜, 棋譜文言::読込完了));
    result.messages.push_back(箱(棋譜文言::題_棋譜, 棋譜文言::進めて下さい));
    g.teban = TEBAN_SENTE;
    return result;
}

棋譜読込結果 読込_棋譜(GameState& g, History& h, const std::filesystem::path& file,
                       const std::function<void()>& 初期設定) {
    // One byte over the limit is enough for the reader to refuse the file.
    const auto bytes = 読込_通常ファイル(file, 棋譜_最大バイト数 + 1);
    if (!bytes) {
        棋譜読込結果 result;
        result.messages.push_back(
            箱(棋譜文言::題_棋譜, 棋譜文言::読込失敗, 棋譜アイコン::Exclamation));
        return result;
    }
    return 読込_棋譜データ(g, h, *bytes, 初期設定);
}

}  // namespace murokan
