// Judging a finished word of a text typing run.
//
// The learner types the model text word by word. A finished word is compared
// with the current model word and with its neighbours, so that one slip (a
// word left out, two words left out, a word typed twice) does not make the
// rest of the text count as wrong:
//
//   rule          condition (E against the current word, E1 the next,
//                 E2 the one after, E0 the previous)  matched  passed    advance
//   one skipped   E1 < E - 20 and E1 <= 40            next     cur+next     2
//   two skipped   E2 < E - 30 and E2 <= 10            next2    cur..next2   3
//   repeated      E0 < E - 20 and E0 <= 40            prev     0            0
//   current       E <= 40                             cur      cur          1
//   no match      otherwise (counts as 100 % wrong)   cur      cur          1
//
// The first rule that applies decides. A typed word is underlined solid when
// it is more than 35 % wrong, dotted when it has any error at all.
#pragma once

#include <cstdint>
#include <string>

class TEfficiencyCalc;
class TErrorFinder;

// The keys the typing logic acts on: backspace, Enter and the printable
// Latin-1 characters. Other control characters (Tab, Escape, Delete and the
// C1 codes 128..159) are never typed into a word.
bool IsTypingKey(unsigned char Key);

enum class TWordRule { Empty, OneSkipped, TwoSkipped, Repeated, Current, NoMatch };

// The model words around the current one; "" where there is none.
struct TModelWords {
    std::string Previous;
    std::string Current;
    std::string Next;
    std::string NextButOne;
};

// Error percentages of the typed word against each of the model words.
struct TWordErrors {
    int32_t Previous = 100;
    int32_t Current = 100;
    int32_t Next = 100;
    int32_t NextButOne = 100;
};

struct TWordVerdict {
    TWordRule Rule = TWordRule::Empty;
    // The model word the learner meant, relative to the current one (-1..2).
    int Matched = 0;
    // Against the matched word; 100 for no match.
    int32_t ErrorPercent = 0;
    // Model characters left behind.
    int32_t Passed = 0;
    // Model words the text moves on by.
    int Advance = 0;
    // Underline of the typed word: 0 none, 1 solid, 2 dotted.
    int Mark = 0;
    // The errors are recorded against the matched word.
    bool RecordsErrors() const { return Rule != TWordRule::Empty && Rule != TWordRule::NoMatch; }
};

// The rule that decides, from the error percentages and the model words'
// lengths.
TWordVerdict DecideWord(const TWordErrors& Errors, const TModelWords& Model);

// The underline of a word typed with this error percentage.
int WordMark(int32_t ErrorPercent);

// The words of one run: how many were typed and how many bad ones in a row.
class TWordJudge {
public:
    // Non-empty words finished in this run.
    int32_t WordsTyped = 0;
    // Words in a row that matched nothing.
    int32_t BadRun = 0;

    void Reset();

    // Judges a finished word: compares it with the model words, hands its
    // key errors to the difficult keys through Finder and adds it to the
    // efficiency counters. An empty word is only committed.
    TWordVerdict Judge(const std::string& Typed, const TModelWords& Model, TErrorFinder& Finder,
                       TEfficiencyCalc& Efficiency);

    // Without highlighting, the current word is shown as a hint after two
    // bad words in a row.
    bool HintDue(bool HighlightWords) const { return !HighlightWords && BadRun >= 2; }
};
