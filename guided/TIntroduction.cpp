#include "guided/TIntroduction.h"

#include "files/ErrorLog.h"
#include "files/InputError.h"
#include "platform/Dialogs.h"
#include "platform/ErrorHandler.h"
#include "platform/FileNames.h"
#include "users/TBookMark.h"

namespace {
const char* const IntroductionFile = "introd.kqs";
}

int TIntroduction::Run() {
    if (!FileExists(IntroductionFile)) {
        MessageDlg("The introduction is not installed with this copy of Clavora.\r"
                   "You can begin studying your course right away.",
                   mtInformation, mbOK, 0);
        return 0;
    }
    if (!IntroCourse) {
        int32_t Status = -1;
        try {
            auto Course = std::make_unique<TContents>(IntroductionFile, Status);
            if (Status == 0) IntroCourse = std::move(Course);
        } catch (const EInputError& Error) {
            ShowException(Error);
            Status = -1;
        }
        if (Status != 0) {
            LogErrorCode(ErrIntroductionFile, Status);
            return 0;
        }
    }
    // Its own place, so that the learner's bookmark is not touched.
    TBookMark Own;
    Own.FChapter = 0;
    Own.FExercise = 0;
    Own.FMode = TBookMark::bmIntroduction;
    IntroCourse->Bookmark = &Own;
    bool Finished = false;
    const int Result = IntroCourse->Run(Finished);
    IntroCourse->Bookmark = nullptr;
    return Result;
}
