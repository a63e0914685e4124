// com_ban: the computer's turn, from the thinking indicator to handing the turn
// back to the human.
#pragma once

#include "ai/com_host.h"
#include "ai/com_state.h"
#include "core/game_state.h"

namespace murokan {

inline constexpr std::string_view COM_SHUURYOU_TITLE = "終了";
inline constexpr std::string_view COM_KACHI_TEXT = "ｺﾝﾋﾟｭｰﾀの勝ちです";
inline constexpr std::string_view MAN_KACHI_TEXT = "あなたの勝ちです";

// Chooses and plays one move of the top side (search of search.h), records it
// in the history, shows it, runs its strike chain, and passes the turn to the
// bottom side, or announces the end of the game when a king has gone. Does
// nothing once the game is over. When the top side has no legal move or drop,
// or the history is full, nothing is played or recorded and the turn passes all
// the same (a full history is announced as it is for a human move).
void com_ban(GameState& g, ComState& c, ComHost& host);

}  // namespace murokan
