// The messages of every shipped course, read back: each finger named for a
// key is the finger the course's layout gives that key, and each list of
// words offered to type holds only keys taught by then.
#include "files/TTextFile.h"
#include "files/TextUtils.h"
#include "keyboard/TKeyData.h"
#include "tools/coursetool/TCourseScan.h"
#include "tools/coursetool/TMessageCheck.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace {

std::string MessageText(const std::string& Name) {
    TTextFile F;
    std::string Text;
    if (F.Open(Name, TTextFile::tmRead) == fsOk) F.ReadAll(Text);
    F.Close();
    return Text;
}

TEST(Messages, FingerClaimsAndWordListsAreReadAsALearnerReadsThem) {
    // Finger: 1-4 left little to index, 5-8 right index to little.
    struct TCase {
        const char* Text;
        std::string Keys;          // the keys named, in order
        std::vector<int> Agreeing; // a finger each claim agrees with
    };
    const TCase Cases[] = {
        {"E is typed by the left middle finger and I by the right middle finger.", "EI", {3, 6}},
        {"1 and 2 the left little finger, 0 the right ring finger.", "120", {1, 1, 7}},
        {"D and K belong to the middle fingers.", "DK", {3, 3}},
        {"Put your left index finger on F and your right index finger on J.", "FJ", {4, 5}},
        {"Lege den linken Zeigefinger auf F und den rechten auf J.", "FJ", {4, 5}},
        {"C schreibt der linke Mittelfinger, Y der linke kleine Finger.", "CY", {3, 1}},
        {"Q skriver v\xE4nster lillfinger, 9 h\xF6ger l\xE5ngfinger.", "Q9", {1, 6}},
        {"For a capital such as A, hold Shift with your right little finger.", "", {}},
        {"A reach of 4 keys.", "", {}},
    };
    for (const TCase& C : Cases) {
        const std::vector<TFingerClaim> Claims = FingerClaims(C.Text);
        std::string Keys;
        for (const TFingerClaim& Claim : Claims)
            Keys.push_back(Claim.Key);
        EXPECT_EQ(Keys, C.Keys) << C.Text;
        for (size_t I = 0; I < Claims.size() && I < C.Agreeing.size(); ++I) {
            EXPECT_TRUE(ClaimAgrees(Claims[I], C.Agreeing[I])) << C.Text << ": " << Keys[I];
            // The other hand's finger of the same kind, and a neighbour, disagree
            // unless the message leaves the hand open.
            EXPECT_EQ(ClaimAgrees(Claims[I], 9 - C.Agreeing[I]), Claims[I].Hand == 0) << C.Text;
            EXPECT_FALSE(ClaimAgrees(Claims[I], C.Agreeing[I] % 8 + 1)) << C.Text;
        }
    }
    const std::pair<const char*, std::vector<std::string>> Lists[] = {
        {"New words to try: her, sure, rude, fur and sugar.",
         {"her", "sure", "rude", "fur", "sugar"}},
        {"Neue W\xF6rter: Haus, Rad und Ei.\r\n\r\nMehr nicht.", {"Haus", "Rad", "Ei"}},
        {"The key is Shift and 1: left little finger on 1, right little finger.", {}},
        {"Words: one", {}},
        {"Try these: dad, sad lad.", {}},
    };
    for (const auto& [Text, Words] : Lists)
        EXPECT_EQ(ExampleWords(Text), Words) << Text;
}

struct TShipped {
    const char* File;
    const char* Layout;
    bool Beginner; // introduces every key with its finger
};

class ShippedMessages : public ::testing::TestWithParam<TShipped> {};

TEST_P(ShippedMessages, NameTheLayoutsFingerAndOfferOnlyTaughtKeys) {
    const char* App = std::getenv("CLAVORA_APP_DIR");
    ASSERT_NE(App, nullptr);
    ASSERT_EQ(chdir(App), 0);
    TCourseScan Course;
    std::string Error;
    ASSERT_TRUE(Course.Load(GetParam().File, Error)) << Error;
    TKeyData Layout;
    ASSERT_EQ(Layout.Load(GetParam().Layout), 1);
    int Claims = 0;
    for (const TScannedChapter& Ch : Course.Chapters())
        for (const TScannedExercise& E : Ch.Exercises)
            for (const TScannedEvent& Ev : E.Events) {
                std::string Source = Ev.Token(3);
                if (Ev.Keyword() != "MESSAGE" || UpperCase(Source.substr(0, 5)) != "FILE:")
                    continue;
                Source = Source.substr(5);
                const std::string Text = MessageText(Source);
                for (const TFingerClaim& C : FingerClaims(Text)) {
                    ++Claims;
                    const int Finger = Layout.FingerOf(C.Key);
                    EXPECT_TRUE(ClaimAgrees(C, Finger))
                        << Source << ": \"" << C.Phrase << "\" gives " << C.Key
                        << " a finger other than the " << TKeyData::FingerName(Finger);
                }
                const std::string Known = Course.KnownAt(Ev.KnownGroups);
                for (const std::string& W : ExampleWords(Text))
                    EXPECT_EQ(W.find_first_not_of(Known), std::string::npos)
                        << Source << ": \"" << W << "\" needs keys not taught by then";
            }
    if (GetParam().Beginner) {
        EXPECT_GT(Claims, 10);
    }
}

const TShipped Shipped[] = {
    {"Beginner.cnt", "qwerty.kbd", true}, {"Speed.cnt", "qwerty.kbd", false},
    {"Deutsch.cnt", "qwertz.kbd", true},  {"Svenska.cnt", "nordic.kbd", true},
    {"introd.kqs", "qwerty.kbd", false},
};

INSTANTIATE_TEST_SUITE_P(Courses, ShippedMessages, ::testing::ValuesIn(Shipped),
                         [](const auto& Info) {
                             std::string N = Info.param.File;
                             return N.substr(0, N.find('.'));
                         });

} // namespace
