// The options page in the running program: what it shows of the settings and
// the learner, the keyboard layout changing at once (or not at all when its
// file is missing), and the choices stored when the page is left.
#include "tests/support/ProgramFixture.h"

#include "app/TMain.h"
#include "files/TProgramSettings.h"
#include "forms/TEventsStg.h"
#include "forms/TOptioStg.h"
#include "keyboard/KeyboardGeometry.h"
#include "keyboard/TKeyData.h"
#include "keyboard/ui/TKeyboard.h"
#include "pages/ui/TOptionsView.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/KeyboardLanguage.h"
#include "shell/TBookForm.h"
#include "shell/TFormView.h"
#include "users/TUser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>

namespace {

bool Running(const char* Menu) {
    return TMain::RunningMenu == Menu && TFormView::ActiveView() && TFormView::ActiveView()->IsOpen;
}

TOptionsView* Page() {
    return dynamic_cast<TOptionsView*>(TFormView::ActiveView());
}

// The characters whose keys the page's keyboard highlights, in key order.
std::string Highlighted() {
    std::string Result;
    for (int Key = 1; Key <= TKeyData::KeyCount; ++Key)
        if (Page()->Keyboard->MarkLevel(Key) == TKeyboard::mlHighlighted)
            Result += KeyData->Key(Key).Base;
    for (int Special = kpLeftShift; Special <= kpCount; ++Special)
        if (Page()->Keyboard->MarkLevel(Special) != TKeyboard::mlPlain) Result += '!';
    return Result;
}

// The names of the checked radio buttons of the page, in page order.
std::string CheckedButtons() {
    std::string Result;
    for (QWidget* Page : {BookForm->LeftPage, BookForm->RightPage})
        for (QRadioButton* Button : Page->findChildren<QRadioButton*>())
            if (Button->isChecked()) Result += Button->objectName().toStdString() + " ";
    return Result;
}

// Where a learner clicks a radio button or check box: on its round or square
// mark, left of the caption.
QPoint Mark(QWidget* Choice) {
    return QPoint(7, Choice->height() / 2);
}

class OptionsPageTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // The desktop's keyboard is a US one unless a test says otherwise.
        Keyboard = FDir->Path() + "/keyboard";
        SetKeyboard("us");
        SetKeyboardConfigFile(Keyboard);
    }
    void SetKeyboard(const std::string& XkbLayout) {
        WriteFileBytes(Keyboard, XkbLayout.empty() ? "" : "XKBLAYOUT=\"" + XkbLayout + "\"\n");
    }
    // Settings as a learner's machine has them: the shipped layouts plus
    // one whose file is missing.
    void WriteSettings(const std::string& General) {
        const std::string Folder = std::string(std::getenv("XDG_CONFIG_HOME")) + "/Veltrona";
        mkdir(std::getenv("XDG_CONFIG_HOME"), 0755);
        mkdir(Folder.c_str(), 0755);
        WriteFileBytes(Folder + "/Clavora.ini",
                       "[General Settings]\n" + General +
                           "[Keyboard Layouts]\nEnglish=qwerty.kbd;US English\n"
                           "German=qwertz.kbd;German\nKlingon=tlhingan.kbd\n"
                           "Finnish=nordic.kbd\n");
    }
    std::string StoredSettings() {
        return ReadFileBytes(std::string(std::getenv("XDG_CONFIG_HOME")) + "/Veltrona/Clavora.ini");
    }
    // A learner of the database, logged in.
    static void LogIn(const std::string& Name, int LessonMinutes, int SoundsOn, int LargeFont) {
        std::unique_ptr<TUser> User = TUser::CreateUser(Name);
        ASSERT_TRUE(User);
        User->FLessonMinutes = LessonMinutes;
        User->FSoundsOn = SoundsOn;
        User->FLargeFont = LargeFont;
        ASSERT_EQ(User->Save(), 2);
        SetCurrentUser(std::move(User));
    }
    std::string Keyboard;
};

} // namespace

TEST_F(OptionsPageTest, ShowsTheChoicesChangesTheLayoutAtOnceAndStoresTheRestOnLeaving) {
    WriteSettings("KeyboardAutoDetect=1\nKeyboardLayout=English\nMeasuringUnit=WPM\nPlayTheme=0\n");
    TDriver Driver;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [] {
                // A lesson length of the old studying profile, which no button offers.
                LogIn("Anna", 20, 0, 1);
                ClickWidget(BookForm->MenuOptions);
            })
        .Then(
            "options", [] { return Running("MenuOptions") && Page(); },
            [] {
                TOptioStg& S = *OptioStg;
                EXPECT_EQ(BookForm->Title->text().toStdString(), "Settings");
                EXPECT_EQ(S.AutoLayout->text().toStdString(), "English");
                EXPECT_TRUE(S.AutoDetect->isEnabled());
                EXPECT_EQ(CheckedButtons(), "SoundButton2 LargeFont AutoDetect WpmChoice ");
                EXPECT_FALSE(S.GeneralTheme->isChecked());
                EXPECT_TRUE(S.ScaleBook->isChecked());
                // Sorted, and the stored layout chosen.
                QStringList Items;
                for (int I = 0; I < S.Layout->count(); ++I)
                    Items << S.Layout->itemText(I);
                EXPECT_EQ(Items.join(QLatin1Char(',')),
                          QStringLiteral("English,Finnish,German,Klingon"));
                EXPECT_EQ(S.Layout->currentText(), QStringLiteral("English"));
                EXPECT_EQ(Highlighted(), "qwerty");
                EXPECT_TRUE(IsShownOnWindow(Page()->Keyboard));
                EXPECT_TRUE(IsShownOnWindow(S.lessonfree));
                EXPECT_TRUE(IsShownOnWindow(S.CpsChoice));
                if (const char* Shots = std::getenv("CLAVORA_SHOTS"))
                    BookForm->grab().save(QString::fromLocal8Bit(Shots) +
                                          QStringLiteral("/options.png"));

                // Choosing a layout leaves detection and loads it at once.
                S.Layout->setCurrentIndex(S.Layout->findText(QStringLiteral("German")));
                EXPECT_EQ(CheckedButtons(), "SoundButton2 LargeFont UserLayout WpmChoice ");
                EXPECT_EQ(Highlighted(), "qwertz");
                EXPECT_EQ(KeyData->KeyOf('y'), 39) << "y is left on the lower row";
                EXPECT_GT(KeyData->KeyOf('\xE4'), 0) << "a-umlaut has a key";
                EXPECT_EQ(Settings->KeyboardLayout, "German");
                EXPECT_FALSE(Settings->KeyboardAutoDetect);

                // Back to detection: the desktop's US keyboard again.
                ClickWidget(S.AutoDetect, Mark(S.AutoDetect));
                EXPECT_EQ(Highlighted(), "qwerty");
                EXPECT_TRUE(Settings->KeyboardAutoDetect);
                ClickWidget(S.UserLayout, Mark(S.UserLayout));
                EXPECT_EQ(Highlighted(), "qwertz");

                // The learner's and the machine's other choices, by mouse and
                // by accelerator.
                for (QWidget* Choice : std::initializer_list<QWidget*>{S.SoundButton1, S.NormalFont,
                                                                       S.GeneralTheme, S.ScaleBook})
                    ClickWidget(Choice, Mark(Choice));
                PressKey(BookForm, Qt::Key_S, Qt::AltModifier);
                EXPECT_TRUE(WaitUntil([&S] { return S.CpsChoice->isChecked(); }));
                EXPECT_EQ(CheckedButtons(), "SoundButton1 NormalFont UserLayout CpsChoice ");
                PressKey(BookForm, Qt::Key_Escape);
            })
        .Then(
            "back on guided studying", [] { return Running("MenuGuided"); },
            [] { BookForm->close(); });
    EXPECT_EQ(RunProgram(Driver), 0);

    const std::string Stored = StoredSettings();
    for (const char* Value : {"KeyboardAutoDetect=0\n", "KeyboardLayout=German\n", "PlayTheme=1\n",
                              "MeasuringUnit=CPS\n", "ScaleBook=0\n"})
        EXPECT_NE(Stored.find(Value), std::string::npos) << Value << "\n" << Stored;
    const std::unique_ptr<TUser> Anna = TUser::FindUser("Anna");
    ASSERT_TRUE(Anna);
    EXPECT_EQ(Anna->FLessonMinutes, 20) << "no button checked: the length is kept";
    EXPECT_EQ(Anna->FSoundsOn, 1);
    EXPECT_EQ(Anna->FLargeFont, 0);
}

// A control's rectangle on the open book.
QRect InBook(const QWidget* Control) {
    return QRect(Control->mapTo(BookForm->Book, QPoint(0, 0)), Control->size());
}

// Where each label of every key of the page's keyboard lies, in the key: as
// wide and high as its letters are drawn, and how far down their line lies.
struct TInk {
    int Position;
    QRect Rect;
    int Baseline;
};
std::vector<TInk> LabelInks() {
    std::vector<TInk> Inks;
    const TKeyboardGeometry& Keys = Page()->Keyboard->Geometry();
    for (int Position = 1; Position <= kpCount; ++Position)
        for (const TKeyLabel& Label :
             KeyLabels(KeyData, Position, Keys.Keys[size_t(Position)].height())) {
            const QFontMetrics Metrics(Label.Font);
            const int Baseline = Label.At.y() + Metrics.ascent();
            Inks.push_back(
                {Position, Metrics.tightBoundingRect(Label.Text).translated(Label.At.x(), Baseline),
                 Baseline});
        }
    return Inks;
}

TEST_F(OptionsPageTest, TheKeyboardIsTheDrillsOwnReadableAndClearOfThePagesControls) {
    WriteSettings("KeyboardAutoDetect=0\nKeyboardLayout=German\n");
    QRect FirstPlace;
    const auto Check = [&FirstPlace] {
        TOptioStg& S = *OptioStg;
        const TKeyboard& Keys = *Page()->Keyboard;
        EXPECT_EQ(Keys.parentWidget(), S.KeybPanel);
        EXPECT_EQ(Keys.geometry(), QRect(0, 0, 502, 170));
        EXPECT_TRUE(S.KeybPanel->rect().contains(Keys.geometry()));
        // On the open pages, above them and the fold, clear of the console
        // and of every control of either page.
        const QRect Panel = InBook(S.KeybPanel);
        EXPECT_TRUE(InBook(BookForm->LeftPage).united(InBook(BookForm->RightPage)).contains(Panel));
        for (const QPoint& Corner : {Panel.topLeft(), Panel.topRight(), Panel.bottomLeft(),
                                     Panel.bottomRight(), Panel.center()})
            EXPECT_EQ(BookForm->Book->childAt(Corner), Page()->Keyboard) << "nothing covers it";
        EXPECT_FALSE(Panel.intersects(BookForm->BtnConsole->geometry()));
        for (const QWidget* Side : {BookForm->LeftPage, BookForm->RightPage}) {
            for (const QWidget* Control :
                 Side->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                EXPECT_FALSE(Control->isVisible() && InBook(Control).intersects(Panel))
                    << Control->objectName().toStdString() << " lies under the keyboard";
            }
        }
        if (FirstPlace.isNull()) FirstPlace = Panel;
        EXPECT_EQ(Panel, FirstPlace) << "the keyboard lies where it lay on the first visit";
        // Every label within its key, and on a key with two the Shift
        // character above the base one ("!" above "1"): what stands on its
        // line clear of the other; a tail below the line, as of "(" or "$",
        // may reach into the gap.
        const auto Inks = LabelInks();
        EXPECT_GT(Inks.size(), 48u + 3u);
        for (size_t I = 0; I < Inks.size(); ++I) {
            const TInk& Ink = Inks[I];
            const QRect Key = Keys.Geometry().Keys[size_t(Ink.Position)];
            EXPECT_TRUE(QRect(QPoint(0, 0), Key.size()).contains(Ink.Rect))
                << "a label of key " << Ink.Position << " leaves the key";
            if (I == 0 || Inks[I - 1].Position != Ink.Position) continue;
            QRect Upper = Inks[I - 1].Rect;
            Upper.setBottom(std::min(Upper.bottom(), Inks[I - 1].Baseline - 1));
            EXPECT_FALSE(Upper.intersects(Ink.Rect))
                << "the labels of key " << Ink.Position << " overlap";
        }
        // The keys have the drills' matt face: the key-face pattern, whose
        // tiles begin at each key's corner.
        const QImage Pattern = EventsStg->KeyFace->Picture().toImage();
        const QPoint InA = Keys.Geometry().Keys[26].topLeft() + QPoint(20, 20);
        EXPECT_EQ(Page()->Keyboard->grab(QRect(InA, QSize(1, 1))).toImage().pixelColor(0, 0),
                  Pattern.pixelColor(20 % Pattern.width(), 20 % Pattern.height()));
    };
    TDriver Driver;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [] {
                LogIn("Cleo", 25, 1, 0);
                ClickWidget(BookForm->MenuOptions);
            })
        .Then(
            "options", [] { return Running("MenuOptions") && Page(); },
            [&] {
                Check();
                ClickWidget(BookForm->MenuLogo);
            })
        .Then(
            "about", [] { return Running("MenuLogo"); }, [] { ClickWidget(BookForm->MenuOptions); })
        .Then(
            "options again", [] { return Running("MenuOptions") && Page(); },
            [&] {
                Check();
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(OptionsPageTest, ADetectedKeyboardWithoutALayoutOfItsOwnIsShownWithUsKeysAndSaysSo) {
    WriteFileBytes(Keyboard, "XKBLAYOUT=\"de\"\nXKBVARIANT=\"neo\"\n");
    WriteSettings("KeyboardAutoDetect=1\nKeyboardLayout=English\n");
    const std::string Match = "Match the highlighted chars to your keyboard";
    const std::string Replaced = "No layout for de(neo): US keys shown";
    TDriver Driver;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [] {
                LogIn("Cleo", 25, 1, 0);
                ClickWidget(BookForm->MenuOptions);
            })
        .Then(
            "options", [] { return Running("MenuOptions") && Page(); },
            [&] {
                TOptioStg& S = *OptioStg;
                EXPECT_EQ(S.AutoLayout->text().toStdString(), "English");
                EXPECT_EQ(S.NoteLbl->text().toStdString(), Replaced);
                EXPECT_EQ(Highlighted(), "qwerty");
                if (const char* Shots = std::getenv("CLAVORA_SHOTS"))
                    BookForm->grab().save(QString::fromLocal8Bit(Shots) +
                                          QStringLiteral("/options-us-keys.png"));
                // A layout chosen by hand is compared with the keyboard again.
                S.Layout->setCurrentIndex(S.Layout->findText(QStringLiteral("German")));
                EXPECT_EQ(Highlighted(), "qwertz");
                EXPECT_EQ(S.NoteLbl->text().toStdString(), Match);
                ClickWidget(S.AutoDetect, Mark(S.AutoDetect));
                EXPECT_EQ(S.NoteLbl->text().toStdString(), Replaced);
                ClickWidget(BookForm->MenuLogo);
            })
        .Then(
            "about", [] { return Running("MenuLogo"); },
            [&] {
                // The page's own note is back for the next visit.
                EXPECT_EQ(OptioStg->NoteLbl->text().toStdString(), Match);
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(OptionsPageTest, LayoutsThatCannotBeNamedOrLoadedLeaveTheLayoutInUse) {
    SetKeyboard(""); // the desktop names no keyboard
    WriteSettings("KeyboardAutoDetect=0\nKeyboardLayout=Finnish\n");
    TDriver Driver;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [] {
                LogIn("Ben", 35, 1, 0);
                ClickWidget(BookForm->MenuOptions);
            })
        .Then(
            "options", [] { return Running("MenuOptions") && Page(); },
            [] {
                TOptioStg& S = *OptioStg;
                EXPECT_EQ(S.AutoLayout->text().toStdString(), "Not available");
                EXPECT_FALSE(S.AutoDetect->isEnabled());
                EXPECT_EQ(CheckedButtons(),
                          "lesson2 SoundButton1 NormalFont UserLayout CpsChoice ");
                EXPECT_EQ(S.Layout->currentText(), QStringLiteral("Finnish"));
                // The Finnish keyboard: its upper row begins as the US one.
                EXPECT_EQ(Highlighted(), "qwerty");
                EXPECT_GT(KeyData->KeyOf('\xE5'), 0) << "a-ring has a key";

                ClearDialogLog();
                S.Layout->setCurrentIndex(S.Layout->findText(QStringLiteral("Klingon")));
                ASSERT_EQ(DialogLog().size(), 1u);
                EXPECT_EQ(DialogLog()[0].Type, mtError);
                EXPECT_NE(DialogLog()[0].Text.find("#-500"), std::string::npos);
                EXPECT_NE(DialogLog()[0].Text.find("tlhingan.kbd not found!"), std::string::npos)
                    << DialogLog()[0].Text;
                // Still the Finnish keyboard, and the choice that names it.
                EXPECT_GT(KeyData->KeyOf('\xE5'), 0);
                EXPECT_EQ(Highlighted(), "qwerty");
                EXPECT_EQ(S.Layout->currentText(), QStringLiteral("Finnish"));
                EXPECT_EQ(Settings->KeyboardLayout, "Finnish");
                EXPECT_TRUE(Running("MenuOptions"));
                ClickWidget(BookForm->MenuLogo);
            })
        .Then(
            "about", [] { return Running("MenuLogo"); }, [] { BookForm->close(); });
    EXPECT_EQ(RunProgram(Driver), 0);
    EXPECT_NE(StoredSettings().find("KeyboardLayout=Finnish\n"), std::string::npos);
    EXPECT_EQ(TUser::FindUser("Ben")->FLessonMinutes, 35);
}
