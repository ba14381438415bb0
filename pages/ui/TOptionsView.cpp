#include "pages/ui/TOptionsView.h"

#include "files/ErrorLog.h"
#include "files/SystemUtils.h"
#include "files/TFile.h"
#include "files/TProgramSettings.h"
#include "forms/TEventsStg.h"
#include "forms/TOptioStg.h"
#include "keyboard/TKeyData.h"
#include "keyboard/ui/TKeyboard.h"
#include "platform/Controls.h"
#include "platform/Latin1.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <cctype>

namespace {

const char* const NotAvailable = "Not available";
// The keyboard is as large as the drills': keys 32 units wide and 33 high,
// whose two labels stand clear of each other.
constexpr int KeyboardWidth = 502;
constexpr int KeyboardHeight = 170;

// Sets one radio button of a group and clears the others; with none, the
// whole group is left unchecked, which exclusive buttons cannot do alone.
void CheckOnly(std::initializer_list<QRadioButton*> Group, QRadioButton* Checked) {
    for (QRadioButton* Button : Group) {
        Button->setAutoExclusive(false);
        Button->setChecked(Button == Checked);
        Button->setAutoExclusive(true);
    }
}

QRadioButton* LessonButton(const TOptioStg& S, int Minutes) {
    switch (Minutes) {
    case 0:
        return S.lessonfree;
    case 25:
        return S.lesson1;
    case 35:
        return S.lesson2;
    case 45:
        return S.lesson3;
    default:
        return nullptr;
    }
}

std::string DetectedLanguage() {
    return Settings->DetectLanguage ? Settings->DetectLanguage() : NotAvailable;
}

bool CaseInsensitiveLess(const std::string& A, const std::string& B) {
    return std::lexicographical_compare(A.begin(), A.end(), B.begin(), B.end(), [](char X, char Y) {
        return std::tolower(static_cast<unsigned char>(X)) <
               std::tolower(static_cast<unsigned char>(Y));
    });
}

} // namespace

TOptionsView::TOptionsView() : Keyboard(new TKeyboard(BookForm, KeyData)) {
    Host = BookForm;
    ViewName = "Options";
    Keyboard->setObjectName(QStringLiteral("Keyboard"));
    Keyboard->hide();
}

TOptionsView::~TOptionsView() {
    BeforeDestruction();
    delete Keyboard;
}

void TOptionsView::Activate() {
    TFormView::Activate();
    TOptioStg& S = *OptioStg;
    BookForm->SetPageMode(2);
    BookForm->SetConsoleButtons(0);
    BookForm->Title->setText(QStringLiteral("Settings"));
    // The keyboard's panel is wider than a page: it goes onto the book, above
    // both pages, where it lies as designed on the right page.
    FKeybPanelPlace = S.KeybPanel->pos();
    Borrow(S.KeybPanel, BookForm->Book);
    S.KeybPanel->move(BookForm->RightPage->pos() + FKeybPanelPlace);
    BorrowChildren(S.Panel1, BookForm->LeftPage);
    BorrowChildren(S.Panel2, BookForm->RightPage);

    const std::string Detected = DetectedLanguage();
    S.AutoLayout->setText(ToQ(Detected));
    S.AutoDetect->setEnabled(Detected != NotAvailable);
    if (Detected == NotAvailable) CheckOnly({S.AutoDetect, S.UserLayout}, S.UserLayout);
    // A stored choice of detection still shows, though nothing can be
    // detected: it is what the program uses.
    CheckOnly({S.AutoDetect, S.UserLayout},
              Settings->KeyboardAutoDetect ? S.AutoDetect : S.UserLayout);

    TStringList Names = Settings->LayoutNames;
    std::stable_sort(Names.begin(), Names.end(), CaseInsensitiveLess);
    S.Layout->clear();
    for (const std::string& Name : Names)
        S.Layout->addItem(ToQ(Name));
    const auto Stored = std::find(Names.begin(), Names.end(), Settings->KeyboardLayout);
    S.Layout->setCurrentIndex(Stored == Names.end() ? 0 : int(Stored - Names.begin()));

    S.GeneralTheme->setChecked(Settings->PlayTheme);
    CheckOnly({S.WpmChoice, S.CpsChoice}, Settings->MeasuringUnit ? S.WpmChoice : S.CpsChoice);
    S.ScaleBook->setChecked(Settings->ScaleBook);

    TUser* User = CurrentUser;
    CheckOnly({S.SoundButton1, S.SoundButton2},
              User->FSoundsOn != 0 ? S.SoundButton1 : S.SoundButton2);
    CheckOnly({S.NormalFont, S.LargeFont}, User->FLargeFont == 1 ? S.LargeFont : S.NormalFont);
    CheckOnly({S.lesson1, S.lesson2, S.lesson3, S.lessonfree},
              LessonButton(S, User->FLessonMinutes));

    Keyboard->hide();
    Borrow(Keyboard, S.KeybPanel);
    Keyboard->setGeometry(0, 0, KeyboardWidth, KeyboardHeight);
    Keyboard->SetBackground(QColor(192, 220, 192));
    Keyboard->SetKeyFace(EventsStg->KeyFace->Picture());
    Keyboard->ShowAllLabels();
    Keyboard->show();

    FLayoutInUse = Settings->KeyboardLayout;
    FAutoDetectInUse = Settings->KeyboardAutoDetect;
    FMatchNote = S.NoteLbl->text();
    LayoutChanged(nullptr);

    auto Changed = [this](QObject* Sender) { LayoutChanged(Sender); };
    FConnections.push_back(QObject::connect(S.AutoDetect, &QRadioButton::clicked, S.AutoDetect,
                                            [Changed, &S] { Changed(S.AutoDetect); }));
    FConnections.push_back(QObject::connect(S.UserLayout, &QRadioButton::clicked, S.UserLayout,
                                            [Changed, &S] { Changed(S.UserLayout); }));
    FConnections.push_back(QObject::connect(S.Layout, &QComboBox::currentIndexChanged, S.Layout,
                                            [Changed, &S] { Changed(S.Layout); }));

    // The sounds come first when the learner tabs through the page.
    QWidget::setTabOrder(S.SoundButton1, S.SoundButton2);
    QWidget::setTabOrder(S.SoundButton2, S.lesson1);

    BookForm->TakeKeys(this);
}

void TOptionsView::ShowLayoutChoice(const std::string& LayoutName, bool AutoDetect) {
    TOptioStg& S = *OptioStg;
    const QSignalBlocker Quiet(S.Layout);
    const int Index =
        S.Layout->findText(ToQ(LayoutName), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (Index >= 0) S.Layout->setCurrentIndex(Index);
    CheckOnly({S.AutoDetect, S.UserLayout}, AutoDetect ? S.AutoDetect : S.UserLayout);
}

void TOptionsView::LayoutChanged(QObject* Sender) {
    TOptioStg& S = *OptioStg;
    if (Sender && Sender->objectName() == QLatin1String("Layout")) {
        CheckOnly({S.AutoDetect, S.UserLayout}, S.UserLayout);
        S.Layout->setFocus();
    }
    Settings->KeyboardLayout = FromQ(S.Layout->currentText());
    Settings->KeyboardAutoDetect = S.AutoDetect->isChecked();

    const std::string File = Settings->LayoutFileFor("qwerty.kbd");
    const int32_t Status = KeyData->Load(File);
    if (Status < 0) {
        // The layout in use stays, and so does the choice that names it: a
        // stored choice of a missing file would stop the next start.
        LogError(-500, File + (Status == fsNotFound ? " not found!" : " cannot be read!"));
        Settings->KeyboardLayout = FLayoutInUse;
        Settings->KeyboardAutoDetect = FAutoDetectInUse;
        ShowLayoutChoice(FLayoutInUse, FAutoDetectInUse);
        return;
    }
    FLayoutInUse = Settings->KeyboardLayout;
    FAutoDetectInUse = Settings->KeyboardAutoDetect;

    std::string Upper;
    for (int Column = 1; Column <= 6; ++Column) {
        const char C = KeyData->KeyChar(2, Column, 0);
        if (C != 0 && C != ' ') Upper += C;
    }
    Keyboard->LayoutChanged();
    Keyboard->MarkKeys(Upper, "");
    Keyboard->update();

    // A detected keyboard with no layout of its own is shown with the US
    // keys: the note says so instead of asking to compare them.
    const std::string Note = Settings->KeyboardAutoDetect && Settings->DetectLanguage
                                 ? DetectKeyboardNote()
                                 : std::string();
    S.NoteLbl->setText(Note.empty() ? FMatchNote : ToQ(Note));
}

void TOptionsView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    if (Key == VK_ESCAPE && Shift == 0) {
        Key = 0;
        BookForm->DoEscape();
    }
    TFormView::KeyDown(Sender, Key, Shift);
}

void TOptionsView::Deactivate() {
    for (const QMetaObject::Connection& Connection : FConnections)
        QObject::disconnect(Connection);
    FConnections.clear();
    if (!FMatchNote.isEmpty()) OptioStg->NoteLbl->setText(FMatchNote);
    BookForm->ReleaseKeys(this);
    BookForm->Title->clear();
    Keyboard->hide();
    TFormView::Deactivate();
    OptioStg->KeybPanel->move(FKeybPanelPlace);
}

void TOptionsView::StoreChoices() {
    const TOptioStg& S = *OptioStg;
    Settings->PlayTheme = S.GeneralTheme->isChecked();
    Settings->MeasuringUnit = S.WpmChoice->isChecked();
    Settings->ScaleBook = S.ScaleBook->isChecked();
    Settings->Save();

    TUser* User = CurrentUser;
    User->FSoundsOn = S.SoundButton1->isChecked() ? 1 : 0;
    const struct {
        QRadioButton* Button;
        int Minutes;
    } Lessons[] = {{S.lesson1, 25}, {S.lesson2, 35}, {S.lesson3, 45}, {S.lessonfree, 0}};
    for (const auto& Lesson : Lessons)
        if (Lesson.Button->isChecked()) User->FLessonMinutes = Lesson.Minutes;
    User->FLargeFont = S.LargeFont->isChecked() ? 1 : 0;
    User->Save();
}

void RunOptions() {
    TViewPtr<TOptionsView> Page(new TOptionsView);
    Page->Run();
    Page->StoreChoices();
}
