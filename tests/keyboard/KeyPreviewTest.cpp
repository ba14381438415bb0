// Keys through the book window's key preview as an X server sends them for
// German and Finnish keyboards: every key of the layout reaches the key-down
// handler with the code of its place and the key-press handler with its
// character; Ctrl with a letter types its control character; releases are
// key-ups. Text the input method composes from dead keys types as keys would.
#include "platform/KeyPreview.h"
#include "keyboard/KeyboardGeometry.h"
#include "keyboard/TKeyData.h"
#include "platform/Keys.h"
#include "platform/ScanCodes.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct TRecorder : IKeyPreviewReceiver {
    std::vector<std::pair<std::uint16_t, TShiftState>> Downs, Ups;
    std::string Typed;
    // Characters the handler consumes.
    std::string Consumed;
    void PreviewKeyDown(std::uint16_t& Key, TShiftState Shift) override {
        Downs.push_back({Key, Shift});
    }
    void PreviewKeyPress(char& Key) override {
        Typed += Key;
        if (Consumed.find(Key) != std::string::npos) Key = 0;
    }
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
        Field.setGeometry(0, 0, 100, 20);
        Field.setFocus();
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
    // The control with the focus: what the preview leaves reaches it.
    QLineEdit Field{&Window};
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

TEST_F(KeyPreviewTest, ComposedTextTypesAsKeysWouldAndADeadKeyAloneTypesNothing) {
    const QString Euro = QString::fromUtf8("\u20AC");
    struct {
        const char* Name;
        QString Commit; // the input method's text; none for a key
        int QtKey, ScanCode;
        QString KeyText;
        std::string Consumed, Typed;
        QString InField;
        std::uint16_t Down; // the key-down of a key, 0 for none
    } const Cases[] = {
        {"\u00B4 then e",
         QString::fromUtf8("\u00E9"),
         0,
         0,
         {},
         "",
         "\xE9",
         QString::fromUtf8("\u00E9"),
         0},
        {"^ then Space on a German keyboard",
         QStringLiteral("^"),
         0,
         0,
         {},
         "",
         "^",
         QStringLiteral("^"),
         0},
        {"two characters, one the page takes",
         QString::fromUtf8("\u00F4x"),
         0,
         0,
         {},
         "x",
         "\xF4x",
         QString::fromUtf8("\u00F4"),
         0},
        {"a character outside Latin-1 among them",
         Euro + QStringLiteral("a"),
         0,
         0,
         {},
         "",
         "a",
         QStringLiteral("a"),
         0},
        {"a dead key pressed alone", {}, Qt::Key_Dead_Circumflex, 49, {}, "", "", {}, VK_OEM_3},
        {"a key typing the euro sign", {}, Qt::Key_E, 26, Euro, "", "", {}, 'E'},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Recorder = {};
        Recorder.Consumed = C.Consumed;
        Field.clear();
        if (C.QtKey) {
            QKeyEvent Event(QEvent::KeyPress, C.QtKey, Qt::NoModifier, quint32(C.ScanCode), 0, 0,
                            C.KeyText);
            QCoreApplication::sendEvent(Window.windowHandle(), &Event);
        } else {
            QInputMethodEvent Event;
            Event.setCommitString(C.Commit);
            QCoreApplication::sendEvent(&Field, &Event);
        }
        EXPECT_EQ(Recorder.Typed, C.Typed);
        EXPECT_EQ(Field.text(), C.InField);
        if (C.Down) {
            ASSERT_EQ(Recorder.Downs.size(), 1u);
            EXPECT_EQ(Recorder.Downs[0].first, C.Down);
        } else
            EXPECT_TRUE(Recorder.Downs.empty());
    }
    // The input method composes for whichever control of the window has the
    // focus, one that takes no text of its own too; not for other windows.
    QWidget Plain(&Window), Elsewhere;
    for (const auto& [Control, Takes] :
         {std::pair<QWidget*, bool>{&Plain, true}, {&Window, true}, {&Elsewhere, false}}) {
        QInputMethodQueryEvent Query(Qt::ImEnabled);
        QCoreApplication::sendEvent(Control, &Query);
        EXPECT_EQ(Query.value(Qt::ImEnabled).toBool(), Takes);
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
