// USI/SFEN positions and moves.
#include "core/sfen.h"

#include "core/rules.h"

namespace murokan {

namespace {

// Letters of the unpromoted pieces by hand kind; index 8 is the king.
constexpr char kLetters[] = "?PLNSGBRK";

// Hand kind 1..7, or 8 for the king, of an upper-case letter; 0 if none.
int kind_of_letter(char c) {
    for (int k = 1; k <= 8; ++k) {
        if (kLetters[k] == c) return k;
    }
    return 0;
}

char to_upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
char to_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Splits off the next space-separated field of `text`.
std::string_view next_field(std::string_view& text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    size_t end = text.find(' ');
    if (end == std::string_view::npos) end = text.size();
    std::string_view field = text.substr(0, end);
    text.remove_prefix(end);
    return field;
}

const char* parse_board(std::string_view board, GameState& g) {
    int y = 1;
    int x = 1;
    bool promote = false;
    for (char c : board) {
        if (c == '/') {
            if (x != 10 || promote) return "a rank must hold nine squares";
            if (++y > 9) return "more than nine ranks";
            x = 1;
            continue;
        }
        if (c == '+') {
            if (promote) return "'+' twice";
            promote = true;
            continue;
        }
        if (c >= '1' && c <= '9') {
            if (promote) return "'+' before a digit";
            x += c - '0';
            if (x > 10) return "a rank must hold nine squares";
            continue;
        }
        const int kind = kind_of_letter(to_upper(c));
        if (kind == 0) return "unknown piece letter";
        if (x > 9) return "a rank must hold nine squares";
        if (promote && (kind == 5 || kind == 8)) return "gold and king do not promote";
        int code = kind == 8 ? OU : kind * 10;
        if (promote) code += 1;
        g.ban[x][y] = to_upper(c) == c ? -code : code;
        ++x;
        promote = false;
    }
    if (y != 9 || x != 10 || promote) return "the board must hold nine ranks of nine squares";
    return nullptr;
}

const char* parse_hands(std::string_view hands, GameState& g) {
    if (hands == "-") return nullptr;
    if (hands.empty()) return "missing hands";
    int count = 0;
    bool have_count = false;
    for (char c : hands) {
        if (is_digit(c)) {
            count = count * 10 + (c - '0');
            if (count > 40) return "too many pieces in hand";
            have_count = true;
            continue;
        }
        const int kind = kind_of_letter(to_upper(c));
        if (kind == 0 || kind == 8) return "unknown hand piece";
        if (have_count && count == 0) return "zero count in hand";
        int& slot = to_upper(c) == c ? g.mochi_ji[kind] : g.mochi_teki[kind];
        slot += have_count ? count : 1;
        count = 0;
        have_count = false;
    }
    if (have_count) return "count without a piece in hand";
    return nullptr;
}

}  // namespace

const char* parse_sfen(std::string_view text, GameState& g) {
    const std::string_view board = next_field(text);
    const std::string_view side = next_field(text);
    const std::string_view hands = next_field(text);
    const std::string_view ply = next_field(text);
    if (!next_field(text).empty()) return "too many fields";
    if (board.empty() || side.empty() || hands.empty()) return "expected <board> <b|w> <hands>";
    for (char c : ply) {
        if (!is_digit(c)) return "bad move number";
    }

    GameState n = g;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) n.ban[x][y] = KARA;
    }
    for (int k = 1; k <= 7; ++k) n.mochi_ji[k] = n.mochi_teki[k] = 0;

    if (const char* e = parse_board(board, n)) return e;
    if (const char* e = parse_hands(hands, n)) return e;
    if (side == "b") {
        n.teban = n.ji_teban;
    } else if (side == "w") {
        n.teban = n.teki_teban;
    } else if (side == "-") {
        n.teban = TEBAN_NASHI;
    } else {
        return "side must be b, w or -";
    }

    n.mochi_ji_kazu = n.mochi_teki_kazu = 0;
    for (int k = 1; k <= 7; ++k) {
        n.mochi_ji_kazu += n.mochi_ji[k];
        n.mochi_teki_kazu += n.mochi_teki[k];
    }
    調査_2歩フラグ設定(n);
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            if (n.ban[x][y] == -OU) n.ji_ou_x = x, n.ji_ou_y = y;
            if (n.ban[x][y] == OU) n.teki_ou_x = x, n.teki_ou_y = y;
        }
    }
    g = n;
    return nullptr;
}

std::string format_sfen(const GameState& g) {
    std::string s;
    for (int y = 1; y <= BAN_SIZE; ++y) {
        if (y > 1) s += '/';
        int empty = 0;
        for (int x = 1; x <= BAN_SIZE; ++x) {
            const int code = g.ban[x][y];
            const int a = code < 0 ? -code : code;
            const int kind = a == OU ? 8 : a / 10;
            if (code == KARA || kind < 1 || kind > 8) {
                ++empty;  // a code that cannot stand on the board prints as empty
                continue;
            }
            if (empty > 0) s += static_cast<char>('0' + empty);
            empty = 0;
            if (a % 10 == 1) s += '+';
            s += code < 0 ? kLetters[kind] : to_lower(kLetters[kind]);
        }
        if (empty > 0) s += static_cast<char>('0' + empty);
    }

    s += ' ';
    if (g.teban == TEBAN_NASHI) {
        s += '-';
    } else if (g.teban == g.ji_teban) {
        s += 'b';
    } else if (g.teban == g.teki_teban) {
        s += 'w';
    } else {
        s += '-';
    }

    s += ' ';
    const size_t hands_at = s.size();
    for (int side = 0; side < 2; ++side) {
        const int* hand = side == 0 ? g.mochi_ji : g.mochi_teki;
        for (int kind = 7; kind >= 1; --kind) {
            if (hand[kind] <= 0) continue;
            if (hand[kind] > 1) s += std::to_string(hand[kind]);
            s += side == 0 ? kLetters[kind] : to_lower(kLetters[kind]);
        }
    }
    if (s.size() == hands_at) s += '-';

    s += ' ';
    s += std::to_string(g.tesuu + 1);
    return s;
}

const char* parse_usi_move(std::string_view text, const GameState& g, Move& m) {
    const auto file = [](char c) { return c >= '1' && c <= '9' ? 10 - (c - '0') : 0; };
    const auto rank = [](char c) { return c >= 'a' && c <= 'i' ? c - 'a' + 1 : 0; };

    if (text.size() == 4 && text[1] == '*') {
        const int kind = kind_of_letter(text[0]);
        if (kind == 0 || kind == 8) return "bad drop piece";
        const int x2 = file(text[2]);
        const int y2 = rank(text[3]);
        if (x2 == 0 || y2 == 0) return "bad square";
        const bool bottom = bottom_to_move(g);
        m = Move::drop(bottom ? JI_MOCHI_X : TEKI_MOCHI_X, kind, x2, y2,
                       bottom ? -10 * kind : 10 * kind);
        return nullptr;
    }

    const bool promote = text.size() == 5 && text[4] == '+';
    if (text.size() != 4 && !promote) return "expected a move like 7g7f, 7g7f+ or P*5e";
    const int x1 = file(text[0]);
    const int y1 = rank(text[1]);
    const int x2 = file(text[2]);
    const int y2 = rank(text[3]);
    if (x1 == 0 || y1 == 0 || x2 == 0 || y2 == 0) return "bad square";
    m = Move{static_cast<std::int8_t>(x1),
             static_cast<std::int8_t>(y1),
             static_cast<std::int8_t>(x2),
             static_cast<std::int8_t>(y2),
             static_cast<std::int16_t>(g.ban[x1][y1]),
             promote};
    return nullptr;
}

std::string format_usi_move(const Move& m) {
    std::string s;
    const auto square = [&s](int x, int y) {
        s += static_cast<char>('0' + (10 - x));
        s += static_cast<char>('a' + (y - 1));
    };
    if (m.is_drop()) {
        const int kind = (m.piece < 0 ? -m.piece : m.piece) / 10;
        s += kind >= 1 && kind <= 7 ? kLetters[kind] : '?';
        s += '*';
    } else {
        square(m.x1, m.y1);
    }
    square(m.x2, m.y2);
    if (m.promote) s += '+';
    return s;
}

}  // namespace murokan
