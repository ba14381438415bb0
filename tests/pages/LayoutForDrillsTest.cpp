// A layout chosen on the options page is the keyboard of the next drill: on
// the German keyboard z sits on the upper letter row, y on the lower one, and
// ä right of ö on the home row.
#include "tests/support/EventFixture.h"

#include "engine/ui/TKeyboardEvent.h"
#include "files/TProgramSettings.h"
#include "forms/TOptioStg.h"
#include "keyboard/KeyboardGeometry.h"
#include "keyboard/TKeyData.h"
#include "keyboard/ui/TKeyboard.h"
#include "pages/ui/TOptionsView.h"
#include "platform/FileNames.h"
#include "shell/TBookForm.h"
#include "shell/TFormView.h"

#include <QComboBox>
#include <QTest>

#include <cstdlib>
#include <sys/stat.h>

namespace {

class LayoutForDrillsTest : public EventTest {
protected:
    void SetUp() override {
        EventTest::SetUp();
        SetProgramLayers(Dir->Path(), std::getenv("CLAVORA_APP_DIR"));
        const std::string Folder = std::string(std::getenv("XDG_CONFIG_HOME")) + "/Veltrona";
        mkdir(std::getenv("XDG_CONFIG_HOME"), 0755);
        mkdir(Folder.c_str(), 0755);
        WriteFileBytes(Folder + "/Clavora.ini",
                       "[General Settings]\nKeyboardAutoDetect=0\nKeyboardLayout=English\n"
                       "[Keyboard Layouts]\nEnglish=qwerty.kbd\nGerman=qwertz.kbd;German\n");
        // The settings made again, now over the layouts written above.
        delete Settings;
        Settings = new TProgramSettings;
        Settings->KeyboardLayout = "English";
        KeyData = new TKeyData;
        ASSERT_EQ(KeyData->Load(Settings->LayoutFileFor("qwerty.kbd")), 1);
    }
    void TearDown() override {
        EventTest::TearDown();
        delete KeyData;
        KeyData = nullptr;
        delete Settings;
        Settings = nullptr;
    }
    void Type(char C, Qt::Key Key) {
        Clock.AdvanceClockSeconds(0.3);
        QTest::sendKeyEvent(QTest::Click, BookForm->windowHandle(), Key,
                            QString(QChar::fromLatin1(C)), Qt::NoModifier);
    }
    static std::vector<int> Marks(const TKeyboard& Keyboard) {
        std::vector<int> Result;
        for (int P = 1; P <= kpCount; ++P)
            if (Keyboard.MarkLevel(P)) Result.push_back(P * 10 + Keyboard.MarkLevel(P));
        return Result;
    }
};

} // namespace

TEST_F(LayoutForDrillsTest, GermanChosenInTheOptionsIsTheNextDrillsKeyboard) {
    TDriver Options;
    Options.Do("choose German and leave", [] {
        OptioStg->Layout->setCurrentIndex(OptioStg->Layout->findText(QStringLiteral("German")));
        TFormView::CloseActiveView();
    });
    Options.Start();
    RunOptions();
    ASSERT_TRUE(Options.Finished());
    EXPECT_EQ(Settings->ReadSetting("KeyboardLayout"), "German");

    TKeyboardEvent Drill("drill=KEYBOARD;1;NIL");
    Drill.Text = "zy\xE4";
    Drill.Setup.KnownKeys = "zy\xE4";
    // Each expected character missed with an x (key 40, the third of the
    // lower row): the expected key lights up (level 1), the x is marked
    // wrong (level 2).
    const struct {
        char Expected;
        Qt::Key Key;
        std::vector<int> Marks;
    } Steps[] = {
        {'z', Qt::Key_Z, {191, 402}},             // upper row, sixth key
        {'y', Qt::Key_Y, {391, 402}},             // lower row, second key
        {'\xE4', Qt::Key_Adiaeresis, {361, 402}}, // home row, eleventh key
    };
    TDriver Driver;
    for (const auto& Step : Steps)
        Driver.Do(std::string("missed ") + Step.Expected, [&, Step] {
            Type('x', Qt::Key_X);
            EXPECT_EQ(Marks(*Drill.Keyboard), Step.Marks) << Step.Expected;
            Type(Step.Expected, Step.Key);
        });
    Driver.Do("end", [&] {
        Type('\r', Qt::Key_Return);
        Type('\r', Qt::Key_Return);
    });
    RunEvent(Drill, Driver);
}
