// Keys through the book window's key preview as an X server sends them for
// German and Finnish keyboards: every key of the layout reaches the key-down
// handler with the code of its place and the key-press handler with its
// character; Ctrl with a letter types its control character; releases are
// key-ups.
#include "platform/KeyPreview.h"
#include "keyboard/KeyboardGeometry.h"
#include "keyboard/TKeyData.h"
#include "platform/Keys.h"
#include "platform/ScanCodes.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct TRecorder : IKeyPreviewReceiver {
    std::vector<std::pair<std::uint16_t, TShiftState>> Downs, Ups;
    std::string Typed;
    void PreviewKeyDown(std::uint16_t& Key, TShiftState Shift) override {
        Downs.push_back({Key, Shift});
    }
    void PreviewKeyPress(char& Key) override { Typed += Key; }
    void PreviewKeyUp(std::uint16_t& Key, TShiftState Shift) override {
        Ups.push_back({Key, Shift});
    }
};

// The keycodes of the standard X keymap for the character keys, in the order
// of their positions 1-48.
const int XKeycodes[49] = {0,  49, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 24, 25, 26,
                           27, 28, 29, 30, 31, 32, 33, 34, 35, 38, 39, 40, 41, 42, 43, 44, 45,
                           46, 47, 48, 51, 94, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61};

class KeyPreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        Window.resize(100, 100);
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
        Preview = std::make_unique<TKeyPreview>(Window.windowHandle(), &Recorder);
    }
    void Send(QEvent::Type Type, int QtKey, Qt::KeyboardModifiers Modifiers, int ScanCode, char C) {
        const QString Text = C ? QString(QChar(ushort(static_cast<unsigned char>(C)))) : QString();
        QKeyEvent Event(Type, QtKey, Modifiers, quint32(ScanCode), 0, 0, Text);
        QCoreApplication::sendEvent(Window.windowHandle(), &Event);
    }
    QWidget Window;
    TRecorder Recorder;
    std::unique_ptr<TKeyPreview> Preview;
};

TEST_F(KeyPreviewTest, EveryKeyOfAGermanAndAFinnishKeyboardArrivesWithItsPlaceAndCharacter) {
    const char* AppDir = std::getenv("CLAVORA_APP_DIR");
    for (const char* File : {"qwertz.kbd", "nordic.kbd"}) {
        SCOPED_TRACE(File);
        TKeyData Layout;
        ASSERT_EQ(Layout.Load(std::string(AppDir ? AppDir : ".") + "/" + File), 1);
        for (int P = 1; P <= 48; ++P) {
            for (int Level : {0, 1}) {
                const char C = Layout.KeyChar(P <= 13   ? 1
                                              : P <= 25 ? 2
                                              : P <= 37 ? 3
                                                        : 4,
                                              P - (P <= 13   ? 0
                                                   : P <= 25 ? 13
                                                   : P <= 37 ? 25
                                                             : 37),
                                              Level);
                if (C == ' ') continue;
                SCOPED_TRACE(testing::Message() << "key " << P << " character " << C);
                // Qt names a Latin-1 key by its capital, as the X server does.
                const unsigned char U = static_cast<unsigned char>(C);
                const int QtKey =
                    (U >= 'a' && U <= 'z') || (U >= 0xE0 && U <= 0xFE && U != 0xF7) ? U - 32 : U;
                Recorder = {};
                const Qt::KeyboardModifiers Modifiers = Level ? Qt::ShiftModifier : Qt::NoModifier;
                Send(QEvent::KeyPress, QtKey, Modifiers, XKeycodes[P], C);
                Send(QEvent::KeyRelease, QtKey, Modifiers, XKeycodes[P], C);
                ASSERT_EQ(Recorder.Downs.size(), 1u);
                const std::uint16_t Code = Recorder.Downs[0].first;
                if (QtKey >= 'A' && QtKey <= 'Z')
                    EXPECT_EQ(Code, QtKey) << "a letter keeps its own code";
                else
                    EXPECT_EQ(Code, VirtualKeyOfPosition(P));
                EXPECT_EQ(Recorder.Downs[0].second, Level ? ssShift : 0);
                EXPECT_EQ(Recorder.Typed, std::string(1, C));
                EXPECT_EQ(KeyPosition(Layout, C), P) << "the on-screen keyboard shows the same key";
                ASSERT_EQ(Recorder.Ups.size(), 1u);
                EXPECT_EQ(Recorder.Ups[0].first, Code);
            }
        }
    }
}

TEST_F(KeyPreviewTest, CtrlWithALetterTypesItsControlCharacter) {
    struct {
        int QtKey;
        Qt::KeyboardModifiers Modifiers;
        int ScanCode;
        std::uint16_t Code;
        TShiftState Shift;
        std::string Typed;
    } const Cases[] = {
        {Qt::Key_A, Qt::ControlModifier, 38, 'A', ssCtrl, "\x01"},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 29, 'Z', ssCtrl | ssShift, "\x1A"},
        {Qt::Key_5, Qt::ControlModifier, 14, '5', ssCtrl, ""},
        {Qt::Key_A, Qt::ControlModifier | Qt::AltModifier, 38, 'A', ssCtrl | ssAlt, ""},
        // Without a scan code the key's own code still decides.
        {Qt::Key_Exclam, Qt::ShiftModifier, 0, 0, 0, "!"},
        {Qt::Key_Comma, Qt::NoModifier, 0, VK_OEM_COMMA, 0, ","},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.QtKey);
        Recorder = {};
        const char Text = C.Typed.empty() ? (C.QtKey < 128 ? char(C.QtKey) : 0) : C.Typed[0];
        Send(QEvent::KeyPress, C.QtKey, C.Modifiers, C.ScanCode, Text);
        if (C.Code) {
            ASSERT_EQ(Recorder.Downs.size(), 1u);
            EXPECT_EQ(Recorder.Downs[0].first, C.Code);
            EXPECT_EQ(Recorder.Downs[0].second, C.Shift);
        } else
            EXPECT_TRUE(Recorder.Downs.empty());
        EXPECT_EQ(Recorder.Typed, C.Typed);
    }
}

TEST(ScanCodes, XkbKeyNamesGiveTheOnScreenPositions) {
    struct {
        const char* Name;
        int Position;
        std::uint16_t Code;
    } const Cases[] = {{"TLDE", 1, VK_OEM_3},
                       {"AE11", 12, VK_OEM_MINUS},
                       {"AD11", 24, VK_OEM_4},
                       {"AC10", 35, VK_OEM_1},
                       {"BKSL", 37, VK_OEM_5},
                       {"LSGT", 38, VK_OEM_102},
                       {"AB10", 48, VK_OEM_2},
                       {"SPCE", kpSpace, 0},
                       {"RALT", kpAltGr, 0},
                       {"FK01", -1, 0},
                       {"", -1, 0}};
    for (const auto& C : Cases) {
        EXPECT_EQ(KeyPositionOfXkbName(C.Name), C.Position) << C.Name;
        EXPECT_EQ(VirtualKeyOfPosition(C.Position), C.Code) << C.Name;
    }
}

} // namespace
