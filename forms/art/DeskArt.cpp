// The desk the book lies on: a warm wooden table top, and a flat variant.
//
// The wood is computed as one tone per pixel and stored through a palette of
// 256 wood colours: the tones change slowly along the grain, so the file stays
// small although the picture is drawn at full size.
#include "forms/art/Pictures.h"

#include <algorithm>
#include <cmath>

namespace {

// Smooth 1-D value noise: random values at whole numbers, cosine-interpolated.
class TValueNoise {
public:
    TValueNoise(uint32_t Seed, int Count) : FValues(size_t(Count)) {
        Art::TGrain G(Seed);
        for (double& V : FValues)
            V = G.Unit();
    }
    double At(double X) const {
        const int N = int(FValues.size());
        const double F = std::floor(X);
        const int I = ((int(F) % N) + N) % N;
        const double T = (1 - std::cos((X - F) * M_PI)) / 2;
        return FValues[size_t(I)] * (1 - T) + FValues[size_t((I + 1) % N)] * T;
    }

private:
    std::vector<double> FValues;
};

double SmoothStep(double E0, double E1, double X) {
    const double T = std::clamp((X - E0) / (E1 - E0), 0.0, 1.0);
    return T * T * (3 - 2 * T);
}

// The wood colours from dark (0) to light (255).
QVector<QRgb> WoodPalette() {
    struct TStop {
        double At;
        QColor Color;
    };
    const TStop Stops[] = {{0.00, QColor(0x2E, 0x1A, 0x0E)},
                           {0.30, QColor(0x5A, 0x33, 0x1C)},
                           {0.55, QColor(0x86, 0x55, 0x30)},
                           {0.78, QColor(0xA8, 0x73, 0x46)},
                           {1.00, QColor(0xCB, 0x9A, 0x68)}};
    QVector<QRgb> Table;
    for (int I = 0; I < 256; ++I) {
        const double T = I / 255.0;
        int S = 0;
        while (S < 3 && T > Stops[S + 1].At)
            ++S;
        const double U = (T - Stops[S].At) / (Stops[S + 1].At - Stops[S].At);
        Table.append(Art::Mix(Stops[S].Color, Stops[S + 1].Color, U).rgb());
    }
    return Table;
}

// Tone of the wood at a point: long, gently waving grain with darker streaks.
struct TWood {
    TValueNoise Fine{11, 4096}, Medium{23, 1024}, Broad{37, 256}, Fade{41, 256}, Wave{53, 64};

    double Tone(double X, double Y) const {
        // The grain runs along x; bend it a little so no line is straight.
        const double V = Y + 14 * std::sin(X / 260 + 0.6) +
                         22 * (Wave.At(X / 180 + Y / 900) - 0.5) + 5 * std::sin(X / 75 + Y / 140);
        const double Streak = Fine.At(V / 2.6) - 0.5;
        const double Line = Medium.At(V / 9) - 0.5;
        const double Band = Broad.At(V / 55) - 0.5;
        // Streaks come and go along the board.
        const double Strength = 0.5 + Fade.At(X / 140 + V / 400);
        return 0.60 + 0.16 * Band + 0.07 * Line * Strength + 0.045 * Streak * Strength;
    }
};

QImage Desk() {
    const int W = 1024, H = 768;
    QImage Img(W, H, QImage::Format_Indexed8);
    Img.setColorTable(WoodPalette());
    const TWood Wood;
    for (int Y = 0; Y < H; ++Y) {
        uchar* Line = Img.scanLine(Y);
        for (int X = 0; X < W; ++X) {
            double T = Wood.Tone(X, Y);
            // Light falls from the upper left; the corners sink into shade.
            const double Dx = (X - W * 0.46) / (W * 0.62), Dy = (Y - H * 0.42) / (H * 0.66);
            const double D = std::sqrt(Dx * Dx + Dy * Dy);
            T += 0.05 * (1 - (double(X) / W + double(Y) / H) / 2);
            T -= 0.26 * SmoothStep(0.45, 1.45, D);
            Line[X] = uchar(std::clamp(int(std::lround(T * 255)), 0, 255));
        }
    }
    return Img;
}

// The flat variant: the same wood in a few plain tones, without light or shade.
QImage Desk16() {
    const int W = 804, H = 556, Tones = 6;
    QImage Img(W, H, QImage::Format_Indexed8);
    Img.setColorTable(WoodPalette());
    const TWood Wood;
    for (int Y = 0; Y < H; ++Y) {
        uchar* Line = Img.scanLine(Y);
        for (int X = 0; X < W; ++X) {
            // Tones between 0.5 and 0.7, in equal steps.
            const double T = std::clamp((Wood.Tone(X, Y) - 0.5) / 0.2, 0.0, 0.999);
            const double Step = std::floor(T * Tones) / (Tones - 1);
            Line[X] = uchar(std::lround((0.52 + 0.16 * Step) * 255));
        }
    }
    return Img;
}

} // namespace

void DrawDeskPictures(TPictureList& Out) {
    Out.push_back({QStringLiteral("Desk.png"), Desk()});
    Out.push_back({QStringLiteral("Desk16.png"), Desk16()});
}
