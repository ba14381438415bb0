// The results page: its values and arrows after each scored run, the user's
// last results, the unit, the note of a run too short to score, and the page
// shown on the left page of the real book window.
#include "analysis/AnalysisObjects.h"
#include "analysis/results/TExercInfoView.h"
#include "files/TProgramSettings.h"
#include "forms/TChapterStgs.h"
#include "forms/TGeneralStg.h"
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "tests/support/TDriver.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"
#include "users/TUser.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class ResultsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = std::make_unique<TScopedTempDir>();
        const char* AppDir = std::getenv("CLAVORA_APP_DIR");
        ASSERT_NE(AppDir, nullptr);
        Application::SetProgramDirectory(AppDir);
        Application::ResetTerminated();
        SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
        SetCurrentUser(std::make_unique<TUser>());
        // The settings at their defaults.
        Settings = new TProgramSettings;
        // The page's world as the program makes it: the book window first,
        // then the storage forms whose controls the page borrows.
        BookForm = new TBookForm;
        ChapterStgs = new TChapterStgs;
        GeneralStg = new TGeneralStg;
        CreateExercInfoView();
        Page = ExercInfoView;
    }
    void TearDown() override {
        FreeExercInfoView();
        delete GeneralStg;
        GeneralStg = nullptr;
        delete ChapterStgs;
        ChapterStgs = nullptr;
        delete BookForm;
        BookForm = nullptr;
        SetCurrentUser(nullptr);
        delete Settings;
        Settings = nullptr;
        Dir.reset();
    }

    // A scored run with the given values and fixed level names.
    static TRunResults Run(int32_t Speed, float Accuracy, int32_t Efficiency, float BackSpace) {
        TRunResults R;
        R.Speed = Speed;
        R.SpeedLevel = "Advanced";
        R.Accuracy = Accuracy;
        R.AccuracyLevel = "Expert";
        R.Efficiency = Efficiency;
        R.EfficiencyLevel = "Intermediate";
        R.BackSpace = BackSpace;
        R.BackSpaceLevel = "Beginner";
        R.Comment = "You typed fast. Good!";
        return R;
    }

    static std::string Text(const QLabel* Label) { return Label->text().toStdString(); }

    // The arrow picture a row shows, by the name of the picture it matches.
    static std::string Shown(const TImage* Row) {
        if (Row->Picture().isNull()) return "ClearPic";
        const QImage Img = Row->Picture().toImage();
        for (const char* Name :
             {"ArrowUp2", "ArrowUp1", "ArrowHorizontal", "ArrowDown1", "ArrowDown2", "ArrowUp2b",
              "ArrowUp1b", "ArrowHorizontalb", "ArrowDown1b", "ArrowDown2b"})
            if (GeneralStg->ChangePicture(Name)->Picture().toImage() == Img) return Name;
        return "unknown";
    }

    TSeamGuard Seams;
    std::unique_ptr<TScopedTempDir> Dir;
    TExercInfoView* Page = nullptr;
};

} // namespace

TEST_F(ResultsPageTest, ArrowsCompareEachMeasureWithTheRunBefore) {
    // Previous run: speed 180, accuracy 80, efficiency 50, backspace 8.0.
    const struct {
        int32_t Speed;
        float Accuracy;
        int32_t Efficiency;
        float BackSpace;
        const char *SpeedArrow, *AccuracyArrow, *EfficiencyArrow, *BackSpaceArrow;
    } Cases[] = {
        {200, 90, 60, 5.0f, "ArrowUp2", "ArrowUp2", "ArrowUp2b", "ArrowUp2"},
        {199, 89.5f, 59, 5.1f, "ArrowUp1", "ArrowUp1", "ArrowUp1b", "ArrowUp1"},
        {180, 80, 50, 8.0f, "ArrowHorizontal", "ArrowHorizontal", "ArrowHorizontalb",
         "ArrowHorizontal"},
        {179, 75, 45, 8.5f, "ArrowDown1", "ArrowDown1", "ArrowDown1b", "ArrowDown1"},
        {160, 70, 40, 11.0f, "ArrowDown2", "ArrowDown2", "ArrowDown2b", "ArrowDown2"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << "speed " << C.Speed);
        Page->TakeResults(Run(180, 80, 50, 8.0f));
        Page->TakeResults(Run(C.Speed, C.Accuracy, C.Efficiency, C.BackSpace));
        EXPECT_EQ(Shown(ChapterStgs->SpeedChange), C.SpeedArrow);
        EXPECT_EQ(Shown(ChapterStgs->ErrorsChange), C.AccuracyArrow);
        EXPECT_EQ(Shown(ChapterStgs->EfficiencyChange), C.EfficiencyArrow);
        EXPECT_EQ(Shown(ChapterStgs->BackSpaceChange), C.BackSpaceArrow);
    }
}

TEST_F(ResultsPageTest, FirstRunAfterANewUsersLoginHasNoArrows) {
    // Login seeds the page with a new learner's stored results: none yet.
    Page->SetSpeed(-1);
    Page->SetAccuracy(-1);
    Page->SetBackSpace(-1);
    Page->SetEfficiency(-1);
    Page->TakeResults(Run(200, 90, 60, 5.0f));
    EXPECT_EQ(Page->SpeedChange(), TChange::None);
    EXPECT_EQ(Page->AccuracyChange(), TChange::None);
    EXPECT_EQ(Page->BackSpaceChange(), TChange::None);
    EXPECT_EQ(Page->EfficiencyChange(), TChange::None);
    for (const TImage* Row : {ChapterStgs->SpeedChange, ChapterStgs->ErrorsChange,
                              ChapterStgs->BackSpaceChange, ChapterStgs->EfficiencyChange})
        EXPECT_EQ(Shown(Row), "ClearPic");

    // The next run compares with this one.
    Page->TakeResults(Run(219, 90, 60, 5.0f));
    EXPECT_EQ(Page->SpeedChange(), TChange::Up);
    EXPECT_EQ(Page->BackSpaceChange(), TChange::Level);
}

TEST_F(ResultsPageTest, LoginResultsAreComparedWithAndRunsKeepTheUsersLastResults) {
    // A learner whose last run before logging out was stored.
    Page->SetSpeed(150);
    Page->SetAccuracy(90);
    Page->SetBackSpace(2.5f);
    Page->SetEfficiency(70);
    EXPECT_EQ(Page->SpeedChange(), TChange::None) << "nothing before the login";

    Page->TakeResults(Run(171, 70, 71, 6.0f));
    EXPECT_EQ(Page->PrevSpeedValue, 150);
    EXPECT_EQ(Page->SpeedChange(), TChange::DoubleUp);
    EXPECT_EQ(Page->AccuracyChange(), TChange::DoubleDown);
    EXPECT_EQ(Page->EfficiencyChange(), TChange::Up);
    EXPECT_EQ(Page->BackSpaceChange(), TChange::DoubleDown) << "3.5 points more backspace";

    EXPECT_EQ(CurrentUser->FLastSpeed, 171);
    EXPECT_FLOAT_EQ(CurrentUser->FLastAccuracy, 70);
    EXPECT_EQ(CurrentUser->FLastEfficiency, 71);
    EXPECT_FLOAT_EQ(CurrentUser->FLastBackspace, 6.0f);

    EXPECT_EQ(Text(ChapterStgs->SpeedLbl), "171");
    EXPECT_EQ(Text(ChapterStgs->ErrorsLbl), "70 %");
    EXPECT_EQ(Text(ChapterStgs->EfficiencyLbl), "71 %");
    EXPECT_EQ(Text(ChapterStgs->BackSpaceLbl), "6.0 %");
    EXPECT_EQ(Text(ChapterStgs->SpeedGradeLbl), "Advanced");
    EXPECT_EQ(Text(ChapterStgs->ErrorsGradeLbl), "Expert");
    EXPECT_EQ(Text(ChapterStgs->EfficiencyGradeLbl), "Intermediate");
    EXPECT_EQ(Text(ChapterStgs->BackSpaceGradeLbl), "Beginner");
    EXPECT_EQ(Text(ChapterStgs->TipLbl), "You typed fast. Good!");
}

TEST_F(ResultsPageTest, SpeedShowsInTheUnitOfTheSettings) {
    Page->TakeResults(Run(200, 90, 60, 5.0f));
    Page->Show();
    EXPECT_EQ(Text(ChapterStgs->SpeedUnit), "cpm") << "characters per minute unless chosen";
    EXPECT_EQ(Text(ChapterStgs->SpeedLbl), "200");
    bool Refused = false;
    Page->Close(Refused);

    Settings->MeasuringUnit = true;
    Page->TakeResults(Run(200, 90, 60, 5.0f));
    Page->Show();
    EXPECT_EQ(Text(ChapterStgs->SpeedUnit), "wpm");
    EXPECT_EQ(Text(ChapterStgs->SpeedLbl), "40");
    EXPECT_EQ(Page->SpeedValue, 200) << "kept in characters per minute";
    EXPECT_EQ(CurrentUser->FLastSpeed, 200);
    Page->Close(Refused);
}

TEST_F(ResultsPageTest, AShowWithoutAScoredRunSaysTheTimeWasTooShort) {
    Page->TakeResults(Run(180, 80, 50, 8.0f));
    Page->TakeResults(Run(200, 90, 60, 5.0f));
    Page->Show();
    EXPECT_EQ(Text(ChapterStgs->SpeedLbl), "200");
    EXPECT_FALSE(Page->Valid) << "a display uses the run up";
    bool Refused = false;
    Page->Close(Refused);

    // Shown again without a new scored run.
    Page->Show();
    EXPECT_EQ(Text(ChapterStgs->SpeedLbl), "-");
    EXPECT_EQ(Text(ChapterStgs->ErrorsLbl), "-");
    EXPECT_EQ(Text(ChapterStgs->BackSpaceLbl), "-");
    for (const QLabel* Label :
         {ChapterStgs->EfficiencyLbl, ChapterStgs->SpeedGradeLbl, ChapterStgs->ErrorsGradeLbl,
          ChapterStgs->BackSpaceGradeLbl, ChapterStgs->EfficiencyGradeLbl})
        EXPECT_EQ(Text(Label), "") << Label->objectName().toStdString();
    for (const TImage* Row : {ChapterStgs->SpeedChange, ChapterStgs->ErrorsChange,
                              ChapterStgs->BackSpaceChange, ChapterStgs->EfficiencyChange})
        EXPECT_EQ(Shown(Row), "ClearPic");
    EXPECT_EQ(Text(ChapterStgs->TipLbl), "You have typed for a very short time - your "
                                         "performance scores cannot be calculated.");
    Page->Close(Refused);

    // The next scored run still compares with the last scored one.
    Page->TakeResults(Run(190, 90, 60, 5.0f));
    EXPECT_EQ(Page->PrevSpeedValue, 200);
    EXPECT_EQ(Page->SpeedChange(), TChange::Down);
}

TEST_F(ResultsPageTest, MeasuredResultsNameTheLevelsAtTheirBreakPoints) {
    CreateAnalysisObjects();
    ResetAnalysisObjects();
    // 150 keys in one minute: speed 150, grade 2 exactly.
    for (int I = 0; I < 30; ++I)
        EfficiencyCalc->AddWord(4, 0, 4);
    EfficiencyCalc->SetElapsed(60);
    const TRunResults R = MeasuredResults();
    EXPECT_EQ(R.Speed, 150);
    EXPECT_EQ(R.SpeedLevel, "Advanced");
    EXPECT_FLOAT_EQ(R.Accuracy, 100);
    EXPECT_EQ(R.AccuracyLevel, "Expert");
    EXPECT_FLOAT_EQ(R.BackSpace, 0);
    EXPECT_EQ(R.BackSpaceLevel, "Expert");
    FreeAnalysisObjects();
}

// The page on the left page of the book window, in the chapter container
// beside a right page, as a text event hangs it in after a run.
TEST_F(ResultsPageTest, ShownOnTheLeftPageOfTheBook) {
    BookForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(BookForm));
    BookForm->SetPageMode(2);
    BookForm->Title->setText(QStringLiteral("Chapter 3"));

    Page->SetSpeed(172);
    Page->SetAccuracy(88.6f);
    Page->SetBackSpace(4.5f);
    Page->SetEfficiency(52);
    Page->SetExerciseName("Exercise 3.4");
    TRunResults R = Run(196, 93.2f, 61, 1.2f);
    R.Comment = "Your accuracy percentage was really good, but you used pretty much BackSpace. You "
                "should use BackSpace more rarely in order to increase your typing efficiency.";
    Page->TakeResults(R);
    Page->ViewName = "ExercInfo";

    TChapterView Container;
    TFormView Right;
    TDriver Driver;
    Driver.Do("look at the page", [&] {
        EXPECT_TRUE(Page->IsOpen && Page->IsNested);
        for (QWidget* Control : {static_cast<QWidget*>(ChapterStgs->InfoTitle),
                                 static_cast<QWidget*>(ChapterStgs->SpeedLbl),
                                 static_cast<QWidget*>(ChapterStgs->EfficiencyChange),
                                 static_cast<QWidget*>(ChapterStgs->TipLbl)}) {
            EXPECT_EQ(Control->parentWidget(), BookForm->LeftPage);
            EXPECT_TRUE(IsShownOnWindow(Control)) << Control->objectName().toStdString();
        }
        EXPECT_EQ(ChapterStgs->SpeedLbl->geometry(), QRect(127, 102, 52, 22));
        EXPECT_EQ(ChapterStgs->EfficiencyChange->geometry(), QRect(184, 194, 22, 22));
        EXPECT_EQ(Text(ChapterStgs->InfoTitle), "R E S U L T S");
        EXPECT_EQ(Text(ChapterStgs->CommentatorTitle), "C O M M E N T A T O R");
        EXPECT_EQ(Text(ChapterStgs->ExerciseIDLbl), "Exercise 3.4");
        EXPECT_EQ(Text(ChapterStgs->SpeedUnit), "cpm");
        EXPECT_EQ(Text(ChapterStgs->SpeedLbl), "196");
        EXPECT_EQ(Text(ChapterStgs->ErrorsLbl), "93 %");
        EXPECT_EQ(Text(ChapterStgs->BackSpaceLbl), "1.2 %");
        EXPECT_EQ(Text(ChapterStgs->EfficiencyLbl), "61 %");
        EXPECT_EQ(Shown(ChapterStgs->SpeedChange), "ArrowUp2");
        EXPECT_EQ(Shown(ChapterStgs->ErrorsChange), "ArrowUp1");
        EXPECT_EQ(Shown(ChapterStgs->BackSpaceChange), "ArrowUp2");
        EXPECT_EQ(Shown(ChapterStgs->EfficiencyChange), "ArrowUp1b");

        // The longest sentences the commentator makes fit the tip's box.
        QLabel* Tip = ChapterStgs->TipLbl;
        for (const std::string& Sentence :
             {TStudyingTip::CommentFor(4, 0.5f, 4, 4), TStudyingTip::CommentFor(4, 4, 0.5f, 4),
              TStudyingTip::CommentFor(4, 4, 4, 0.5f)}) {
            QLabel Probe;
            Probe.setFont(Tip->font());
            Probe.setWordWrap(true);
            Probe.setText(QString::fromLatin1(Sentence.c_str()));
            EXPECT_LE(Probe.heightForWidth(Tip->width()), Tip->height()) << Sentence;
        }

        const QString Shot =
            QCoreApplication::applicationDirPath() + QStringLiteral("/results-page.png");
        EXPECT_TRUE(BookForm->grab().save(Shot));
        Right.SetResult(3);
    });
    Driver.Start();
    EXPECT_EQ(Container.ShowSpread(Page, &Right), 3);
    EXPECT_TRUE(Driver.Finished());
    EXPECT_FALSE(Page->IsOpen);
    EXPECT_EQ(ChapterStgs->TipLbl->parentWidget(), ChapterStgs->Panel4) << "given back";
}
