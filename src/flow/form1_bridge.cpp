// Where Form1 reaches the history, the computer player and the sound module.
#include "flow/form1.h"

namespace murokan {

void Form1::com_ban() {}
void Form1::手順保存(int, int, int, int, int, int, float, float, float, float) {}
void Form1::kifu_saishu_reset() {}
void Form1::cut_record_at(int) {}
void Form1::初期化_サウンド() {}
void Form1::終了_サウンド() {}
void Form1::LBEL_UP_Click() {}
void Form1::LEBEL_DOWN_Click() {}

}  // namespace murokan
