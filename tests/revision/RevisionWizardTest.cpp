// The revision tab in the running program: the menu, the wizard's page with
// the difficult keys, a sentence exercise built for them and the results
// before and after it; the wizard's messages for keys it cannot use; the
// falling-words game for a learner who has studied nothing; the games with
// the key set and vocabulary chosen on the menu.
#include "tests/revision/RevisionFixture.h"

#include "app/TMain.h"
#include "engine/ui/TKeyboardEvent.h"
#include "engine/ui/TTextEvent.h"
#include "forms/TBuilderStg.h"
#include "forms/TEventViewStg.h"
#include "forms/TRevisionStg.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "platform/Dialogs.h"
#include "revision/ui/TBuilderView.h"
#include "revision/ui/TRevisionView.h"
#include "revision/ui/TWizResultView.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"
#include "users/ui/TGraph.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

namespace {

std::string Text(const QLabel* Label) {
    return Label->text().toStdString();
}

// Radio buttons take clicks on their circle and caption only.
void ClickRadio(QRadioButton* Radio) {
    ClickWidget(Radio, QPoint(8, Radio->height() / 2));
}

bool WizardPageShown() {
    auto* Page = OpenPage<TBuilderView>();
    return Page && IsShownOnWindow(BuilderStg->Panel1);
}

} // namespace

TEST_F(RevisionTest, DifficultKeysAreRevisedWithSentencesAndComparedBeforeAndAfter) {
    TDriver Driver(8000);
    TTextEvent* Event = nullptr;
    Driver
        .Then(
            "guided", [] { return TMain::RunningMenu == "MenuGuided"; },
            [] {
                MakeNora();
                ClickWidget(BookForm->MenuRevision);
            })
        .Then("menu", RevisionMenuShown,
              [] {
                  TRevisionStg* S = RevisionStg;
                  EXPECT_EQ(BookForm->Title->text().toStdString(), "Revision");
                  EXPECT_TRUE(IsShownOnWindow(S->Image1));
                  EXPECT_EQ(S->DropFileList->itemText(0).toStdString(), "Studied Keys");
                  EXPECT_EQ(S->DropFileList->count(), 8) << "seven shipped vocabularies";
                  EXPECT_EQ(S->StoryTime->count(), 4);
                  Shot("revision-menu");
                  ClickWidget(S->WizardBox);
              })
        .Then("wizard page", WizardPageShown,
              [] {
                  TBuilderStg* S = BuilderStg;
                  EXPECT_EQ(BookForm->Title->text().toStdString(), "Revision Wizard");
                  // Keys above 50 are the ones to revise; d (20) is only drawn.
                  EXPECT_EQ(Text(S->DifKeys), "jf");
                  EXPECT_TRUE(S->DifficultKeys->isEnabled() && S->DifficultKeys->isChecked());
                  // The current group is the last reached; five groups allow sentences.
                  EXPECT_EQ(Text(S->StudiedKeys), "qz");
                  EXPECT_TRUE(S->CurrentKeys->isEnabled());
                  EXPECT_TRUE(S->CrazySentences->isChecked());
                  EXPECT_EQ(S->Preview->currentWidget()->objectName().toStdString(), "Page2");
                  TGraph* Graph = OpenPage<TBuilderView>()->Graph();
                  EXPECT_TRUE(IsShownOnWindow(Graph));
                  EXPECT_EQ(Graph->Data.XLabels,
                            (std::vector<std::string>{"j", "f", "d", "", "", "", "", ""}));
                  Shot("revision-wizard");
                  ClickRadio(S->BubblesGame);
                  EXPECT_EQ(S->Preview->currentWidget()->objectName().toStdString(), "Page3");
                  ClickRadio(S->CrazySentences);
                  PressKey(BookForm, Qt::Key_Return);
              })
        .Then(
            "sentences", [&] { return (Event = OpenPage<TTextEvent>()) != nullptr; },
            [&] {
                // Five rows for each of the two keys, each group closed by an
                // empty line; every row practises its key.
                ASSERT_TRUE(Event->Text.has_value());
                EXPECT_EQ(Event->Setup.TimeLimit, 180);
                EXPECT_FALSE(Event->Setup.AllowCancel);
                EXPECT_EQ(Event->Setup.KnownKeys, "fjdksla;qz");
                int Rows = 0;
                for (const std::string& Line : Split(*Event->Text, "\r\n")) {
                    const char Key = Rows < 5 ? 'j' : 'f';
                    EXPECT_NE(LowerCase(Line).find(Key), std::string::npos) << Line;
                    ++Rows;
                }
                EXPECT_EQ(Rows, 10);
                EXPECT_EQ(WizResultView->FKeys, "jf      ");
                EXPECT_FLOAT_EQ(WizResultView->FBefore[0], 120);
                EXPECT_FLOAT_EQ(WizResultView->FBefore[1], 100);
                Shot("revision-sentences");
                // The learner types a little, then the time runs out.
                Type("jj");
                Clock.AdvanceClockSeconds(200);
            })
        .Then(
            "time is up", [&] { return Event->State == esCompleted; },
            [] { PressKey(BookForm, Qt::Key_Return); })
        .Then(
            "results beside the menu",
            [] { return RevisionMenuShown() && ChapterView->LeftSubView == WizResultView; },
            [] {
                TWizResultView* R = WizResultView;
                for (int I = 0; I < 2; ++I)
                    EXPECT_FLOAT_EQ(R->FAfter[size_t(I)],
                                    float(DifficultKeys->Difficulty(R->FKeys[size_t(I)])));
                ASSERT_NE(R->BeforeGraph(), nullptr);
                EXPECT_TRUE(IsShownOnWindow(R->AfterGraph()));
                EXPECT_TRUE(IsShownOnWindow(EventViewStg->BeforeLbl));
                const TGraphData& Before = R->BeforeGraph()->Data;
                const TGraphData& After = R->AfterGraph()->Data;
                EXPECT_EQ(Before.XLabels,
                          (std::vector<std::string>{"j", "f", " ", " ", " ", " ", " ", " "}));
                EXPECT_EQ(After.XLabels, Before.XLabels);
                EXPECT_FLOAT_EQ(Before.Values[0], 120);
                EXPECT_FLOAT_EQ(After.Values[1], R->FAfter[1]);
                EXPECT_EQ(Before.Values[2], 0);
                Shot("revision-results");
                PressKey(BookForm, Qt::Key_Escape);
            })
        .Then(
            "left for guided studying", [] { return TMain::RunningMenu == "MenuGuided"; },
            [] {
                // The menu picture is back for the next visit.
                EXPECT_EQ(ChapterView->LeftSubView, nullptr);
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(RevisionTest, KeysTheWizardCannotUseAreReplacedOrRefused) {
    TDriver Driver(8000);
    std::vector<std::string> Told;
    Driver
        .Then(
            "guided", [] { return TMain::RunningMenu == "MenuGuided"; },
            [&] {
                MakeNora();
                SetDialogResponder([&](const TDialogRequest& R) {
                    Told.push_back(R.Text);
                    return DefaultAnswer(R.Buttons);
                });
                ClickWidget(BookForm->MenuRevision);
            })
        .Then("menu", RevisionMenuShown, [] { PressKey(BookForm, Qt::Key_R, Qt::AltModifier); })
        .Then("wizard page", WizardPageShown,
              [] {
                  // Keys of one's own without a letter.
                  ClickRadio(BuilderStg->Keyboard);
                  BuilderStg->YourKeys->setFocus();
                  QTest::keyClicks(BuilderStg->YourKeys, QStringLiteral("12"));
                  EXPECT_TRUE(BuilderStg->ChooseKeys->isChecked());
                  PressKey(BookForm, Qt::Key_Return);
              })
        .Then(
            "a drill of their words", [] { return OpenPage<TKeyboardEvent>() != nullptr; },
            [&] {
                // Told, then the known and difficult keys are revised instead:
                // twelve keys give one word each, five words a line.
                ASSERT_GE(Told.size(), 1u);
                EXPECT_EQ(Told[0].substr(0, 39), "You should choose at least one alphabet");
                EXPECT_EQ(WizResultView->FKeys, "fjdksla;");
                TKeyboardEvent* Drill = OpenPage<TKeyboardEvent>();
                ASSERT_TRUE(Drill->Text.has_value());
                const TStringList Lines = Split(*Drill->Text, "\r\n");
                ASSERT_FALSE(Lines.empty());
                size_t Words = 0;
                for (const std::string& Line : Lines) {
                    const size_t N = Split(Line, " ").size();
                    EXPECT_LE(N, 5u) << Line;
                    Words += N;
                }
                EXPECT_EQ(Lines.size(), (Words + 4) / 5);
                EXPECT_EQ(Drill->Setup.TimeLimit, 180);
                EXPECT_EQ(Drill->Setup.KnownKeys, "fjdksla;qz");
                Shot("revision-drill");
                Told.clear();
                // Leaving for guided studying and coming back.
                ClickWidget(BookForm->MenuGuided);
            })
        .Then(
            "guided again", [] { return TMain::RunningMenu == "MenuGuided"; },
            [] { ClickWidget(BookForm->MenuRevision); })
        .Then("back on the menu", RevisionMenuShown,
              [] { PressKey(BookForm, Qt::Key_R, Qt::AltModifier); })
        .Then("wizard again", WizardPageShown,
              [] {
                  // A key studied that no bank group of the learner's level has.
                  BuilderStg->YourKeys->clear();
                  ClickRadio(BuilderStg->ChooseKeys);
                  QTest::keyClicks(BuilderStg->YourKeys, QStringLiteral("q"));
                  PressKey(BookForm, Qt::Key_Return);
              })
        .Then(
            "no words", [&] { return RevisionMenuShown() && !Told.empty(); },
            [&] {
                // Sentences are preselected again for a learner with five groups.
                EXPECT_EQ(Told[0], "#7879: No rows available for chars: q");
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(RevisionTest, LexidropWithStudiedKeysNeedsKeysStudied) {
    TDriver Driver(8000);
    Driver
        .Then(
            "guided", [] { return TMain::RunningMenu == "MenuGuided"; },
            [] {
                auto User = std::make_unique<TUser>("Ola");
                User->FKeyGroupsReached = 0;
                SetCurrentUser(std::move(User));
                ClickWidget(BookForm->MenuRevision);
            })
        .Then("menu", RevisionMenuShown,
              [] {
                  ClearDialogLog();
                  ClickWidget(RevisionStg->LexidropLbl);
              })
        .Then(
            "told", [] { return !DialogLog().empty(); },
            [] {
                EXPECT_EQ(DialogLog()[0].Text,
                          "You have not yet studied enough to play Lexidrop with studied keys.\r"
                          "Game will be cancelled.");
            })
        .Then("the menu again", RevisionMenuShown, [] { BookForm->close(); });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(RevisionTest, TheMenuStartsTheGamesWithTheChosenKeysAndVocabulary) {
    TDriver Driver(8000);
    TEvent* Game = nullptr;
    Driver
        .Then(
            "guided", [] { return TMain::RunningMenu == "MenuGuided"; },
            [] {
                MakeNora();
                ClickWidget(BookForm->MenuRevision);
            })
        .Then("menu", RevisionMenuShown,
              [] {
                  // Each list's underlined letter takes the keys to its list.
                  TRevisionStg* Stg = RevisionStg;
                  const std::pair<Qt::Key, QWidget*> Lists[] = {{Qt::Key_D, Stg->StoryTime},
                                                                {Qt::Key_K, Stg->BubblesKeys},
                                                                {Qt::Key_V, Stg->DropFileList}};
                  for (const auto& [Key, List] : Lists) {
                      PressKey(BookForm, Key, Qt::AltModifier);
                      EXPECT_TRUE(WaitUntil([List = List] { return List->hasFocus(); }))
                          << List->objectName().toStdString();
                  }
                  // The third key set, chosen with the keys: small and capital letters.
                  PressKey(BookForm, Qt::Key_K, Qt::AltModifier);
                  PressKey(BookForm, Qt::Key_Down);
                  PressKey(BookForm, Qt::Key_Down);
                  EXPECT_EQ(Stg->BubblesKeys->currentIndex(), 2);
                  PressKey(BookForm, Qt::Key_B, Qt::AltModifier);
              })
        .Then(
            "bubbles", [&] { return (Game = OpenPage<TBubbles>()) != nullptr; },
            [&] {
                EXPECT_EQ(Game->Setup.KnownKeys.size(), 52u);
                EXPECT_EQ(Game->Setup.KnownKeys.substr(24, 4), "yzAB");
                EXPECT_EQ(static_cast<TBubbles*>(Game)->Setup.TimeLimit, 0);
                EXPECT_FALSE(Game->Setup.AllowCancel);
                ClickWidget(BookForm->MenuGuided);
            })
        .Then(
            "guided again", [] { return TMain::RunningMenu == "MenuGuided"; },
            [] { ClickWidget(BookForm->MenuRevision); })
        .Then("menu again", RevisionMenuShown,
              [] {
                  // Each visit starts from the first key set; a vocabulary of its own.
                  EXPECT_EQ(RevisionStg->BubblesKeys->currentIndex(), 0);
                  QComboBox* List = RevisionStg->DropFileList;
                  List->setCurrentIndex(List->findText(QStringLiteral("Animals")));
                  ASSERT_GT(List->currentIndex(), 0);
                  // "Play Lexidrop" underlines the L.
                  PressKey(BookForm, Qt::Key_L, Qt::AltModifier);
              })
        .Then(
            "falling words", [&] { return (Game = OpenPage<TLexidropEvent>()) != nullptr; },
            [&] {
                auto* Drop = static_cast<TLexidropEvent*>(Game);
                EXPECT_EQ(LowerCase(Drop->WordFile), "animals.vcb");
                EXPECT_FALSE(Drop->PresetWords.has_value());
                EXPECT_EQ(Drop->Setup.TimeLimit, 180);
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}
