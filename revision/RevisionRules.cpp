#include "revision/RevisionRules.h"

#include "files/SystemUtils.h"
#include "files/TextUtils.h"
#include "platform/Rounding.h"

#include <algorithm>

namespace {

// Keys of the home row, added where a game needs more keys.
const std::string HomeRow = "asdfjkl";

bool AnyStudied(const std::string& Keys, const std::string& Studied) {
    const std::string Known = LowerCase(Studied);
    for (char C : LowerCase(Keys))
        if (Known.find(C) != std::string::npos) return true;
    return false;
}

} // namespace

TKeyChoiceResult ChooseRevisionKeys(const TKeyChoiceInput& In) {
    TKeyChoiceResult Out;
    Out.Keys = In.KnownKeys;
    const bool Bubbles = In.Method == rmBubbles;
    if (In.Choice == kcCurrent) {
        Out.Keys = RemoveCapitals(In.CurrentGroup);
        if (Out.Keys.size() < 5 && Bubbles) Out.Keys += HomeRow;
        return Out;
    }
    if (In.Choice == kcDifficult) {
        Out.Keys = In.DifficultKeys;
        if (Out.Keys.size() < 5 && Bubbles) Out.Keys = Out.Keys + Out.Keys + HomeRow;
        return Out;
    }
    if (In.Choice != kcTyped) return Out;

    Out.Keys = UniqueChars(In.Typed);
    if (Out.Keys.size() < 5 && Bubbles) Out.Keys = Out.Keys + Out.Keys + HomeRow;
    if (KeepLetters(Out.Keys).empty())
        Out.Message = "You should choose at least one alphabet (a-z or A-Z) to be revised.\r"
                      "Your difficult keys will be revised instead.";
    else if (!AnyStudied(Out.Keys, In.StudiedKeys))
        Out.Message = "The keys chosen are not yet studied and can not be revised.\r"
                      "Your current difficult keys will be revised instead.";
    else
        return Out;
    Out.Keys = In.KnownKeys + In.DifficultKeys;
    if (Out.Keys.empty()) Out.Keys = In.LastGroup;
    return Out;
}

// The tables fall linearly with the number of keys: 5 - 0.6 (L - 1) words
// and 6 - 0.8 (L - 1) rows, rounded; worked on whole numbers so that no
// binary fraction rounds the wrong way.
int DrillWordsPerKey(int KeyCount) {
    return int(std::max<int64_t>(1, RoundedQuotient(28 - 3 * int64_t(KeyCount), 5)));
}

int RowsPerKey(int KeyCount) {
    return int(std::max<int64_t>(1, RoundedQuotient(34 - 4 * int64_t(KeyCount), 5)));
}

int GameWordsPerKey(int KeyCount) {
    return KeyCount > 0 ? int(RoundedQuotient(200, KeyCount)) : 0;
}

int StoryMinutes(int Duration) {
    switch (Duration) {
    case 1:
        return 5;
    case 2:
        return 10;
    case 3:
        return 20;
    case 4:
        return 30;
    default:
        return 1;
    }
}

std::string BubblesKeySet(int KeySet, const std::string& StudiedKeys) {
    const std::string Small = "abcdefghijklmnopqrstuvwxyz";
    const std::string Capitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    switch (KeySet) {
    case 2:
        return Small;
    case 3:
        return Small + Capitals;
    case 4:
        return Small + Capitals + "1234567890";
    default:
        return StudiedKeys;
    }
}

std::string StoryPreviewText(const std::string& Text) {
    std::string Result;
    bool ParagraphEnded = false;
    size_t At = 0;
    while (At < Text.size()) {
        const size_t End = std::min(Text.find_first_of("\r\n", At), Text.size());
        const std::string Line = Trim(Text.substr(At, End - At));
        At = End;
        if (At < Text.size() && Text[At] == '\r') ++At;
        if (At < Text.size() && Text[At] == '\n') ++At;
        if (Line.empty()) {
            ParagraphEnded = !Result.empty();
            continue;
        }
        if (!Result.empty()) Result += ParagraphEnded ? "\r\r" : " ";
        ParagraphEnded = false;
        Result += Line;
    }
    return Result;
}
