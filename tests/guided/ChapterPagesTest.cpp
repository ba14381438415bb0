// The chapter spread in the real book window: the exercise list's rows and
// pictures, the console buttons each kind of chapter offers, the keys and
// clicks of the contents page, and the pages' parts where the book shows
// them.
#include "tests/support/EventFixture.h"

#include "course/TChapter.h"
#include "course/TChapterPages.h"
#include "forms/TChapterStgs.h"
#include "guided/ui/TChpContentsView.h"
#include "guided/ui/TExerciseList.h"
#include "platform/Controls.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QFile>
#include <QImage>
#include <QTest>

#include <cstdlib>

namespace {

class ChapterPagesTest : public EventTest {
protected:
    // A chapter of N exercises "Drill 1".."Drill N" of 5 minutes each.
    static std::unique_ptr<TChapter> MakeChapter(int Number, int N) {
        auto Made = std::make_unique<TChapter>();
        Made->Number = Number;
        Made->Name = "Chapter " + std::to_string(Number);
        for (int I = 1; I <= N; ++I) {
            auto Exercise = std::make_unique<TExercise>();
            Exercise->Name = std::to_string(Number) + "." + std::to_string(I);
            Exercise->Type = "Drill " + std::to_string(I);
            Exercise->Minutes = I == 2 ? 0 : 5;
            Made->Exercises.push_back(std::move(Exercise));
        }
        return Made;
    }

    // Shows the spread of the chapter as a course shows it; the driver acts.
    int Show(const TChapter& Chapter, TDriver& Driver, bool Introduction = false, int Selected = 1,
             const std::string& Picture = "") {
        TChapterSpread Spread;
        Spread.Chapter = &Chapter;
        Spread.Title = Chapter.Name;
        Spread.LastRowText = Introduction ? "Exit introduction" : "Next Lesson";
        Spread.Numeral = Introduction ? " i" : std::to_string(Chapter.Number % 10);
        Spread.SkipFAllowed = !Introduction;
        Spread.SkipBAllowed = !Introduction && Chapter.Number > 1;
        Spread.CancelAllowed = Introduction;
        Spread.SelectedRow = Selected;
        Spread.Picture = Picture;
        Driver.Start();
        const int Result = ChapterPages()->ShowChapter(Spread);
        EXPECT_TRUE(Driver.Finished()) << Driver.Failure();
        Row = Spread.SelectedRow;
        return Result;
    }

    static TExerciseList& List() { return *ChpContentsView->List; }
    static bool Open() { return ChpContentsView->IsOpen; }
    int Row = 0;
};

TEST_F(ChapterPagesTest, RowsAreTheExercisesAndTheFinalRowUpToEight) {
    struct TCase {
        int Exercises;
        int Rows;
        std::string LastRow;
    };
    const TCase Cases[] = {
        {0, 1, "Next Lesson"}, {5, 6, "Next Lesson"}, {7, 8, "Next Lesson"}, {9, 8, "3.8"}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Exercises);
        const auto Chapter = MakeChapter(3, Case.Exercises);
        TDriver Driver;
        Driver.Then("shown", Open, [&] {
            EXPECT_EQ(List().RowCount(), Case.Rows);
            EXPECT_EQ(List().RowText(Case.Rows, 1), Case.LastRow);
            EXPECT_EQ(List().height(), Case.Rows * List().RowHeight());
            if (Case.Exercises >= 2) {
                EXPECT_EQ(List().RowText(1, 2), "Drill 1");
                EXPECT_EQ(List().RowText(1, 3), "5 min.");
                EXPECT_EQ(List().RowText(2, 3), "") << "no minutes, no duration";
            }
            ChapterPages()->SetLessonCount("of 4");
            TFormView::CloseActiveView();
        });
        EXPECT_EQ(Show(*Chapter, Driver), spLeft);
    }
}

TEST_F(ChapterPagesTest, KeysMoveTheSelectionAndButtonsCloseWithTheirResult) {
    const auto Five = MakeChapter(2, 5);
    struct TCase {
        std::string Name;
        bool Introduction;
        int Selected;
        std::function<void()> Act;
        int Result; // 0: the page stays open and is closed from outside
        int Row;
    };
    auto Key = [](int QtKey, Qt::KeyboardModifiers Mods = Qt::NoModifier) {
        return [=] { PressKey(BookForm, QtKey, Mods); };
    };
    auto Char = [](char C) {
        return [=] {
            QTest::sendKeyEvent(QTest::Click, BookForm->windowHandle(), Qt::Key(C),
                                QString(QChar::fromLatin1(C)), Qt::NoModifier);
        };
    };
    const TCase Cases[] = {
        {"digit 5 begins exercise 5", false, 1, Char('5'), spBegin, 5},
        {"digit 6 names the final row", false, 2, Char('6'), 0, 2},
        {"up on the first row", false, 1, Key(Qt::Key_Up), 0, 1},
        {"down", false, 1, Key(Qt::Key_Down), 0, 2},
        {"end", false, 2, Key(Qt::Key_End), 0, 6},
        {"page down", false, 2, Key(Qt::Key_PageDown), 0, 6},
        {"home", false, 4, Key(Qt::Key_Home), 0, 1},
        {"page up", false, 4, Key(Qt::Key_PageUp), 0, 1},
        {"enter", false, 3, Key(Qt::Key_Return), spBegin, 3},
        {"alt+b", false, 3, Key(Qt::Key_B, Qt::AltModifier), spBegin, 3},
        {"alt+s", false, 3, Key(Qt::Key_S, Qt::AltModifier), spSkipF, 3},
        {"alt+k without SkipB", true, 3, Key(Qt::Key_K, Qt::AltModifier), spSkipB, 3},
        {"escape in a course", false, 3, Key(Qt::Key_Escape), 0, 3},
        {"alt+c in a course", false, 3, Key(Qt::Key_C, Qt::AltModifier), 0, 3},
        {"escape in the introduction", true, 3, Key(Qt::Key_Escape), spCancel, 3},
        {"alt+c in the introduction", true, 3, Key(Qt::Key_C, Qt::AltModifier), spCancel, 3},
        {"begin button", false, 4, [] { ClickWidget(BookForm->BeginB); }, spBegin, 4},
        {"skip forward button", false, 4, [] { ClickWidget(BookForm->SkipF); }, spSkipF, 4},
        {"skip back button", false, 4, [] { ClickWidget(BookForm->SkipB); }, spSkipB, 4},
        {"cancel button", true, 4, [] { ClickWidget(BookForm->Cancel); }, spCancel, 4},
        {"click on row 3", false, 1, [] { ClickWidget(&List(), List().RowRect(3).center()); }, 0,
         3},
        {"double click on row 2", false, 1,
         [] {
             QTest::mouseDClick(BookForm->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                                List().mapTo(BookForm, List().RowRect(2).center()));
         },
         spBegin, 2},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TDriver Driver;
        Driver.Then("act", Open, [&] {
            Case.Act();
            // What leaves nothing closes the page from outside: result 0.
            if (Open()) TFormView::CloseActiveView();
        });
        EXPECT_EQ(Show(*Five, Driver, Case.Introduction, Case.Selected), Case.Result);
        EXPECT_EQ(Row, Case.Row);
    }
}

TEST_F(ChapterPagesTest, EachKindOfChapterOffersItsButtons) {
    struct TCase {
        int Number;
        bool Introduction;
        std::uint8_t Buttons;
    };
    const TCase Cases[] = {{1, false, cbBegin | cbSkipF},
                           {2, false, cbBegin | cbSkipF | cbSkipB},
                           {1, true, cbBegin | cbCancel}};
    for (const TCase& Case : Cases) {
        const auto Chapter = MakeChapter(Case.Number, 2);
        TDriver Driver;
        Driver.Then("shown", Open, [&] {
            EXPECT_EQ(BookForm->ConsoleButtons, Case.Buttons);
            TFormView::CloseActiveView();
        });
        Show(*Chapter, Driver, Case.Introduction);
        EXPECT_EQ(BookForm->ConsoleButtons, 0) << "the page takes its buttons along";
    }
}

TEST_F(ChapterPagesTest, CompletedRowsShowTheirPictureUnlessSelected) {
    const auto Four = MakeChapter(3, 4);
    CurrentUser->FCompleted[3][1] = 1;
    CurrentUser->FCompleted[3][3] = 1;
    CurrentUser->FCompleted[3][5] = 1; // no such exercise: the final row
    TDriver Driver;
    Driver.Then("shown", Open, [&] {
        const QPixmap& Done = ChapterStgs->CompletedPic->Picture();
        const QPixmap& Plain = ChapterStgs->InactivePic->Picture();
        const QPixmap& Selected = ChapterStgs->ActivePic->Picture();
        EXPECT_EQ(List().RowPicture(1).cacheKey(), Done.cacheKey());
        EXPECT_EQ(List().RowPicture(2).cacheKey(), Plain.cacheKey());
        EXPECT_EQ(List().RowPicture(3).cacheKey(), Selected.cacheKey());
        EXPECT_EQ(List().RowPicture(5).cacheKey(), Plain.cacheKey());
        EXPECT_EQ(List().IsCompleted(5), 0);
        List().SetCompleted(5, 1);
        EXPECT_EQ(List().IsCompleted(5), 0) << "the final row is never completed";
        // The three pictures look different: the learner can tell them apart.
        EXPECT_NE(Done.toImage(), Plain.toImage());
        EXPECT_NE(Selected.toImage(), Plain.toImage());
        TFormView::CloseActiveView();
    });
    Show(*Four, Driver, false, 3);
}

TEST_F(ChapterPagesTest, ThePagesPartsLieOnTheirPagesAndPicturesFitTheirControls) {
    const auto Three = MakeChapter(12, 3);
    TDriver Driver;
    Driver.Then("shown", Open, [&] {
        // Each designed picture has its control's size.
        for (TImage* Picture :
             {ChapterStgs->ActivePic, ChapterStgs->InactivePic, ChapterStgs->CompletedPic,
              ChapterStgs->Image2, ChapterStgs->NumeralFrame}) {
            SCOPED_TRACE(Picture->objectName().toStdString());
            EXPECT_FALSE(Picture->Picture().isNull());
            EXPECT_EQ(Picture->Picture().size(), Picture->size());
        }
        EXPECT_EQ(List().RowHeight(), ChapterStgs->ActivePic->height() + 3);
        EXPECT_LE(List().RowPicture(1).width(), List().width());
        // Everything shown lies inside its page; the row pictures are not shown.
        for (QWidget* Page : {static_cast<QWidget*>(BookForm->LeftPage),
                              static_cast<QWidget*>(BookForm->RightPage)})
            for (QWidget* Part :
                 Page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                if (Part->isVisible()) {
                    EXPECT_TRUE(Page->rect().contains(Part->geometry()))
                        << Part->objectName().toStdString();
                }
        EXPECT_FALSE(ChapterStgs->ActivePic->isVisible());
        // Chapter 12: the tens digit above the units digit, both on the frame.
        EXPECT_EQ(ChapterStgs->Chapter2->text(), QStringLiteral("1"));
        EXPECT_EQ(ChapterStgs->Chapter->text(), QStringLiteral("2"));
        const QRect Frame = ChapterStgs->NumeralFrame->geometry();
        EXPECT_TRUE(Frame.contains(ChapterStgs->Chapter2->geometry()));
        EXPECT_TRUE(Frame.contains(ChapterStgs->Chapter->geometry()));
        EXPECT_LT(ChapterStgs->Chapter2->geometry().bottom(),
                  ChapterStgs->Chapter->geometry().center().y());
        if (const char* Shots = std::getenv("CLAVORA_SHOTS"))
            BookForm->grab().save(QString::fromLocal8Bit(Shots) +
                                  QStringLiteral("/chapter-spread.png"));
        TFormView::CloseActiveView();
    });
    TChapterSpread Spread;
    Spread.Chapter = Three.get();
    Spread.Title = "Chapter 12";
    Spread.LastRowText = "Next Lesson";
    Spread.Numeral = "2";
    Spread.TensNumeral = "1";
    Driver.Start();
    ChapterPages()->ShowChapter(Spread);
    EXPECT_TRUE(Driver.Finished()) << Driver.Failure();
}

// A scaled book loads its pictures with two pixels a unit: the list's rows,
// their text and the chapter's picture keep the sizes they have at the
// book's own size, measured in units, not in pixels.
TEST_F(ChapterPagesTest, PicturesWithTwoPixelsAUnitKeepTheirSizeInUnits) {
    const int RowUnits = ChapterStgs->ActivePic->height() + 3;
    for (TImage* Picture :
         {ChapterStgs->ActivePic, ChapterStgs->InactivePic, ChapterStgs->CompletedPic}) {
        QImage Dense = Picture->Picture().toImage().scaled(Picture->Picture().size() * 2);
        Dense.setDevicePixelRatio(2);
        Picture->SetPicture(QPixmap::fromImage(Dense));
    }
    // The shipped default picture is drawn at two pixels a unit too.
    ASSERT_TRUE(QFile::copy(QString::fromLocal8Bit(std::getenv("CLAVORA_APP_DIR")) +
                                QStringLiteral("/Ch1.pic"),
                            QString::fromStdString(*Dir / "Ch1.pic")));
    const auto Six = MakeChapter(8, 6);
    TDriver Driver;
    Driver.Then("shown", Open, [&] {
        EXPECT_EQ(List().RowHeight(), RowUnits);
        EXPECT_EQ(List().height(), 7 * RowUnits);
        // Every row, "Next Lesson" included, lies on the page above the console.
        const QRect OnPage(List().mapTo(BookForm->RightPage, QPoint(0, 0)), List().size());
        EXPECT_TRUE(BookForm->RightPage->rect().contains(OnPage));
        const int ListBottom = List().mapTo(BookForm, QPoint(0, List().height())).y();
        EXPECT_LE(ListBottom, BookForm->BtnConsole->mapTo(BookForm, QPoint(0, 0)).y());
        const QPixmap& Shown = ChapterStgs->ChpPicture->Picture();
        EXPECT_EQ(Shown.deviceIndependentSize().toSize(), ChapterStgs->ChpPicture->size());
        TFormView::CloseActiveView();
    });
    Show(*Six, Driver, false, 1, "Ch1.pic");
}

} // namespace
