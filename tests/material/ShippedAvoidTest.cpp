// The avoid list: which words and forms it keeps out in each language and
// which innocent look-alikes it lets through, and that no shipped text holds
// an avoided word in any form: course texts and messages, stories, game
// vocabularies and revision banks (read with the program's record reader).
#include "files/TFile.h"
#include "files/TRecFile.h"
#include "files/TTextFile.h"
#include "files/TextUtils.h"
#include "platform/FileNames.h"
#include "tools/coursetool/TAvoidList.h"
#include "tools/coursetool/TCourseScan.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TAvoidList Loaded() {
    TAvoidList List;
    EXPECT_GT(List.Load(CLAVORA_AVOID_LIST), 100);
    return List;
}

TEST(AvoidList, KeepsOutEveryFormOfAnAvoidedWordButNotItsLookAlikes) {
    const TAvoidList List = Loaded();
    struct TCase {
        const char* Language;
        std::vector<std::string> Avoided, Kept;
    };
    const TCase Cases[] = {
        {"en",
         {"kill", "Killed", "killers", "raping", "gunned", "fuckwit", "asses", "tits", "Nazis"},
         {"skill", "butter", "titter", "heroine", "spicy", "assess", "class", "jewel", "spy",
          "aids", "begun", "hello", "sexton"}},
        {"de",
         {"Hure", "hurte", "Huren", "geile", "geilsten", "Furz", "furzte", "killen", "Arschloch",
          "Schei\xDFkerl", "t\xF6ten", "ermordet", "Drogen", "verdammt"},
         {"Hund", "Kurs", "hurtig", "dick", "Lust", "Kilo", "schw\xFCl", "Muschel", "leicht",
          "Drogerie", "scheinen", "Spa\xDF", "heil"}},
        {"sv",
         {"hor", "hora", "horor", "jude", "judar", "arier", "ariern", "aids", "spy", "spydde",
          "d\xF6"
          "df\xF6"
          "dd",
          "skallskadad", "j\xE4vla", "idiot", "Porrfilm"},
         {"horn", "hord", "ljud", "judo", "fart", "fick", "slut", "sex", "kille", "drog", "gift",
          "slyngel", "m\xF6rk"}},
    };
    for (const TCase& C : Cases) {
        for (const std::string& W : C.Avoided)
            EXPECT_TRUE(List.Avoids(W, C.Language)) << C.Language << ": " << W;
        for (const std::string& W : C.Kept)
            EXPECT_FALSE(List.Avoids(W, C.Language)) << C.Language << ": " << W;
    }
    EXPECT_EQ(TAvoidList::GuessLanguage("Der Hund und die Katze sind nicht hier."), "de");
    EXPECT_EQ(TAvoidList::GuessLanguage("Hunden och katten \xE4r inte h\xE4r, det \xE4r sant."),
              "sv");
    EXPECT_EQ(TAvoidList::GuessLanguage("The dog and the cat are not here."), "en");
}

// The words of a text file's body, as the events read it.
std::string Body(const std::string& Name) {
    TTextFile F;
    std::string Text;
    if (F.Open(Name, TTextFile::tmRead) == fsOk) F.ReadAll(Text);
    F.Close();
    return Text;
}

std::string Hits(const TAvoidList& List, const std::string& Text, const std::string& Language) {
    std::string Out;
    for (const std::string& W : List.Find(Text, Language))
        Out += (Out.empty() ? "" : " ") + W;
    return Out;
}

TEST(AvoidList, NoShippedTextHoldsAnAvoidedWord) {
    const TAvoidList List = Loaded();
    const std::string App = std::getenv("CLAVORA_APP_DIR");
    const struct {
        const char *Course, *Layout, *Bank;
    } Courses[] = {
        {"Beginner.cnt", "qwerty.kbd", "builder"}, {"Speed.cnt", "qwerty.kbd", "speed"},
        {"Deutsch.cnt", "qwertz.kbd", "deutsch"},  {"Svenska.cnt", "nordic.kbd", "svenska"},
        {"introd.kqs", "qwerty.kbd", nullptr},
    };
    size_t Files = 0;
    for (const auto& C : Courses) {
        const std::string Language = TAvoidList::LanguageOfLayout(C.Layout);
        TCourseScan Course;
        std::string Error;
        ASSERT_TRUE(Course.Load(App + "/" + C.Course, Error)) << Error;
        for (const TScannedChapter& Ch : Course.Chapters()) {
            EXPECT_EQ(Hits(List, Ch.Name, Language), "") << C.Course;
            for (const TScannedExercise& E : Ch.Exercises)
                for (const TScannedEvent& Ev : E.Events) {
                    std::string Source = Ev.Token(3);
                    if (UpperCase(Source.substr(0, 5)) == "FILE:") Source = Source.substr(5);
                    const std::string Text =
                        FileExists(App + "/" + Source) ? Body(App + "/" + Source) : Ev.Line;
                    Files += Text != Ev.Line;
                    EXPECT_EQ(Hits(List, Text, Language), "") << C.Course << ": " << Source;
                }
        }
        if (!C.Bank) continue;
        TRecFile Index, Data;
        ASSERT_EQ(
            Index.Open(App + "/" + C.Bank + ".hdr", TRecFile::rmOpen, TRecFile::rsReadDenyWrite),
            fsOk);
        ASSERT_EQ(
            Data.Open(App + "/" + C.Bank + ".dta", TRecFile::rmOpen, TRecFile::rsReadDenyWrite),
            fsOk);
        for (int32_t E = 0, Entries = Index.RecordCount(10); E < Entries; ++E) {
            int32_t V[5] = {};
            for (int32_t& X : V)
                ASSERT_EQ(Index.ReadInt16(X), fsOk);
            ASSERT_EQ(Data.SeekRecord(V[3], 256), 1);
            for (int32_t I = 0; I < V[4]; ++I) {
                std::string Slot;
                ASSERT_EQ(Data.ReadString(Slot), fsOk);
                EXPECT_EQ(Hits(List, Slot, Language), "") << C.Bank << ": " << Slot;
            }
        }
        ++Files;
    }
    for (const std::string& Name : ListFiles(App + "/*.exm")) {
        const std::string Text = Body(App + "/" + Name);
        EXPECT_EQ(Hits(List, Text, TAvoidList::GuessLanguage(Text)), "") << Name;
        ++Files;
    }
    for (const std::string& Name : ListFiles(App + "/*.vcb")) {
        const std::string Language = Name == "Deutsch.vcb"   ? "de"
                                     : Name == "Svenska.vcb" ? "sv"
                                                             : "en";
        EXPECT_EQ(Hits(List, Body(App + "/" + Name), Language), "") << Name;
        ++Files;
    }
    EXPECT_GT(Files, 400u);
}

} // namespace
