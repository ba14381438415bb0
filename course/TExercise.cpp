#include "course/TExercise.h"

#include "course/TCourseReader.h"
#include "files/InputError.h"
#include "platform/Dialogs.h"
#include "platform/Rounding.h"
#include "users/TBookMark.h"

TExercise::TExercise(TCourseReader& Reader) {
    if (Reader.Status() != fsOk) {
        MessageDlg("Exercise object: File error", mtError, mbOK);
        return;
    }
    TCourseLine Line;
    for (;;) {
        if (Reader.Status() != fsOk) {
            MessageDlg("Exercise object: eof in middle of exercise", mtError, mbOK);
            return;
        }
        Reader.Next(Line);
        if (Line.Key == "type") {
            Type = Reader.Value(Line);
        } else if (Line.Key == "duration") {
            Duration = Reader.Number(Line);
        } else if (Line.Key == "event") {
            if (int(Events.size()) >= MaxEvents) continue; // told once, below
            try {
                AddEvent(Line.Text);
            } catch (const EInputError& Error) {
                Reader.Fail(Error.what());
            }
            if (int(Events.size()) == MaxEvents - 1)
                MessageDlg("Exercise object: overflow max 20 events", mtError, mbOK);
        } else if (Line.Key == "end exercise") {
            return;
        }
    }
}

void TExercise::AddEvent(const std::string& Line) {
    auto Loader = std::make_unique<TEventLoader>(Line);
    Loader->KnownGroups = KnownGroups;
    TotalWeight += Loader->Weight;
    Events.push_back(std::move(Loader));
}

void TExercise::SetKnownGroups(int32_t N) {
    KnownGroups = N;
    for (auto& Loader : Events)
        Loader->KnownGroups = N;
}

void TExercise::SetMinutes(int32_t M) {
    Minutes = M;
    if (TotalWeight == 0) TotalWeight = 1;
    // weight x M x 60 / total on whole numbers: no product of fractions can
    // land just below a whole number. Weights and minutes are never negative.
    for (auto& Loader : Events) {
        const __int128 Seconds = __int128(Loader->Weight) * M * 60 / TotalWeight;
        Loader->TimeLimit = Saturated(int64_t(std::min<__int128>(Seconds, INT64_MAX)));
    }
}

int TExercise::Run(TBookMark& Bookmark, bool& Finished) {
    if (Bookmark.FEvent <= 0) Bookmark.FEvent = 1;
    Finished = false;
    if (Events.empty()) {
        Finished = true;
        return 0;
    }
    if (Bookmark.FEvent > int(Events.size())) return ErrEventPastEnd;
    for (;;) {
        const int Code = Events[size_t(Bookmark.FEvent - 1)]->Run(&Bookmark);
        if (Code == pcStop) return pcStop;
        if (Code == pcLeft) return 0;
        ++Bookmark.FEvent;
        if (Code == pcLeftDone || Bookmark.FEvent > int(Events.size())) break;
    }
    if (Bookmark.FEvent > int(Events.size())) Finished = true;
    return 0;
}
