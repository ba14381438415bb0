#include "users/TBookMark.h"
#include "users/TDifficultKeys.h"

#include <gtest/gtest.h>

namespace {

void Strokes(TDifficultKeys& Keys, unsigned char Key, int Count, int Errors) {
    for (int I = 0; I < Count; ++I)
        Keys.RecordKey(Key, I < Errors);
}

TEST(TDifficultKeys, MergeFadesTheWindowByTheNewStrokes) {
    TDifficultKeys Keys;
    Keys.SetCounts('k', 100, 40, 8);
    Strokes(Keys, 'k', 10, 2); // factor 0.75
    EXPECT_EQ(Keys.PendingStrokes('k'), 10);
    EXPECT_EQ(Keys.PendingErrors('k'), 2);
    Keys.Merge();
    EXPECT_EQ(Keys.WeightedStrokes('k'), 30 + 10);
    EXPECT_EQ(Keys.WeightedErrors('k'), 6 + 2);
    EXPECT_EQ(Keys.TotalStrokes('k'), 110);
    EXPECT_EQ(Keys.PendingStrokes('k'), 0);
    EXPECT_EQ(Keys.PendingErrors('k'), 0);

    // Forty or more new strokes replace the window.
    Strokes(Keys, 'k', 50, 5);
    Keys.Merge();
    EXPECT_EQ(Keys.WeightedStrokes('k'), 50);
    EXPECT_EQ(Keys.WeightedErrors('k'), 5);

    // Keys without new strokes are left alone.
    Keys.SetCounts('q', 20, 33, 3);
    Keys.Merge();
    EXPECT_EQ(Keys.WeightedStrokes('q'), 33);
}

TEST(TDifficultKeys, MergeRoundsExactlyWithHalvesToEven) {
    // 60 x 39/40 = 58.5 -> 58; 61 x 39/40 = 59.475 -> 59; 2 x 39/40 = 1.95 -> 2.
    TDifficultKeys Keys;
    Keys.SetCounts('a', 0, 60, 61);
    Keys.SetCounts('b', 0, 2, 1);  // 1 x 39/40 = 0.975 -> 1
    Keys.SetCounts('c', 0, 20, 4); // a = 20: 20 x 0.5 = 10, 4 x 0.5 = 2
    Keys.SetCounts('d', 0, 36, 6); // a = 30: 36 x 0.25 = 9, 6 x 0.25 = 1.5 -> 2
    Keys.SetCounts('e', 0, 30, 2); // a = 30: 30 x 0.25 = 7.5 -> 8, 2 x 0.25 = 0.5 -> 0
    Keys.RecordKey('a', false);
    Keys.RecordKey('b', true);
    Strokes(Keys, 'c', 20, 0);
    Strokes(Keys, 'd', 30, 0);
    Strokes(Keys, 'e', 30, 0);
    Keys.Merge();
    EXPECT_EQ(Keys.WeightedStrokes('a'), 58 + 1);
    EXPECT_EQ(Keys.WeightedErrors('a'), 59);
    EXPECT_EQ(Keys.WeightedStrokes('b'), 2 + 1);
    EXPECT_EQ(Keys.WeightedErrors('b'), 1 + 1);
    EXPECT_EQ(Keys.WeightedStrokes('c'), 10 + 20);
    EXPECT_EQ(Keys.WeightedErrors('c'), 2);
    EXPECT_EQ(Keys.WeightedStrokes('d'), 9 + 30);
    EXPECT_EQ(Keys.WeightedErrors('d'), 2);
    EXPECT_EQ(Keys.WeightedStrokes('e'), 8 + 30);
    EXPECT_EQ(Keys.WeightedErrors('e'), 0);
}

TEST(TDifficultKeys, TotalsFallBackBelowTheCapAndTheWindowSettlesAtForty) {
    TDifficultKeys Keys;
    Keys.SetCounts('x', 28990, 40, 0);
    Strokes(Keys, 'x', 20, 0);
    Keys.Merge();
    EXPECT_EQ(Keys.TotalStrokes('x'), 25000);
    Keys.SetCounts('w', 28990, 40, 0);
    Strokes(Keys, 'w', 10, 0);
    Keys.Merge();
    EXPECT_EQ(Keys.TotalStrokes('w'), 29000); // the cap itself is kept

    TDifficultKeys Steady;
    for (int Round = 0; Round < 200; ++Round) {
        Strokes(Steady, 'y', 7, 0);
        Steady.Merge();
    }
    EXPECT_NEAR(Steady.WeightedStrokes('y'), 40, 2); // rounding stops it a little short
}

TEST(TDifficultKeys, StrokesBelowCode33AreNeverCounted) {
    TDifficultKeys Keys;
    Keys.RecordKey(' ', true);
    Keys.RecordKey('\r', true);
    Keys.RecordKey(33, true);
    Keys.RecordKey(255, false);
    EXPECT_EQ(Keys.PendingStrokes(' '), 0);
    EXPECT_EQ(Keys.PendingStrokes(33), 1);
    EXPECT_EQ(Keys.PendingStrokes(255), 1);
}

TEST(TDifficultKeys, DifficultyCountsFromFifteenStrokesForLettersCommaAndFullStop) {
    TDifficultKeys Keys;
    Keys.SetCounts('a', 14, 14, 7);
    EXPECT_EQ(Keys.Difficulty('a'), 0); // 14 strokes: no figure yet, whatever the errors
    Keys.SetCounts('a', 15, 15, 3);
    EXPECT_DOUBLE_EQ(Keys.Difficulty('a'), 80); // 20 % errors x 4
    Keys.SetCounts('Z', 40, 40, 10);
    EXPECT_DOUBLE_EQ(Keys.Difficulty('Z'), 100);
    Keys.SetCounts(',', 40, 20, 20);
    EXPECT_DOUBLE_EQ(Keys.Difficulty(','), 400); // no upper limit
    Keys.SetCounts('.', 40, 0, 3);
    EXPECT_EQ(Keys.Difficulty('.'), 0); // an empty window
    for (int Other : {int('1'), int(';'), 0xE4, 0xC4, int('!')}) {
        Keys.SetCounts(Other, 100, 40, 20);
        EXPECT_EQ(Keys.Difficulty(Other), 0) << Other;
    }
    EXPECT_EQ(Keys.Difficulty(32), 0);
    EXPECT_EQ(Keys.Difficulty(-5), 0);
    EXPECT_EQ(Keys.Difficulty(300), 0);
}

TEST(TDifficultKeys, RankingKeepsTheExchangeSortsOrderOfEqualKeys) {
    TDifficultKeys Keys;
    Keys.SetStudiedKeys("abcd");
    Keys.SetCounts('a', 100, 40, 1); // 10
    Keys.SetCounts('b', 100, 80, 1); // 5
    Keys.SetCounts('c', 100, 40, 1); // 10
    Keys.SetCounts('d', 100, 20, 1); // 20
    EXPECT_EQ(Keys.KeyAtRank(1), 'd');
    EXPECT_EQ(Keys.KeyAtRank(2), 'c'); // c before a although both score 10
    EXPECT_EQ(Keys.KeyAtRank(3), 'a');
    EXPECT_EQ(Keys.KeyAtRank(4), 'b');
    EXPECT_EQ(Keys.KeyAtRank(5), 0);
    EXPECT_DOUBLE_EQ(Keys.DifficultyAtRank(2), 10);
    EXPECT_EQ(Keys.KeyAtRank(0), 0);
    EXPECT_EQ(Keys.KeyAtRank(224), 0);
    EXPECT_EQ(Keys.DifficultyAtRank(-1), 0);

    // Without a filter every code 33..255 takes a place; keys of no
    // difficulty keep their code order after the exchanges.
    Keys.SetStudiedKeys("");
    EXPECT_EQ(Keys.KeyAtRank(1), 'd');
    EXPECT_NE(Keys.KeyAtRank(223), 0);
    int Ranked = 0;
    for (int Rank = 1; Rank <= 223; ++Rank)
        Ranked += Keys.KeyAtRank(Rank) != 0;
    EXPECT_EQ(Ranked, 223);
}

TEST(TDifficultKeys, FilterLimitsTheRankingAndChangesInvalidateIt) {
    TDifficultKeys Keys;
    Keys.SetCounts('f', 100, 40, 4);
    Keys.SetCounts('j', 100, 40, 8);
    Keys.SetCounts('k', 100, 40, 20);
    Keys.SetStudiedKeys("fj");
    EXPECT_EQ(Keys.KeyAtRank(1), 'j');
    EXPECT_EQ(Keys.KeyAtRank(2), 'f');
    for (int Rank = 3; Rank <= 223; ++Rank) {
        EXPECT_EQ(Keys.KeyAtRank(Rank), 0);
        EXPECT_EQ(Keys.DifficultyAtRank(Rank), 0);
    }
    // New strokes rank again after the merge.
    Strokes(Keys, 'f', 40, 30);
    EXPECT_EQ(Keys.KeyAtRank(1), 'j');
    Keys.Merge();
    EXPECT_EQ(Keys.KeyAtRank(1), 'f');
}

TEST(TDifficultKeys, GradeFollowsTheTopKey) {
    TDifficultKeys Keys;
    EXPECT_DOUBLE_EQ(Keys.DifficultyGrade(), 4);
    Keys.SetCounts('e', 100, 40, 3); // 30
    EXPECT_NEAR(Keys.DifficultyGrade(), 2.8, 1e-12);
    Keys.SetCounts('e', 100, 40, 10); // 100
    EXPECT_DOUBLE_EQ(Keys.DifficultyGrade(), 0);
    Keys.SetCounts('e', 100, 40, 30); // 300: limited to 0
    EXPECT_DOUBLE_EQ(Keys.DifficultyGrade(), 0);
}

TEST(TDifficultKeys, StoredFormRoundTripsAndLoadingKeepsPendingStrokes) {
    TDifficultKeys Keys;
    Keys.SetCounts(33, 1, 2, 3);
    Keys.SetCounts(255, 29000, 40, 39);
    Keys.SetCounts('m', 40000, -5, 70000); // out of range: the nearest that fits
    Strokes(Keys, 'n', 3, 1);
    TRecordBuffer Record;
    EXPECT_EQ(Keys.SaveTo(Record), 1);
    ASSERT_EQ(Record.Bytes().size(), 1338u);
    EXPECT_EQ(Keys.PendingStrokes('n'), 0); // saving merges first
    EXPECT_EQ(Record.Bytes()[0], 1);        // totals, code 33 first
    EXPECT_EQ(Record.Bytes()[446], 2);      // then the weighted strokes
    EXPECT_EQ(Record.Bytes()[892], 3);      // then the weighted errors

    TDifficultKeys Loaded;
    Loaded.RecordKey('z', true);
    TRecordBuffer Back(Record.Bytes().data(), Record.Bytes().size());
    EXPECT_EQ(Loaded.LoadFrom(Back), 1);
    EXPECT_EQ(Loaded.TotalStrokes(33), 1);
    EXPECT_EQ(Loaded.WeightedErrors(255), 39);
    EXPECT_EQ(Loaded.TotalStrokes('m'), 32767);
    EXPECT_EQ(Loaded.WeightedStrokes('m'), -5);
    EXPECT_EQ(Loaded.WeightedErrors('m'), 32767);
    EXPECT_EQ(Loaded.TotalStrokes('n'), 3);
    EXPECT_EQ(Loaded.PendingStrokes('z'), 1);

    // A stored form cut short leaves the arrays it could not read alone.
    TDifficultKeys Cut;
    Cut.SetCounts('a', 5, 6, 7);
    TRecordBuffer Short(Record.Bytes().data(), 500);
    EXPECT_EQ(Cut.LoadFrom(Short), 0);
    EXPECT_EQ(Cut.TotalStrokes('a'), Keys.TotalStrokes('a'));
    EXPECT_EQ(Cut.WeightedStrokes('a'), 6);
    EXPECT_EQ(Cut.WeightedErrors('a'), 7);
}

TEST(TBookMark, ReadsFourFieldsAndReportsAnUnreadableEvent) {
    TBookMark Mark;
    Mark.FChapter = 3;
    Mark.FExercise = 4;
    Mark.FEvent = 70000; // clamped
    Mark.FMode = TBookMark::bmSingle;
    TRecordBuffer Record;
    Mark.WriteTo(Record);
    ASSERT_EQ(Record.Bytes().size(), 8u);

    TBookMark Back;
    TRecordBuffer Whole(Record.Bytes().data(), 8);
    EXPECT_EQ(Back.ReadFrom(Whole), 1);
    EXPECT_EQ(Back.FChapter, 3);
    EXPECT_EQ(Back.FExercise, 4);
    EXPECT_EQ(Back.FEvent, 32767);
    EXPECT_EQ(Back.FMode, TBookMark::bmGuided); // never stored

    TBookMark Cut;
    Cut.FReserved = 9;
    TRecordBuffer Five(Record.Bytes().data(), 5);
    EXPECT_EQ(Cut.ReadFrom(Five), TBookMark::ErrEventUnreadable);
    EXPECT_EQ(Cut.FExercise, 4);
    EXPECT_EQ(Cut.FReserved, 9); // not read
    Cut.Clear();
    EXPECT_EQ(Cut.FChapter + Cut.FExercise + Cut.FEvent + Cut.FReserved + Cut.FMode, 0);
}

} // namespace
