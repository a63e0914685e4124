#include "platform/qt/backgrounds.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/qt/canvas_geometry.h"
#include "platform/qt/large_image.h"
#include "platform/qt/texture_noise.h"

namespace murokan::platform {

namespace {

constexpr int W = kCanvasPixelsW, H = kCanvasPixelsH;
// The generator's state is kept every this many pixels of a row.
constexpr int kStride = 64;
constexpr int kMarks = (W + kStride - 1) / kStride;

std::uint32_t seedOf(int code) {
    return static_cast<std::uint32_t>(1000 + code);
}

// A number of the generator's steps taken at once. A step only shifts and
// exclusive-ors bits, so the state after n steps is the exclusive-or of what
// n steps make of each bit set now: looked up a byte at a time.
class Jump {
  public:
    explicit Jump(int steps) {
        std::uint32_t bit_after[32];
        for (int b = 0; b < 32; ++b) {
            bit_after[b] = 1u << b;
            for (int i = 0; i < steps; ++i) bit_after[b] = Rng::after(bit_after[b]);
        }
        for (int k = 0; k < 4; ++k) {
            for (unsigned v = 0; v < 256; ++v) {
                std::uint32_t t = 0;
                for (int i = 0; i < 8; ++i)
                    if (v & (1u << i)) t ^= bit_after[8 * k + i];
                table_[k][v] = t;
            }
        }
    }
    std::uint32_t operator()(std::uint32_t s) const {
        return table_[0][s & 255] ^ table_[1][(s >> 8) & 255] ^ table_[2][(s >> 16) & 255] ^
               table_[3][s >> 24];
    }

  private:
    std::uint32_t table_[4][256];
};

}  // namespace

QImage Backgrounds::paint(int code, const QRect& part) {
    if (code != 5 && code != 6) return whole(code).copy(part);
    QImage img(part.size(), QImage::Format_RGB32);
    paintAt(img, {0, 0}, code, part);
    return img;
}

void Backgrounds::paintOnto(QImage& canvas, int code, const QRect& part) {
    paintAt(canvas, part.topLeft(), code, part);
}

void Backgrounds::paintAt(QImage& target, QPoint at, int code, const QRect& part) {
    if (code == 5 || code == 6) {
        whole_ = QImage();  // another background shows now
        whole_code_ = 0;
        paintNoise(target, at, code, part);
        paintShapes(target, at, code, part);
        return;
    }
    const QImage& texture = whole(code);
    const auto bytes = std::size_t(part.width()) * sizeof(QRgb);
    for (int y = 0; y < part.height(); ++y) {
        std::memcpy(target.scanLine(at.y() + y) + std::size_t(at.x()) * sizeof(QRgb),
                    texture.constScanLine(part.top() + y) + std::size_t(part.left()) * sizeof(QRgb),
                    bytes);
    }
}

const QImage& Backgrounds::whole(int code) {
    // Qt's gradients and antialiased edges come out a shade apart when their
    // spans start elsewhere: these are painted whole, and kept while shown.
    if (whole_code_ != code) {
        whole_ = QImage();  // never two textures at once
        whole_ = makeLargeImage(W, H, QImage::Format_RGB32);
        paintShapes(whole_, {0, 0}, code, QRect(0, 0, W, H));
        whole_code_ = code;
    }
    return whole_;
}

const std::vector<std::uint32_t>& Backgrounds::rowStates(int code) {
    std::vector<std::uint32_t>& states = row_states_[code];
    if (states.empty()) {
        // From one mark to the next, and from a row's last mark to the next row.
        const Jump stride(kStride), tail(W - (kMarks - 1) * kStride);
        states.resize(std::size_t{H} * kMarks);
        std::uint32_t s = seedOf(code);
        for (std::size_t i = 0; i < states.size(); ++i) {
            states[i] = s;
            s = (i + 1) % kMarks ? stride(s) : tail(s);
        }
    }
    return states;
}

void Backgrounds::paintNoise(QImage& target, QPoint at, int code, const QRect& part) {
    const std::vector<std::uint32_t>& states = rowStates(code);
    // Each row's numbers follow one another, each a few steps after the last:
    // rows are painted kLanes at a time, so that their chains run side by side.
    constexpr int kLanes = 8;
    std::vector<QRgb> spare(std::size_t(part.width()));  // for lanes past the part's last row
    for (int y0 = part.top(); y0 <= part.bottom(); y0 += kLanes) {
        std::uint32_t s[kLanes];
        QRgb* line[kLanes];
        int tint[kLanes];  // tatami: the row's darkening
        for (int l = 0; l < kLanes; ++l) {
            const int y = std::min(y0 + l, part.bottom());
            Rng rng(states[std::size_t(y) * kMarks + part.left() / kStride]);
            for (int x = part.left() / kStride * kStride; x < part.left(); ++x) rng.next();
            s[l] = rng.state();
            line[l] =
                y0 + l > part.bottom()
                    ? spare.data()
                    : reinterpret_cast<QRgb*>(target.scanLine(at.y() + y - part.top())) + at.x();
            // Rush stems run across each mat; every other row is a little darker.
            tint[l] = (((y / 6) & 1) ? -12 : 0) + ((y % 6 == 0) ? -22 : 0);
        }
        // unit() * k truncated, in integers: the same number, without the
        // conversions to and from double that cost more than the rest.
        const auto scaled = [](std::uint32_t r, std::uint32_t k) {
            return int(((r & 0xffffff) * k) >> 24);
        };
        if (code == 5) {  // green baize: dark green felt with fine fibres
            QRgb felt[22];
            for (int n = -11; n <= 10; ++n) felt[n + 11] = qRgb(18 + n / 2, 98 + n, 44 + n / 2);
            for (int i = 0; i < part.width(); ++i) {
                for (int l = 0; l < kLanes; ++l) {
                    s[l] = Rng::after(s[l]);
                    line[l][i] = felt[scaled(s[l], 22)];
                }
            }
            continue;
        }
        for (int i = 0; i < part.width(); ++i) {  // tatami: straw weave
            const int x = part.left() + i;
            for (int l = 0; l < kLanes; ++l) {
                const int y = y0 + l;
                const int weave = ((x / 40 + y / 6) % 2) ? 6 : -4;  // the binding threads
                s[l] = Rng::after(s[l]);
                const int d = tint[l] + weave + scaled(s[l], 10) - 5;
                line[l][i] = qRgb(clampByte(196 + d), clampByte(188 + d), clampByte(112 + d / 2));
            }
        }
    }
}

// Everything drawn with QPainter, in canvas coordinates; what lies outside the
// part is clipped away.
void Backgrounds::paintShapes(QImage& target, QPoint at, int code, const QRect& part) {
    if (code == 5) return;
    Rng rng(seedOf(code));
    QPainter p(&target);
    const QRect into(at, part.size());
    if (into != target.rect()) p.setClipRect(into);
    p.translate(at - part.topLeft());
    switch (code) {
        case 6: {  // tatami: mats edged with dark cloth
            p.setPen(Qt::NoPen);
            const QColor heri(38, 46, 34);
            // Mats of 700 x 350 px in the usual staggered layout.
            for (int row = 0; row * 350 < H; ++row) {
                p.fillRect(0, row * 350, W, 16, heri);
                int offset = (row % 2) ? 350 : 0;
                for (int x = -offset; x < W; x += 700) p.fillRect(x, row * 350, 16, 350, heri);
            }
            break;
        }
        case 7: {  // bamboo: green stalks with nodes in a dark grove
            QLinearGradient dusk(0, 0, 0, H);
            dusk.setColorAt(0, QColor(26, 52, 30));
            dusk.setColorAt(1, QColor(10, 30, 14));
            p.fillRect(QRect(0, 0, W, H), dusk);
            p.setRenderHint(QPainter::Antialiasing);
            for (int layer = 0; layer < 2; ++layer) {
                int x = rng.range(-40, 40);
                while (x < W) {
                    const int w = layer == 0 ? rng.range(40, 60) : rng.range(70, 100);
                    QLinearGradient stalk(x, 0, x + w, 0);
                    const int dark = layer == 0 ? 40 : 0;
                    stalk.setColorAt(0.0, QColor(70 - dark, 120 - dark, 40 - dark / 2));
                    stalk.setColorAt(0.35, QColor(150 - dark, 200 - dark, 90 - dark / 2));
                    stalk.setColorAt(1.0, QColor(50 - dark / 2, 95 - dark, 35 - dark / 2));
                    p.fillRect(QRectF(x, 0, w, H), stalk);
                    p.setPen(QPen(QColor(40, 70, 25), 5));
                    int node = rng.range(0, 260);
                    while (node < H) {
                        p.drawLine(QPointF(x, node), QPointF(x + w, node));
                        p.setPen(QPen(QColor(190, 225, 130, 140), 2));
                        p.drawLine(QPointF(x + 2, node + 5), QPointF(x + w - 2, node + 5));
                        p.setPen(QPen(QColor(40, 70, 25), 5));
                        node += rng.range(220, 320);
                    }
                    x += w + (layer == 0 ? rng.range(60, 140) : rng.range(120, 260));
                }
            }
            break;
        }
        case 8: {  // space: a deep night with stars and a faint nebula
            QLinearGradient sky(0, 0, W, H);
            sky.setColorAt(0, QColor(4, 6, 24));
            sky.setColorAt(1, QColor(12, 4, 30));
            p.fillRect(QRect(0, 0, W, H), sky);
            p.setRenderHint(QPainter::Antialiasing);
            QRadialGradient neb(W * 0.7, H * 0.3, W * 0.35);
            neb.setColorAt(0, QColor(120, 60, 160, 70));
            neb.setColorAt(1, QColor(20, 10, 60, 0));
            p.fillRect(QRect(0, 0, W, H), neb);
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 2600; ++i) {
                const double x = rng.unit() * W, y = rng.unit() * H;
                const double r = 0.6 + std::pow(rng.unit(), 6) * 4.0;
                const int tint = rng.range(0, 3);
                QColor c = tint == 0   ? QColor(255, 230, 200)
                           : tint == 1 ? QColor(200, 220, 255)
                                       : QColor(255, 255, 255);
                c.setAlpha(120 + rng.range(0, 135));
                p.setBrush(c);
                p.drawEllipse(QPointF(x, y), r, r);
            }
            break;
        }
        default: {  // brick: red bricks in running bond on grey mortar
            p.fillRect(QRect(0, 0, W, H), QColor(150, 146, 138));
            const int bw = 180, bh = 60, gap = 8;
            for (int row = 0; row * bh < H; ++row) {
                const int offset = (row % 2) ? bw / 2 : 0;
                for (int x = -offset; x < W; x += bw) {
                    const int r = 150 + rng.range(-25, 25), g = 62 + rng.range(-15, 15),
                              b = 44 + rng.range(-10, 10);
                    const QRect brick(x + gap / 2, row * bh + gap / 2, bw - gap, bh - gap);
                    QLinearGradient face(0, row * bh, 0, row * bh + bh);
                    face.setColorAt(0, QColor(clampByte(r + 20), clampByte(g + 10), b));
                    face.setColorAt(1, QColor(clampByte(r - 25), clampByte(g - 10), b));
                    p.fillRect(brick, face);
                }
            }
            break;
        }
    }
}

}  // namespace murokan::platform
