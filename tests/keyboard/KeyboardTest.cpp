// The on-screen keyboard and the finger guide: key rectangles from tables,
// labels, highlights and marks, clicks that type, and what a change repaints.
#include "keyboard/KeyboardGeometry.h"
#include "keyboard/TKeyData.h"
#include "keyboard/ui/TFingers.h"
#include "keyboard/ui/TKeyboard.h"

#include "tests/support/TPaintSpy.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

std::string AppDir() {
    const char* Dir = std::getenv("CLAVORA_APP_DIR");
    return Dir ? Dir : ".";
}

TKeyData& Layout(const char* File) {
    static std::map<std::string, std::unique_ptr<TKeyData>> Loaded;
    auto& Data = Loaded[File];
    if (!Data) {
        Data = std::make_unique<TKeyData>();
        EXPECT_EQ(Data->Load(AppDir() + "/" + File), 1);
    }
    return *Data;
}

QRect Rect(int L, int T, int W, int H) {
    return QRect(L, T, W, H);
}

TEST(KeyboardGeometry, KeysOfTwoSizesWorkedOutByHand) {
    struct {
        int Width, Height, W, H, Notch;
        std::vector<std::pair<int, QRect>> Keys;
    } const Cases[] = {
        {300,
         100,
         19,
         19,
         8,
         {{1, Rect(0, 0, 19, 19)},
          {13, Rect(240, 0, 19, 19)},
          {kpBackspace, Rect(260, 0, 41, 19)},
          {kpTab, Rect(0, 20, 27, 19)},
          {14, Rect(28, 20, 19, 19)},
          {25, Rect(248, 20, 19, 19)},
          {kpEnter, Rect(268, 20, 32, 39)},
          {kpCapsLock, Rect(0, 40, 33, 19)},
          {26, Rect(34, 40, 19, 19)},
          {37, Rect(254, 40, 19, 19)},
          {kpLeftShift, Rect(0, 60, 23, 19)},
          {38, Rect(24, 60, 19, 19)},
          {48, Rect(224, 60, 19, 19)},
          {kpRightShift, Rect(244, 60, 56, 19)},
          {kpLeftCtrl, Rect(0, 80, 28, 19)},
          {kpAlt, Rect(54, 80, 28, 19)},
          {kpSpace, Rect(83, 80, 133, 19)},
          {kpAltGr, Rect(217, 80, 28, 19)},
          {kpRightCtrl, Rect(272, 80, 28, 19)}}},
        {502,
         170,
         32,
         33,
         11,
         {{1, Rect(0, 0, 32, 33)},
          {13, Rect(396, 0, 32, 33)},
          {kpBackspace, Rect(429, 0, 67, 33)},
          {kpTab, Rect(0, 34, 47, 33)},
          {14, Rect(48, 34, 32, 33)},
          {25, Rect(411, 34, 32, 33)},
          {kpEnter, Rect(444, 34, 51, 67)},
          {kpCapsLock, Rect(0, 68, 56, 33)},
          {26, Rect(57, 68, 32, 33)},
          {37, Rect(420, 68, 32, 33)},
          {kpLeftShift, Rect(0, 102, 40, 33)},
          {38, Rect(41, 102, 32, 33)},
          {48, Rect(371, 102, 32, 33)},
          {kpRightShift, Rect(404, 102, 91, 33)},
          {kpLeftCtrl, Rect(0, 136, 48, 33)},
          {kpAlt, Rect(86, 136, 48, 33)},
          {kpSpace, Rect(135, 136, 224, 33)},
          {kpAltGr, Rect(360, 136, 48, 33)},
          {kpRightCtrl, Rect(447, 136, 48, 33)}}},
        {10, 4, 0, 0, 2, {{1, Rect(0, 0, 0, 0)}, {kpSpace, Rect(7, 4, 0, 0)}}},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Width << " x " << C.Height);
        const TKeyboardGeometry G = KeyboardGeometryFor(C.Width, C.Height);
        EXPECT_EQ(G.KeyWidth, C.W);
        EXPECT_EQ(G.KeyHeight, C.H);
        EXPECT_EQ(G.EnterNotch, C.Notch);
        for (const auto& [Position, Expected] : C.Keys)
            EXPECT_EQ(G.Keys[size_t(Position)], Expected) << "key " << Position;
        if (C.W == 0) continue;
        // Neighbours in a row stand one pixel apart.
        for (auto [First, Last] : {std::pair{1, 13}, {14, 25}, {26, 37}, {38, 48}})
            for (int P = First; P < Last; ++P)
                EXPECT_EQ(G.Keys[size_t(P + 1)].left(), G.Keys[size_t(P)].left() + C.W + 1);
        // The space bar stands in the middle of the keyboard's width.
        const int U = 15 * (C.W + 1);
        const QRect& Space = G.Keys[kpSpace];
        EXPECT_LE(std::abs(Space.left() - (U - Space.left() - Space.width())), 1);
    }
}

TEST(KeyboardGeometry, KeyPositionsOfCharactersAndSpecialKeys) {
    const TKeyData& Us = Layout("qwerty.kbd");
    struct {
        char C;
        int Special, Position;
    } const Cases[] = {
        {'a', 0, 26},           {'A', 0, 26},           {' ', 0, kpSpace},  {'\r', 0, kpEnter},
        {'\b', 0, kpBackspace}, {'\0', 1, kpLeftShift}, {'\0', 4, kpAltGr}, {'\0', 11, kpBackspace},
        {'\0', 12, -1},         {'\0', 0, -1},          {'\xE4', 0, -1},    {'\t', 0, -1}};
    for (const auto& C : Cases)
        EXPECT_EQ(KeyPosition(Us, C.C, C.Special), C.Position) << int(C.C) << "/" << C.Special;
}

class KeyboardTest : public ::testing::Test {
protected:
    void Make(const char* File) {
        Keyboard = std::make_unique<TKeyboard>(&Window, &Layout(File));
        Keyboard->setGeometry(0, 0, 502, 170);
        Window.resize(520, 200);
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    }
    int DarkPixels(int Position) {
        const QImage Shot = Keyboard->grab(Keyboard->Geometry().Keys[size_t(Position)]).toImage();
        int Dark = 0;
        for (int Y = 0; Y < Shot.height(); ++Y)
            for (int X = 0; X < Shot.width(); ++X)
                Dark += qGray(Shot.pixel(X, Y)) < 60;
        return Dark;
    }
    std::vector<int> Levels() const {
        std::vector<int> Result;
        for (int P = 1; P <= kpCount; ++P)
            if (Keyboard->MarkLevel(P)) Result.push_back(P * 10 + Keyboard->MarkLevel(P));
        return Result;
    }
    QWidget Window;
    std::unique_ptr<TKeyboard> Keyboard;
};

TEST_F(KeyboardTest, HighlightsTakeTheModifierAlongAndMarksShowWrongKeys) {
    struct {
        const char* File;
        const char *Expected, *Wrong;
        std::vector<int> Levels; // position x 10 + level
    } const Cases[] = {
        {"qwerty.kbd", "A", "", {261, kpRightShift * 10 + 1}},
        {"qwerty.kbd", "a", "a", {261}},
        {"qwerty.kbd", "x", "s", {272, 401}},
        {"qwerty.kbd", "J", "\xE4", {321, kpLeftShift * 10 + 1}},
        {"qwerty.kbd", "\r", "", {kpEnter * 10 + 1}},
        {"qwerty.kbd", "", "qQ", {142}},
        {"qwertz.kbd", "@", "", {141, kpAltGr * 10 + 1}},
        {"qwertz.kbd", "\xE4", "y", {361, 392}},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(std::string(C.File) + " " + C.Expected + "/" + C.Wrong);
        Make(C.File);
        Keyboard->MarkKeys(C.Expected, C.Wrong);
        EXPECT_EQ(Levels(), C.Levels);
        Keyboard->ClearMarks();
        EXPECT_EQ(Levels(), std::vector<int>{});
    }
}

TEST_F(KeyboardTest, AHighlightChangeRepaintsOnlyTheKeysWhoseLevelChanged) {
    Make("qwerty.kbd");
    TPaintSpy Spy(Keyboard.get());
    const auto& Keys = Keyboard->Geometry().Keys;
    const auto Area = [&](std::initializer_list<int> Positions) {
        QRegion R;
        for (int P : Positions)
            R += Keys[size_t(P)].adjusted(0, 0, 1, 1);
        return R;
    };
    struct {
        const char* Expected;
        std::initializer_list<int> Changed;
    } const Steps[] = {{"f", {29}},
                       {"j", {29, 32}},
                       {"J", {kpLeftShift}},
                       {"F", {29, 32, kpLeftShift, kpRightShift}},
                       {"F", {}}};
    QApplication::processEvents();
    for (const auto& Step : Steps) {
        SCOPED_TRACE(Step.Expected);
        Spy.Reset();
        Keyboard->MarkKeys(Step.Expected, "");
        QApplication::processEvents();
        EXPECT_EQ(Spy.All(), Area(Step.Changed));
    }
    Spy.Reset();
    Keyboard->PressKey('k');
    QApplication::processEvents();
    EXPECT_EQ(Spy.All(), Area({33}));
}

TEST_F(KeyboardTest, KnownKeysGetBlackLabelsAndEnterItsNotchedKey) {
    Make("qwerty.kbd");
    EXPECT_EQ(DarkPixels(26), 0) << "an unknown key's label is light grey";
    EXPECT_GT(DarkPixels(kpLeftShift), 0) << "special keys are always labelled in black";
    Keyboard->SetKnownKeys("as\xE4");
    EXPECT_GT(DarkPixels(26), 0);
    EXPECT_GT(DarkPixels(27), 0);
    EXPECT_EQ(DarkPixels(28), 0);
    EXPECT_TRUE(Keyboard->LabelKnown(26));
    EXPECT_FALSE(Keyboard->LabelKnown(28));
    Keyboard->ShowAllLabels();
    EXPECT_GT(DarkPixels(28), 0);
    // Left of the notch, the Enter key's lower row is the home row's last key.
    const QRect Enter = Keyboard->Geometry().Keys[kpEnter];
    const int LowerRowY = Enter.top() + Enter.height() - 4;
    const QImage Shot = Keyboard->grab().toImage();
    const QColor InNotch =
        Shot.pixelColor(Enter.left() + Keyboard->Geometry().EnterNotch - 2, LowerRowY);
    const QColor OnEnter = Shot.pixelColor(Enter.left() + Enter.width() - 3, LowerRowY);
    EXPECT_NE(InNotch, OnEnter);
}

TEST_F(KeyboardTest, ClickingAKeyTypesItsBaseCharacter) {
    Make("qwertz.kbd");
    std::string Typed;
    Keyboard->OnKeyPress = [&](QObject*, char& Key) { Typed += Key; };
    const auto& Keys = Keyboard->Geometry().Keys;
    std::string Expected;
    for (int P = 1; P <= 48; ++P) {
        QTest::mousePress(Keyboard.get(), Qt::LeftButton, {}, Keys[size_t(P)].center());
        EXPECT_EQ(Keyboard->PressedChar(), Layout("qwertz.kbd").Key(P).Base);
        QTest::mouseRelease(Keyboard.get(), Qt::LeftButton, {}, Keys[size_t(P)].center());
        EXPECT_EQ(Keyboard->PressedChar(), 0);
        Expected += Layout("qwertz.kbd").Key(P).Base;
    }
    EXPECT_EQ(Typed, Expected);
    Typed.clear();
    for (int P :
         {kpSpace, kpBackspace, kpEnter, kpLeftShift, kpAltGr, kpTab, kpCapsLock, kpLeftCtrl}) {
        QTest::mouseClick(Keyboard.get(), Qt::LeftButton, {}, Keys[size_t(P)].center());
    }
    EXPECT_EQ(Typed, std::string(" \b\r")) << "the modifiers, Tab and Caps Lock type nothing";
    // Edges belong to the key.
    Typed.clear();
    QTest::mouseClick(Keyboard.get(), Qt::LeftButton, {}, Keys[26].topLeft());
    QTest::mouseClick(Keyboard.get(), Qt::LeftButton, {},
                      QPoint(Keys[26].left() + 32, Keys[26].top() + 33));
    EXPECT_EQ(Typed, "aa");
}

TEST_F(KeyboardTest, KeyCapsTakeTheirSizeAndLevel) {
    Make("qwerty.kbd");
    const QPixmap Plain = Keyboard->KeyCapPicture("A", 33, 32, 0);
    const QPixmap Lit = Keyboard->KeyCapPicture("A", 33, 32, 1);
    const QPixmap Space = Keyboard->KeyCapPicture("Space", 33, 96, 1);
    EXPECT_EQ(Plain.size(), QSize(32, 33));
    EXPECT_EQ(Space.size(), QSize(96, 33));
    // Highlighted caps are green around the edge, plain ones are not.
    EXPECT_EQ(Lit.toImage().pixelColor(0, 15), QColor(0, 191, 0));
    EXPECT_NE(Plain.toImage().pixelColor(0, 15), QColor(0, 191, 0));
}

// A key-face pattern of 8 x 8 units drawn with two pixels a unit: a single
// dark pixel in each tile, at pixel 1, 1.
QPixmap DensePattern() {
    QImage Tile(16, 16, QImage::Format_RGB32);
    Tile.fill(QColor(230, 230, 230));
    Tile.setPixelColor(1, 1, QColor(40, 40, 40));
    Tile.setDevicePixelRatio(2);
    return QPixmap::fromImage(Tile);
}

// The pixels of an image, whatever its density and format.
QImage Pixels(QImage Image) {
    Image.setDevicePixelRatio(1);
    return Image.convertToFormat(QImage::Format_ARGB32);
}

TEST(KeyFaces, AreMadeWithTheScreensPixelsAndMeasuredInUnits) {
    const QPixmap Pattern = DensePattern();
    struct {
        int Position, Width, Height;
    } const Keys[] = {
        {1, 32, 33}, {kpSpace, 224, 33}, {kpTab, 47, 33}, {kpEnter, 51, 67}, {26, 19, 19}};
    for (const qreal Ratio : {1.0, 1.25, 1.6, 2.0})
        for (const auto& K : Keys) {
            SCOPED_TRACE(std::to_string(Ratio) + " key " + std::to_string(K.Position));
            const QImage Face = K.Position == kpEnter
                                    ? RenderEnterFace(K.Width, K.Height, 11,
                                                      TKeyboard::mlHighlighted, Pattern, Ratio)
                                    : RenderKeyFace(K.Position, K.Width, K.Height,
                                                    TKeyboard::mlPlain, Pattern, Ratio);
            EXPECT_EQ(Face.devicePixelRatio(), Ratio);
            EXPECT_EQ(Face.deviceIndependentSize().toSize(), QSize(K.Width, K.Height));
        }
    // At two pixels a unit the key's top (units 5 to 27 across) shows the
    // pattern's dark pixels one pixel wide and 16 apart, as the pattern has
    // them: nothing is blown up.
    const QImage Face = RenderKeyFace(1, 32, 33, TKeyboard::mlPlain, Pattern, 2);
    std::vector<int> Dark;
    for (int X = 10; X < 54; ++X)
        if (qGray(Face.pixel(X, 17)) < 100) Dark.push_back(X);
    EXPECT_EQ(Dark, (std::vector<int>{17, 33, 49}));
}

// Run with two screens, the second of twice the density: the window moves
// from one to the other and back, and each time the keyboard shows keys made
// for the screen it is on, as the key faces are drawn for that screen.
TEST_F(KeyboardTest, KeysAreDrawnAnewForTheScreenTheKeyboardMovesTo) {
    std::vector<QScreen*> Screens;
    for (QScreen* Screen : QGuiApplication::screens())
        Screens.push_back(Screen);
    std::sort(Screens.begin(), Screens.end(),
              [](QScreen* A, QScreen* B) { return A->devicePixelRatio() < B->devicePixelRatio(); });
    if (Screens.size() < 2 ||
        Screens.front()->devicePixelRatio() == Screens.back()->devicePixelRatio())
        GTEST_SKIP() << "runs with screens of two densities";
    Make("qwerty.kbd");
    const QPixmap Pattern = DensePattern();
    Keyboard->SetKeyFace(Pattern);
    const QRect Tab = Keyboard->Geometry().Keys[kpTab];
    for (QScreen* Screen : {Screens.front(), Screens.back(), Screens.front()}) {
        const qreal Ratio = Screen->devicePixelRatio();
        SCOPED_TRACE(Ratio);
        Window.windowHandle()->setScreen(Screen);
        QApplication::processEvents();
        ASSERT_EQ(Keyboard->devicePixelRatioF(), Ratio);
        const QImage Shot = Keyboard->grab().toImage();
        // Tab has no label: the keyboard shows its bare face.
        const QImage Face =
            RenderKeyFace(kpTab, Tab.width(), Tab.height(), TKeyboard::mlPlain, Pattern, Ratio);
        EXPECT_TRUE(Pixels(Shot.copy(QRect(Tab.topLeft() * Ratio, Face.size()))) == Pixels(Face))
            << "the keyboard's Tab key is not its face as drawn for the screen";
        // The caps of the new keys are made for the same screen.
        const QPixmap Cap = Keyboard->KeyCapPicture("f", 33, 32, TKeyboard::mlHighlighted);
        EXPECT_EQ(Cap.devicePixelRatio(), Ratio);
        EXPECT_EQ(Cap.deviceIndependentSize().toSize(), QSize(32, 33));
    }
}

TEST(Fingers, OneFingerAtATimeOnTheHands) {
    QWidget Window;
    TFingers Fingers(&Window);
    QPixmap Hands(399, 299);
    Hands.fill(Qt::white);
    Fingers.SetBackground(Hands);
    for (int N = 1; N <= 9; ++N) {
        QPixmap Finger(30, 40);
        Finger.fill(QColor(200, 10 * N, 0));
        Fingers.FingerPictures[size_t(N)] = Finger;
    }
    Window.resize(420, 320);
    Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    EXPECT_EQ(Fingers.size(), QSize(399, 299));
    struct {
        int N;
        QPoint Probe;
        QColor Seen;
    } const Cases[] = {
        {0, {10, 75}, Qt::white},           {1, {10, 75}, QColor(200, 10, 0)},
        {5, {280, 10}, QColor(200, 50, 0)}, {6, {310, 0}, QColor(200, 60, 0)},
        {9, {225, 95}, QColor(200, 90, 0)}, {10, {225, 95}, Qt::white},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.N);
        Fingers.ShowFinger(C.N);
        EXPECT_EQ(Fingers.grab().toImage().pixelColor(C.Probe), C.Seen);
    }
    QApplication::processEvents();
    TPaintSpy Spy(&Fingers);
    Fingers.ShowFinger(8);
    Fingers.ShowFinger(8);
    QApplication::processEvents();
    EXPECT_EQ(Spy.All(), QRegion(QRect(360, 52, 30, 40)))
        << "only the finger that changes is painted";
}

} // namespace
