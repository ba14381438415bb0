// The book's keys and its own buttons go to one page at a time, and a page
// that closes gives them back to the page below it: a closed page must never
// answer a key or a click.
#include "tests/support/EventFixture.h"

#include "engine/ui/TMessageEvent.h"
#include "forms/TWelcomeStg.h"
#include "guided/ui/TCoverView.h"
#include "guided/ui/TGoodbyeView.h"
#include "guided/ui/TNewUserView.h"
#include "guided/ui/TStdProfileView.h"
#include "guided/ui/TWelcomeView.h"
#include "platform/Controls.h"
#include "platform/Latin1.h"
#include "revision/ui/TBuilderView.h"
#include "revision/ui/TChooseTextView.h"
#include "shell/TBookForm.h"

#include <QFile>

#include <cstdlib>
#include <functional>
#include <memory>

TEST_F(EventTest, AClosedPageKeepsNeitherTheKeysNorTheBooksButtonsNorItsPictures) {
    // A course for the profile to list.
    ASSERT_TRUE(QFile::copy(QString::fromLocal8Bit(std::getenv("CLAVORA_APP_DIR")) +
                                QStringLiteral("/Beginner.cnt"),
                            QString::fromStdString(*Dir / "Beginner.cnt")));
    // The page below, as the menu loop's page is below every other.
    TFormView Below;
    BookForm->TakeKeys(&Below);
    QObject* Clicked = nullptr;
    BookForm->TakeClicks(&Below, [&Clicked](QObject* Sender) { Clicked = Sender; });

    std::unique_ptr<TFormView> Owned;
    const struct {
        const char* Name;
        std::function<TFormView*()> Open;
    } Pages[] = {
        {"studying profile", [] { return static_cast<TFormView*>(StdProfileView); }},
        {"welcome", [&] { return (Owned = std::make_unique<TWelcomeView>()).get(); }},
        {"cover", [&] { return (Owned = std::make_unique<TCoverView>()).get(); }},
        {"new user", [&] { return (Owned = std::make_unique<TNewUserView>()).get(); }},
        {"course completed", [&] { return (Owned = std::make_unique<TGoodbyeView>()).get(); }},
        {"event",
         [&] { return (Owned = std::make_unique<TMessageEvent>("M=MESSAGE;0;Hi.")).get(); }},
        {"revision wizard", [&] { return (Owned = std::make_unique<TBuilderView>()).get(); }},
        {"story chooser", [&] { return (Owned = std::make_unique<TChooseTextView>()).get(); }},
    };
    for (const auto& P : Pages) {
        SCOPED_TRACE(P.Name);
        TFormView* Page = P.Open();
        ASSERT_FALSE(Page->Show());
        EXPECT_EQ(BookForm->KeyHolder(), Page);
        Page->SetResult(2);
        ASSERT_FALSE(Page->IsOpen);
        EXPECT_EQ(BookForm->KeyHolder(), &Below);
        EXPECT_EQ(BookForm->ClickHolder(), &Below);
        EXPECT_FALSE(WelcomeStg->StudyingMask->OnClick);
        EXPECT_FALSE(WelcomeStg->IntroMask->OnClick);
        // The buttons still lead to the book, which hands their clicks on.
        const auto LeadsToTheBook = [&Clicked](auto* Button) {
            Clicked = nullptr;
            if (Button->OnClick) Button->OnClick(Button);
            EXPECT_EQ(Clicked, Button) << FromQ(Button->objectName());
        };
        for (TImage* Button : {BookForm->Next, BookForm->Back, BookForm->Cancel})
            LeadsToTheBook(Button);
        for (TButton* Button : {BookForm->LogOK, BookForm->UserYes})
            LeadsToTheBook(Button);
        Owned.reset();
    }
    BookForm->ReleaseKeys(&Below);
    BookForm->ReleaseClicks(&Below);
}
