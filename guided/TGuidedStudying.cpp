#include "guided/TGuidedStudying.h"

#include "course/CurrentCourse.h"
#include "course/TCourseReader.h"
#include "course/TEventLoader.h"
#include "files/ErrorLog.h"
#include "files/InputError.h"
#include "guided/TGuidedPages.h"
#include "guided/TIntroduction.h"
#include "platform/ErrorHandler.h"
#include "users/TUser.h"

TGuidedStudying::TGuidedStudying(TGuidedPages& Pages, TIntroduction& Introduction)
    : FPages(Pages), FIntroduction(Introduction) {}

bool TGuidedStudying::WelcomeLoop(int& Result) {
    for (;;) {
        const int Choice = FPages.RunWelcome();
        if (Choice == wpBeginStudying) {
            const int Profile = FPages.RunProfile();
            if (Profile == ppNext) {
                CurrentUser->FBookMark->FChapter = 1;
                return true;
            }
            if (Profile == ppLeft) return false;
        } else if (Choice == wpIntroduction) {
            Result = FIntroduction.Run();
            if (Result == pcStop) return false;
        } else {
            return false;
        }
    }
}

bool TGuidedStudying::ChooseAnotherCourse() {
    // Back has no page to go back to: the profile stays until a course is
    // chosen or the tab is left.
    for (;;) {
        const int Profile = FPages.RunProfile();
        if (Profile == ppNext) return true;
        if (Profile == ppLeft) return false;
    }
}

void TGuidedStudying::RestartStudying() {
    TUser& User = *CurrentUser;
    User.ResetProgress();
    User.FBookMark->FEvent = 1;
    User.FBookMark->FExercise = 1;
    User.FBookMark->FReserved = 0;
    User.Save();
    User.RaiseKeyGroups(1);
}

int TGuidedStudying::Run() {
    int Result = 0;
    for (;;) {
        if (CurrentUser->FBookMark->FChapter == 0 && !WelcomeLoop(Result)) return Result;

        // The course as the learner's file has it now: the profile page may
        // have chosen another one.
        int32_t Status = -1;
        try {
            SetCurrentCourse(nullptr);
            auto Course = std::make_unique<TContents>(CurrentUser->FCourseFile, Status);
            if (Status == 0) SetCurrentCourse(std::move(Course));
        } catch (const EInputError& Error) {
            ShowException(Error);
            Status = TCourseReader::ErrContents;
        }
        if (Status != 0) {
            // The learner is not locked out: another course is chosen on the
            // profile, and the progress in the record stays as it is.
            LogErrorCode(ErrContentsFatal, Status);
            if (!ChooseAnotherCourse()) return 0;
            continue;
        }

        CurrentCourse->Bookmark = CurrentUser->FBookMark.get();
        // Each exercise is kept as soon as it is done or left: a crash or a
        // power cut must not take the learner's session with it.
        CurrentCourse->AfterExercise = [] { CurrentUser->Save(); };
        bool Completed = false;
        Result = CurrentCourse->Run(Completed);
        CurrentCourse->AfterExercise = nullptr;
        CurrentCourse->Bookmark = nullptr;
        CurrentUser->Save();

        if (Result != 0) return Result;
        if (!Completed) return 0;

        const int Choice = FPages.RunGoodbye();
        if (Choice == gpLeft) return 0;
        if (Choice == gpBackOneChapter) {
            CurrentUser->FBookMark->FChapter -= 1;
            CurrentUser->FBookMark->FExercise = 1;
        } else {
            RestartStudying();
        }
    }
}
