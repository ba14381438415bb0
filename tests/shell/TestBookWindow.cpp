// The book window on its own: its parts, page modes, console, layout, key
// routing, links and the navigation console.
#include "files/InputError.h"
#include "files/TProgramSettings.h"
#include "platform/Application.h"
#include "platform/Controls.h"
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
#include <QRegion>
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

} // namespace

// The window's parts, checked by how they relate to each other rather than
// by where they lie: a picture is the size of its control, a part lies inside
// its panel, parts shown together do not cover each other.
TEST_F(BookWindowTest, PicturesFitTheirControlsAndPartsLieInsideTheirPanels) {
    // Every picture control shows its picture at the picture's own size,
    // except the desk, which is stretched over the whole window.
    int Shown = 0;
    for (QWidget* Part : Book->findChildren<QWidget*>()) {
        auto* Image = dynamic_cast<TImage*>(Part);
        if (!Image || Image == Book->BackGround32 || Image == Book->BackGround16) continue;
        SCOPED_TRACE(Image->objectName().toStdString());
        ASSERT_FALSE(Image->Picture().isNull());
        EXPECT_EQ(Image->size(), Image->Picture().deviceIndependentSize().toSize());
        ++Shown;
    }
    EXPECT_GE(Shown, 20) << "the tabs, the book, the fold, the console and its buttons...";

    // Each part lies inside the panel or picture that carries it, the book's
    // pictures inside the book and the links inside the status bar. Only the
    // title strip's and the cover's pictures reach past their panels' edges.
    const struct {
        QWidget* Part;
        QWidget* Within;
    } Inside[] = {
        {Book->MenuGuided, Book->TabRowPic},  {Book->MenuRevision, Book->TabRowPic},
        {Book->MenuInfo, Book->TabRowPic},    {Book->MenuLogo, Book->TabRowPic},
        {Book->MenuOptions, Book->TabRowPic}, {Book->MenuExit, Book->TabRowPic},
        {Book->WidePage, Book->Image4},       {Book->LeftPage, Book->WidePage},
        {Book->RightPage, Book->WidePage},    {Book->PageSeparator, Book->Image4},
        {Book->TitleConsole, Book->Book},     {Book->Title, Book->TitleConsole},
        {Book->BtnConsole, Book->WidePage},   {Book->BeginB, Book->BtnConsole},
        {Book->Next, Book->BtnConsole},       {Book->Back, Book->BtnConsole},
        {Book->SkipF, Book->BtnConsole},      {Book->Cancel, Book->BtnConsole},
        {Book->SkipB, Book->BtnConsole},      {Book->Shape1, Book->BookCover},
        {Book->NameField, Book->Shape1},      {Book->UserYes, Book->Shape1},
        {Book->UserCancel, Book->Shape1},     {Book->LogOK, Book->Shape1},
        {Book->NewUserLbl, Book->Shape1},     {Book->emaillink, Book->StatusBar},
        {Book->wwwlink, Book->StatusBar},     {Book->TabRowPic, Book->Book},
        {Book->Image4, Book->Book},
    };
    // Where a part lies, in the window's coordinates.
    const auto InWindow = [&](QWidget* W) {
        return W == Book.get() ? W->rect() : QRect(W->mapTo(Book.get(), QPoint(0, 0)), W->size());
    };
    for (const auto& P : Inside)
        EXPECT_TRUE(InWindow(P.Within).contains(InWindow(P.Part)))
            << P.Part->objectName().toStdString() << " inside "
            << P.Within->objectName().toStdString();
    // The cover's controls lie inside its white frame, clear of its lines.
    const QRect InsideFrame = InWindow(Book->Shape1).adjusted(1, 1, -1, -1);
    for (QWidget* Control : std::initializer_list<QWidget*>{
             Book->LogLabel, Book->LoadLabel, Book->NameField, Book->LogOK, Book->LogVisitor,
             Book->NewUserLbl, Book->UserYes, Book->UserCancel})
        EXPECT_TRUE(InsideFrame.contains(InWindow(Control))) << Control->objectName().toStdString();
    // The book and the cover are covered by their pictures: no desk shows
    // through a gap.
    const auto Covered = [&](QWidget* Panel, std::initializer_list<QWidget*> Pictures) {
        QRegion Left(InWindow(Panel));
        for (QWidget* Picture : Pictures)
            Left -= InWindow(Picture);
        return Left.isEmpty();
    };
    EXPECT_TRUE(Covered(Book->Book, {Book->TabRowPic, Book->Image4}));
    EXPECT_TRUE(Covered(Book->BookCover, {Book->Image3}));
    EXPECT_TRUE(Covered(Book->BtnConsole, {Book->ConsolePic1}));
    EXPECT_EQ(Book->ConsolePic1->geometry(), Book->ConsolePic2->geometry());

    // Parts shown side by side keep apart and in order, left to right.
    const std::vector<std::vector<QWidget*>> Rows = {
        {Book->MenuGuided, Book->MenuRevision, Book->MenuInfo, Book->MenuLogo, Book->MenuOptions,
         Book->MenuExit},
        {Book->LeftPage, Book->PageSeparator, Book->RightPage},
        // The console's three places: Skip back; Back, Skip forward or
        // Cancel; Next or Begin.
        {Book->SkipB, Book->Back, Book->Next},
        {Book->SkipB, Book->SkipF, Book->BeginB},
        {Book->SkipB, Book->Cancel, Book->Next},
        {Book->SkipB, Book->Cancel, Book->BeginB},
        {Book->UserYes, Book->UserCancel},
    };
    for (const auto& Row : Rows)
        for (size_t I = 1; I < Row.size(); ++I)
            EXPECT_LT(InWindow(Row[I - 1]).right(), InWindow(Row[I]).left())
                << Row[I - 1]->objectName().toStdString() << " before "
                << Row[I]->objectName().toStdString();

    // The two pages are alike and level; the wide page spans both.
    EXPECT_EQ(Book->LeftPage->size(), Book->RightPage->size());
    EXPECT_EQ(Book->LeftPage->y(), Book->RightPage->y());
    EXPECT_EQ(Book->WidePage->y(), Book->LeftPage->y());
    EXPECT_EQ(Book->WidePage->height(), Book->LeftPage->height());
    EXPECT_EQ(Book->WidePage->x(), Book->LeftPage->x());
    // The console sits in the wide page's lower right corner.
    EXPECT_EQ(InWindow(Book->BtnConsole).bottomRight(), InWindow(Book->WidePage).bottomRight());
    // The console's buttons stand on one line; the cover's buttons are alike
    // and on one line, under the name field.
    for (QWidget* Button : {Book->Next, Book->Back, Book->SkipF, Book->Cancel, Book->SkipB}) {
        EXPECT_EQ(Button->y(), Book->BeginB->y()) << Button->objectName().toStdString();
        EXPECT_EQ(Button->height(), Book->BeginB->height()) << Button->objectName().toStdString();
    }
    for (QWidget* Button : {Book->UserCancel, Book->LogOK}) {
        EXPECT_EQ(Button->size(), Book->UserYes->size()) << Button->objectName().toStdString();
        EXPECT_EQ(Button->y(), Book->UserYes->y()) << Button->objectName().toStdString();
    }
    EXPECT_LT(Book->NameField->geometry().bottom(), Book->UserYes->y());
    EXPECT_EQ(Book->NameField->x(), Book->UserYes->x());

    // The title is bold and larger than the other texts of the book.
    EXPECT_TRUE(Book->Title->font().bold());
    EXPECT_GT(Book->Title->font().pixelSize(), Book->NameField->font().pixelSize());
    EXPECT_EQ(Book->LoadLabel->text().toStdString(), "Loading, please wait...");
    EXPECT_EQ(Book->LogVisitor->text().toStdString(), "&Visitor");
    EXPECT_EQ(Book->MenuGuided->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(Book->BackGround16->isHidden());
}

// A line of the design is one unit wide at every scale of the book: the
// cover's name frame drawn at one, two and three pixels a unit has lines of
// as many pixels on each of its four sides.
TEST_F(BookWindowTest, TheFramesLinesAreOneUnitWideAtEveryScale) {
    TShape* Frame = Book->Shape1;
    for (const int Scale : {1, 2, 3}) {
        SCOPED_TRACE(Scale);
        QImage Img(Frame->size() * Scale, QImage::Format_ARGB32_Premultiplied);
        Img.setDevicePixelRatio(Scale);
        Img.fill(Qt::transparent);
        Frame->render(&Img, QPoint(), QRegion(), QWidget::RenderFlags());
        // The run of drawn pixels from an edge inwards, across the middle.
        const auto Run = [&Img](QPoint At, QPoint Step) {
            int Drawn = 0;
            for (; Img.rect().contains(At) && qAlpha(Img.pixel(At)) == 255; At += Step)
                ++Drawn;
            return Drawn;
        };
        const int W = Img.width(), H = Img.height();
        EXPECT_EQ(Run({0, H / 2}, {1, 0}), Scale) << "left";
        EXPECT_EQ(Run({W - 1, H / 2}, {-1, 0}), Scale) << "right";
        EXPECT_EQ(Run({W / 2, 0}, {0, 1}), Scale) << "top";
        EXPECT_EQ(Run({W / 2, H - 1}, {0, -1}), Scale) << "bottom";
    }
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
    EXPECT_TRUE(WaitUntil([&] { return Book->size() == Book->Book->size(); }));
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
    const int Bar = Book->StatusBar->height();
    EXPECT_TRUE(WaitUntil([&] { return Book->height() > Book->Book->height() + Bar; }));
    const QSize Client = Book->size();
    EXPECT_TRUE(Book->StatusBar->isVisible());
    EXPECT_EQ(Book->StatusBar->geometry(), QRect(0, Client.height() - Bar, Client.width(), Bar));
    // The book and the cover lie in the middle of the room above the bar.
    const QRect Room(0, 0, Client.width(), Client.height() - Bar);
    for (QWidget* Part : {Book->Book, Book->BookCover})
        EXPECT_LE((Part->geometry().center() - Room.center()).manhattanLength(), 1)
            << Part->objectName().toStdString();
    // The links keep the same margin from the bar's two ends.
    EXPECT_GT(Book->wwwlink->x(), 0);
    EXPECT_EQ(Book->StatusBar->width() - Book->emaillink->geometry().right() - 1,
              Book->wwwlink->x());
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
    EXPECT_LE(std::abs(Book->Book->geometry().center().x() - Book->rect().center().x()), 1);
    // The three buttons fill the console, in order.
    EXPECT_EQ(Console.Left->x(), 0);
    EXPECT_EQ(Console.Right->geometry().right(), Console.width() - 1);
    EXPECT_LT(Console.Left->x(), Console.Center->x());
    EXPECT_LT(Console.Center->x(), Console.Right->x());
    for (QWidget* Button : {Console.Left, Console.Center, Console.Right})
        EXPECT_EQ(Button->height(), Console.height());
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
