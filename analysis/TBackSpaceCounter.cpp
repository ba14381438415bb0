#include "analysis/TBackSpaceCounter.h"

#include "analysis/TLevelNames.h"

void TBackSpaceCounter::Reset() {
    Keys = 0;
    BackSpaces = 0;
}

void TBackSpaceCounter::CountKey(unsigned char Key) {
    Keys += 1;
    if (Key == BackSpace) {
        BackSpaces += 1;
        PendingBackSpaces += 1;
    } else if (PendingBackSpaces > 0) {
        if (FDifficultKeys) FDifficultKeys->RecordKey(Key, true);
        PendingBackSpaces = 0;
    }
}

float TBackSpaceCounter::Percentage() const {
    if (Keys <= 0) return 0;
    return float(100.0 * BackSpaces / Keys);
}

float TBackSpaceCounter::BackSpaceGrade() const {
    // (p - 10) x -0.4 with p = 100 b / k is (4 k - 40 b) / k: one division
    // of whole numbers, so 7.5 %, 5 % and 2.5 % give exactly 1, 2 and 3.
    const double K = Keys > 0 ? double(Keys) : 1.0;
    const double B = Keys > 0 ? double(BackSpaces) : 0.0;
    return ClampGrade((4 * K - 40 * B) / K);
}
