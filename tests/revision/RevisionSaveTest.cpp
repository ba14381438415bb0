// What an activity of the revision menu changes in the learner's record is
// in the user database as soon as the activity ends, not only once the tab is
// left: a crash or a power cut while the menu is shown loses nothing.
#include "tests/revision/RevisionFixture.h"

#include "app/TMain.h"
#include "engine/ui/TTextEvent.h"
#include "forms/TRevisionStg.h"
#include "revision/ui/TChooseTextView.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

TEST_F(RevisionTest, AStoryTypedIsInTheDatabaseWhenTheMenuComesBack) {
    TDriver Driver(10000);
    TTextEvent* Event = nullptr;
    Driver
        .Then(
            "guided", [] { return TMain::RunningMenu == "MenuGuided"; },
            [] { ClickWidget(BookForm->MenuRevision); })
        .Then("menu", RevisionMenuShown, [] { PressKey(BookForm, Qt::Key_S, Qt::AltModifier); })
        .Then(
            "chooser", [] { return OpenPage<TChooseTextView>() != nullptr; },
            [] { PressKey(BookForm, Qt::Key_Return); })
        .Then(
            "typing", [&] { return (Event = OpenPage<TTextEvent>()) != nullptr; },
            [&] {
                Type("the ");
                // The story's time runs out.
                Clock.AdvanceClockSeconds(Event->Setup.TimeLimit);
                Event->Tick();
                PressKey(BookForm, Qt::Key_Return);
            })
        .Then("menu again", RevisionMenuShown, [] {
            const std::unique_ptr<TUser> Stored = TUser::FindUser(CurrentUser->FName);
            ASSERT_NE(Stored, nullptr);
            EXPECT_GT(CurrentUser->FTotalMinutes, 0);
            EXPECT_EQ(Stored->FTotalMinutes, CurrentUser->FTotalMinutes);
            EXPECT_FALSE(CurrentUser->FStoryFile.empty());
            EXPECT_EQ(Stored->FStoryFile, CurrentUser->FStoryFile);
            EXPECT_EQ(Stored->FStoryPosition, CurrentUser->FStoryPosition);
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
}
