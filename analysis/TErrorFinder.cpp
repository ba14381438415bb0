#include "analysis/TErrorFinder.h"

#include "platform/Rounding.h"

#include <algorithm>

namespace {

constexpr char GapChar = char(TErrorFinder::Gap);

unsigned char UpperAscii(char C) {
    const unsigned char U = static_cast<unsigned char>(C);
    return (U >= 'a' && U <= 'z') ? static_cast<unsigned char>(U - ('a' - 'A')) : U;
}

// The two words under alignment, indexed from 1 as the rules count them.
class TAlignment {
public:
    TAlignment(std::string& Model, std::string& Typed) : M(Model), T(Typed) {}

    // M[P] and T[Q] both exist and are the same key.
    bool S(size_t P, size_t Q) const {
        if (P < 1 || Q < 1 || P > M.size() || Q > T.size()) return false;
        return UpperAscii(M[P - 1]) == UpperAscii(T[Q - 1]);
    }
    bool SameCase(size_t I) const { return M[I - 1] == T[I - 1]; }

    // Gaps into a word before its I-th character; what would pass the short
    // string's 255 characters falls off the end.
    static void InsertGaps(std::string& S, size_t I, size_t Count) {
        S.insert(std::min(I - 1, S.size()), Count, GapChar);
        if (S.size() > TErrorFinder::MaxLength) S.resize(TErrorFinder::MaxLength);
    }

    // Errors counted in halves.
    int64_t Run() {
        int64_t HalfErrors = 0;
        size_t I = 1;
        while (I <= std::max(M.size(), T.size())) {
            if (I > M.size())
                M.push_back(GapChar);
            else if (I > T.size())
                T.push_back(GapChar);

            if (S(I, I)) {
                if (!SameCase(I)) HalfErrors += 1;
                I += 1;
            } else if (S(I, I + 1) && S(I + 1, I + 2)) { // one key too many
                InsertGaps(M, I, 1);
                HalfErrors += 2;
                I += 1;
            } else if (S(I + 1, I) && S(I + 2, I + 1)) { // one key missing
                InsertGaps(T, I, 1);
                HalfErrors += 2;
                I += 1;
            } else if (S(I, I + 1)) {
                HalfErrors += 2;
                if (S(I + 1, I)) { // two keys swapped
                    I += 2;
                } else {
                    InsertGaps(M, I, 1);
                    I += 1;
                }
            } else if (S(I + 1, I)) {
                InsertGaps(T, I, 1);
                HalfErrors += 2;
                I += 1;
            } else if (S(I, I + 2)) {
                if (S(I + 1, I + 3)) { // two keys too many
                    InsertGaps(M, I, 2);
                    HalfErrors += 3;
                    I += 2;
                } else {
                    HalfErrors += 2;
                    I += 1;
                }
            } else if (S(I + 2, I)) {
                if (S(I + 3, I + 1)) { // two keys missing
                    InsertGaps(T, I, 2);
                    HalfErrors += 3;
                    I += 2;
                } else {
                    HalfErrors += 2;
                    I += 1;
                }
            } else { // a wrong key
                HalfErrors += 2;
                I += 1;
            }
        }
        return HalfErrors;
    }

private:
    std::string& M;
    std::string& T;
};

} // namespace

int32_t TErrorFinder::Align(const std::string& Model, const std::string& Typed,
                            std::string& AlignedModel, std::string& AlignedTyped) {
    AlignedModel.assign(Model, 0, MaxLength);
    AlignedTyped.assign(Typed, 0, MaxLength);
    if (AlignedModel == AlignedTyped) return 0;
    if (AlignedModel.empty() || AlignedTyped.empty()) return 100;

    const int64_t ModelLength = int64_t(AlignedModel.size());
    TAlignment Alignment(AlignedModel, AlignedTyped);
    const int64_t HalfErrors = Alignment.Run();
    // (HalfErrors / 2) / n x 100, worked out on integers.
    return int32_t(RoundedQuotient(HalfErrors * 100, 2 * ModelLength));
}

int32_t TErrorFinder::ErrorPercent(const std::string& Model, const std::string& Typed) {
    const int32_t Percent = Align(Model, Typed, FModel, FTyped);
    FModel.clear();
    FTyped.clear();
    return Percent;
}

void TErrorFinder::RecordErrors(const std::string& Model, const std::string& Typed) {
    const int32_t Percent = Align(Model, Typed, FModel, FTyped);
    const auto Record = [this](char Key, bool Error) {
        if (FDifficultKeys) FDifficultKeys->RecordKey(static_cast<unsigned char>(Key), Error);
    };
    if (Percent <= Threshold) {
        const TAlignment Alignment(FModel, FTyped);
        for (size_t I = 1; I <= FTyped.size(); ++I) {
            const char M = I <= FModel.size() ? FModel[I - 1] : GapChar;
            const char T = FTyped[I - 1];
            if (Alignment.S(I, I))
                Record(M, false);
            else if (M != GapChar && M != ' ')
                Record(M, true); // the key that should have been pressed
            else if (M == GapChar && I > 1 && T == FTyped[I - 2])
                Record(T, true); // a key that bounced
        }
    }
    FModel.clear();
    FTyped.clear();
}
