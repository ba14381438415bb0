// The error finder on any two words of up to 255 characters: the first byte
// says how many of the following bytes form the model word, the rest is the
// typed word. The alignment must end, keep both words within a short string
// and of equal length, and agree with the error percentage; recording the
// errors must stay within the keys of the two words.
#include "analysis/TErrorFinder.h"
#include "users/TDifficultKeys.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The gap character and the keys of the two words.
bool FromTheWords(int Key, const std::string& Model, const std::string& Typed) {
    const char C = char(Key);
    return Key == TErrorFinder::Gap || Model.find(C) != std::string::npos ||
           Typed.find(C) != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size == 0) return 0;
    const size_t ModelSize = std::min<size_t>(Data[0], Size - 1);
    const size_t TypedSize = std::min<size_t>(Size - 1 - ModelSize, TErrorFinder::MaxLength);
    const std::string Model(reinterpret_cast<const char*>(Data + 1), ModelSize);
    const std::string Typed(reinterpret_cast<const char*>(Data + 1 + ModelSize), TypedSize);

    TErrorFinder Finder;
    const int32_t Percent = Finder.ErrorPercent(Model, Typed);
    std::string M, T;
    if (TErrorFinder::Align(Model, Typed, M, T) != Percent) abort();
    if (M.size() > TErrorFinder::MaxLength || T.size() > TErrorFinder::MaxLength) abort();
    if (Model == Typed) {
        if (Percent != 0 || M != Model || T != Typed) abort();
    } else if (Model.empty() || Typed.empty()) {
        if (Percent != 100) abort();
    } else {
        // At most one and a half errors for each step of at least one
        // position along words of at most 255.
        if (Percent < 0 ||
            int64_t(Percent) * int64_t(Model.size()) > 150 * 255 + int64_t(Model.size()))
            abort();
        if (M.size() != T.size()) abort();
        if (M.size() < std::max(Model.size(), Typed.size()) && M.size() != TErrorFinder::MaxLength)
            abort();
    }

    CreateDifficultKeys();
    TErrorFinder(DifficultKeys).RecordErrors(Model, Typed);
    int32_t Strokes = 0;
    for (int Key = TDifficultKeys::FirstCode; Key <= TDifficultKeys::LastCode; ++Key) {
        const int32_t Pending = DifficultKeys->PendingStrokes(Key);
        if (Pending > 0 && !FromTheWords(Key, Model, Typed)) abort();
        if (DifficultKeys->PendingErrors(Key) > Pending) abort();
        Strokes += Pending;
    }
    if (size_t(Strokes) > T.size()) abort();
    if (Percent > Finder.Threshold && Strokes != 0) abort();
    FreeDifficultKeys();
    return 0;
}
