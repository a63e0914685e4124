// Where Form1 hands over to the history.
#include "flow/form1.h"
#include "record/history.h"

namespace murokan {

void Form1::手順保存(int x1, int y1, int x2, int y2, int koma, int toru, float ji_mae, float ji_ato,
                     float teki_mae, float teki_ato) {
    murokan::手順保存(g, hist, x1, y1, x2, y2, koma, toru, ji_mae, ji_ato, teki_mae, teki_ato);
}

}  // namespace murokan
