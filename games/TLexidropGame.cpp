#include "games/TLexidropGame.h"

#include "files/InputError.h"
#include "files/TTextFile.h"
#include "games/TtopTen.h"
#include "platform/FileNames.h"

#include <algorithm>
#include <cmath>

TStringList TLexidropGame::Vocabulary(const TStringList& Lines) {
    TStringList Out;
    for (const std::string& Line : Lines) {
        const std::string Word = Trim(Line);
        if (Word.empty() || Word.size() > MaxWordLength) continue;
        Out.push_back(Word);
    }
    return Out;
}

bool TLexidropGame::ReadVocabulary(const std::string& FileName, TStringList& Lines) {
    Lines.clear();
    // A vocabulary is material: a name from outside the program's folders
    // is no vocabulary.
    if (!IsMaterialName(FileName)) return false;
    TTextFile File;
    try {
        if (File.Open(FileName, TTextFile::tmRead) != fsOk) return false;
    } catch (const EInputError&) {
        File.Close();
        return false;
    }
    std::string Line;
    for (;;) {
        const int32_t Read = File.NextLine(Line);
        if (Read == fsOk || (Read == fsEnd && !Line.empty())) Lines.push_back(Line);
        if (Read != fsOk) break;
    }
    File.Close();
    return true;
}

void TLexidropGame::Begin() {
    WordIndex = 0;
    Stack.clear();
    FallRow = 1;
    TypedCount = 1;
    LastRow = 0;
    LoopState = lsIdle;
    GameLevel = MinLevel;
    Score = 0;
    LayRows();
}

std::string TLexidropGame::TypedPart() const {
    if (Words.empty()) return "";
    return CurrentWord().substr(0, size_t(std::max(0, TypedCount - 1)));
}

std::string TLexidropGame::RestPart() const {
    if (Words.empty()) return "";
    const size_t From = size_t(std::max(0, TypedCount - 1));
    return From < CurrentWord().size() ? CurrentWord().substr(From) : std::string();
}

void TLexidropGame::LayRows() {
    for (std::string& Row : Rows)
        Row.clear();
    if (FallRow >= 1 && FallRow <= RowCount && !Words.empty()) Rows[FallRow] = CurrentWord();
    // The oldest at the bottom, each newer one a row above.
    for (size_t I = 0; I < Stack.size() && int(I) < RowCount; ++I)
        Rows[RowCount - int(I)] = Stack[I];
}

TLexidropGame::TFall TLexidropGame::FallStep() {
    // A finished word waits for the loop to start the next one.
    if (FallRow == 0 || Words.empty() || WordDone() || Over()) return fNone;
    Rows[FallRow].clear();
    FallRow += 1;
    if (FallRow <= LowestFreeRow()) {
        Rows[FallRow] = CurrentWord();
        return fMoved;
    }
    FallRow = 0;
    Stack.push_back(CurrentWord());
    LastRow = MissedRow;
    LayRows();
    if (int(Stack.size()) >= StackLimit) {
        LoopState = lsGameOver;
        return fGameOver;
    }
    LoopState = lsNextWord;
    return fLanded;
}

TLexidropGame::TKey TLexidropGame::TypeChar(char Ch, char& Expected) {
    Expected = 0;
    if (FallRow == 0 || Words.empty() || WordDone() || Over()) return kIgnored;
    Expected = CurrentWord()[size_t(TypedCount - 1)];
    if (Ch != Expected) return kWrong;
    TypedCount += 1;
    if (!WordDone()) return kRight;
    LoopState = lsNextWord;
    Score = TtopTen::Capped(Score + WordPoints(GameLevel));
    LastRow = FallRow;
    return kWordDone;
}

int TLexidropGame::NextWord() {
    WordIndex = WordIndex + 1 >= int32_t(Words.size()) ? 0 : WordIndex + 1;
    FallRow = 1;
    TypedCount = 1;
    LoopState = lsIdle;
    LayRows();
    AdjustLevel();
    return FallInterval(CurrentWord().size(), GameLevel);
}

void TLexidropGame::AdjustLevel() {
    const int M = RowCount - 1 - int(Stack.size());
    float Level = GameLevel;
    if (LastRow > RowCount)
        Level -= 2.5f;
    else if (LastRow < M - 5)
        Level += 0.5f;
    else
        Level += 0.1f + 0.4f * float(M - LastRow) / float(M);
    GameLevel = std::clamp(Level, MinLevel, MaxLevel);
}

int TLexidropGame::FallInterval(size_t Length, float Level) {
    // In thousandths, so that the levels of whole and half steps give exact
    // products: 1300 at level 1, 250 at level 7.
    const double Factor = std::max(1300.0 - 175.0 * (double(Level) - 1.0), MinFallFactor * 1000);
    return int(std::nearbyint(double(Length + 4) * Factor / 10.0));
}

int32_t TLexidropGame::WordPoints(float Level) {
    // A level summed from tenths may lie a hair below a whole number.
    return int32_t(std::floor(double(Level) + 1e-4)) * 10;
}
