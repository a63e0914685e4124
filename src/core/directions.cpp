// The eight directions of travel: unit steps, names, and the direction of a move.
#include "core/rules.h"

namespace murokan {

Step 方向_単位(方向 d) {
    switch (d) {
        case 方向::上:
            return {0, -1};
        case 方向::下:
            return {0, 1};
        case 方向::左:
            return {-1, 0};
        case 方向::右:
            return {1, 0};
        case 方向::左上:
            return {-1, -1};
        case 方向::左下:
            return {-1, 1};
        case 方向::右上:
            return {1, -1};
        case 方向::右下:
            return {1, 1};
        case 方向::無:
            break;
    }
    return {0, 0};
}

std::string_view 方向_名前(方向 d) {
    switch (d) {
        case 方向::上:
            return "上";
        case 方向::下:
            return "下";
        case 方向::左:
            return "左";
        case 方向::右:
            return "右";
        case 方向::左上:
            return "左上";
        case 方向::左下:
            return "左下";
        case 方向::右上:
            return "右上";
        case 方向::右下:
            return "右下";
        case 方向::無:
            break;
    }
    return "";
}

// The vertical sense decides first, so a knight's jump gets a diagonal
// direction and its strike runs along that diagonal.
方向 取得_進行方向(int x1, int y1, int x2, int y2) {
    if (x1 == x2) {
        if (y2 < y1) return 方向::上;
        if (y2 > y1) return 方向::下;
        return 方向::無;
    }
    if (y1 == y2) return x2 < x1 ? 方向::左 : 方向::右;
    if (y2 < y1) return x2 < x1 ? 方向::左上 : 方向::右上;
    return x2 < x1 ? 方向::左下 : 方向::右下;
}

}  // namespace murokan
