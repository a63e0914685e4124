#include "platform/qt/pictures.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/qt/texture_noise.h"

namespace murokan::platform {

namespace {

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

void Pictures::paintAhead() {
    if (ahead_.valid()) return;
    ahead_ = std::async(std::launch::async, [] {
        // The empty square, the vanish frames, the title and both sides' pieces.
        Pictures painter;
        for (int code : {0, 3, 4, -3}) painter.find(code);
        for (int kind : {10, 11, 20, 21, 30, 31, 40, 41, 50, 60, 61, 70, 71, 80}) {
            painter.find(kind);
            painter.find(-kind);
        }
        return std::move(painter.cache_);
    });
}

const QImage* Pictures::find(int code) {
    if (ahead_.valid()) {
        for (auto& [c, img] : ahead_.get()) cache_.try_emplace(c, std::move(img));
    }
    if (auto it = cache_.find(code); it != cache_.end()) return &it->second;
    QImage img;
    // Pieces and vanish frames lie on the empty square's wood, painted once.
    if (code == 0) {
        img = makeEmptySquare();
    } else if (code == 3 || code == 4) {
        img = makeVanish(*find(0), code - 2);
    } else if (code == -3) {
        img = makeTitle();
    } else if (!pieceGlyph(code).isEmpty()) {
        img = makePiece(*find(0), code);
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

QImage Pictures::makePiece(const QImage& ground, int code) const {
    QImage img = ground.copy();
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
QImage Pictures::makeVanish(const QImage& ground, int frame) const {
    QImage img = ground.copy();
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
