// One word on an exercise canvas: its text, where it stands and how it looks.
#pragma once

#include <QColor>

#include <cstddef>
#include <string>

class TWordInfo {
public:
    // Longer words are cut to this many characters.
    static constexpr std::size_t MaxLength = 70;

    std::string Text;     // at most MaxLength Latin-1 characters
    bool LineEnd = false; // last word of its line: Enter is expected after it
    int X = 0;            // left pixel
    int Row = 0;          // 1 = top row; 0 or less: scrolled out
    QColor Color = Qt::black;
    unsigned char Mark = 0; // 0 none, 1 solid underline, 2 dotted underline
    int Offset = 0;         // offset in the source text of the separators before the word

    void SetText(const std::string& S) { Text = S.size() > MaxLength ? S.substr(0, MaxLength) : S; }

    // Takes the look and place of Source (everything but Offset).
    void Assign(const TWordInfo& Source) {
        Text = Source.Text;
        X = Source.X;
        Row = Source.Row;
        Color = Source.Color;
        Mark = Source.Mark;
        LineEnd = Source.LineEnd;
    }
};
