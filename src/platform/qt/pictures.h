// The stock pictures of the drawing codes, painted with QPainter at canvas
// resolution when first asked for and kept: pieces as wooden koma, the empty
// square, the two vanish frames and the title art.
#pragma once

#include <QFont>
#include <QImage>
#include <future>
#include <map>

class QPainter;
class QPainterPath;
class QColor;

namespace murokan::platform {

// Size of one cell picture in canvas pixels (a cell is 495 x 615 twips).
inline constexpr int kCellPixelsW = 124;
inline constexpr int kCellPixelsH = 154;
// Size of the title art: one cell row high.
inline constexpr int kTitlePixelsW = 640;
inline constexpr int kTitlePixelsH = 150;

// Fills a text outline made from a font of `pixel_size` pixels so that it looks
// bold at any size.
void fillBold(QPainter& p, const QPainterPath& outline, int pixel_size, const QColor& ink);

// Paints the koma of piece `code` (its kanji in `mincho`) over one cell of
// kCellPixelsW x kCellPixelsH whose top-left corner is the painter's origin,
// leaving the ground under it as it was.
void paintKoma(QPainter& p, const QFont& mincho, int code);

class Pictures {
  public:
    Pictures();

    // The picture of a drawing code, nullptr for codes without one and for the
    // backgrounds (5..9), which Backgrounds paints where they show.
    const QImage* find(int code);

    // Starts painting every stock picture on a thread of its own, with fonts
    // of its own; the first find() takes them over.
    void paintAhead();
    // Lets every picture go; each is painted again when next asked for.
    void release() { cache_.clear(); }

    // The Mincho face of the window (IPA Mincho, else any Japanese face).
    static QString minchoFamily();

  private:
    QImage makePiece(const QImage& ground, int code) const;
    QImage makeEmptySquare() const;
    QImage makeVanish(const QImage& ground, int frame) const;
    QImage makeTitle() const;

    QFont mincho_;
    std::map<int, QImage> cache_;
    std::future<std::map<int, QImage>> ahead_;
};

}  // namespace murokan::platform
