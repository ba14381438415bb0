#include "course/TContents.h"

#include "course/TChapterPages.h"
#include "course/TCourseReader.h"
#include "files/ErrorLog.h"
#include "files/TTextFile.h"
#include "users/TBookMark.h"
#include "users/TUser.h"

TContents::TContents(const std::string& FileName, int32_t& Status, bool IsHeaderOnly)
    : HeaderOnly(IsHeaderOnly) {
    Status = Load(FileName);
}

std::unique_ptr<TContents> TContents::CreateHeaderOnly(const std::string& FileName,
                                                       int32_t& Status) {
    return std::make_unique<TContents>(FileName, Status, true);
}

int32_t TContents::Load(const std::string& FileName) {
    Chapters.clear();
    CurrentUser->FKeyGroups.clear();
    TTextFile File;
    const int32_t Opened = File.Open(FileName, TTextFile::tmRead);
    if (Opened != fsOk) return Opened;
    TCourseReader Reader(File);
    TCourseLine Line;
    int Number = 0;
    while (Reader.Next(Line)) {
        if (Line.Key == "contents name") {
            ContentsName = Reader.Value(Line);
        } else if (Line.Key == "default time") {
            DefaultTime = Reader.Number(Line, 1, true);
        } else if (Line.Key == "keyboard") {
            Keyboard = Reader.Value(Line);
        } else if (Line.Key == "wizardname") {
            WizardName = Reader.Value(Line);
        } else if (Line.Key == "begin chapter") {
            ++Number;
            auto Chapter = std::make_unique<TChapter>(Reader, std::to_string(Number), HeaderOnly);
            Chapter->Number = Number;
            Chapters.push_back(std::move(Chapter));
        }
    }
    File.Close();
    CurrentUser->FChapterCount = int32_t(Chapters.size());
    return 0;
}

TStringList TContents::ChapterTitles(bool WithLessonPrefix) const {
    TStringList Titles;
    for (const auto& Chapter : Chapters) {
        const std::string Number = std::to_string(Chapter->Number);
        Titles.push_back(WithLessonPrefix ? "Lesson " + Number + ": " + Chapter->Name
                                          : Number + ". " + Chapter->Name);
    }
    return Titles;
}

TBookMark& TContents::CurrentBookmark() {
    return Bookmark ? *Bookmark : *CurrentUser->FBookMark;
}

int TContents::Run(bool& Finished) {
    TBookMark& Mark = CurrentBookmark();
    const int Count = int(Chapters.size());
    const bool Guided = Mark.FMode == TBookMark::bmGuided;
    Finished = false;
    if (TChapterPages* Pages = ChapterPages())
        Pages->SetLessonCount(Mark.FMode == TBookMark::bmIntroduction
                                  ? std::string()
                                  : "of " + std::to_string(Count));

    if (Mark.FChapter <= 0) Mark.FChapter = 1;
    if (Mark.FChapter == Count + 1) {
        Finished = true;
        return 0;
    }
    if (Mark.FChapter > Count + 1) {
        Mark.FChapter = Count;
        Finished = true;
        LogErrorCode(ErrContentsRun, ErrChapterPastEnd);
        return ErrChapterPastEnd;
    }

    int Result = 0;
    while (Mark.FChapter <= Count) {
        bool ChapterFinished = false;
        Result = Chapters[size_t(Mark.FChapter - 1)]->Run(Mark, ChapterFinished, AfterExercise);
        if (Mark.FMode == TBookMark::bmSingle) {
            Finished = ChapterFinished;
            return Result;
        }
        if (Result == spCancel) Result = pcStop;
        if (Result == pcStop) break;
        if (Result == spSkipF) {
            ++Mark.FChapter;
        } else if (Result == spSkipB) {
            if (Mark.FChapter > 1) --Mark.FChapter;
        } else {
            break;
        }
        Mark.FExercise = 1;
        Mark.FEvent = 1;
        if (Guided) CurrentUser->FChapterMinutes = 0;
    }
    if (Mark.FChapter > Count) {
        Finished = true;
        return Result;
    }
    if (Result < 0) LogErrorCode(ErrContentsRun, Result);
    return Result;
}
