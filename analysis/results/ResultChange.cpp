#include "analysis/results/ResultChange.h"

#include <cmath>

namespace {
constexpr double Tolerance = 1e-4;
} // namespace

TChange ResultChange(double Current, double Previous, double Step, bool HasPrevious) {
    if (!HasPrevious) return TChange::None;
    double Delta = Current - Previous;
    if (Step < 0) {
        Delta = -Delta;
        Step = -Step;
    }
    if (std::fabs(Delta) < Tolerance) return TChange::Level;
    if (Delta >= Step - Tolerance) return TChange::DoubleUp;
    if (Delta > 0) return TChange::Up;
    if (Delta <= -Step + Tolerance) return TChange::DoubleDown;
    return TChange::Down;
}

std::string ChangePictureName(TChange Change, bool Emphasised) {
    const char* Name = nullptr;
    switch (Change) {
    case TChange::DoubleUp:
        Name = "ArrowUp2";
        break;
    case TChange::Up:
        Name = "ArrowUp1";
        break;
    case TChange::Level:
        Name = "ArrowHorizontal";
        break;
    case TChange::Down:
        Name = "ArrowDown1";
        break;
    case TChange::DoubleDown:
        Name = "ArrowDown2";
        break;
    case TChange::None:
        return "ClearPic";
    }
    return std::string(Name) + (Emphasised ? "b" : "");
}

int64_t RoundHalfEven(double Value) {
    const double Floor = std::floor(Value);
    const double Fraction = Value - Floor;
    if (std::fabs(Fraction - 0.5) < Tolerance) {
        const auto Lower = static_cast<int64_t>(Floor);
        return Lower % 2 == 0 ? Lower : Lower + 1;
    }
    return static_cast<int64_t>(Fraction < 0.5 ? Floor : Floor + 1);
}

std::string SpeedText(double Speed) {
    if (Speed < 0) return "-";
    return std::to_string(RoundHalfEven(Speed));
}

std::string WholePercentText(double Percent) {
    if (Percent < 0) return "-";
    return std::to_string(RoundHalfEven(Percent)) + " %";
}

std::string OneDecimalPercentText(double Percent) {
    if (Percent < 0) return "-";
    const int64_t Tenths = RoundHalfEven(Percent * 10);
    return std::to_string(Tenths / 10) + "." + std::to_string(Tenths % 10) + " %";
}
