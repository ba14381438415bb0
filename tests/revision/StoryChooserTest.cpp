// Story typing from the revision menu: the story chooser for a learner who
// has not started a story (stories without a description, empty, binary and
// huge files among them), a new story chosen with Enter and typed with the
// chosen duration, and a story continued where the learner stopped.
#include "tests/revision/RevisionFixture.h"

#include "app/TMain.h"
#include "engine/ui/TTextEvent.h"
#include "engine/ui/TViewCanvas.h"
#include "files/TFile.h"
#include "forms/TEventViewStg.h"
#include "forms/TRevisionStg.h"
#include "revision/ui/TChooseTextView.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

namespace {

std::string Line(int Row) {
    return EventViewStg->TextList->item(Row)->text().toStdString();
}

int RowOf(const std::string& Text) {
    for (int Row = 0; Row < EventViewStg->TextList->count(); ++Row)
        if (Line(Row) == Text) return Row;
    return -1;
}

void ClickRow(int Row) {
    QListWidget* List = EventViewStg->TextList;
    List->scrollToItem(List->item(Row));
    ClickWidget(List->viewport(), List->visualItemRect(List->item(Row)).center());
}

// Stories of the learner's own beside the shipped ones.
void AddStories() {
    WriteFileBytes("Plain.exm",
                   "The plain story has no header at all.\r\nIt is typed as it is.\r\n");
    WriteFileBytes("Empty.exm", "");
    std::string Noise;
    for (int I = 0; I < 3000; ++I)
        Noise += char((I * 37 + 11) % 256);
    WriteFileBytes("Noise.exm", Noise);
    std::string Huge = "$description=A very long walk\r\n$author=Tess\r\n";
    while (Huge.size() < 5 * 1024 * 1024)
        Huge += "one more step along the long and winding road\r\n";
    WriteFileBytes("Huge.exm", Huge);
}

} // namespace

TEST_F(RevisionTest, ANewStoryIsChosenAndTypedForTheChosenTime) {
    TDriver Driver(10000);
    TTextEvent* Event = nullptr;
    Driver
        .Then(
            "guided", [] { return TMain::RunningMenu == "MenuGuided"; },
            [] {
                AddStories();
                MakeNora();
                ClickWidget(BookForm->MenuRevision);
            })
        .Then("menu", RevisionMenuShown,
              [] {
                  RevisionStg->StoryTime->setCurrentIndex(2);
                  PressKey(BookForm, Qt::Key_S, Qt::AltModifier);
              })
        .Then(
            "chooser", [] { return OpenPage<TChooseTextView>() != nullptr; },
            [] {
                TEventViewStg* S = EventViewStg;
                EXPECT_EQ(BookForm->Title->text().toStdString(), "Story Typing");
                EXPECT_FALSE(S->Continue->isEnabled());
                EXPECT_TRUE(S->NewStory->isChecked());
                EXPECT_EQ(S->ContinueLabel->text().toStdString(), "(No stories started)");
                EXPECT_EQ(S->TextList->currentRow(), 0);
                // Every story of the folder, the learner's four among them.
                EXPECT_EQ(S->TextList->count(), int(TFile::ListNames("*.exm").size()));
                EXPECT_GE(S->TextList->count(), 5);
                EXPECT_GE(RowOf("[User file];Plain"), 0);
                EXPECT_GE(RowOf("[User file];Empty"), 0);
                EXPECT_GE(RowOf("[User file];Noise"), 0);
                EXPECT_GE(RowOf("Tess:;A very long walk"), 0);
                Shot("story-chooser");
                ClickRow(RowOf("Tess:;A very long walk"));
            })
        .Then(
            "huge previewed", [] { return OpenPage<TChooseTextView>()->FChosenFile == "Huge.exm"; },
            [] {
                TViewCanvas* Preview = OpenPage<TChooseTextView>()->FPreview;
                ASSERT_NE(Preview, nullptr);
                EXPECT_TRUE(IsShownOnWindow(Preview));
                EXPECT_EQ(Preview->FullText().substr(0, 8), "one more");
                Shot("story-preview");
                ClickRow(RowOf("[User file];Noise"));
            })
        .Then(
            "noise previewed",
            [] { return OpenPage<TChooseTextView>()->FChosenFile == "Noise.exm"; },
            [] { ClickRow(RowOf("[User file];Plain")); })
        .Then(
            "plain previewed",
            [] { return OpenPage<TChooseTextView>()->FChosenFile == "Plain.exm"; },
            [] { PressKey(BookForm, Qt::Key_Return); })
        .Then(
            "typing", [&] { return (Event = OpenPage<TTextEvent>()) != nullptr; },
            [&] {
                // The third duration is 20 minutes.
                EXPECT_EQ(Event->Setup.TimeLimit, 1200);
                ASSERT_TRUE(Event->Text.has_value());
                EXPECT_EQ(Event->Text->substr(0, 16), "The plain story ");
                EXPECT_EQ(CurrentUser->FStoryFile, "Plain.exm");
                Type("the plain ");
                // Leaving the unfinished story for the statistics asks first.
                ClickWidget(BookForm->MenuInfo);
            })
        .Then(
            "left", [] { return TMain::RunningMenu == "MenuInfo"; }, [] { BookForm->close(); });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(RevisionTest, AStoryStartedIsContinuedWhereTheLearnerStopped) {
    TDriver Driver(10000);
    TTextEvent* Event = nullptr;
    std::string Story;
    Driver
        .Then(
            "guided", [] { return TMain::RunningMenu == "MenuGuided"; },
            [&] {
                MakeNora();
                // Halfway through the shipped lighthouse story.
                CurrentUser->FStoryFile = "Lighthouse.exm";
                CurrentUser->FStoryPosition = 120;
                ClickWidget(BookForm->MenuRevision);
            })
        .Then("menu", RevisionMenuShown, [] { ClickWidget(RevisionStg->StoryBox); })
        .Then(
            "chooser", [] { return OpenPage<TChooseTextView>() != nullptr; },
            [] {
                TEventViewStg* S = EventViewStg;
                EXPECT_TRUE(S->Continue->isEnabled() && S->Continue->isChecked());
                EXPECT_EQ(S->TextList->currentRow(), -1);
                const std::string Label = S->ContinueLabel->text().toStdString();
                EXPECT_NE(Label.find(" by "), std::string::npos) << Label;
                PressKey(BookForm, Qt::Key_Return);
            })
        .Then(
            "typing from where it stopped",
            [&] { return (Event = OpenPage<TTextEvent>()) != nullptr; },
            [&] {
                EXPECT_EQ(Event->StartPos, 120);
                EXPECT_EQ(Event->Setup.TimeLimit, 300) << "the first duration: 5 minutes";
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(RevisionTest, EnterStartsTheStoryHighlightedNotTheOnePreviewed) {
    TDriver Driver(10000);
    TTextEvent* Event = nullptr;
    std::string Previewed, Highlighted;
    Driver
        .Then(
            "guided", [] { return TMain::RunningMenu == "MenuGuided"; },
            [] {
                MakeNora();
                ClickWidget(BookForm->MenuRevision);
            })
        .Then("menu", RevisionMenuShown, [] { ClickWidget(RevisionStg->StoryBox); })
        .Then(
            "chooser", [] { return OpenPage<TChooseTextView>() != nullptr; },
            [&] {
                // The shipped stories only: each of them can be typed.
                ASSERT_GE(EventViewStg->TextList->count(), 2);
                Previewed = OpenPage<TChooseTextView>()->FFiles[1];
                ClickRow(1);
            })
        .Then(
            "previewed", [&] { return OpenPage<TChooseTextView>()->FChosenFile == Previewed; },
            [&] {
                // The arrow keys move the highlight away from the story previewed.
                PressKey(BookForm, Qt::Key_Up);
                ASSERT_EQ(EventViewStg->TextList->currentRow(), 0);
                Highlighted = OpenPage<TChooseTextView>()->FFiles[0];
                PressKey(BookForm, Qt::Key_Return);
            })
        .Then(
            "typing", [&] { return (Event = OpenPage<TTextEvent>()) != nullptr; },
            [&] {
                EXPECT_EQ(CurrentUser->FStoryFile, Highlighted);
                EXPECT_NE(Highlighted, Previewed);
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(RevisionTest, StoryTitlesFitTheListAndThePreviewWrapsAtItsOwnWidth) {
    TDriver Driver(10000);
    Driver
        .Then(
            "guided", [] { return TMain::RunningMenu == "MenuGuided"; },
            [] {
                MakeNora();
                ClickWidget(BookForm->MenuRevision);
            })
        .Then("menu", RevisionMenuShown, [] { ClickWidget(RevisionStg->StoryBox); })
        .Then(
            "the shipped stories", [] { return OpenPage<TChooseTextView>() != nullptr; },
            [] {
                QListWidget* List = EventViewStg->TextList;
                Shot("story-chooser-titles");
                // No line is wider than the list shows, so a long title is cut
                // short in view, and the list needs no horizontal scroll bar.
                EXPECT_FALSE(List->horizontalScrollBar()->isVisible());
                for (int Row = 0; Row < List->count(); ++Row) {
                    const QRect Item = List->visualItemRect(List->item(Row));
                    EXPECT_GE(Item.left(), 0) << Line(Row);
                    EXPECT_LE(Item.right(), List->viewport()->width() - 1) << Line(Row);
                    // The whole title is there when the pointer rests on it:
                    // "Author:;Title" reads "Title by Author".
                    const TStringList Parts = Split(Line(Row), ";");
                    ASSERT_EQ(Parts.size(), 2u) << Line(Row);
                    EXPECT_EQ(List->item(Row)->toolTip().toStdString(),
                              Parts[1] + " by " + Parts[0].substr(0, Parts[0].size() - 1));
                }
                // Written as stories are, its lines cut short of the page.
                WriteFileBytes("Fox.exm", "$description=Fox\r\n$author=Ivo\r\n$end\r\nThe fox "
                                          "ran\r\nover the hill.\r\n\r\nThen it slept.\r\n");
                PressKey(BookForm, Qt::Key_Escape);
            })
        .Then("back at the menu", RevisionMenuShown, [] { ClickWidget(RevisionStg->StoryBox); })
        .Then(
            "with the fox", [] { return OpenPage<TChooseTextView>() && RowOf("Ivo:;Fox") >= 0; },
            [] { ClickRow(RowOf("Ivo:;Fox")); })
        .Then(
            "previewed", [] { return OpenPage<TChooseTextView>()->FChosenFile == "Fox.exm"; },
            [] {
                Shot("story-chooser-preview");
                // The first paragraph on one row, an empty row, the second.
                std::vector<int> Rows;
                for (const TWordInfo& Word : OpenPage<TChooseTextView>()->FPreview->Words())
                    Rows.push_back(Word.Row);
                EXPECT_EQ(Rows, (std::vector<int>{1, 1, 1, 1, 1, 1, 3, 3, 3}));
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}
