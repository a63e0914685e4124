// Where Form1 hands over to the history, the computer player and the sound module.
#include "ai/com_turn.h"
#include "ai/handicap.h"
#include "ai/levels.h"
#include "flow/form1.h"
#include "record/history.h"

namespace murokan {

void Form1::com_ban() {
    murokan::com_ban(g, com, *this);
}

void Form1::手順保存(int x1, int y1, int x2, int y2, int koma, int toru, float ji_mae, float ji_ato,
                     float teki_mae, float teki_ato) {
    murokan::手順保存(g, hist, x1, y1, x2, y2, koma, toru, ji_mae, ji_ato, teki_mae, teki_ato);
}

void Form1::LBEL_UP_Click() {
    murokan::LBEL_UP_Click(g, *this);
}
void Form1::LEBEL_DOWN_Click() {
    murokan::LEBEL_DOWN_Click(g, *this);
}

void Form1::LEVEL1_Click() {
    murokan::LEVEL_Click(g, *this, 1);
}
void Form1::LEVEL2_Click() {
    murokan::LEVEL_Click(g, *this, 2);
}
void Form1::LEVEL3_Click() {
    murokan::LEVEL_Click(g, *this, 3);
}
void Form1::レベル_設定(int n) {
    murokan::レベル_設定(g, *this, n);
}

}  // namespace murokan
