#include "keyboard/TKeyData.h"

#include "files/InputError.h"
#include "files/TTextFile.h"
#include "files/TextUtils.h"
#include "platform/Trace.h"

#include <vector>

TKeyData* KeyData = nullptr;

namespace {

// The byte that stands for "nothing at this level" in a layout file.
constexpr char Nothing = char(164);

// The first key number of each row and how many keys it has.
constexpr int32_t RowOffset[5] = {0, 0, 13, 25, 37};

constexpr int8_t Fingers[TKeyData::KeyCount + 1] = {
    0, 1, 1, 1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 8, // digit row
    1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 8, 8,       // upper letter row
    1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 8, 8,       // home row
    1, 1, 2, 3, 4, 4, 5, 5, 6, 7, 8,          // lower letter row
};

const char* const FingerNames[10] = {
    "-",
    "left little finger",
    "left ring finger",
    "left middle finger",
    "left index finger",
    "right index finger",
    "right middle finger",
    "right ring finger",
    "right little finger",
    "thumb",
};

const TKeyData::TKey EmptyKey;

// The header tag naming what a dead key makes.
const char* const DeadKeyTag = "$deadkey";

// Characters no key can stand for: nothing, the space, the line end and the
// layout's placeholder for nothing.
bool Typeable(char C) {
    return C != '\0' && C != ' ' && C != '\r' && C != '\n' && C != Nothing;
}

} // namespace

int32_t TKeyData::KeyNumber(int Row, int Column) {
    if (Row < 1 || Row > 4 || Column < 1) return 0;
    const int32_t Number = RowOffset[Row] + Column;
    return Number <= KeyCount ? Number : 0;
}

int32_t TKeyData::FingerOfKey(int32_t Key) {
    return Key >= 1 && Key <= KeyCount ? Fingers[Key] : -1;
}

const TKeyData::TKey& TKeyData::Key(int32_t Number) const {
    return Number >= 1 && Number <= KeyCount ? FKeys[size_t(Number)] : EmptyKey;
}

int32_t TKeyData::Load(const std::string& FileName) {
    TTextFile File;
    // Fields of the body's lines, with an empty marker at the end of each
    // line; the last line, read with the end status, counts too.
    std::vector<std::string> Items;
    std::vector<std::string> DeadKeys;
    int32_t OpenStatus;
    try {
        OpenStatus = File.Open(FileName, TTextFile::tmRead);
        if (OpenStatus < 0) return OpenStatus;
        for (const auto& [Tag, Value] : File.OtherTags)
            if (Tag == DeadKeyTag) DeadKeys.push_back(Value);
        // Lines after the fourth define nothing, so reading stops there.
        std::string Line;
        int32_t Status;
        int Lines = 0;
        do {
            Status = File.NextLine(Line);
            for (std::string& Field : Split(Line, " "))
                Items.push_back(std::move(Field));
            Items.emplace_back();
        } while (Status > 0 && ++Lines < 4);
    } catch (const EInputError&) {
        // A header tag without its value: the file is not a layout.
        File.Close();
        return fsReadFailed;
    }
    File.Close();

    // What dead keys make belongs to the file: a layout loaded over another
    // keeps none of the other's.
    FComposed.fill({'\0', '\0'});
    FDead.fill(false);
    for (const std::string& Line : DeadKeys) {
        const char Dead = Line.empty() ? '\0' : Line[0];
        if (!Typeable(Dead)) continue;
        FDead[static_cast<unsigned char>(Dead)] = true;
        for (const std::string& Pair : Split(Line.substr(1), " ")) {
            if (Pair.size() != 2 || !Typeable(Pair[0]) || !Typeable(Pair[1])) continue;
            FComposed[static_cast<unsigned char>(Pair[1])] = {Dead, Pair[0]};
        }
    }

    int Row = 1;
    int Column = 0;
    for (const std::string& Item : Items) {
        if (Item.empty()) {
            ++Row;
            Column = 0;
            continue;
        }
        ++Column;
        const auto At = [&Item](size_t I) { return I < Item.size() ? Item[I] : ' '; };
        SetKey(At(0), At(1), At(2), Row, Column);
    }
    if (Tracing()) Trace("layout " + FileName);
    return OpenStatus;
}

void TKeyData::SetKey(char Base, char Shift, char AltGr, int Row, int Column) {
    const int32_t Number = KeyNumber(Row, Column);
    if (Number == 0) return;
    TKey& Key = FKeys[size_t(Number)];
    // The key gives up the characters it gave: a layout loaded over another
    // must not leave, say, a German letter on the US key that took its place.
    for (char Old : {Key.Base, Key.Shift, Key.AltGr})
        if (FCharMap[static_cast<unsigned char>(Old)] == Number)
            FCharMap[static_cast<unsigned char>(Old)] = 0;
    const auto Stored = [](char C) { return C == Nothing ? ' ' : C; };
    Key.Base = Stored(Base);
    Key.Shift = Stored(Shift);
    Key.AltGr = Stored(AltGr);
    // The placeholder for nothing claims no character: otherwise the currency
    // sign would seem to be typed by whichever key had an empty level last.
    for (char C : {Base, Shift, AltGr})
        if (C != '\0' && C != Nothing) FCharMap[static_cast<unsigned char>(C)] = Number;
}

int32_t TKeyData::KeyOf(char C) const {
    if (C == '\0' || C == ' ' || C == '\r') return -1;
    const int32_t Number = FCharMap[static_cast<unsigned char>(C)];
    return Number >= 1 && Number <= KeyCount ? Number : -1;
}

char TKeyData::KeyChar(int Row, int Column, int Level) const {
    const int32_t Number = KeyNumber(Row, Column);
    if (Number == 0) return '\0';
    const TKey& Key = FKeys[size_t(Number)];
    switch (Level) {
    case 0:
        return Key.Base;
    case 1:
    case 2:
        return Key.Shift;
    case 4:
        return Key.AltGr;
    default:
        return '\0';
    }
}

int32_t TKeyData::FingerOf(char C) const {
    if (C == '\r') return 8;
    if (C == ' ') return 9;
    return FingerOfKey(KeyOf(C));
}

bool TKeyData::ComposedOf(char C, char& DeadKey, char& Letter) const {
    const auto& [Dead, Base] = FComposed[static_cast<unsigned char>(C)];
    if (Dead == '\0' || KeyOf(C) > 0) return false;
    DeadKey = Dead;
    Letter = Base;
    return true;
}

int32_t TKeyData::ModifierOf(char C) const {
    const int32_t Number = KeyOf(C);
    if (Number < 0) return 0;
    const TKey& Key = FKeys[size_t(Number)];
    if (C == Key.Shift) return Fingers[Number] <= 4 ? 2 : 1;
    if (C == Key.AltGr) return 4;
    return 0;
}

std::string TKeyData::FingerName(int32_t Finger) {
    return FingerNames[Finger >= 1 && Finger <= 9 ? Finger : 0];
}
