#include "keyboard/ui/TKeyboard.h"

#include "files/TextUtils.h"
#include "keyboard/TKeyData.h"
#include "platform/Controls.h"
#include "platform/Rounding.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace {

const QColor HighlightOuter(0, 191, 0);
const QColor HighlightFace(128, 255, 128);
const QColor HighlightBevel(0, 128, 0);
const QColor Edge(128, 128, 128);
const QColor Silver(192, 192, 192);
const QColor MarkColor(128, 0, 0);

int Scaled(int Value, int Percent) {
    return int(RoundedQuotient(int64_t(Value) * Percent, 100));
}

QBrush PatternBrush(const QPixmap& Pattern, const QColor& Fallback) {
    return Pattern.isNull() ? QBrush(Fallback) : QBrush(Pattern);
}

// A clear picture of Width x Height units at Ratio screen pixels a unit.
QImage BlankPicture(int Width, int Height, qreal Ratio) {
    QImage Picture(std::max(qRound(Width * Ratio), 1), std::max(qRound(Height * Ratio), 1),
                   QImage::Format_ARGB32_Premultiplied);
    Picture.setDevicePixelRatio(Ratio);
    Picture.fill(Qt::transparent);
    return Picture;
}

void DrawMark(QPainter& P, int FromX, int Width, int Height) {
    P.setPen(QPen(MarkColor, 2));
    P.drawLine(FromX, Height - 7, Width - 5, 3);
}

QString Latin1Char(char C) {
    return QString(QChar(ushort(static_cast<unsigned char>(C))));
}

// Text with its top left corner at X, Y.
void DrawTextAt(QPainter& P, int X, int Y, const QString& Text) {
    P.drawText(X, Y + P.fontMetrics().ascent(), Text);
}

} // namespace

QImage RenderKeyFace(int Position, int Width, int Height, int Level, const QPixmap& Pattern,
                     qreal Ratio) {
    QImage Picture = BlankPicture(Width, Height, Ratio);
    if (Width <= 0 || Height <= 0) return Picture;
    const bool Grey = Position > 48 && Position != kpSpace;
    const bool Lit = Level == TKeyboard::mlHighlighted;
    QPainter P(&Picture);
    P.fillRect(0, 0, Width, Height,
               Lit    ? QBrush(HighlightOuter)
               : Grey ? QBrush(Silver)
                      : PatternBrush(Pattern, Silver));
    // The light bevels left and at the top.
    const QBrush Light = Lit    ? QBrush(HighlightFace)
                         : Grey ? PatternBrush(Pattern, Qt::white)
                                : QBrush(Qt::white);
    P.fillRect(1, 1, 4, Height - 2, Light);
    P.fillRect(1, 1, Width - 2, 2, Light);
    // The shadow bevel right and below the key top, inside its outline.
    const QColor Shadow = Grey ? Edge : Lit ? HighlightBevel : Silver;
    P.setPen(Shadow);
    P.setBrush(Shadow);
    P.drawPolygon(
        QPolygon({QPoint(Width - 2, 1), QPoint(Width - 5, 3), QPoint(Width - 5, Height - 7),
                  QPoint(5, Height - 7), QPoint(1, Height - 2), QPoint(Width - 2, Height - 2)}));
    return Picture;
}

QImage RenderEnterFace(int Width, int Height, int Notch, int Level, const QPixmap& Pattern,
                       qreal Ratio) {
    QImage Picture = BlankPicture(Width, Height, Ratio);
    if (Width <= 0 || Height <= 0) return Picture;
    const bool Lit = Level == TKeyboard::mlHighlighted;
    const int Upper = (Height - 1) / 2; // the height of one row
    QPainter P(&Picture);
    P.setPen(Qt::NoPen);
    P.setBrush(Lit ? HighlightOuter : Silver);
    P.drawPolygon(QPolygon({QPoint(0, 0), QPoint(Width, 0), QPoint(Width, Height),
                            QPoint(Notch, Height), QPoint(Notch, Upper), QPoint(0, Upper)}));
    const QBrush Light = Lit ? QBrush(HighlightFace) : PatternBrush(Pattern, Qt::white);
    P.fillRect(1, 1, Width - 2, 2, Light);
    P.fillRect(1, 1, 4, Upper - 2, Light);
    P.fillRect(Notch + 1, Upper, 4, Height - Upper - 2, Light);
    const QColor Shadow = Lit ? HighlightBevel : Edge;
    P.setPen(Shadow);
    P.setBrush(Shadow);
    // Right and below the stem, and below the ledge of the upper row.
    P.drawPolygon(QPolygon({QPoint(Width - 2, 1), QPoint(Width - 5, 3),
                            QPoint(Width - 5, Height - 7), QPoint(Notch + 5, Height - 7),
                            QPoint(Notch + 1, Height - 2), QPoint(Width - 2, Height - 2)}));
    P.drawPolygon(QPolygon({QPoint(5, Upper - 6), QPoint(Notch + 5, Upper - 6),
                            QPoint(Notch + 1, Upper - 2), QPoint(1, Upper - 2)}));
    P.setPen(Qt::black);
    P.setFont(PixelFont("Arial", std::max(1, int(RoundedQuotient(35 * Height, 200))), true));
    DrawTextAt(P, 7, int(RoundedQuotient(Height, 8)), QStringLiteral("Enter"));
    return Picture;
}

TKeyboard::TKeyboard(QWidget* Owner, const TKeyData* Layout) : QWidget(Owner), FLayout(Layout) {
    setObjectName(QStringLiteral("Keyboard"));
    setAttribute(Qt::WA_NoSystemBackground);
    RebuildAll();
}

void TKeyboard::SetKeyFace(const QPixmap& Pattern) {
    FKeyFace = Pattern;
    RebuildAll();
}

void TKeyboard::SetBackground(const QColor& Color) {
    FBackground = Color;
    // A solid background covers the parent, which then need not paint under the keys.
    setAttribute(Qt::WA_OpaquePaintEvent, Color.alpha() == 255);
    update();
}

int TKeyboard::MarkLevel(int Position) const {
    return Position >= 1 && Position <= kpCount ? FLevels[size_t(Position)] : 0;
}

bool TKeyboard::LabelKnown(int Position) const {
    return Position >= 1 && Position <= kpCount && FKnown[size_t(Position)];
}

void TKeyboard::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    RebuildAll();
}

void TKeyboard::LayoutChanged() {
    RebuildAll();
}

void TKeyboard::RebuildAll() {
    RebuildPictures();
    update();
}

void TKeyboard::RebuildPictures() {
    // The keys are measured in the book's units and drawn with the pixels
    // of the screen the keyboard is on.
    FRatio = devicePixelRatioF();
    FGeometry = KeyboardGeometryFor(width(), height());
    FPlainCap =
        RenderKeyFace(1, FGeometry.KeyWidth, FGeometry.KeyHeight, mlPlain, FKeyFace, FRatio);
    FPicture = BlankPicture(width(), height(), FRatio);
    FKeyPictures = {};
    for (int P = 1; P <= kpCount; ++P)
        PaintKey(P);
}

std::vector<TKeyLabel> KeyLabels(const TKeyData* Layout, int Position, int Height) {
    const auto Font = [](int Pixels) { return PixelFont("Arial", std::max(1, Pixels), true); };
    if (Position > 48) {
        const char* Label = Position == kpLeftShift || Position == kpRightShift ? "Shift"
                            : Position == kpAltGr                               ? "Alt Gr"
                                                                                : nullptr;
        if (!Label) return {};
        return {
            {QString::fromLatin1(Label), Font(Scaled(Height, 35)), QPoint(7, Scaled(Height, 25))}};
    }
    if (!Layout || Position < 1) return {};
    const TKeyData::TKey& Key = Layout->Key(Position);
    if (Key.Base == ' ') return {};
    const char Capital = UpperCase(std::string(1, Key.Base))[0];
    if (Key.Shift == Capital)
        return {{Latin1Char(Capital), Font(Scaled(Height, 50)), QPoint(6, 3)}};
    // The Shift character above, the base character at the bottom.
    const int BaseHeight =
        Key.Base == ',' || Key.Base == '.' ? Scaled(Height, 50) : Scaled(Height, 35);
    return {{Latin1Char(Key.Shift), Font(Scaled(Height, 35)), QPoint(7, 4)},
            {Latin1Char(Key.Base), Font(BaseHeight), QPoint(7, Height - BaseHeight - 7)}};
}

void TKeyboard::DrawLabel(QPainter& P, int Position, int H) const {
    P.setPen(Position > 48 || FKnown[size_t(Position)] ? QColor(Qt::black) : Silver);
    for (const TKeyLabel& Label : KeyLabels(FLayout, Position, H)) {
        P.setFont(Label.Font);
        DrawTextAt(P, Label.At.x(), Label.At.y(), Label.Text);
    }
}

QImage TKeyboard::RenderKey(int Position) const {
    const QRect& R = FGeometry.Keys[size_t(Position)];
    const int W = R.width();
    const int H = R.height();
    const int Level = FLevels[size_t(Position)];
    QImage Picture;
    if (Position == kpEnter)
        Picture = RenderEnterFace(W, H, FGeometry.EnterNotch, Level, FKeyFace, FRatio);
    else if (Position <= 48 && Level != mlHighlighted && W == FGeometry.KeyWidth &&
             H == FGeometry.KeyHeight)
        Picture = FPlainCap.copy();
    else
        Picture = RenderKeyFace(Position, W, H, Level, FKeyFace, FRatio);
    if (W <= 0 || H <= 0) return Picture;
    QPainter P(&Picture);
    if (Position == 29 || Position == 32) {
        // The homing bar under the index fingers.
        const int Bar = Scaled(FGeometry.KeyWidth, 15);
        const int X = (FGeometry.KeyWidth - Bar) / 2;
        const int Y = Scaled(FGeometry.KeyHeight, 65);
        P.setPen(Qt::white);
        P.drawLine(X, Y, X + Bar, Y);
        P.setPen(Silver);
        P.drawLine(X + 1, Y + 1, X + Bar + 1, Y + 1);
    }
    DrawLabel(P, Position, H);
    if (Level == mlMarked) DrawMark(P, Position == kpEnter ? FGeometry.EnterNotch + 5 : 5, W, H);
    return Picture;
}

void TKeyboard::DrawKey(int Position) {
    update(PaintKey(Position));
}

QRegion TKeyboard::PaintKey(int Position) {
    if (Position < 1 || Position > kpCount) return QRegion();
    const QRect& R = FGeometry.Keys[size_t(Position)];
    const bool Pressed = FLayout && FPressed != 0 && KeyPosition(*FLayout, FPressed) == Position;
    const QRect Area(R.left(), R.top(), R.width() + 1, R.height() + 1);
    {
        QPainter P(&FPicture);
        P.setCompositionMode(QPainter::CompositionMode_Source);
        P.fillRect(Area, Qt::transparent);
        P.setCompositionMode(QPainter::CompositionMode_SourceOver);
        QImage& Picture = FKeyPictures[size_t(Position)][size_t(FLevels[size_t(Position)])];
        if (Picture.isNull()) Picture = RenderKey(Position);
        P.drawImage(R.topLeft() + (Pressed ? QPoint(1, 1) : QPoint(0, 0)), Picture);
    }
    // Enter's picture covers the end of the home row.
    if (Position == kpEnter) return PaintKey(37) + Area;
    return Area;
}

void TKeyboard::paintEvent(QPaintEvent* Event) {
    // On a screen of another density (the window was moved) the keys are
    // made again for its pixels rather than blown up or shrunk.
    if (FRatio != devicePixelRatioF()) RebuildPictures();
    QPainter P(this);
    if (FBackground.alpha() > 0) P.fillRect(Event->rect(), FBackground);
    // The painter is clipped to the area asked for: only that is copied.
    P.drawImage(0, 0, FPicture);
}

void TKeyboard::PressKey(char C) {
    if (C == FPressed) return;
    const int Old = FLayout && FPressed ? KeyPosition(*FLayout, FPressed) : -1;
    FPressed = C;
    const int New = FLayout && C ? KeyPosition(*FLayout, C) : -1;
    if (Old > 0) DrawKey(Old);
    if (New > 0 && New != Old) DrawKey(New);
}

void TKeyboard::SetLevels(const std::array<int, kpCount + 1>& Levels) {
    for (int P = 1; P <= kpCount; ++P) {
        if (FLevels[size_t(P)] == Levels[size_t(P)]) continue;
        FLevels[size_t(P)] = Levels[size_t(P)];
        DrawKey(P);
    }
}

void TKeyboard::MarkKeys(const std::string& Expected, const std::string& Wrong) {
    std::array<int, kpCount + 1> Levels{};
    if (FLayout) {
        for (char C : Wrong) {
            const int P = KeyPosition(*FLayout, C);
            if (P > 0) Levels[size_t(P)] = mlMarked;
        }
        // Highlighting comes last: a key both expected and wrong stays highlighted.
        for (char C : Expected) {
            const int P = KeyPosition(*FLayout, C);
            if (P <= 0) continue;
            Levels[size_t(P)] = mlHighlighted;
            if (const int Modifier = FLayout->ModifierOf(C))
                Levels[size_t(48 + Modifier)] = mlHighlighted;
        }
    }
    SetLevels(Levels);
}

void TKeyboard::ClearMarks() {
    SetLevels({});
}

void TKeyboard::SetKnownKeys(const std::string& S) {
    if (!FLayout) return;
    for (char C : S) {
        const int P = KeyPosition(*FLayout, C);
        if (P <= 0 || FKnown[size_t(P)]) continue;
        FKnown[size_t(P)] = true;
        FKeyPictures[size_t(P)] = {};
        DrawKey(P);
    }
}

void TKeyboard::ShowAllLabels() {
    FKnown.fill(true);
    RebuildAll();
}

QPixmap TKeyboard::KeyCapPicture(const std::string& Caption, int Height, int Width,
                                 int Level) const {
    QImage Picture = RenderKeyFace(1, Width, Height, Level, FKeyFace, devicePixelRatioF());
    if (Width > 0 && Height > 0) {
        QPainter P(&Picture);
        P.setPen(Qt::black);
        P.setFont(PixelFont("Times New Roman", std::max(1, Scaled(Height, 65)), true));
        P.drawText(QRect(0, 0, Width, Height), Qt::AlignCenter,
                   QString::fromLatin1(Caption.c_str(), int(Caption.size())));
        if (Level == mlMarked) DrawMark(P, 5, Width, Height);
    }
    return QPixmap::fromImage(Picture);
}

int TKeyboard::KeyAt(const QPoint& Point) const {
    for (int P = 1; P <= kpCount; ++P) {
        const QRect& R = FGeometry.Keys[size_t(P)];
        if (Point.x() >= R.left() && Point.x() <= R.left() + R.width() && Point.y() >= R.top() &&
            Point.y() <= R.top() + R.height())
            return P;
    }
    return -1;
}

void TKeyboard::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() != Qt::LeftButton) return QWidget::mousePressEvent(Event);
    const int P = KeyAt(Event->position().toPoint());
    if (P < 0) {
        if (OnClick) OnClick(this);
        return;
    }
    char C = 0;
    if (P <= 48)
        C = FLayout ? FLayout->Key(P).Base : 0;
    else if (P == kpSpace)
        C = ' ';
    else if (P == kpBackspace)
        C = '\b';
    else if (P == kpEnter)
        C = '\r';
    // Shift, Alt, Ctrl, Tab and Caps Lock type nothing, and a key without a
    // character at its base level neither.
    if (C == 0 || (C == ' ' && P != kpSpace)) return;
    PressKey(C);
    if (OnKeyPress) OnKeyPress(this, C);
}

void TKeyboard::mouseReleaseEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton) PressKey(0);
    QWidget::mouseReleaseEvent(Event);
}
