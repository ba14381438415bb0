// Which keys a revision exercise gets, and how much material per key.
#include "revision/RevisionRules.h"

#include <gtest/gtest.h>

namespace {

TEST(RevisionRulesTest, MaterialPerKeyFallsWithTheNumberOfKeys) {
    // Keys:                  1  2  3  4  5  6  7  8  20
    const int Words[] = {5, 4, 4, 3, 3, 2, 1, 1, 1};
    const int Rows[] = {6, 5, 4, 4, 3, 2, 1, 1, 1};
    const int Counts[] = {1, 2, 3, 4, 5, 6, 7, 8, 20};
    for (int I = 0; I < 9; ++I) {
        EXPECT_EQ(DrillWordsPerKey(Counts[I]), Words[I]) << Counts[I];
        EXPECT_EQ(RowsPerKey(Counts[I]), Rows[I]) << Counts[I];
    }
    // The game asks for about 200 words: 200 / 16 = 12.5 goes to the even 12.
    EXPECT_EQ(GameWordsPerKey(1), 200);
    EXPECT_EQ(GameWordsPerKey(3), 67);
    EXPECT_EQ(GameWordsPerKey(16), 12);
    EXPECT_EQ(GameWordsPerKey(11), 18);
    EXPECT_EQ(GameWordsPerKey(0), 0);
}

TEST(RevisionRulesTest, KeysByChoiceAndMethod) {
    const std::string NotLetters = "You should choose at least one alphabet";
    const std::string NotStudied = "The keys chosen are not yet studied";
    struct {
        int Choice;
        int Method;
        std::string Known, Current, Difficult, Typed, Studied, Last;
        std::string Keys;
        std::string Message;
    } Cases[] = {
        // Difficult keys; bubbles fill a short set with itself and the home row.
        {kcDifficult, rmKeyboard, "", "", "qz", "", "", "", "qz", ""},
        {kcDifficult, rmBubbles, "", "", "qz", "", "", "", "qzqzasdfjkl", ""},
        {kcDifficult, rmBubbles, "", "", "qwert", "", "", "", "qwert", ""},
        // The current group without its capitals; bubbles add the home row once.
        {kcCurrent, rmCrazySentences, "", "ghGH", "", "", "", "", "gh", ""},
        {kcCurrent, rmBubbles, "", "ghGH", "", "", "", "", "ghasdfjkl", ""},
        // Typed keys, each once.
        {kcTyped, rmKeyboard, "", "", "", "ffjj;", "asdfjkl;", "", "fj;", ""},
        {kcTyped, rmBubbles, "", "", "", "F", "asdf", "", "FFasdfjkl", ""},
        // No letter: the known and difficult keys instead, else the last group.
        {kcTyped, rmKeyboard, "asd", "", "q", "1,.", "asdf", "gh", "asdq", NotLetters},
        {kcTyped, rmKeyboard, "", "", "", "!!", "asdf", "gh", "gh", NotLetters},
        // Nothing typed counts as no letter.
        {kcTyped, rmKeyboard, "", "", "e", "", "asdf", "gh", "e", NotLetters},
        // None studied yet (compared without case).
        {kcTyped, rmKeyboard, "asd", "", "", "xyz", "asdf", "gh", "asd", NotStudied},
        {kcTyped, rmKeyboard, "", "", "", "XA", "asdf", "", "XA", ""},
        {kcTyped, rmKeyboard, "", "", "", "pq", "", "g", "g", NotStudied},
    };
    for (const auto& C : Cases) {
        TKeyChoiceInput In;
        In.Choice = C.Choice;
        In.Method = C.Method;
        In.KnownKeys = C.Known;
        In.CurrentGroup = C.Current;
        In.DifficultKeys = C.Difficult;
        In.Typed = C.Typed;
        In.StudiedKeys = C.Studied;
        In.LastGroup = C.Last;
        const TKeyChoiceResult R = ChooseRevisionKeys(In);
        SCOPED_TRACE(C.Typed + "/" + C.Difficult + "/" + C.Current);
        EXPECT_EQ(R.Keys, C.Keys);
        EXPECT_EQ(R.Message.substr(0, C.Message.size()), C.Message);
        EXPECT_EQ(R.Message.empty(), C.Message.empty());
    }
}

TEST(RevisionRulesTest, StoryDurationsAndBubblesKeySets) {
    const int Minutes[][2] = {{1, 5}, {2, 10}, {3, 20}, {4, 30}, {0, 1}, {5, 1}};
    for (const auto& M : Minutes)
        EXPECT_EQ(StoryMinutes(M[0]), M[1]) << M[0];
    EXPECT_EQ(BubblesKeySet(1, "asdf"), "asdf");
    EXPECT_EQ(BubblesKeySet(2, "asdf").size(), 26u);
    EXPECT_EQ(BubblesKeySet(3, "asdf").size(), 52u);
    const std::string All = BubblesKeySet(4, "asdf");
    EXPECT_EQ(All.size(), 62u);
    EXPECT_EQ(All.substr(0, 3) + All.substr(26, 3) + All.substr(52), "abcABC1234567890");
}

TEST(RevisionRulesTest, AStorysPreviewRunsItsLinesOnAndPartsItsParagraphs) {
    const struct {
        const char* Text;
        const char* Preview;
    } Cases[] = {
        {"The fox ran\r\nover the hill.\r\n\r\nThen it slept.\r\n",
         "The fox ran over the hill.\r\rThen it slept."},
        // Lone LF and CR, blanks at the ends of lines, several empty lines.
        {"  One\ntwo \rthree\n \n\t\n\nfour", "One two three\r\rfour"},
        {"\r\n\r\nA long description on one line.", "A long description on one line."},
        {"Ends with an empty line\r\n\r\n", "Ends with an empty line"},
        {"", ""},
        {"\r\n \r\n", ""},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(StoryPreviewText(C.Text), C.Preview) << C.Text;
}

} // namespace
