// The book window on its own: its parts, page modes, console, layout, key
// routing, links and the navigation console.
#include "files/InputError.h"
#include "files/TProgramSettings.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Latin1.h"
#include "platform/ShellOpen.h"
#include "shell/TBookForm.h"
#include "shell/TFormView.h"
#include "shell/TNavigate.h"
#include "tests/support/TDriver.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// A page that hands the keys it receives to the test.
class TKeysView : public TFormView {
public:
    std::function<void(std::uint16_t& Key)> Down;
    std::function<void(char& Key)> Press;
    void KeyDown(QObject*, std::uint16_t& Key, TShiftState) override {
        if (Down) Down(Key);
    }
    void KeyPress(QObject*, char& Key) override {
        if (Press) Press(Key);
    }
};

class BookWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application::SetProgramDirectory(std::getenv("CLAVORA_APP_DIR"));
        Application::ResetTerminated();
        ClearDialogLog();
        SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
        BookForm = new TBookForm;
        Book.reset(BookForm);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(BookForm));
    }
    void TearDown() override { Book.reset(); }
    TSeamGuard Seams;
    std::unique_ptr<TBookForm> Book;
};

QRect Geometry(QWidget* W) {
    return W->geometry();
}

} // namespace

TEST_F(BookWindowTest, PartsSitWhereTheyWereDesigned) {
    const struct {
        QWidget* Part;
        QRect Rect;
    } Parts[] = {
        {Book->Image4, {0, 61, 779, 469}},
        {Book->TabRowPic, {0, 0, 779, 61}},
        {Book->MenuGuided, {28, 18, 113, 43}},
        {Book->MenuRevision, {141, 18, 114, 43}},
        {Book->MenuInfo, {255, 18, 129, 43}},
        {Book->MenuLogo, {415, 28, 47, 28}},
        {Book->MenuOptions, {483, 28, 83, 28}},
        {Book->MenuExit, {685, 27, 58, 30}},
        {Book->WidePage, {28, 74, 718, 428}},
        {Book->LeftPage, {28, 74, 338, 428}},
        {Book->PageSeparator, {370, 61, 35, 442}},
        {Book->RightPage, {405, 74, 338, 428}},
        {Book->TitleConsole, {28, 61, 345, 52}},
        {Book->Image1, {-10, -3, 342, 56}},
        {Book->BtnConsole, {553, 424, 193, 78}},
        {Book->ConsolePic1, {0, 0, 193, 80}},
        {Book->BeginB, {136, 13, 51, 63}},
        {Book->Next, {137, 13, 49, 63}},
        {Book->Back, {72, 13, 50, 63}},
        {Book->SkipF, {72, 13, 51, 63}},
        {Book->Cancel, {61, 13, 66, 63}},
        {Book->SkipB, {10, 13, 50, 63}},
        {Book->Image3, {-1, -3, 369, 511}},
        {Book->Shape1, {74, 366, 237, 95}},
        {Book->NameField, {87, 395, 211, 24}},
        {Book->UserYes, {87, 426, 89, 25}},
        {Book->UserCancel, {210, 426, 89, 25}},
        {Book->LogOK, {144, 426, 89, 25}},
        {Book->LogVisitor, {252, 451, 60, 20}},
    };
    for (const auto& P : Parts)
        EXPECT_EQ(Geometry(P.Part), P.Rect) << P.Part->objectName().toStdString();
    EXPECT_EQ(Book->Book->size(), QSize(777, 529));
    EXPECT_EQ(Book->BookCover->size(), QSize(356, 499));
    EXPECT_EQ(Book->Title->pos(), QPoint(16, 8));
    EXPECT_EQ(Book->Title->font().pixelSize(), 29);
    EXPECT_TRUE(Book->Title->font().bold());
    EXPECT_EQ(Book->LoadLabel->text().toStdString(), "Loading, please wait...");
    EXPECT_EQ(Book->LogVisitor->text().toStdString(), "&Visitor");
    EXPECT_EQ(Book->MenuGuided->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(Book->MenuGuided->Picture().isNull()) << "the tab pictures are loaded";
    EXPECT_TRUE(Book->BackGround16->isHidden());
}

TEST_F(BookWindowTest, PageModesShowTheCoverOrThePages) {
    Book->SetPageMode(0);
    EXPECT_TRUE(Book->BookCover->isVisible());
    EXPECT_FALSE(Book->Book->isVisible());
    Book->SetPageMode(1);
    EXPECT_TRUE(Book->WidePage->isVisible());
    EXPECT_FALSE(Book->LeftPage->isVisible() || Book->RightPage->isVisible() ||
                 Book->PageSeparator->isVisible() || Book->BookCover->isVisible());
    Book->SetPageMode(2);
    EXPECT_FALSE(Book->WidePage->isVisible());
    EXPECT_TRUE(Book->LeftPage->isVisible() && Book->RightPage->isVisible() &&
                Book->PageSeparator->isVisible());
    Book->SetPageMode(7);
    EXPECT_TRUE(Book->LeftPage->isVisible()) << "an unknown mode changes nothing";
    EXPECT_EQ(Book->children().last(), Book->StatusBar) << "the status bar is in front";
}

TEST_F(BookWindowTest, ConsoleShowsExactlyTheButtonsAskedFor) {
    Book->SetPageMode(2);
    Book->SetConsoleButtons(10);
    EXPECT_TRUE(Book->BtnConsole->isVisible());
    EXPECT_TRUE(Book->Next->isVisible());
    EXPECT_TRUE(Book->Cancel->isVisible());
    EXPECT_FALSE(Book->BeginB->isVisible() || Book->Back->isVisible() || Book->SkipF->isVisible() ||
                 Book->SkipB->isVisible());
    Book->SetConsoleButtons(cbBegin | cbSkipF | cbSkipB);
    EXPECT_TRUE(Book->BeginB->isVisible() && Book->SkipF->isVisible() && Book->SkipB->isVisible());
    EXPECT_FALSE(Book->Next->isVisible() || Book->Cancel->isVisible());
    Book->SetConsoleButtons(0);
    EXPECT_FALSE(Book->BtnConsole->isVisible());
    EXPECT_EQ(Book->ConsoleButtons, 0);
}

TEST_F(BookWindowTest, ExerciseConsoleChoosesTheBackground) {
    auto BackMost = [&] {
        for (QObject* Child : Book->BtnConsole->children())
            if (Child->isWidgetType()) return static_cast<QWidget*>(Child);
        return static_cast<QWidget*>(nullptr);
    };
    Book->SetExerciseConsole(1);
    EXPECT_EQ(BackMost(), Book->ConsolePic1);
    EXPECT_EQ(Book->ExerciseConsole, 1);
    Book->SetExerciseConsole(0);
    EXPECT_EQ(BackMost(), Book->ConsolePic2);
}

TEST_F(BookWindowTest, NormalWindowIsTheBookAndMaximisedCentresIt) {
    TScopedTempDir Dir;
    TProgramSettings Store;
    Settings = &Store;
    Book->SetMaximized(false);
    EXPECT_FALSE(Store.MaximizedBook) << "the settings follow the window";
    EXPECT_TRUE(WaitUntil([&] { return Book->size() == QSize(777, 529); }));
    EXPECT_FALSE(Book->StatusBar->isVisible()) << "no room for the status bar";
    EXPECT_EQ(Book->Book->pos(), QPoint(0, 0));
    // The normal window lies in the middle of the screen.
    const QRect Free = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(WaitUntil([&] {
        return (Book->frameGeometry().center() - Free.center()).manhattanLength() <= 1;
    })) << Book->frameGeometry().x()
        << "," << Book->frameGeometry().y();

    Book->SetMaximized(true);
    // The maximised client area is the screen's, less any frame.
    EXPECT_TRUE(WaitUntil([&] { return Book->height() > 529 + 21; }));
    const QSize Client = Book->size();
    EXPECT_TRUE(Book->StatusBar->isVisible());
    EXPECT_EQ(Book->StatusBar->geometry(), QRect(0, Client.height() - 21, Client.width(), 21));
    EXPECT_EQ(Book->Book->pos(),
              QPoint((Client.width() - 777) / 2, (Client.height() - 21 - 529) / 2));
    EXPECT_EQ(Book->BookCover->pos(),
              QPoint((Client.width() - 356) / 2, (Client.height() - 21 - 499) / 2));
    EXPECT_EQ(Book->wwwlink->x(), 10);
    EXPECT_EQ(Book->emaillink->x(), Client.width() - 140 - 10);
    EXPECT_TRUE(Store.MaximizedBook);
    Settings = nullptr;
}

TEST_F(BookWindowTest, CtrlTabNeverReachesThePagesKeyHandler) {
    std::vector<int> PageKeys;
    int Next = 0, Previous = 0;
    // The modifier keys themselves come down too; only the others count here.
    TKeysView Page;
    Page.Down = [&](std::uint16_t& Key) {
        if (Key != VK_SHIFT && Key != VK_CONTROL && Key != VK_MENU) PageKeys.push_back(Key);
    };
    Book->TakeKeys(&Page);
    Book->OnCtrlTab = [&](QObject*) { ++Next; };
    Book->OnCtrlShiftTab = [&](QObject*) { ++Previous; };
    PressKey(Book.get(), Qt::Key_Tab, Qt::ControlModifier);
    PressKey(Book.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    PressKey(Book.get(), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(Next, 1);
    EXPECT_EQ(Previous, 1);
    EXPECT_EQ(PageKeys, std::vector<int>{'F'});
    // Without actions installed the shortcuts are still consumed.
    Book->OnCtrlTab = nullptr;
    PressKey(Book.get(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(PageKeys.size(), 1u);
}

TEST_F(BookWindowTest, ThePageSeesKeysBeforeTheFocusedControl) {
    Book->SetPageMode(0);
    Book->NameField->show();
    Book->NameField->setFocus();
    EXPECT_TRUE(WaitUntil([&] { return Book->NameField->hasFocus(); }));
    std::string Typed;
    TKeysView Page;
    Page.Press = [&](char& Key) {
        Typed += Key;
        if (Key == 'x') Key = 0;
    };
    Book->TakeKeys(&Page);
    PressKey(Book.get(), Qt::Key_A);
    PressKey(Book.get(), Qt::Key_X);
    PressKey(Book.get(), Qt::Key_B);
    // An Alt accelerator types nothing, whether or not a page used it.
    PressKey(Book.get(), Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(Typed, "axb");
    EXPECT_EQ(Book->NameField->currentText().toStdString(), "ab");
}

TEST_F(BookWindowTest, EscapeRunsTheInstalledAction) {
    int Escapes = 0;
    Book->DoEscape();
    Book->OnEscape = [&](QObject* Sender) {
        EXPECT_EQ(Sender, Book.get());
        ++Escapes;
    };
    Book->DoEscape();
    EXPECT_EQ(Escapes, 1);
}

TEST_F(BookWindowTest, ALinkThatCannotOpenIsReportedAsMinus5452) {
    TScopedTempDir Dir; // Errors.log is written to the current directory
    std::vector<std::string> Opened;
    SetShellOpener([&](const std::string& Target) {
        Opened.push_back(Target);
        return Target.rfind("mailto:", 0) == 0;
    });
    Book->SetMaximized(true);
    EXPECT_TRUE(WaitUntil([&] { return Book->StatusBar->isVisible(); }));
    ClickWidget(Book->emaillink);
    EXPECT_TRUE(DialogLog().empty());
    ClickWidget(Book->wwwlink);
    ASSERT_EQ(Opened.size(), 2u);
    EXPECT_EQ(Opened[0].rfind("mailto:", 0), 0u);
    ASSERT_EQ(DialogLog().size(), 1u);
    EXPECT_EQ(DialogLog()[0].Text.rfind("#-5452 WWW-browser/email software", 0), 0u);
    EXPECT_TRUE(PathExists(Dir / "Errors.log"));
}

TEST_F(BookWindowTest, ARefusedCloseKeepsTheWindowOpen) {
    Book->OnClose = [](QObject*, TCloseAction& Action) { Action = caNone; };
    Book->close();
    EXPECT_TRUE(Book->isVisible());
    EXPECT_FALSE(Application::Terminated());
    Book->OnClose = nullptr;
    Book->close();
    EXPECT_FALSE(Book->isVisible());
    EXPECT_TRUE(Application::Terminated());
}

TEST_F(BookWindowTest, NavigationConsoleMovesTheBookSideways) {
    Book->SetMaximized(true);
    EXPECT_TRUE(WaitUntil([&] { return Book->width() > 777; }));
    TNavigate Console;
    Navigate = &Console;
    Console.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Console));
    ClickWidget(Console.Right);
    EXPECT_EQ(Book->Book->x() + Book->Book->width(), Book->width());
    ClickWidget(Console.Left);
    EXPECT_EQ(Book->Book->x(), 0);
    ClickWidget(Console.Center);
    EXPECT_EQ(Book->Book->x(), (Book->width() - 777) / 2);
    EXPECT_EQ(Console.size(), QSize(145, 25));
    EXPECT_EQ(Console.windowTitle().toStdString(), "Navigation");
}

TEST_F(BookWindowTest, AnInputErrorInAHandlerIsShownAndTheProgramGoesOn) {
    Book->SetPageMode(2);
    int Clicks = 0;
    Book->MenuRevision->OnClick = [&](QObject*) {
        ++Clicks;
        throw EInputError("Bad value in course.cnt");
    };
    TKeysView Page;
    Page.Down = [&](std::uint16_t& Key) {
        if (Key == 'K') throw EInputError("Bad key");
    };
    Book->TakeKeys(&Page);
    ClickWidget(Book->MenuRevision);
    PressKey(Book.get(), Qt::Key_K);
    ClickWidget(Book->MenuRevision);
    EXPECT_EQ(Clicks, 2);
    ASSERT_EQ(DialogLog().size(), 3u);
    EXPECT_EQ(DialogLog()[0].Text, "Bad value in course.cnt");
    EXPECT_EQ(DialogLog()[0].Type, mtError);
    EXPECT_EQ(DialogLog()[1].Text, "Bad key");
}

// The cover's buttons as a dialog's: Enter presses the shown default button
// and Escape the shown cancel button, once the page has let the key pass.
TEST_F(BookWindowTest, EnterAndEscapePressTheShownDefaultAndCancelButtons) {
    Book->SetPageMode(0);
    std::string Pressed;
    for (TButton* Button : {Book->LogOK, Book->LogVisitor, Book->UserYes, Book->UserCancel})
        Button->OnClick = [&](QObject* Sender) { Pressed += FromQ(Sender->objectName()) + " "; };
    const struct {
        std::vector<TButton*> Shown;
        Qt::Key Key;
        const char* Expected;
    } Cases[] = {
        {{Book->LogOK, Book->LogVisitor}, Qt::Key_Return, "LogOK "},
        {{Book->LogOK, Book->LogVisitor}, Qt::Key_Escape, ""}, // the cover has no cancel button
        {{Book->UserYes, Book->UserCancel}, Qt::Key_Return, "UserYes "},
        {{Book->UserYes, Book->UserCancel}, Qt::Key_Escape, "UserCancel "},
        {{}, Qt::Key_Return, ""}, // hidden buttons take no keys
    };
    for (const auto& C : Cases) {
        for (TButton* Button : {Book->LogOK, Book->LogVisitor, Book->UserYes, Book->UserCancel})
            Button->hide();
        for (TButton* Button : C.Shown)
            Button->show();
        Pressed.clear();
        PressKey(Book.get(), C.Key);
        EXPECT_EQ(Pressed, C.Expected) << C.Shown.size() << " shown, key " << C.Key;
    }
    // A page that takes Enter itself keeps it from the default button.
    TKeysView Page;
    Page.Down = [](std::uint16_t& Key) { Key = 0; };
    Book->TakeKeys(&Page);
    Book->UserYes->show();
    Pressed.clear();
    PressKey(Book.get(), Qt::Key_Return);
    EXPECT_EQ(Pressed, "");
    Book->ReleaseKeys(&Page);
}
