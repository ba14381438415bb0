// Lays out arbitrary bytes on a view canvas and steps through them to the
// end, in the mode and on the canvas size the first two bytes choose; then
// types the same bytes on a typing canvas. Pages are painted into an image
// now and then, so that drawing odd words is covered too.
#include "engine/ui/TTypingCanvas.h"
#include "engine/ui/TViewCanvas.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool Condition) {
    if (!Condition) abort();
}

QApplication& App() {
    static int Argc = 1;
    static char Name[] = "fuzz_canvas";
    static char* Argv[] = {Name, nullptr};
    static QApplication* Instance = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(Argc, Argv);
    }();
    return *Instance;
}

void Paint(QWidget& Canvas, QImage& Image) {
    Canvas.render(&Image);
}

} // namespace

// Fontconfig keeps its caches to the end of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    App();
    if (Size < 2) return 0;
    const int Mode = Data[0] & 3;
    // From a canvas too small for any word up to a wide page.
    const int Width = 4 + (Data[1] & 0x0F) * 40;
    const int Height = 4 + (Data[1] >> 4) * 20;
    const std::string Text(reinterpret_cast<const char*>(Data) + 2, Size - 2);

    QImage Image(Width, Height, QImage::Format_RGB32);
    TViewCanvas View;
    View.resize(Width, Height);
    View.SetMode(Mode);
    View.SetText(Text, int(Data[0] >> 2) - 8);
    Check(View.PageStart() >= 0 && size_t(View.PageStart()) <= Text.size());

    // Every step passes a character or a word, so the text ends within as
    // many steps as it has bytes, plus one per word for its separator.
    const size_t MaxSteps = 2 * Text.size() + 4;
    size_t Steps = 0;
    int LastPage = View.PageStart();
    while (!View.CurrentTarget().empty()) {
        Check(++Steps <= MaxSteps);
        Check(View.WordAt(0).size() <= TWordInfo::MaxLength);
        Check(View.LinePos() >= 0 && size_t(View.LinePos()) <= Text.size());
        if (View.PageStart() != LastPage || Steps == 1) {
            Check(View.PageStart() > LastPage || Steps == 1);
            LastPage = View.PageStart();
            Paint(View, Image);
        }
        View.Advance();
    }
    Check(View.WordAt(0).empty() && View.WordAt(1).empty());

    // The word being typed is kept here, as the typing run keeps it.
    TTypingCanvas Typing;
    std::string Word;
    Typing.Follow(Word);
    Typing.resize(Width, Height);
    for (unsigned char C : Text) {
        if (C == '\b') {
            if (!Word.empty()) Word.pop_back();
            Typing.WordChanged();
        } else if (C == ' ' || C == '\r') {
            const std::string Ended = Word;
            Word.clear();
            Typing.EndWord(C == '\r' ? 1 : 0, C & 3, Ended);
        } else {
            if (Word.size() < TWordInfo::MaxLength) Word += char(C);
            if (Typing.TypeChar(C)) {
                Word.assign(1, char(C));
                Typing.WordChanged();
            }
        }
        Check(Typing.CurrentWord().Text.size() <= TWordInfo::MaxLength);
        Check(Typing.Current() == Typing.WordCount() - 1);
    }
    Paint(Typing, Image);
    return 0;
}
