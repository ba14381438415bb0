#include "forms/art/ArtKit.h"

#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Art {

QImage NewImage(int W, int H) {
    QImage Img(W * Density, H * Density, QImage::Format_ARGB32_Premultiplied);
    Img.setDevicePixelRatio(Density);
    Img.fill(Qt::transparent);
    return Img;
}

QImage NewOpaque(int W, int H, const QColor& Fill) {
    QImage Img(W * Density, H * Density, QImage::Format_ARGB32_Premultiplied);
    Img.setDevicePixelRatio(Density);
    Img.fill(Fill.rgb());
    return Img;
}

QRect Pixels(const QImage& Img, const QRect& Units) {
    const int D = int(Img.devicePixelRatio());
    return QRect(Units.topLeft() * D, Units.size() * D);
}

QRectF Pixels(const QImage& Img, const QRectF& Units) {
    const qreal D = Img.devicePixelRatio();
    return QRectF(Units.topLeft() * D, Units.size() * D);
}

QImage Cut(const QImage& Img, const QRect& Units) {
    QImage Part = Img.copy(Pixels(Img, Units));
    Part.setDevicePixelRatio(Img.devicePixelRatio());
    return Part;
}

QColor Mix(const QColor& A, const QColor& B, double T) {
    T = std::clamp(T, 0.0, 1.0);
    auto Lerp = [T](double X, double Y) { return X + (Y - X) * T; };
    return QColor::fromRgbF(float(Lerp(A.redF(), B.redF())), float(Lerp(A.greenF(), B.greenF())),
                            float(Lerp(A.blueF(), B.blueF())), float(Lerp(A.alphaF(), B.alphaF())));
}

QColor WithAlpha(QColor C, int Alpha) {
    C.setAlpha(Alpha);
    return C;
}

void Prepare(QPainter& P) {
    P.setRenderHint(QPainter::Antialiasing, true);
    P.setRenderHint(QPainter::TextAntialiasing, true);
    P.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont Font(const QString& Family, int PixelSize, bool Bold, bool Italic) {
    QFont F(Family);
    F.setPixelSize(PixelSize);
    F.setBold(Bold);
    F.setItalic(Italic);
    F.setHintingPreference(QFont::PreferFullHinting);
    F.setStyleStrategy(QFont::PreferAntialias);
    return F;
}

namespace {

// One horizontal box pass over every channel of a premultiplied image.
void BoxPassRows(QImage& Img, int R) {
    const int W = Img.width();
    std::vector<QRgb> Row(static_cast<size_t>(W));
    const int Span = 2 * R + 1;
    for (int Y = 0; Y < Img.height(); ++Y) {
        auto* Line = reinterpret_cast<QRgb*>(Img.scanLine(Y));
        std::copy(Line, Line + W, Row.begin());
        int A = 0, Rd = 0, G = 0, B = 0;
        auto At = [&](int X) { return (X < 0 || X >= W) ? QRgb(0) : Row[size_t(X)]; };
        for (int X = -R; X <= R; ++X) {
            const QRgb C = At(X);
            A += qAlpha(C), Rd += qRed(C), G += qGreen(C), B += qBlue(C);
        }
        for (int X = 0; X < W; ++X) {
            Line[X] = qRgba(Rd / Span, G / Span, B / Span, A / Span);
            const QRgb In = At(X + R + 1), Out = At(X - R);
            A += qAlpha(In) - qAlpha(Out);
            Rd += qRed(In) - qRed(Out);
            G += qGreen(In) - qGreen(Out);
            B += qBlue(In) - qBlue(Out);
        }
    }
}

QImage Transposed(const QImage& Img) {
    QImage Out(Img.height(), Img.width(), Img.format());
    Out.setDevicePixelRatio(Img.devicePixelRatio());
    for (int Y = 0; Y < Img.height(); ++Y) {
        const auto* Line = reinterpret_cast<const QRgb*>(Img.constScanLine(Y));
        for (int X = 0; X < Img.width(); ++X)
            reinterpret_cast<QRgb*>(Out.scanLine(X))[Y] = Line[X];
    }
    return Out;
}

// A path drawn into its own padded canvas, ready to blur.
QImage ShapeMask(const QPainterPath& Shape, const QColor& Color, int Pad, QPointF& Origin) {
    const QRectF B = Shape.boundingRect();
    Origin = QPointF(std::floor(B.left()) - Pad, std::floor(B.top()) - Pad);
    QImage Mask =
        NewImage(int(std::ceil(B.width())) + 2 * Pad + 2, int(std::ceil(B.height())) + 2 * Pad + 2);
    QPainter P(&Mask);
    Prepare(P);
    P.translate(-Origin);
    P.fillPath(Shape, Color);
    return Mask;
}

} // namespace

void Blur(QImage& Img, int Radius) {
    if (Radius <= 0) return;
    if (Img.format() != QImage::Format_ARGB32_Premultiplied)
        Img = Img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Three box passes of roughly a third of the radius each; the radius is
    // in units, the passes in pixels.
    Radius *= int(Img.devicePixelRatio());
    const int R = std::max(1, (Radius + 1) / 2);
    for (int I = 0; I < 3; ++I)
        BoxPassRows(Img, R);
    Img = Transposed(Img);
    for (int I = 0; I < 3; ++I)
        BoxPassRows(Img, R);
    Img = Transposed(Img);
}

void SoftShadow(QPainter& P, const QPainterPath& Shape, QPointF Offset, int Radius,
                const QColor& Color) {
    QPointF Origin;
    QImage Mask = ShapeMask(Shape, Color, Radius * 2 + 2, Origin);
    Blur(Mask, Radius);
    P.drawImage(Origin + Offset, Mask);
}

void InnerShadow(QPainter& P, const QPainterPath& Shape, QPointF Offset, int Radius,
                 const QColor& Color) {
    // Paint the outside of the shape, blur it, and keep only what falls inside.
    const int Pad = Radius * 2 + 4;
    const QRectF B = Shape.boundingRect().adjusted(-Pad, -Pad, Pad, Pad);
    QPainterPath Outside;
    Outside.addRect(B);
    Outside = Outside.subtracted(Shape.translated(Offset));
    QPointF Origin;
    QImage Mask = ShapeMask(Outside, Color, 0, Origin);
    Blur(Mask, Radius);
    P.save();
    P.setClipPath(Shape, Qt::IntersectClip);
    P.drawImage(Origin, Mask);
    P.restore();
}

void EmbossedText(QPainter& P, const QRectF& R, int Flags, const QString& Text, const QColor& Face,
                  const QColor& Under, QPointF UnderOffset) {
    P.save();
    P.setPen(Under);
    P.drawText(R.translated(UnderOffset), Flags, Text);
    P.setPen(Face);
    P.drawText(R, Flags, Text);
    P.restore();
}

uint32_t TGrain::Next() {
    // xorshift32
    FState ^= FState << 13;
    FState ^= FState >> 17;
    FState ^= FState << 5;
    return FState;
}

void AddGrain(QImage& Img, const QRect& Area, int Amplitude, uint32_t Seed, int Levels) {
    TGrain G(Seed);
    // One grain to a unit, whatever the density: the weave keeps its size
    // and the picture its compression.
    const int Dn = int(Img.devicePixelRatio());
    const QRect R = Pixels(Img, Area).intersected(Img.rect());
    const int Steps = std::max(1, Levels);
    std::vector<int> Row(size_t(R.width() / Dn + 1));
    for (int Y = R.top(); Y <= R.bottom(); ++Y) {
        if ((Y - R.top()) % Dn == 0)
            for (int& D : Row) {
                const int Step = int(G.Next() % uint32_t(2 * Steps + 1)) - Steps;
                D = Step * Amplitude / Steps;
            }
        auto* Line = reinterpret_cast<QRgb*>(Img.scanLine(Y));
        for (int X = R.left(); X <= R.right(); ++X) {
            const QRgb C = Line[X];
            if (qAlpha(C) != 255) continue;
            const int D = Row[size_t((X - R.left()) / Dn)];
            Line[X] = qRgb(std::clamp(qRed(C) + D, 0, 255), std::clamp(qGreen(C) + D, 0, 255),
                           std::clamp(qBlue(C) + D, 0, 255));
        }
    }
}

bool SavePng(const QImage& Img, const QString& Path) {
    QImageWriter W(Path, "png");
    W.setQuality(0); // strongest compression
    QImage Out = Img;
    const int DotsPerMeter = int(std::lround(96 / 0.0254 * Img.devicePixelRatio()));
    Out.setDotsPerMeterX(DotsPerMeter);
    Out.setDotsPerMeterY(DotsPerMeter);
    if (Out.format() == QImage::Format_Indexed8) return W.write(Out);
    const QImage Argb = Out.convertToFormat(QImage::Format_ARGB32);
    bool Opaque = true;
    for (int Y = 0; Y < Argb.height() && Opaque; ++Y) {
        const auto* Line = reinterpret_cast<const QRgb*>(Argb.constScanLine(Y));
        for (int X = 0; X < Argb.width(); ++X)
            if (qAlpha(Line[X]) != 255) {
                Opaque = false;
                break;
            }
    }
    return W.write(Opaque ? Argb.convertToFormat(QImage::Format_RGB32) : Argb);
}

} // namespace Art
