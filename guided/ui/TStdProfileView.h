// The studying profile page, a two-page spread: on the left the course (the
// contents files of the program directory by their descriptions, the chosen
// one's long description) and the lesson length with its pie gauge; on the
// right a preview of the chosen course's chapter titles. Next (Enter, Alt+N)
// accepts: the current user's course file and lesson length become the ones
// chosen; a damaged course is shown as such and Next refuses it. Back
// (Escape, Alt+B) changes nothing. Result 1 Next, 2 Back, 0
// closed from outside.
#pragma once

#include "files/TextUtils.h"
#include "shell/TFormView.h"

#include <string>

class QScrollArea;
class TViewCanvas;

class TStdProfileView : public TFormView {
public:
    static constexpr int ErrNoContents = -6123;

    TStdProfileView();
    ~TStdProfileView() override;
    void Activate() override;
    void Deactivate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void ButtonClick(QObject* Sender);
    void ShowCourse();
    void ShowLessonLength();

    // The course file (with ".cnt") selected on the page.
    std::string CourseFile;
    // Why the selected course cannot be studied (the loader's numbered
    // message, naming the line), empty when it can. Next then tells it and
    // stays on the page.
    std::string Damage;
    // The names (without ".cnt") of the courses in the list, item by item.
    TStringList CourseNames;
    // The chapter titles, laid out whole on Preview, which scrolls in
    // PreviewBox when they are more than the box shows.
    TViewCanvas* Preview = nullptr;
    QScrollArea* PreviewBox = nullptr;

private:
    void ShowDescription(const QString& Text);
    void ShowPreview(const std::string& Titles);
};

// The one profile page, made at start-up.
extern TStdProfileView* StdProfileView;
