// The two-page container of the chapter pages: it shows a left and a right
// page view as its sub-views, hands them the book's keys, and closes with
// the right page's result when the right page closes.
//
// One instance lives for the whole run. The activities that use it (guided
// studying's chapter spread, the revision menu, a command-line run) show
// their own spread with ShowSpread; after an event, the page the event
// leaves (the results, a top-ten list, the wizard's results) takes the left
// page instead of the spread's own until the activity forgets it. That page
// is set only by the application's after-event hook (engine/ui/RunEvent.h),
// so what shows after an event is decided in one place.
#pragma once

#include "shell/TFormView.h"

class TChapterView : public TFormView {
public:
    TChapterView();
    ~TChapterView() override;

    void Activate() override;
    void Deactivate() override;

    // Shows Right on the right page and, on the left, the page that follows
    // the last event or else Left; runs until the right page closes and
    // returns its result. The spread is closed and its pages let go when it
    // returns, also when the program's end interrupted it.
    int ShowSpread(TFormView* Left, TFormView* Right);

    // The page that follows the last event (the after-event hook's only).
    void SetFollowing(TFormView* Page) { FFollowing = Page; }
    TFormView* Following() const { return FFollowing; }
    // The spread's own left page shows again: a new exercise begins, or the
    // activity's menu comes back.
    void ForgetFollowing() { FFollowing = nullptr; }

    // The right page has closed: the container closes with its result.
    void RightClosed(TFormView* Right);

private:
    TFormView* FFollowing = nullptr;
};

// The one container, made at start-up.
inline TChapterView* ChapterView = nullptr;
