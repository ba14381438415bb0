#include "guided/ui/TStdProfileView.h"

#include "course/TContents.h"
#include "engine/WordLayout.h"
#include "engine/ui/TViewCanvas.h"
#include "files/ErrorLog.h"
#include "files/InputError.h"
#include "files/Sounds.h"
#include "files/TProgramSettings.h"
#include "files/TTextFile.h"
#include "forms/TAddViewsStg.h"
#include "forms/TEventsStg.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Latin1.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <functional>
#include <limits>

TStdProfileView* StdProfileView = nullptr;

namespace {

// The preview's place on the right page, inside its frame (Shape2), whose
// right and bottom lines it reaches.
const QRect PreviewPlace(25, 37, 297, 306);

// Gives Box's widget the box's width and the height that HeightFor says its
// contents take at that width, narrower by the scroll bar when that height
// is more than the box shows (the bar then appears).
void FitToBox(QScrollArea* Box, const std::function<int(int)>& HeightFor) {
    const QSize Room = Box->maximumViewportSize();
    int Width = Room.width();
    int Height = HeightFor(Width);
    if (Height > Room.height()) {
        Width -= Box->verticalScrollBar()->sizeHint().width();
        Height = HeightFor(Width);
    }
    Box->widget()->resize(Width, std::max(Height, Room.height()));
    Box->verticalScrollBar()->setValue(0);
}

// Opens a course file for its header; a header the reader cannot take
// counts as a file that cannot be opened.
bool OpenHeader(TTextFile& File, const std::string& Name) {
    try {
        return File.Open(Name, TTextFile::tmRead) == fsOk;
    } catch (const EInputError&) {
        return false;
    }
}

} // namespace

TStdProfileView::TStdProfileView() {
    Host = BookForm;
    ViewName = "StdProfile";
    PreviewBox = new QScrollArea(BookForm);
    PreviewBox->setObjectName(QStringLiteral("PreviewBox"));
    PreviewBox->setFrameShape(QFrame::NoFrame);
    PreviewBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PreviewBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    PreviewBox->hide();
    Preview = new TViewCanvas;
    PreviewBox->setWidget(Preview);
}

TStdProfileView::~TStdProfileView() {
    BeforeDestruction();
    // The box owns the preview.
    delete PreviewBox;
}

void TStdProfileView::Activate() {
    TFormView::Activate();
    TAddViewsStg& Stg = *AddViewsStg;
    BookForm->Title->setText(QStringLiteral("Studying Profile"));
    Stg.ContentsList->blockSignals(true);
    Stg.ContentsList->clear();

    CourseNames = TFile::ListNames("*.cnt");
    if (CourseNames.empty()) {
        Stg.ContentsList->blockSignals(false);
        LogError(ErrNoContents, "");
        Application::Terminate();
        return;
    }
    const std::string Default = UpperCase(Settings->DefaultContents);
    int Selected = 0;
    TStringList Listed;
    for (const std::string& Name : CourseNames) {
        TTextFile File;
        if (!OpenHeader(File, Name + ".cnt")) continue;
        Listed.push_back(Name);
        Stg.ContentsList->addItem(ToQ(File.Description));
        if (UpperCase(Name + ".cnt") == Default) Selected = Stg.ContentsList->count() - 1;
        File.Close();
    }
    // Item i of the list belongs to name i.
    CourseNames = Listed;
    Stg.ContentsList->blockSignals(false);

    BorrowChildren(Stg.WizardL, BookForm->LeftPage);
    BorrowChildren(Stg.WizardR, BookForm->RightPage);
    Borrow(PreviewBox, BookForm->RightPage);
    PreviewBox->setGeometry(PreviewPlace);
    Preview->SetMode(3);
    Preview->setFont(QFont(QStringLiteral("Arial"), 12));
    Preview->SetFontColor(QColor(128, 128, 128));
    Preview->SetBackColor(Qt::white);
    PreviewBox->show();

    BookForm->SetConsoleButtons(cbNext | cbBack);
    BookForm->TakeClicks(this, [this](QObject* Sender) { ButtonClick(Sender); });
    BookForm->TakeKeys(this);

    QObject::disconnect(Stg.ContentsList, nullptr, BookForm, nullptr);
    QObject::connect(Stg.ContentsList, &QComboBox::currentIndexChanged, BookForm,
                     [this](int) { ShowCourse(); });
    for (QRadioButton* Button : {Stg.Time45, Stg.Time35, Stg.Time25, Stg.TimeFree}) {
        QObject::disconnect(Button, nullptr, BookForm, nullptr);
        QObject::connect(Button, &QRadioButton::clicked, BookForm, [this] { ShowLessonLength(); });
    }

    Stg.Time45->setChecked(true);
    ShowLessonLength();
    Stg.ContentsList->blockSignals(true);
    Stg.ContentsList->setCurrentIndex(Selected);
    Stg.ContentsList->blockSignals(false);
    ShowCourse();
    Stg.ContentsList->setFocus();
}

void TStdProfileView::ShowCourse() {
    if (!Preview) return;
    TAddViewsStg& Stg = *AddViewsStg;
    const int Index = Stg.ContentsList->currentIndex();
    if (Index < 0 || Index >= int(CourseNames.size())) return;
    const std::string Name = CourseNames[size_t(Index)] + ".cnt";

    TTextFile File;
    CourseFile = Name;
    Damage.clear();
    if (OpenHeader(File, Name)) {
        ShowDescription(ToQ(File.LongDesc));
        Stg.Description->repaint();
        File.Close();
    } else {
        Damage = "Problems with file";
    }

    // The whole course is read, not only its chapter titles: a line the
    // loader cannot take would otherwise be met only once the course runs.
    // Loading a course sets the learner's key groups and chapter count; they
    // stay those of the learner's course.
    std::unique_ptr<TContents> Course;
    const TStringList KeyGroups = CurrentUser->FKeyGroups;
    const int32_t ChapterCount = CurrentUser->FChapterCount;
    try {
        int32_t Status = 0;
        Course = std::make_unique<TContents>(Name, Status);
        if (Status != 0 && Damage.empty()) Damage = "Problems with file";
    } catch (const EInputError& Error) {
        Course.reset();
        Damage = Error.what();
    }
    CurrentUser->FKeyGroups = KeyGroups;
    CurrentUser->FChapterCount = ChapterCount;
    if (!Damage.empty()) {
        Course.reset();
        ShowDescription(QStringLiteral("This course file is damaged and cannot be studied."));
    }
    std::string Titles;
    if (Course) {
        switch (Course->DefaultTime) {
        case 0:
            Stg.TimeFree->setChecked(true);
            break;
        case 25:
            Stg.Time25->setChecked(true);
            break;
        case 35:
            Stg.Time35->setChecked(true);
            break;
        case 45:
            Stg.Time45->setChecked(true);
            break;
        default:
            break;
        }
        for (const std::string& Title : Course->ChapterTitles(true))
            Titles += Title + "\r\n";
    }
    ShowLessonLength();
    ShowPreview(Titles);
}

void TStdProfileView::ShowDescription(const QString& Text) {
    QLabel* Description = AddViewsStg->Description;
    Description->setText(Text);
    FitToBox(AddViewsStg->DescriptionBox,
             [Description](int Width) { return Description->heightForWidth(Width); });
}

void TStdProfileView::ShowPreview(const std::string& Titles) {
    // Every title is laid out at once, on a canvas as tall as they need.
    const TViewCanvas* Canvas = Preview;
    FitToBox(PreviewBox, [Canvas, &Titles](int Width) {
        TPageGeometry Geometry;
        Geometry.ClientWidth = Width;
        Geometry.ClientHeight = std::numeric_limits<int>::max() / 2;
        Geometry.FontHeight = Canvas->FontHeight();
        const TPage Page = LayOutPage(
            Titles, 0, Geometry, [Canvas](const std::string& S) { return Canvas->TextWidth(S); });
        int Rows = 0;
        for (const TWordInfo& Word : Page.Words)
            Rows = std::max(Rows, Word.Row);
        // A row is taken only when its bottom, the next row's top, lies 2 above
        // the canvas's bottom.
        return RowTop(Rows + 1, Geometry.FontHeight) + 2;
    });
    Preview->SetText(Titles, 0);
}

void TStdProfileView::ShowLessonLength() {
    const TAddViewsStg& Stg = *AddViewsStg;
    int Minutes = 0;
    if (Stg.Time45->isChecked())
        Minutes = 45;
    else if (Stg.Time35->isChecked())
        Minutes = 35;
    else if (Stg.Time25->isChecked())
        Minutes = 25;
    Stg.LessonGraph->SetProgress(Minutes);
}

void TStdProfileView::ButtonClick(QObject* Sender) {
    PlayEffect(ClickSound);
    if (Sender == BookForm->Next) {
        // A damaged course is never started: the learner is told why.
        if (!Damage.empty())
            MessageDlg(Damage, mtError, mbOK);
        else
            SetResult(1);
    } else if (Sender == BookForm->Back)
        SetResult(2);
}

void TStdProfileView::KeyDown(QObject*, std::uint16_t& Key, TShiftState Shift) {
    QObject* Button = nullptr;
    if (Shift == 0 && Key == VK_RETURN)
        Button = BookForm->Next;
    else if (Shift == 0 && Key == VK_ESCAPE)
        Button = BookForm->Back;
    else if (Shift == ssAlt && Key == 'N')
        Button = BookForm->Next;
    else if (Shift == ssAlt && Key == 'B')
        Button = BookForm->Back;
    if (!Button) return;
    Key = 0;
    ButtonClick(Button);
}

void TStdProfileView::Deactivate() {
    if (ResultCode == 1) {
        const TAddViewsStg& Stg = *AddViewsStg;
        if (Stg.Time25->isChecked())
            CurrentUser->FLessonMinutes = 25;
        else if (Stg.Time35->isChecked())
            CurrentUser->FLessonMinutes = 35;
        else if (Stg.Time45->isChecked())
            CurrentUser->FLessonMinutes = 45;
        else
            CurrentUser->FLessonMinutes = 0;
        CurrentUser->FCourseFile = CourseFile;
    }
    BookForm->SetConsoleButtons(0);
    BookForm->ReleaseKeys(this);
    if (PreviewBox) PreviewBox->hide();
    TFormView::Deactivate();
}
