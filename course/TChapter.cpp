#include "course/TChapter.h"

#include "course/TChapterPages.h"
#include "course/TCourseReader.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/Rounding.h"
#include "users/TBookMark.h"
#include "users/TUser.h"

namespace {

// The chapter picture shown when a chapter names none (or a missing one).
const char* const DefaultPicture = "Ch1.pic";

} // namespace

TChapter::TChapter(TCourseReader& Reader, const std::string& ChapterNumber, bool IsHeaderOnly)
    : HeaderOnly(IsHeaderOnly), NumberText(ChapterNumber) {
    const int32_t LessonMinutes = CurrentUser->FLessonMinutes;
    int32_t Groups = 0;
    int64_t TotalShare = 0;
    if (Reader.Status() != fsOk) {
        MessageDlg("Chapter object: File error #" + std::to_string(Reader.Status()), mtError, mbOK);
        return;
    }
    TCourseLine Line;
    for (;;) {
        // A read that stopped in mid-file gives no line, so nothing is
        // handled twice; the chapter ends here.
        if (Reader.Status() != fsOk) {
            MessageDlg("Chapter object: eof in middle of chapter", mtError, mbOK);
            break;
        }
        Reader.Next(Line);
        if (Line.Key == "chapter name") {
            Name = Reader.Value(Line, 2);
        } else if (Line.Key == "picture") {
            Picture = Reader.Value(Line);
        } else if (Line.Key == "new keys") {
            const std::string Keys = Reader.Value(Line);
            Groups = CurrentUser->AddKeyGroup(Keys);
        } else if (Line.Key == "extradesc") {
            ExtraDesc = Reader.Value(Line);
        } else if (Line.Key == "durationpercent") {
            const int64_t Percent = Reader.Number(Line);
            Minutes = Saturated(Percent * LessonMinutes / 100);
        } else if (Line.Key == "begin exercise") {
            if (HeaderOnly)
                SkipExercise(Reader);
            else
                ReadExercise(Reader, Groups, TotalShare);
        } else if (Line.Key == "end chapter") {
            break;
        }
    }
    DistributeMinutes();
}

void TChapter::ReadExercise(TCourseReader& Reader, int32_t Groups, int64_t& TotalShare) {
    auto Exercise = std::make_unique<TExercise>(Reader);
    if (int(Exercises.size()) >= MaxExercises) return; // read to its end and dropped
    Exercise->Name = NumberText + "." + std::to_string(Exercises.size() + 1);
    if (Exercise->KnownGroups < Groups) Exercise->SetKnownGroups(Groups);
    TotalShare += Exercise->Duration;
    Exercises.push_back(std::move(Exercise));
    if (int(Exercises.size()) == MaxExercises - 1)
        MessageDlg("Chapter object: overflow max 200 Exercises", mtError, mbOK);
}

void TChapter::SkipExercise(TCourseReader& Reader) {
    TCourseLine Line;
    while (Reader.Next(Line))
        if (LowerCase(Line.Text) == "end exercise") return;
}

void TChapter::DistributeMinutes() {
    int64_t Total = 0;
    for (const auto& Exercise : Exercises)
        Total += Exercise->Duration;
    if (Total == 0) Total = 1;
    for (auto& Exercise : Exercises)
        Exercise->SetMinutes(
            Saturated(RoundedQuotient(int64_t(Exercise->Duration) * Minutes, Total)));
}

void TChapter::RecordCompleted(const TBookMark& Bookmark, const TExercise& Exercise) const {
    CurrentUser->RecordExerciseCompleted(Bookmark.FChapter, Bookmark.FExercise,
                                         Exercise.KnownGroups);
}

int TChapter::Run(TBookMark& Bookmark, bool& Finished, const std::function<void()>& AfterExercise) {
    Finished = false;
    const int Count = int(Exercises.size());
    if (Bookmark.FExercise <= 0) Bookmark.FExercise = 1;
    // The final row ("Next Lesson") is a place of its own: the bookmark
    // stands there once the last exercise is done.
    if (Bookmark.FExercise > Count + 1) {
        Bookmark.FExercise = Count;
        return ErrExercisePastEnd;
    }
    const bool Introduction = Bookmark.FMode == TBookMark::bmIntroduction;

    if (Bookmark.FMode == TBookMark::bmSingle) {
        if (Bookmark.FExercise > Count) return ErrExercisePastEnd;
        return Exercises[size_t(Bookmark.FExercise - 1)]->Run(Bookmark, Finished);
    }

    TChapterPages* Pages = ChapterPages();
    TChapterSpread Spread;
    Spread.Chapter = this;
    Spread.Title = Name;
    if (IsMaterialName(Picture) && FileExists(Picture))
        Spread.Picture = Picture;
    else if (FileExists(DefaultPicture))
        Spread.Picture = DefaultPicture;
    if (Introduction) {
        Spread.LastRowText = "Exit introduction";
        Spread.Numeral = " i";
        Spread.SkipFAllowed = Spread.SkipBAllowed = false;
        Spread.CancelAllowed = true;
    } else {
        Spread.LastRowText = "Next Lesson";
        Spread.Numeral = std::to_string(Bookmark.FChapter % 10);
        if (Bookmark.FChapter >= 10) Spread.TensNumeral = std::to_string(Bookmark.FChapter / 10);
        Spread.SkipFAllowed = true;
        Spread.SkipBAllowed = Bookmark.FChapter > 1;
        Spread.CancelAllowed = false;
    }

    for (;;) {
        Spread.SelectedRow = Bookmark.FExercise;
        const int Result = Pages ? Pages->ShowChapter(Spread) : spLeft;
        Spread.FirstPass = false;
        Bookmark.FExercise = Spread.SelectedRow;
        if (Result == spLeft) return pcStop;
        if (Result == spCancel || Result == spSkipB || Result == spSkipF) return Result;

        if (Bookmark.FExercise > Count) {
            Finished = true;
            return Introduction ? spCancel : spSkipF;
        }
        if (Bookmark.FExercise <= 0) Bookmark.FExercise = 1;
        TExercise& Exercise = *Exercises[size_t(Bookmark.FExercise - 1)];
        Bookmark.FEvent = 1;
        if (Pages) Pages->BeginExercise(Exercise);
        bool Done = false;
        if (Exercise.Run(Bookmark, Done) == pcStop) return pcStop;
        if (Done) {
            if (!Introduction) RecordCompleted(Bookmark, Exercise);
            if (Bookmark.FExercise <= Count) ++Bookmark.FExercise;
        }
        if (AfterExercise) AfterExercise();
    }
}
