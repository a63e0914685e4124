#include "platform/qt/pictures.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/qt/canvas_geometry.h"

namespace murokan::platform {

namespace {

// A small fixed-seed generator: the textures look the same on every start.
class Rng {
  public:
    explicit Rng(std::uint32_t seed) : s_(seed) {}
    std::uint32_t next() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    // Uniform in 0..1.
    double unit() { return (next() & 0xffffff) / double(0x1000000); }
    int range(int lo, int hi) { return lo + static_cast<int>(next() % unsigned(hi - lo + 1)); }

  private:
    std::uint32_t s_;
};

int clampByte(int v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// The kanji of a piece code: 0 index unpromoted, 1 promoted.
QString pieceGlyph(int code) {
    const int a = std::abs(code);
    const bool bottom = code < 0;
    switch (a) {
        case 10:
            return QStringLiteral("歩");
        case 11:
            return QStringLiteral("と");
        case 20:
            return QStringLiteral("香");
        case 21:
            return QStringLiteral("杏");
        case 30:
            return QStringLiteral("桂");
        case 31:
            return QStringLiteral("圭");
        case 40:
            return QStringLiteral("銀");
        case 41:
            return QStringLiteral("全");
        case 50:
            return QStringLiteral("金");
        case 60:
            return QStringLiteral("角");
        case 61:
            return QStringLiteral("馬");
        case 70:
            return QStringLiteral("飛");
        case 71:
            return QStringLiteral("龍");
        case 80:
            return bottom ? QStringLiteral("玉") : QStringLiteral("王");
        default:
            return {};
    }
}

// Relative size of the koma: bigger pieces are drawn larger, as on a real board.
double pieceScale(int code) {
    switch (std::abs(code) / 10) {
        case 1:
            return 0.86;
        case 2:
            return 0.89;
        case 3:
            return 0.91;
        case 4:
        case 5:
            return 0.95;
        default:
            return 1.0;
    }
}

}  // namespace

void fillBold(QPainter& p, const QPainterPath& outline, int pixel_size, const QColor& ink) {
    // The Mincho face has no bold of its own, and the synthetic one stops above
    // 63 pixels; widening the outline by 1/24 em (as FreeType's emboldening
    // does) gives the same weight at every size.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(outline, ink);
    p.strokePath(outline, QPen(ink, std::max(1, pixel_size) / 24.0, Qt::SolidLine, Qt::RoundCap,
                               Qt::RoundJoin));
    p.restore();
}

QString Pictures::minchoFamily() {
    const QStringList families = QFontDatabase::families();
    for (const char* want : {"IPAMincho", "IPA明朝", "IPAexMincho", "Noto Serif CJK JP",
                             "Noto Serif JP", "IPAPMincho"}) {
        if (families.contains(QString::fromUtf8(want))) return QString::fromUtf8(want);
    }
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    if (!japanese.isEmpty()) return japanese.first();
    return QFont().family();
}

Pictures::Pictures() : mincho_(minchoFamily()) {}

const QImage* Pictures::find(int code) {
    if (auto it = cache_.find(code); it != cache_.end()) return &it->second;
    QImage img;
    if (code == 0) {
        img = makeEmptySquare();
    } else if (code == 3 || code == 4) {
        img = makeVanish(code - 2);
    } else if (isBackground(code)) {
        img = makeBackground(code);
    } else if (code == -3) {
        img = makeTitle();
    } else if (!pieceGlyph(code).isEmpty()) {
        img = makePiece(code);
    } else {
        return nullptr;
    }
    return &cache_.emplace(code, std::move(img)).first->second;
}

// Board wood (kaya): warm yellow with faint vertical grain.
QImage Pictures::makeEmptySquare() const {
    QImage img(kCellPixelsW, kCellPixelsH, QImage::Format_ARGB32_Premultiplied);
    Rng rng(4711);
    double phase[3] = {rng.unit() * 6, rng.unit() * 6, rng.unit() * 6};
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            double g = std::sin(x * 0.35 + std::sin(y * 0.03 + phase[0]) * 2.0) * 6 +
                       std::sin(x * 0.11 + phase[1]) * 5 + (rng.unit() - 0.5) * 6;
            line[x] = qRgb(clampByte(int(228 + g)), clampByte(int(188 + g * 0.9)),
                           clampByte(int(112 + g * 0.6)));
        }
    }
    return img;
}

QImage Pictures::makePiece(int code) const {
    QImage img = makeEmptySquare();
    QPainter p(&img);
    paintKoma(p, mincho_, code);
    return img;
}

void paintKoma(QPainter& p, const QFont& mincho, int code) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double s = pieceScale(code);
    const double w = 104 * s, h = 134 * s;
    const double cx = kCellPixelsW / 2.0;
    const double bottomY = kCellPixelsH / 2.0 + h / 2;
    if (code > 0) {  // the top side's pieces face the other way
        p.translate(kCellPixelsW / 2.0, kCellPixelsH / 2.0);
        p.rotate(180);
        p.translate(-kCellPixelsW / 2.0, -kCellPixelsH / 2.0);
    }
    QPainterPath koma;
    const double top = bottomY - h;
    koma.moveTo(cx, top);
    koma.lineTo(cx + w * 0.40, top + h * 0.18);
    koma.lineTo(cx + w * 0.50, bottomY);
    koma.lineTo(cx - w * 0.50, bottomY);
    koma.lineTo(cx - w * 0.40, top + h * 0.18);
    koma.closeSubpath();
    // Shadow, then the boxwood body lit from the upper left.
    p.fillPath(koma.translated(3, 4), QColor(60, 35, 10, 90));
    QLinearGradient wood(cx - w / 2, top, cx + w / 2, bottomY);
    wood.setColorAt(0.0, QColor(252, 226, 170));
    wood.setColorAt(0.55, QColor(236, 200, 130));
    wood.setColorAt(1.0, QColor(206, 160, 92));
    p.fillPath(koma, wood);
    p.setPen(QPen(QColor(120, 80, 35), 1.6));
    p.drawPath(koma);
    // A bevel along the two upper edges.
    p.setPen(QPen(QColor(255, 244, 215, 160), 2.0));
    p.drawLine(QPointF(cx, top + 3), QPointF(cx - w * 0.38, top + h * 0.18 + 1));

    const bool promoted = (std::abs(code) % 10) == 1;
    const QColor ink = promoted ? QColor(200, 20, 20) : QColor(15, 10, 5);
    QFont f = mincho;
    f.setPixelSize(int(h * 0.52));
    QPainterPath glyph;
    glyph.addText(0, 0, f, pieceGlyph(code));
    // Centred by its ink in the body below the shoulders.
    const QRectF glyphBox(cx - w / 2, top + h * 0.18, w, h * 0.78);
    glyph.translate(glyphBox.center() - glyph.boundingRect().center());
    fillBold(p, glyph, f.pixelSize(), ink);
    p.restore();
}

// Frame 1: a bright burst; frame 2: fading sparks where the piece was.
QImage Pictures::makeVanish(int frame) const {
    QImage img = makeEmptySquare();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(kCellPixelsW / 2.0, kCellPixelsH / 2.0);
    Rng rng(frame == 1 ? 31 : 97);
    if (frame == 1) {
        QRadialGradient glow(c, 62);
        glow.setColorAt(0.0, QColor(255, 255, 255, 255));
        glow.setColorAt(0.35, QColor(255, 235, 120, 230));
        glow.setColorAt(1.0, QColor(255, 140, 0, 0));
        p.setBrush(glow);
        p.setPen(Qt::NoPen);
        p.drawEllipse(c, 62, 62);
        p.setPen(QPen(QColor(255, 250, 200), 3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 12; ++i) {
            double a = i * M_PI / 6 + rng.unit() * 0.2;
            double r1 = 18, r2 = 48 + rng.unit() * 14;
            p.drawLine(c + QPointF(std::cos(a) * r1, std::sin(a) * r1),
                       c + QPointF(std::cos(a) * r2, std::sin(a) * r2));
        }
    } else {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 26; ++i) {
            double a = rng.unit() * 2 * M_PI, r = 30 + rng.unit() * 30;
            QPointF at = c + QPointF(std::cos(a) * r, std::sin(a) * r * 1.2);
            p.setBrush(QColor(255, 200 + rng.range(0, 55), 80, 120 + rng.range(0, 100)));
            double d = 2 + rng.unit() * 4;
            p.drawEllipse(at, d, d);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 110), 3));
        p.drawEllipse(c, 50, 58);
    }
    return img;
}

QImage Pictures::makeBackground(int code) const {
    const int W = kCanvasPixelsW, H = kCanvasPixelsH;
    QImage img(W, H, QImage::Format_RGB32);
    Rng rng(1000 + code);
    QPainter p;
    switch (code) {
        case 5: {  // green baize: dark green felt with fine fibres
            for (int y = 0; y < H; ++y) {
                auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
                for (int x = 0; x < W; ++x) {
                    int n = int(rng.unit() * 22) - 11;
                    line[x] = qRgb(clampByte(18 + n / 2), clampByte(98 + n), clampByte(44 + n / 2));
                }
            }
            break;
        }
        case 6: {  // tatami: straw weave in mats edged with dark cloth
            img.fill(QColor(196, 190, 120));
            for (int y = 0; y < H; ++y) {
                auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
                for (int x = 0; x < W; ++x) {
                    // Rush stems run across each mat; every other row is a little darker.
                    int stem = ((y / 6) & 1) ? -12 : 0;
                    int edge = (y % 6 == 0) ? -22 : 0;
                    int weave = ((x / 40 + y / 6) % 2) ? 6 : -4;  // the binding threads
                    int n = int(rng.unit() * 10) - 5;
                    int d = stem + edge + weave + n;
                    line[x] = qRgb(clampByte(196 + d), clampByte(188 + d), clampByte(112 + d / 2));
                }
            }
            p.begin(&img);
            p.setPen(Qt::NoPen);
            const QColor heri(38, 46, 34);
            // Mats of 700 x 350 px in the usual staggered layout.
            for (int row = 0; row * 350 < H; ++row) {
                p.fillRect(0, row * 350, W, 16, heri);
                int offset = (row % 2) ? 350 : 0;
                for (int x = -offset; x < W; x += 700) p.fillRect(x, row * 350, 16, 350, heri);
            }
            p.end();
            break;
        }
        case 7: {  // bamboo: green stalks with nodes in a dark grove
            QLinearGradient dusk(0, 0, 0, H);
            dusk.setColorAt(0, QColor(26, 52, 30));
            dusk.setColorAt(1, QColor(10, 30, 14));
            p.begin(&img);
            p.fillRect(img.rect(), dusk);
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
            p.end();
            break;
        }
        case 8: {  // space: a deep night with stars and a faint nebula
            QLinearGradient sky(0, 0, W, H);
            sky.setColorAt(0, QColor(4, 6, 24));
            sky.setColorAt(1, QColor(12, 4, 30));
            p.begin(&img);
            p.fillRect(img.rect(), sky);
            p.setRenderHint(QPainter::Antialiasing);
            QRadialGradient neb(W * 0.7, H * 0.3, W * 0.35);
            neb.setColorAt(0, QColor(120, 60, 160, 70));
            neb.setColorAt(1, QColor(20, 10, 60, 0));
            p.fillRect(img.rect(), neb);
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
            p.end();
            break;
        }
        default: {  // brick: red bricks in running bond on grey mortar
            p.begin(&img);
            p.fillRect(img.rect(), QColor(150, 146, 138));
            const int bw = 180, bh = 60, gap = 8;
            for (int row = 0; row * bh < H; ++row) {
                const int offset = (row % 2) ? bw / 2 : 0;
                for (int x = -offset; x < W; x += bw) {
                    const int r = 150 + rng.range(-25, 25), g = 62 + rng.range(-15, 15),
                              b = 44 + rng.range(-10, 10);
                    QLinearGradient face(0, row * bh, 0, row * bh + bh);
                    face.setColorAt(0, QColor(clampByte(r + 20), clampByte(g + 10), b));
                    face.setColorAt(1, QColor(clampByte(r - 25), clampByte(g - 10), b));
                    p.fillRect(QRect(x + gap / 2, row * bh + gap / 2, bw - gap, bh - gap), face);
                }
            }
            p.end();
            break;
        }
    }
    return img;
}

// The title: "MUROKAN" in gold over ムロカン, on a transparent ground. It keeps
// to row 0 (one cell high), so the handicap label of row 1 never cuts into it.
QImage Pictures::makeTitle() const {
    QImage img(kTitlePixelsW, kTitlePixelsH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QFont latin(mincho_);
    latin.setPixelSize(100);
    latin.setWeight(QFont::Black);
    latin.setLetterSpacing(QFont::PercentageSpacing, 104);
    QPainterPath word;
    word.addText(QPointF(20, 86), latin, QStringLiteral("MUROKAN"));
    p.fillPath(word.translated(4, 5), QColor(0, 0, 0, 150));
    QLinearGradient gold(0, 14, 0, 88);
    gold.setColorAt(0.0, QColor(255, 246, 170));
    gold.setColorAt(0.5, QColor(235, 180, 40));
    gold.setColorAt(1.0, QColor(160, 100, 10));
    p.fillPath(word, gold);
    p.setPen(QPen(QColor(70, 35, 0), 2.5));
    p.drawPath(word);

    QFont kana(mincho_);
    kana.setPixelSize(50);
    QPainterPath sub;
    sub.addText(QPointF(0, 0), kana, QStringLiteral("ムロカン"));
    // Under the right half of the word.
    sub.translate(word.boundingRect().right() - sub.boundingRect().right(),
                  kTitlePixelsH - 6 - sub.boundingRect().bottom());
    fillBold(p, sub.translated(3, 4), kana.pixelSize(), QColor(20, 10, 0));
    fillBold(p, sub, kana.pixelSize(), QColor(250, 250, 245));
    p.setPen(QPen(QColor(150, 20, 20), 1.5));
    p.drawPath(sub);
    return img;
}

}  // namespace murokan::platform
