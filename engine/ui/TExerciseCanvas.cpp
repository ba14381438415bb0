#include "engine/ui/TExerciseCanvas.h"

#include "engine/WordLayout.h"
#include "platform/Latin1.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

TExerciseCanvas::TExerciseCanvas(QWidget* Parent) : QWidget(Parent) {
    // Paint fills what it repaints; Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(200, 200);
    QPalette Colors = palette();
    Colors.setColor(QPalette::Window, Qt::white);
    Colors.setColor(QPalette::WindowText, Qt::black);
    setPalette(Colors);
    setFont(QFont(QStringLiteral("Arial"), 13, QFont::Bold));
    FontChanged();
}

TExerciseCanvas::~TExerciseCanvas() = default;

QColor TExerciseCanvas::FontColor() const {
    return palette().color(QPalette::WindowText);
}

void TExerciseCanvas::SetFontColor(const QColor& Color) {
    QPalette Colors = palette();
    Colors.setColor(QPalette::WindowText, Color);
    setPalette(Colors); // the palette change notifies FontChanged
}

QColor TExerciseCanvas::BackColor() const {
    return palette().color(QPalette::Window);
}

void TExerciseCanvas::SetBackColor(const QColor& Color) {
    QPalette Colors = palette();
    Colors.setColor(QPalette::Window, Color);
    setPalette(Colors);
    update();
}

std::string TExerciseCanvas::WordAt(int Offset) const {
    const long long Index = static_cast<long long>(FCurrent) + Offset;
    if (Index < 0 || Index >= static_cast<long long>(FWords.size())) return std::string();
    return FWords[size_t(Index)].Text;
}

std::string TExerciseCanvas::CurrentTarget() const {
    if (FCurrent < 0 || FCurrent >= WordCount()) return std::string();
    const TWordInfo& Word = FWords[size_t(FCurrent)];
    if (FCursor < 0 || Word.Text.empty()) return Word.Text;
    if (size_t(FCursor) < Word.Text.size()) return std::string(1, Word.Text[size_t(FCursor)]);
    return Word.LineEnd ? "\r" : " ";
}

void TExerciseCanvas::Clear() {
    FWords.clear();
    FPenX = CanvasLeft;
    FPenRow = 1;
    update();
}

TWordInfo& TExerciseCanvas::AddWord(const std::string& S) {
    TWordInfo& Word = FWords.emplace_back();
    Word.SetText(S);
    Word.X = FPenX;
    Word.Row = FPenRow;
    Word.Color = FontColor();
    return Word;
}

bool TExerciseCanvas::NewLine() {
    if (CanvasFull(FPenRow, FFontHeight, height())) return true;
    FPenX = CanvasLeft;
    FPenRow += 1;
    return false;
}

void TExerciseCanvas::FontChanged() {
    FFont = font();
    // Text keeps its pixel size on screens with more pixels per inch.
    const double Scale = logicalDpiY() / 96.0;
    if (FFont.pointSizeF() > 0 && Scale > 0 && std::abs(Scale - 1.0) > 1e-9)
        FFont.setPointSize(std::max(1, int(std::lround(FFont.pointSizeF() / Scale))));
    FFont.setKerning(false);
    FFontHeight = std::max(1, QFontInfo(FFont).pixelSize());
    const QFontMetricsF Metrics(FFont);
    FAscent = qRound(Metrics.ascent());
    FGlyphFont = FFont;
    FGlyphFont.setBold(false);
    FGlyphFont.setUnderline(true);
    const QFontMetricsF GlyphMetrics(FGlyphFont);
    FGlyphAscent = qRound(GlyphMetrics.ascent());
    for (int C = 0; C < 256; ++C) {
        FAdvance[C] = Metrics.horizontalAdvance(QChar(C));
        FGlyphAdvance[C] = GlyphMetrics.horizontalAdvance(QChar(C));
    }
    FRegularFont = FFont;
    FRegularFont.setBold(false);
    FRegularFont.setItalic(false);
    FRegularFont.setUnderline(false);
    FRegularAscent = qRound(QFontMetricsF(FRegularFont).ascent());
    FSpaceWidth = TextWidth(" ");
    FShaped.clear();
    if (FCurrent >= 0 && FCurrent < WordCount()) FWords[size_t(FCurrent)].Color = FontColor();
    update();
}

int TExerciseCanvas::RowTop(int Row) const {
    return ::RowTop(Row, FFontHeight);
}

int TExerciseCanvas::RowBandHeight() const {
    return ::RowBandHeight(FFontHeight);
}

bool TExerciseCanvas::Overflows(int X) const {
    return ::Overflows(X, width());
}

int TExerciseCanvas::Measure(const double (&Advance)[256], const std::string& S) {
    double Sum = 0;
    for (unsigned char C : S)
        Sum += Advance[C];
    return int(std::lround(Sum));
}

const QStaticText& TExerciseCanvas::Shaped(const std::string& S) const {
    auto Found = FShaped.find(S);
    if (Found != FShaped.end()) return Found->second;
    if (FShaped.size() >= 2048) FShaped.clear();
    QStaticText& Text = FShaped[S];
    Text.setTextFormat(Qt::PlainText);
    Text.setText(ToQ(S));
    Text.prepare(QTransform(), FFont);
    return Text;
}

int TExerciseCanvas::TextWidth(const std::string& S) const {
    return Measure(FAdvance, S);
}

QRect TExerciseCanvas::WordRect(const TWordInfo& Word, int Erase) const {
    // The highlight circle may stand out of a narrow glyph by half its side.
    const int Margin = std::max(FSpaceWidth, CircleSide(FFontHeight) / 2 + 1);
    const int Left = Word.X - Margin;
    int Right = Word.X + TextWidth(Word.Text);
    if (Erase != 1) Right += TextWidth("  ") + Margin - FSpaceWidth;
    if (Word.LineEnd) Right += TextWidth("  ");
    return QRect(Left, RowTop(Word.Row), Right - Left, RowBandHeight());
}

void TExerciseCanvas::InvalidateWord(const TWordInfo& Word, int Erase) {
    if (Word.Text.empty() && Erase == 0) return;
    update(WordRect(Word, Erase));
}

void TExerciseCanvas::DrawWordAt(int Index, int Erase) {
    if (Index < 0 || Index >= WordCount()) return;
    InvalidateWord(FWords[size_t(Index)], Erase);
}

void TExerciseCanvas::DrawWord(QPainter& P, const TWordInfo& Word, int Erase, int ACursor,
                               bool AHighlight) const {
    if (Word.Text.empty() || Word.Row < 1) return;
    const int H = FFontHeight;
    const int Y = RowTop(Word.Row);
    const int Band = RowBandHeight();
    if (Erase > 0) P.fillRect(WordRect(Word, Erase), BackColor());

    if (P.font() != FFont) P.setFont(FFont);
    auto Text = [&P, Y](int X, const std::string& S, const QColor& Color, int Baseline) {
        P.setPen(Color);
        P.drawText(X, Y + Baseline, ToQ(S));
    };

    if (AHighlight && ACursor < 0) {
        const int Width = TextWidth(Word.Text);
        const int EllipseWidth = TextWidth(Word.Text + " ");
        const int Left = Word.X + (Width - EllipseWidth) / 2;
        P.setRenderHint(QPainter::Antialiasing, true);
        P.setPen(Qt::NoPen);
        P.setBrush(HighlightBackColor);
        P.drawEllipse(QRect(Left, Y + (Band - H) / 2, EllipseWidth, H));
        P.setRenderHint(QPainter::Antialiasing, false);
        P.setPen(HighlightTextColor);
        P.drawStaticText(Word.X, Y, Shaped(Word.Text));
    } else if (AHighlight) {
        const size_t Cursor = size_t(ACursor);
        const std::string Before = Word.Text.substr(0, std::min(Cursor, Word.Text.size()));
        int Px = Word.X + TextWidth(Before);
        std::string Glyph;
        bool Blank = false;
        if (Cursor < Word.Text.size())
            Glyph.assign(1, Word.Text[Cursor]);
        else if (Word.LineEnd)
            Glyph = "\xAB";
        else {
            Glyph = "_";
            Blank = true;
            Px -= 2;
        }
        const int GlyphWidth = Blank ? TextWidth(Glyph) : Measure(FGlyphAdvance, Glyph);
        const int Side = CircleSide(H);
        const QRect Square(Px + (GlyphWidth - Side) / 2, Y + (Band - Side) / 2, Side, Side);
        P.fillRect(Square, BackColor());
        P.setRenderHint(QPainter::Antialiasing, true);
        P.setPen(Qt::NoPen);
        P.setBrush(HighlightBackColor);
        P.drawEllipse(Square);
        P.setRenderHint(QPainter::Antialiasing, false);
        if (!Blank) P.setFont(FGlyphFont);
        Text(Px, Glyph, HighlightTextColor, Blank ? FAscent : FGlyphAscent);
        Px += GlyphWidth + (Blank ? 2 : 0);

        // Regular from here on.
        P.setFont(FRegularFont);
        if (Cursor + 1 < Word.Text.size())
            Text(Px, Word.Text.substr(Cursor + 1), RestTextColor, FRegularAscent);
        if (!Before.empty()) Text(Word.X, Before, TypedTextColor, FRegularAscent);
        P.setFont(FFont);
    } else {
        P.setPen(Word.Color);
        P.drawStaticText(Word.X, Y, Shaped(Word.Text));
    }

    if (Word.Mark == 1 || Word.Mark == 2) {
        const int Right = Word.X + TextWidth(Word.Text) - 1;
        P.setPen(QPen(MarkColor, 1, Word.Mark == 1 ? Qt::SolidLine : Qt::DotLine));
        P.drawLine(Word.X, Y + H, Right, Y + H);
        P.drawLine(Word.X, Y + H + 1, Right, Y + H + 1);
    }
}

void TExerciseCanvas::Paint(QPainter& P, const QRect& Dirty) {
    const int Band = RowBandHeight();
    for (int I = 0; I < WordCount(); ++I) {
        const TWordInfo& Word = FWords[size_t(I)];
        const int Top = RowTop(Word.Row);
        if (Top >= Dirty.bottom() + 1 || Top + Band <= Dirty.top()) continue;
        if (!WordRect(Word, 2).intersects(Dirty)) continue;
        if (I == FCurrent && FHighlight)
            DrawWord(P, Word, 0, FCursor, true);
        else
            DrawWord(P, Word, 0, 0, false);
    }
}

void TExerciseCanvas::paintEvent(QPaintEvent* Event) {
    QPainter P(this);
    for (const QRect& R : Event->region())
        P.fillRect(R, BackColor());
    Paint(P, Event->rect());
}

void TExerciseCanvas::changeEvent(QEvent* Event) {
    QWidget::changeEvent(Event);
    if (Event->type() == QEvent::FontChange || Event->type() == QEvent::PaletteChange)
        FontChanged();
}
