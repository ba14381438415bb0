// The command line: what each form asks for, the exercise text taken from
// the terminal's encoding, and an exercise line that gives nothing to type.
#include "app/CommandLine.h"
#include "engine/ui/TViewCanvas.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"
#include "tests/support/ProgramFixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using TArgs = std::vector<std::string>;

TEST(CommandLine, EachFormAsksForOneThing) {
    const struct {
        TArgs Args;
        bool Toolkit;
        TCommandLine::TAction Action;
        std::string Value;
    } Rows[] = {
        {{}, false, TCommandLine::caBook, ""},
        {{"--help"}, false, TCommandLine::caHelp, ""},
        {{"-h"}, false, TCommandLine::caHelp, ""},
        {{"--version"}, false, TCommandLine::caVersion, ""},
        {{"/autosetup"}, false, TCommandLine::caAutoSetup, ""},
        {{"--exercise", "E=TEXT;1;Words.;TRUE"},
         false,
         TCommandLine::caExercise,
         "E=TEXT;1;Words.;TRUE"},
        {{"--exercise", "-dash first"}, true, TCommandLine::caExercise, "-dash first"},
        {{"--course", "Beginner.cnt"}, false, TCommandLine::caCourse, "Beginner.cnt"},
        // The toolkit's options before the application object took them out.
        {{"-platform", "offscreen", "--version"}, true, TCommandLine::caVersion, ""},
        {{"-reverse", "--course", "a.cnt"}, true, TCommandLine::caCourse, "a.cnt"},
        {{"-style=fusion", "-display", ":1", "--help"}, true, TCommandLine::caHelp, ""},
        {{"-h"}, true, TCommandLine::caHelp, ""},
        // A single dash is no licence: what the toolkit does not know is told.
        {{"-x"}, true, TCommandLine::caError, "unknown option '-x'"},
        {{"-bogus", "value"}, true, TCommandLine::caError, "unknown option '-bogus'"},
        // Mistakes.
        {{"--exercise"}, false, TCommandLine::caError, "option '--exercise' needs a value"},
        {{"--course", "a.cnt", "b.cnt"},
         false,
         TCommandLine::caError,
         "unexpected argument 'b.cnt'"},
        {{"--help", "me"}, false, TCommandLine::caError, "unexpected argument 'me'"},
        {{"--exercize", "x"}, false, TCommandLine::caError, "unknown option '--exercize'"},
        {{"/SETUP"}, false, TCommandLine::caError, "unknown option '/SETUP'"},
        {{"-platform", "offscreen"}, false, TCommandLine::caError, "unknown option '-platform'"},
        {{"Beginner.cnt"}, false, TCommandLine::caError, "unexpected argument 'Beginner.cnt'"},
    };
    for (const auto& Row : Rows) {
        const TCommandLine Line = ParseCommandLine(Row.Args, Row.Toolkit);
        std::string Given;
        for (const std::string& A : Row.Args)
            Given += "[" + A + "]";
        EXPECT_EQ(Line.Action, Row.Action) << Given;
        EXPECT_EQ(Line.Value, Row.Value) << Given;
    }
    EXPECT_NE(UsageText().find("--exercise <line>"), std::string::npos);
    EXPECT_EQ(VersionText(), "Clavora 98 4.20 (build 0161)");
}

// The tests run in a UTF-8 locale, as most terminals do.
TEST(CommandLine, ExerciseTextComesFromTheTerminalsEncodingIntoLatin1) {
    const struct {
        const char* Utf8;
        bool Taken;
        std::string Latin1, Refused;
    } Rows[] = {
        {"plain words", true, "plain words", ""},
        {"na\xC3\xAFve caf\xC3\xA9", true, "na\xEFve caf\xE9", ""},      // naïve café
        {"\xC3\x9F\xC3\xBF \xC2\xA0", true, "\xDF\xFF \xA0", ""},        // ß ÿ no-break space
        {"5 \xE2\x82\xAC each", false, "", "\xE2\x82\xAC"},              // the euro sign
        {"caf\xC3\xA9 \xF0\x9F\x98\x80", false, "", "\xF0\x9F\x98\x80"}, // an emoji
        {"caf\xE9", false, "", ""},                                      // Latin-1 bytes: no UTF-8
    };
    for (const auto& Row : Rows) {
        std::string Latin1, Refused;
        EXPECT_EQ(LocaleTextToLatin1(Row.Utf8, Latin1, Refused), Row.Taken) << Row.Utf8;
        EXPECT_EQ(Latin1, Row.Taken ? Row.Latin1 : Latin1) << Row.Utf8;
        EXPECT_EQ(Refused, Row.Refused) << Row.Utf8;
    }
}

TEST_F(ProgramTest, AnExerciseTypedInTheTerminalIsShownInLatin1) {
    TDriver Driver;
    std::string Shown;
    Driver.Then(
        "the model text",
        [] { return BookForm->findChild<TViewCanvas*>(QStringLiteral("ModelText")) != nullptr; },
        [&] {
            Shown = BookForm->findChild<TViewCanvas*>(QStringLiteral("ModelText"))->FullText();
            BookForm->close();
        });
    RunProgram(Driver, {"--exercise", "E=TEXT;1;na\xC3\xAFve caf\xC3\xA9;TRUE"});
    EXPECT_EQ(Shown, "na\xEFve caf\xE9");
}

// A line that gives nothing to type is told with the event's number, and the
// program ends with a failure status instead of showing an empty page.
TEST_F(ProgramTest, AnExerciseLineWithoutATextIsToldAndNothingRuns) {
    const struct {
        const char* Line;
        const char* Told;
    } Rows[] = {
        {"E=TEXT;1", "No text to type in the exercise line \"E=TEXT;1\""},
        {"E=TEXT;1;RES:", "No text to type in the exercise line \"E=TEXT;1;RES:\""},
        {"E=TEXT;1;FILE:Missing.txt;TRUE", "File Missing.txt missing or read error"},
        {"E=TEXT;1;FILE:/etc/passwd", "File /etc/passwd missing or read error"},
    };
    mkdir((*FDir / "config/Veltrona").c_str(), 0755);
    for (const auto& Row : Rows) {
        SCOPED_TRACE(Row.Line);
        // An installed machine: no first-start question.
        WriteFileBytes(*FDir / "config/Veltrona/Clavora.ini",
                       "[General Settings]\nPlayTheme=0\n[Keyboard Layouts]\nEnglish=qwerty.kbd\n");
        ClearDialogLog();
        TDriver Driver;
        EXPECT_EQ(RunProgram(Driver, {"--exercise", Row.Line}), 1);
        ASSERT_EQ(DialogLog().size(), 1u) << DialogLog().back().Text;
        EXPECT_EQ(DialogLog()[0].Text.rfind("#-501 ", 0), 0u) << DialogLog()[0].Text;
        EXPECT_NE(DialogLog()[0].Text.find(Row.Told), std::string::npos) << DialogLog()[0].Text;
    }
}

} // namespace
