// The custom-drawn text control of the exercises: a list of positioned words,
// drawn one word at a time so that typing repaints only the words that change.
#pragma once

#include "engine/TWordInfo.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStaticText>
#include <QWidget>

#include <deque>
#include <string>
#include <unordered_map>

class QPainter;

class TExerciseCanvas : public QWidget {
public:
    explicit TExerciseCanvas(QWidget* Parent = nullptr);
    ~TExerciseCanvas() override;

    // Colours of the highlight, the rest of a highlighted word, typed words
    // and underlines. Set them before the words are drawn.
    QColor HighlightTextColor{128, 0, 0};
    QColor RestTextColor{0, 0, 0};
    QColor HighlightBackColor{255, 255, 128};
    QColor TypedTextColor{128, 128, 128};
    QColor MarkColor{128, 0, 0};

    // The font colour (new words take it) and the background colour.
    QColor FontColor() const;
    void SetFontColor(const QColor& Color);
    QColor BackColor() const;
    void SetBackColor(const QColor& Color);

    const std::deque<TWordInfo>& Words() const { return FWords; }
    int WordCount() const { return int(FWords.size()); }
    int Current() const { return FCurrent; }
    bool Highlight() const { return FHighlight; }
    int Cursor() const { return FCursor; }
    int PenX() const { return FPenX; }
    int PenRow() const { return FPenRow; }

    // The text of word Current + Offset, or "" when there is none.
    std::string WordAt(int Offset) const;
    // What the learner is expected to type next: the whole current word, or
    // in character mode its character at Cursor, past its end "\r" when the
    // word ends its line and " " otherwise. "" when there is no current word.
    std::string CurrentTarget() const;

    // Frees all words and puts the pen back at the top left; repaints.
    virtual void Clear();
    // Appends a word at the pen (cut to 70 characters) in the font colour.
    virtual TWordInfo& AddWord(const std::string& S);
    // Moves the pen to the start of the next row; true (and nothing changes)
    // when the canvas has no room for it.
    virtual bool NewLine();
    // The control's font or font colour changed.
    virtual void FontChanged();

    // Redraws word Index (nothing when out of range) as the canvas state says.
    // Erase 0 redraws the word, 1 its band from the space before it to its
    // end, 2 also two spaces after it.
    void DrawWordAt(int Index, int Erase);
    // Paints one word: Erase > 0 first clears its band; Highlight with ACursor
    // < 0 marks the whole word, with ACursor >= 0 the character at ACursor.
    void DrawWord(QPainter& P, const TWordInfo& Word, int Erase, int ACursor,
                  bool AHighlight) const;
    // The band a word's redraw with Erase covers.
    QRect WordRect(const TWordInfo& Word, int Erase) const;

    // Geometry in the drawing font.
    int FontHeight() const { return FFontHeight; }
    int RowTop(int Row) const;
    int RowBandHeight() const;
    bool Overflows(int X) const;
    int TextWidth(const std::string& S) const;
    const QFont& DrawingFont() const { return FFont; }

protected:
    // Draws every word that meets Dirty.
    virtual void Paint(QPainter& P, const QRect& Dirty);
    // Asks for the band of Word to be redrawn.
    void InvalidateWord(const TWordInfo& Word, int Erase);

    void paintEvent(QPaintEvent* Event) override;
    void changeEvent(QEvent* Event) override;

    std::deque<TWordInfo> FWords;
    int FCurrent = 0;
    bool FHighlight = false;
    int FCursor = -1;
    int FPenX = 3;
    int FPenRow = 1;

private:
    // Sum of the advances of S's characters in a table (kerning is off, so
    // that is what drawing S takes).
    static int Measure(const double (&Advance)[256], const std::string& S);

    QFont FFont;
    int FFontHeight = 17;
    int FAscent = 0;
    int FSpaceWidth = 0;
    double FAdvance[256] = {};
    // The highlighted character is drawn regular and underlined, the rest
    // of its word regular.
    QFont FGlyphFont;
    int FGlyphAscent = 0;
    double FGlyphAdvance[256] = {};
    QFont FRegularFont;
    int FRegularAscent = 0;
    // Words laid out for drawing in the canvas font, by text; emptied when
    // the font changes or when it grows large.
    mutable std::unordered_map<std::string, QStaticText> FShaped;
    const QStaticText& Shaped(const std::string& S) const;
};
