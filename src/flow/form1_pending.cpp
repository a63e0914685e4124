// Handlers of the record panel, replay, options and help. Each is filled in by
// the record panel work and then moves out of this file into its own.
#include "flow/form1.h"

namespace murokan {

void Form1::STOP_Click() {}                 // filled in by the record panel work
void Form1::CANCEL_Click() {}               // filled in by the record panel work
void Form1::REPLAY_Click() {}               // filled in by the record panel work
void Form1::AFTER_Click() {}                // filled in by the record panel work
void Form1::REVERSE_Click() {}              // filled in by the record panel work
void Form1::KIFU_WRITE_Click() {}           // filled in by the record panel work
void Form1::KIFU_READ_Click() {}            // filled in by the record panel work
void Form1::Command1_Click() {}             // filled in by the record panel work
void Form1::File1_Click() {}                // filled in by the record panel work
void Form1::Dir1_Change() {}                // filled in by the record panel work
void Form1::Drive1_Change() {}              // filled in by the record panel work
void Form1::描画_可視(bool, bool, bool) {}  // filled in by the record panel work
void Form1::描画_棋譜_IO(int) {}            // filled in by the record panel work
void Form1::描画_棋譜読込み部分消去() {}    // filled in by the record panel work
void Form1::OPTION_Click() {}               // filled in by the record panel work
void Form1::MIDORI_Click() {}               // filled in by the record panel work
void Form1::TATAMI_Click() {}               // filled in by the record panel work
void Form1::TAKE_Click() {}                 // filled in by the record panel work
void Form1::UCHU_Click() {}                 // filled in by the record panel work
void Form1::RENGA_Click() {}                // filled in by the record panel work
void Form1::SIDOU_Click() {}                // filled in by the record panel work
void Form1::KEIKA_Click() {}                // filled in by the record panel work
void Form1::BGM_Click() {}                  // filled in by the record panel work
void Form1::読込_環境設定ファイル() {}      // filled in by the record panel work
void Form1::書込_環境設定ファイル() {}      // filled in by the record panel work
void Form1::KAISETU_Click() {}              // filled in by the record panel work
void Form1::VER_Click() {}                  // filled in by the record panel work

}  // namespace murokan
