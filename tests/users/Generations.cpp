#include "tests/users/Generations.h"

namespace Generations {

namespace {
float Tenth(int Value) {
    return float(Value / 10.0);
}
} // namespace

void Apply(TUser& User, int Gen) {
    User.FCourseFile = "course" + std::to_string(Gen % 97) + ".cnt";
    User.FSoundsOn = Gen & 1;
    User.FLargeFont = (Gen >> 1) & 1;
    User.FLessonMinutes = 25 + 10 * (Gen % 3);
    User.FTotalMinutes = Gen % 30011;
    User.FChapterMinutes = Gen % 313;
    User.FKeyGroupsReached = 1 + Gen % 17;
    User.FStoryPosition = Gen;
    User.FStoryFile = std::string(size_t(Gen % 200), char('a' + Gen % 26));
    User.FTopExercise = Gen % 11;
    User.FTopChapter = Gen % 21;
    User.FLastSpeed = Gen % 32000 - 1;
    User.FLastEfficiency = Gen % 101;
    User.FLastAccuracy = Tenth(Gen % 1001);
    User.FLastBackspace = Tenth((Gen * 3) % 1001);
    for (int C = 1; C <= TUser::MaxChapters; ++C) {
        User.FChapterLastExercise[size_t(C)] = (Gen + C) % 11;
        User.FChapterEfficiency[size_t(C)] = Tenth((Gen + C) % 1001);
        User.FChapterAccuracy[size_t(C)] = Tenth((Gen * 7 + C) % 1001);
        User.FChapterSpeed[size_t(C)] = Tenth((Gen * 13 + C) % 3000);
        for (int E = 1; E <= TUser::MaxExercises; ++E)
            User.FCompleted[size_t(C)][size_t(E)] = (Gen + C + E) % 3 == 0;
    }
    User.FBookMark->FChapter = Gen % 20 + 1;
    User.FBookMark->FExercise = Gen % 10 + 1;
    User.FBookMark->FEvent = Gen % 9 + 1;
    for (int Key = 'a'; Key <= 'z'; ++Key)
        User.FDifficultKeys->SetCounts(Key, (Gen + Key) % 29000, (Gen + Key) % 41,
                                       (Gen * Key) % 11);
}

std::string Mismatch(const TUser& User, int Gen) {
    TUser Expected(User.FName, User.FDifficultKeys);
    TDifficultKeys Keys;
    Expected.FDifficultKeys = &Keys;
    Apply(Expected, Gen);
#define CHECK_FIELD(F)                                                                             \
    if (User.F != Expected.F) return #F;
    CHECK_FIELD(FCourseFile)
    CHECK_FIELD(FSoundsOn)
    CHECK_FIELD(FLargeFont)
    CHECK_FIELD(FLessonMinutes)
    CHECK_FIELD(FTotalMinutes)
    CHECK_FIELD(FChapterMinutes)
    CHECK_FIELD(FKeyGroupsReached)
    CHECK_FIELD(FStoryPosition)
    CHECK_FIELD(FStoryFile)
    CHECK_FIELD(FTopExercise)
    CHECK_FIELD(FTopChapter)
    CHECK_FIELD(FLastSpeed)
    CHECK_FIELD(FLastEfficiency)
    CHECK_FIELD(FLastAccuracy)
    CHECK_FIELD(FLastBackspace)
    CHECK_FIELD(FChapterLastExercise)
    CHECK_FIELD(FChapterEfficiency)
    CHECK_FIELD(FChapterAccuracy)
    CHECK_FIELD(FChapterSpeed)
    CHECK_FIELD(FCompleted)
    CHECK_FIELD(FBookMark->FChapter)
    CHECK_FIELD(FBookMark->FExercise)
    CHECK_FIELD(FBookMark->FEvent)
#undef CHECK_FIELD
    for (int Key = TDifficultKeys::FirstCode; Key <= TDifficultKeys::LastCode; ++Key)
        if (User.FDifficultKeys->TotalStrokes(Key) != Keys.TotalStrokes(Key) ||
            User.FDifficultKeys->WeightedStrokes(Key) != Keys.WeightedStrokes(Key) ||
            User.FDifficultKeys->WeightedErrors(Key) != Keys.WeightedErrors(Key))
            return "difficult keys";
    return "";
}

} // namespace Generations
