#include "course/TEventLoader.h"

#include "course/TCourseReader.h"
#include "course/TEventClasses.h"
#include "files/InputError.h"
#include "users/TUser.h"

TEventLoader::TEventLoader(const std::string& LineText) : Line(Trim(LineText)) {
    const TStringList Fields = Split(Line, "=;,");
    if (Fields.size() < 3)
        throw EInputError("The event line \"" + Line + "\" needs a name, a keyword and a weight.");
    Keyword = UpperCase(Trim(Fields[1]));
    if (!ParseDecimal(Fields[2], Weight) || Weight < 0)
        throw EInputError("The weight \"" + Fields[2] + "\" of the event line \"" + Line +
                          "\" is not a whole number.");
}

int TEventLoader::ProgressCode(int EventResult) {
    switch (EventResult) {
    case 0:
        return pcStop;
    case 2:
        return pcLeft;
    case 3:
        return pcDone;
    case 4:
        return pcLeftDone;
    default:
        return pcGoOn;
    }
}

int TEventLoader::Run(const TBookMark* Bookmark) const {
    const TEventClass* Class = FindEventClass(Keyword);
    if (!Class) return pcGoOn;
    const TEventOutcome Outcome = (*Class)(*this);
    // The introduction's own typing is not the learner's course progress.
    if ((Keyword == "TEXT" || Keyword == "EXAM") && Bookmark &&
        Bookmark->FMode != TBookMark::bmIntroduction && Outcome.Measured)
        CurrentUser->RecordChapterResults(Bookmark->FChapter, Bookmark->FExercise,
                                          Outcome.Measured->Speed, Outcome.Measured->Accuracy,
                                          Outcome.Measured->Efficiency);
    return ProgressCode(Outcome.Result);
}
