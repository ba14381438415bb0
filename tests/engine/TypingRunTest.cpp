// One typing run without a window: a table of keys and moments with what
// each of them changed, worked out by hand.
#include "engine/TTypingRun.h"

#include "analysis/TBackSpaceCounter.h"
#include "analysis/TDeviationCalc.h"
#include "analysis/TEfficiencyCalc.h"
#include "analysis/TErrorFinder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr double SecondsPerDay = 100000.0;

// Every character 10 pixels wide. A canvas 100 pixels wide and 40 high holds
// one row: a word fits while its left edge + its width + "WW" (20) stays
// within 97, the first word starting at 3.
TPageGeometry OneRow() {
    TPageGeometry G;
    G.ClientWidth = 100;
    G.ClientHeight = 40;
    G.FontHeight = 17;
    return G;
}

int TenEach(const std::string& S) {
    return int(S.size()) * 10;
}

class TypingRun : public ::testing::Test {
protected:
    TErrorFinder Finder{nullptr};
    TEfficiencyCalc Efficiency;
    TBackSpaceCounter BackSpaces{nullptr};
    TDeviationCalc Deviation{nullptr};
    TRunAnalysis Analysis{&Finder, &Efficiency, &BackSpaces, &Deviation};
    TTypingRun Run;
};

} // namespace

// "ab cd ef gh ij" lies on three pages: [ab cd] [ef gh] [ij] (ef at 3 + 20 +
// 20 = 43, gh at 33 -> 73, ij at 63 -> 103, past 97). Each page's last word
// ends its line; a word's offset is that of the separator before it:
// ab 0, cd 2 | ef 5, gh 8 | ij 11.
TEST_F(TypingRun, KeysTypedThroughAWholeTextSayWhatToDraw) {
    Run.Begin("ab cd ef gh ij", 0, OneRow(), TenEach, false);
    ASSERT_EQ(Run.Page().Words.size(), 2u);
    EXPECT_EQ(Run.WordAt(1), "cd");

    using A = TKeyAction;
    struct TRow {
        char Key;
        int Second;
        A Action;
        bool Stroke;
        const char* Typed;
        int Advance;
        bool NewPage;
        int Mark;
        bool Hint;
        bool Ended;
        const char* Word; // the current model word afterwards
        int LinePos;
    } Rows[] = {
        {'a', 1, A::Char, false, "a", 0, false, 0, false, false, "ab", 0},
        {'x', 2, A::Char, true, "ax", 0, false, 0, false, false, "ab", 0},
        {'\b', 3, A::Erase, true, "a", 0, false, 0, false, false, "ab", 0},
        {'\b', 4, A::Erase, true, "", 0, false, 0, false, false, "ab", 0},
        {'\b', 5, A::Refused, true, "", 0, false, 0, false, false, "ab", 0},
        // Not a typing key: nothing but its moment.
        {'\t', 6, A::None, false, "", 0, false, 0, false, false, "ab", 0},
        {'c', 7, A::Char, true, "c", 0, false, 0, false, false, "ab", 0},
        {'d', 8, A::Char, true, "cd", 0, false, 0, false, false, "ab", 0},
        // "cd" is the next word: ab is skipped, both passed, and with cd the
        // page and its line: the next page starts at ef.
        {' ', 9, A::WordEnd, true, "", 2, true, 0, false, false, "ef", 5},
        {'z', 10, A::Char, true, "z", 0, false, 0, false, false, "ef", 5},
        // Matches nothing: solid underline, the first bad word.
        {' ', 11, A::WordEnd, true, "", 1, false, 1, false, false, "gh", 5},
        {'q', 12, A::Char, true, "q", 0, false, 0, false, false, "gh", 5},
        // The second bad word in a row: the hint; gh ends page and line.
        {' ', 13, A::WordEnd, true, "", 1, true, 1, true, false, "ij", 11},
        {'i', 14, A::Char, true, "i", 0, false, 0, false, false, "ij", 11},
        {'j', 15, A::Char, true, "ij", 0, false, 0, false, false, "ij", 11},
        // The last word: an empty page, and the run is complete.
        {'\r', 16, A::WordEnd, true, "", 1, true, 0, false, true, "", 0},
    };
    for (const TRow& R : Rows) {
        SCOPED_TRACE(std::string("key ") + std::to_string(int(R.Key)) + " at " +
                     std::to_string(R.Second));
        const TKeyStep Step =
            Run.Key(static_cast<unsigned char>(R.Key), R.Second / SecondsPerDay, Analysis);
        EXPECT_EQ(Step.Action, R.Action);
        EXPECT_EQ(Step.Stroke, R.Stroke);
        EXPECT_EQ(Run.Typed(), R.Typed);
        EXPECT_EQ(Step.Advance, R.Advance);
        EXPECT_EQ(Step.NewPage, R.NewPage);
        EXPECT_EQ(Step.Mark, R.Mark);
        EXPECT_EQ(Step.Hint, R.Hint);
        EXPECT_EQ(Step.Ended, R.Ended);
        EXPECT_EQ(Run.WordAt(0), R.Word);
        EXPECT_EQ(Run.LinePos(), R.LinePos);
        EXPECT_EQ(Step.EndKind, R.Key == '\r' ? 1 : 0);
    }
    // Four words (cd, z, q, ij); 15 typing keys, three of them backspaces.
    EXPECT_EQ(Run.Words().WordsTyped, 4);
    EXPECT_EQ(BackSpaces.Keys, 15);
    EXPECT_EQ(BackSpaces.BackSpaces, 3);
    // From the first key (second 1) to the last (16): 15 clock seconds, but
    // a run of four words is not scored.
    EXPECT_EQ(Run.TypingSeconds(1 / SecondsPerDay), 15);
    EXPECT_EQ(Run.LastKeyTime(), 16 / SecondsPerDay);
    EXPECT_FALSE(Run.ResultsValid(1 / SecondsPerDay));
}

TEST_F(TypingRun, HighlightingNeverCallsForTheHint) {
    Run.Begin("aa bb cc", 0, OneRow(), TenEach, true);
    for (const char* Keys : {"x ", "y "})
        for (const char* K = Keys; *K; ++K)
            EXPECT_FALSE(Run.Key(static_cast<unsigned char>(*K), 1 / SecondsPerDay, Analysis).Hint);
    EXPECT_EQ(Run.Words().BadRun, 2);
}

// A run missing an analysis object refuses its keys, rather than never
// moving on; a resumed text starts at its line; a word holds at most 70
// characters, and one the typing line breaks off goes on with the character
// that did not fit.
TEST_F(TypingRun, EdgesOfTheTextAndOfTheWord) {
    Run.Begin("ab cd ef gh ij", 5, OneRow(), TenEach, false);
    EXPECT_EQ(Run.WordAt(0), "ef");
    EXPECT_EQ(Run.PageStart(), 5);
    for (void (*Remove)(TRunAnalysis&) : {
             +[](TRunAnalysis& A) { A.Finder = nullptr; },
             +[](TRunAnalysis& A) { A.Efficiency = nullptr; },
             +[](TRunAnalysis& A) { A.BackSpaces = nullptr; },
             +[](TRunAnalysis& A) { A.Deviation = nullptr; },
             +[](TRunAnalysis& A) { A = TRunAnalysis{}; },
         }) {
        TRunAnalysis Partial = Analysis;
        Remove(Partial);
        EXPECT_THROW(Run.Key('e', 1 / SecondsPerDay, Partial), std::logic_error);
    }
    EXPECT_EQ(Run.Typed(), "") << "a refused key changes nothing";

    Run.Begin("ab", 99, OneRow(), TenEach, false);
    EXPECT_EQ(Run.WordAt(0), "ab") << "an offset past the end starts at the beginning";
    for (char C : std::string("abc"))
        Run.Key(static_cast<unsigned char>(C), 1 / SecondsPerDay, Analysis);
    Run.BreakWord('c');
    EXPECT_EQ(Run.Typed(), "c");
    for (int I = 0; I < 80; ++I)
        Run.Key('w', 1 / SecondsPerDay, Analysis);
    EXPECT_EQ(Run.Typed(), "c" + std::string(TWordInfo::MaxLength - 1, 'w'));
    // Broken off at its longest, the word goes on with the character that
    // did not fit.
    Run.BreakWord('v');
    EXPECT_EQ(Run.Typed(), "v");

    Run.Begin("", 0, OneRow(), TenEach, false);
    EXPECT_TRUE(Run.Key(' ', 1 / SecondsPerDay, Analysis).Ended) << "no text: done at once";
}
