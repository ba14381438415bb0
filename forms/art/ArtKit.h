// Drawing helpers shared by the picture generator: colours, soft shadows,
// gradients, fonts and a deterministic grain.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

class QPainter;

// One finished picture: its file name in the Pictures folder and its pixels.
struct TPicture {
    QString Name;
    QImage Image;
};
using TPictureList = std::vector<TPicture>;

namespace Art {

// Pictures are drawn with Density pixels to each of their own units, so that a
// book drawn larger on a large screen stays crisp. Sizes, positions and
// painters work in the picture's own units; pixel loops work in pixels.
constexpr int Density = 2;

// A transparent ARGB canvas of W x H units.
QImage NewImage(int W, int H);
// An opaque canvas filled with one colour.
QImage NewOpaque(int W, int H, const QColor& Fill);
// A rectangle given in an image's units, in its pixels.
QRect Pixels(const QImage& Img, const QRect& Units);
QRectF Pixels(const QImage& Img, const QRectF& Units);
// The part of a picture that a rectangle in its units covers.
QImage Cut(const QImage& Img, const QRect& Units);

// Linear blend of two colours, T in [0, 1].
QColor Mix(const QColor& A, const QColor& B, double T);
QColor WithAlpha(QColor C, int Alpha);

// Antialiased painter with smooth pixmap transforms.
void Prepare(QPainter& P);

// A font by family name and pixel size.
QFont Font(const QString& Family, int PixelSize, bool Bold = false, bool Italic = false);
inline QFont Sans(int PixelSize, bool Bold = false) {
    return Font(QStringLiteral("Arial"), PixelSize, Bold);
}
inline QFont Serif(int PixelSize, bool Bold = false, bool Italic = false) {
    return Font(QStringLiteral("Times New Roman"), PixelSize, Bold, Italic);
}

// Blurs an image in place (three box passes, close to a Gaussian of the given radius).
void Blur(QImage& Img, int Radius);

// Paints the soft shadow of a shape: the shape filled with Color, moved by Offset
// and blurred by Radius.
void SoftShadow(QPainter& P, const QPainterPath& Shape, QPointF Offset, int Radius,
                const QColor& Color);

// Paints a soft glow inside a shape along its edge (an inner shadow).
void InnerShadow(QPainter& P, const QPainterPath& Shape, QPointF Offset, int Radius,
                 const QColor& Color);

// Text with a one-pixel offset copy underneath (engraved or embossed look).
void EmbossedText(QPainter& P, const QRectF& R, int Flags, const QString& Text, const QColor& Face,
                  const QColor& Under, QPointF UnderOffset);

// A small, seedable pseudo-random source so every run draws the same pixels.
class TGrain {
public:
    explicit TGrain(uint32_t Seed) : FState(Seed ? Seed : 1u) {}
    uint32_t Next();
    // Uniform in [0, 1).
    double Unit() { return (Next() >> 8) * (1.0 / 16777216.0); }
    // Uniform in [Lo, Hi).
    double Range(double Lo, double Hi) { return Lo + (Hi - Lo) * Unit(); }

private:
    uint32_t FState;
};

// Adds a faint luminance grain to the pixels of Area, in units (opaque pixels only).
// Amplitude is in 8-bit levels; Levels limits the distinct offsets (fewer
// levels keep the file small).
void AddGrain(QImage& Img, const QRect& Area, int Amplitude, uint32_t Seed, int Levels = 3);

// Saves as PNG with the strongest compression; opaque pictures are stored
// without alpha. The pixel density is stored as the resolution: 96 dots per
// inch for one pixel a unit, 192 for two.
bool SavePng(const QImage& Img, const QString& Path);

} // namespace Art
