#include "analysis/TEfficiencyCalc.h"

#include "analysis/TLevelNames.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {} // namespace

void TEfficiencyCalc::Reset() {
    FKeysRequired = 0;
    FTextChars = 0;
    FCorrectHundredths = 0;
    FElapsed = 0;
}

void TEfficiencyCalc::AddWord(int32_t Passed, int32_t ErrorPercent, int32_t MatchedLength) {
    FKeysRequired = Saturated(int64_t(FKeysRequired) + Passed + 1);
    FTextChars = Saturated(int64_t(FTextChars) + Passed);
    const int64_t Right = 100 - std::clamp<int64_t>(ErrorPercent, 0, 100);
    FCorrectHundredths += Right * std::max<int64_t>(MatchedLength, 0);
}

int32_t TEfficiencyCalc::Speed() const {
    if (FElapsed <= 0) return 0;
    // KeysRequired / (Elapsed / 60)
    return Saturated(RoundedQuotient(int64_t(FKeysRequired) * 60, FElapsed));
}

float TEfficiencyCalc::SpeedGrade() const {
    return ClampGrade(double(int64_t(Speed()) - 30) / 60.0);
}

float TEfficiencyCalc::Accuracy() const {
    if (FTextChars <= 0) return 0;
    // p = 100 x CorrectChars / TextChars; (p - 90) x 10 = (10 x hundredths
    // - 900 x TextChars) / TextChars.
    const double Score = double(10 * FCorrectHundredths - 900 * int64_t(FTextChars)) / FTextChars;
    return float(std::clamp(Score, 0.0, 100.0));
}

float TEfficiencyCalc::AccuracyGrade() const {
    if (FTextChars <= 0) return 0;
    // The score times TextChars, as a whole number, so that each piece of
    // the line is one division and the break points come out exact.
    const int64_t Chars = FTextChars;
    const int64_t Scaled =
        std::clamp<int64_t>(10 * FCorrectHundredths - 900 * Chars, 0, 100 * Chars);
    double Grade;
    if (Scaled < 60 * Chars)
        Grade = double(Scaled) / double(60 * Chars);
    else if (Scaled < 85 * Chars)
        Grade = 1 + double(Scaled - 60 * Chars) / double(25 * Chars);
    else if (Scaled < 95 * Chars)
        Grade = 2 + double(Scaled - 85 * Chars) / double(10 * Chars);
    else
        Grade = 3 + double(Scaled - 95 * Chars) / double(5 * Chars);
    return ClampGrade(Grade);
}

int32_t TEfficiencyCalc::Efficiency() const {
    // a = accuracy grade / 4, b = speed grade / 4; a b / (a + b) x 2 x 100
    // is 50 qa qs / (qa + qs). The product of two floats and 50 is exact in
    // long double, so a result of exactly one half is seen as such.
    const long double Qa = AccuracyGrade();
    const long double Qs = SpeedGrade();
    if (Qa + Qs <= 0) return 0;
    const long double Value = 50 * Qa * Qs / (Qa + Qs);
    return int32_t(std::clamp(std::nearbyint(Value), 0.0L, 100.0L));
}

float TEfficiencyCalc::EfficiencyGrade() const {
    return ClampGrade(double(Efficiency()) / 25.0);
}
