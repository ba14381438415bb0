#include "tools/coursetool/TPictureText.h"

#include "keyboard/TKeyData.h"

#include <set>

namespace {

struct TWords {
    const char* Title;
    const char* Left;
    const char* Right;
    const char* Fingers[5]; // little, ring, middle, index, thumb
    const char* HoldShift;
    const char* HoldAltGr;
};

const TWords& WordsFor(const std::string& Language) {
    static const TWords En = {"New keys",
                              "left",
                              "right",
                              {"little", "ring", "middle", "index", "thumb"},
                              "hold Shift with the other hand",
                              "hold Alt Gr with the right thumb"};
    static const TWords De = {
        "Neue Tasten",
        "links",
        "rechts",
        {"kleiner Finger", "Ringfinger", "Mittelfinger", "Zeigefinger", "Daumen"},
        "Umschalttaste mit der anderen Hand halten",
        "Alt Gr mit dem rechten Daumen halten"};
    static const TWords Sv = {
        "Nya tangenter",
        "v\xC3\xA4nster",
        "h\xC3\xB6ger",
        {"lillfinger", "ringfinger", "l\xC3\xA5ngfinger", "pekfinger", "tumme"},
        "h\xC3\xA5ll skift med andra handen",
        "h\xC3\xA5ll Alt Gr med h\xC3\xB6ger tumme"};
    return Language == "de" ? De : Language == "sv" ? Sv : En;
}

void Add(std::string& List, const std::string& Item) {
    List += (List.empty() ? "" : ", ") + Item;
}

} // namespace

TPictureText PictureText(const TKeyData& Layout, const std::string& New,
                         const std::string& Language) {
    const TWords& Words = WordsFor(Language);
    TPictureText T;
    T.Title = Words.Title;
    std::set<int> Fingers;
    for (char C : New) {
        if (Layout.KeyOf(C) < 1) continue;
        Fingers.insert(Layout.FingerOf(C));
        const int Mod = Layout.ModifierOf(C);
        if (Mod == 1 || Mod == 2) T.Shift = T.Shift && T.Shift != Mod ? 3 : Mod;
        if (Mod == 4) T.AltGr = true;
    }
    // Fingers 1-4 are the left hand's from the little finger in, 5-8 the
    // right hand's from the index finger out.
    const int Slot[9] = {0, 0, 1, 2, 3, 3, 2, 1, 0};
    std::string Left, Right;
    for (int F : Fingers)
        if (F >= 1 && F <= 8) Add(F <= 4 ? Left : Right, Words.Fingers[Slot[F]]);
    if (T.AltGr) Add(Right, Words.Fingers[4]);
    if (!Left.empty()) T.Legend = std::string(Words.Left) + ": " + Left;
    if (!Right.empty())
        T.Legend += (T.Legend.empty() ? "" : "\n") + std::string(Words.Right) + ": " + Right;
    if (T.Shift) T.Note = Words.HoldShift;
    if (T.AltGr) T.Note += (T.Note.empty() ? "" : "\n") + std::string(Words.HoldAltGr);
    return T;
}
