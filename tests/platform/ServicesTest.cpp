// The clock, the dialog door and the key and text conversions at the
// toolkit's edge.
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/Keys.h"
#include "platform/Latin1.h"
#include "tests/support/TFakeClock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>

#include <QTemporaryDir>

TEST(Clock, CountsDaysSince1899InLocalTime) {
    std::time_t Seconds = std::time(nullptr);
    std::tm Local{};
    localtime_r(&Seconds, &Local);
    const double Days = SystemNow();
    // The whole days are the date, the fraction the time of day.
    const int Whole = int(Days);
    const double DaySeconds = (Days - Whole) * 86400.0;
    const double Expected = Local.tm_hour * 3600.0 + Local.tm_min * 60.0 + Local.tm_sec;
    EXPECT_NEAR(DaySeconds, Expected, 2.0);
    // 2000-01-01 is day 36526; today is later than that.
    EXPECT_GT(Whole, 36526);
    EXPECT_NEAR(Now(), Days, 1.0 / 86400.0 * 5);
}

TEST(Clock, AFakeClockReplacesTheSystemsUntilRemoved) {
    TFakeClock Fake(45000.5);
    SetClock(&Fake);
    EXPECT_DOUBLE_EQ(Now(), 45000.5);
    Fake.AdvanceClockSeconds(100000); // a clock second is 1/100000 of a day
    EXPECT_DOUBLE_EQ(Now(), 45001.5);
    Fake.AdvanceSeconds(43200);
    EXPECT_DOUBLE_EQ(Now(), 45002.0);
    SetClock(nullptr);
    EXPECT_GT(Now(), 46000.0);
}

TEST(Dialogs, TheResponderAnswersInsteadOfThePresenterAndEveryRequestIsLogged) {
    ClearDialogLog();
    int Presented = 0;
    SetDialogPresenter([&](const TDialogRequest&) {
        ++Presented;
        return int(mrNo);
    });
    EXPECT_EQ(MessageDlg("Shown", mtWarning, mbYes | mbNo), mrNo);
    SetDialogResponder(
        [](const TDialogRequest& R) { return R.HelpContext == 1010 ? mrYes : mrOk; });
    EXPECT_EQ(MessageDlg("Answered", mtWarning, mbYes | mbNo | mbHelp, 1010), mrYes);
    EXPECT_EQ(Presented, 1);
    ASSERT_EQ(DialogLog().size(), 2u);
    EXPECT_EQ(DialogLog()[1].Text, "Answered");
    EXPECT_EQ(DialogLog()[1].Buttons, unsigned(mbYes | mbNo | mbHelp));
    SetDialogResponder(nullptr);
    SetDialogPresenter(nullptr);
    // Without either, the affirmative button of the set answers.
    EXPECT_EQ(MessageDlg("x", mtInformation, mbOK | mbCancel), mrOk);
    EXPECT_EQ(MessageDlg("x", mtConfirmation, mbYes | mbNo | mbCancel), mrYes);
    EXPECT_EQ(MessageDlg("x", mtConfirmation, mbNo | mbCancel), mrNo);
    ClearDialogLog();

    // Help opens the topic and asks again; it never answers the dialog.
    std::vector<int> Topics;
    SetHelpHandler([&](int Topic) { Topics.push_back(Topic); });
    int Asked = 0;
    SetDialogResponder(
        [&](const TDialogRequest&) { return ++Asked < 3 ? int(mrHelp) : int(mrNo); });
    EXPECT_EQ(MessageDlg("Small screen", mtWarning, mbYes | mbNo | mbHelp, 1010), mrNo);
    EXPECT_EQ(Topics, (std::vector<int>{1010, 1010}));
    EXPECT_EQ(DialogLog().size(), 3u);
    SetDialogResponder(nullptr);
    SetHelpHandler(nullptr);
    ClearDialogLog();
}

TEST(Keys, QtKeysMapToTheVirtualKeysPagesCompare) {
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_N), 'N');
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_7), '7');
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Backtab), VK_TAB);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Enter), VK_RETURN);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F12), VK_F12);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Colon), VK_OEM_1);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Launch0), 0);
}

TEST(Latin1, ConvertsAtTheToolkitEdgeWithoutLosingLatin1) {
    const std::string Bytes = "M\xE4rta \xA7 \xFF";
    EXPECT_EQ(FromQ(ToQ(Bytes)), Bytes);
    EXPECT_EQ(FromQ(QString::fromUtf8("\u20AC5")), "?5");
    EXPECT_EQ(KeyTextToLatin1(QString::fromUtf8("\u00E4")), 0xE4);
    EXPECT_EQ(KeyTextToLatin1(QString::fromUtf8("\u20AC")), 0) << "the euro sign is not Latin-1";
    EXPECT_EQ(KeyTextToLatin1(QStringLiteral("ab")), 0);
}

TEST(Environment, TheProgramsComposeRulesGiveWayToTheLearnersOwn) {
    QTemporaryDir Home;
    ASSERT_TRUE(Home.isValid());
    const std::string Dir = Home.path().toStdString();
    const std::string Rules = Dir + "/accents.compose";
    std::ofstream(Rules) << "include \"%L\"\n";
    struct {
        const char* Case;
        const char* Own;   // XCOMPOSEFILE before, or null
        bool HomeRules;    // ~/.XCompose exists
        std::string File;  // the program's rules file
        const char* After; // XCOMPOSEFILE after, or null
    } const Cases[] = {
        {"nothing of the learner's", nullptr, false, Rules, Rules.c_str()},
        {"the learner's variable", "/etc/mine.compose", false, Rules, "/etc/mine.compose"},
        {"the learner's file", nullptr, true, Rules, nullptr},
        {"an empty variable", "", false, Rules, Rules.c_str()},
        {"no rules shipped", nullptr, false, Dir + "/missing.compose", nullptr},
    };
    const std::string OldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", Dir.c_str(), 1);
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Case);
        if (C.Own)
            setenv("XCOMPOSEFILE", C.Own, 1);
        else
            unsetenv("XCOMPOSEFILE");
        if (C.HomeRules)
            std::ofstream(Dir + "/.XCompose") << "\n";
        else
            std::remove((Dir + "/.XCompose").c_str());
        EXPECT_EQ(UseAccentComposeRules(C.File), C.After == Rules.c_str());
        const char* After = std::getenv("XCOMPOSEFILE");
        if (C.After)
            EXPECT_STREQ(After, C.After);
        else
            EXPECT_TRUE(!After || !*After) << After;
    }
    unsetenv("XCOMPOSEFILE");
    setenv("HOME", OldHome.c_str(), 1);
}
