// Every course the program ships, read the way the program reads it: the
// keys of its exercises against the keys taught up to them, every file and
// picture it names, the room a learner's record has, and its load.
#include "course/TContents.h"
#include "files/TTextFile.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "tests/support/TSeamGuard.h"
#include "tools/coursetool/TCourseScan.h"
#include "tools/coursetool/TCoverage.h"
#include "tools/coursetool/TLayoutChars.h"
#include "users/TUser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <unistd.h>

namespace {

struct TShipped {
    const char* File;
    const char* Layout;
    bool TeachesLayout; // a beginner's course teaches every key of its layout
};

const TShipped Shipped[] = {
    {"Beginner.cnt", "qwerty.kbd", true}, {"Speed.cnt", "qwerty.kbd", true},
    {"Deutsch.cnt", "qwertz.kbd", true},  {"Svenska.cnt", "nordic.kbd", true},
    {"introd.kqs", "qwerty.kbd", false},
};

std::string AppDir() {
    const char* Dir = std::getenv("CLAVORA_APP_DIR");
    return Dir ? Dir : "";
}

// The body of a text file as the events get it.
std::string ReadText(const std::string& Name, bool& Found) {
    TTextFile F;
    Found = F.Open(Name, TTextFile::tmRead) == fsOk;
    std::string Text;
    if (Found) F.ReadAll(Text);
    F.Close();
    return Text;
}

// The width and height in pixels a PNG file's header gives, and the
// resolution its pHYs chunk names in dots per metre (0 without one); all 0
// when it is no PNG.
struct TPng {
    int Width = 0, Height = 0, DotsPerMeter = 0;
    bool operator==(const TPng& O) const {
        return Width == O.Width && Height == O.Height && DotsPerMeter == O.DotsPerMeter;
    }
};
std::ostream& operator<<(std::ostream& Out, const TPng& P) {
    return Out << P.Width << " x " << P.Height << " at " << P.DotsPerMeter << " dots a metre";
}

TPng PngOf(const std::string& Name) {
    std::ifstream In(ResolveFileName(Name), std::ios::binary);
    const std::string Bytes((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
    const auto Byte = [&](size_t At) { return static_cast<unsigned char>(Bytes[At]); };
    const auto Big = [&](size_t At) {
        return int((Byte(At) << 24) | (Byte(At + 1) << 16) | (Byte(At + 2) << 8) | Byte(At + 3));
    };
    TPng Png;
    if (Bytes.size() < 24 || Bytes.compare(1, 3, "PNG") != 0) return Png;
    Png.Width = Big(16);
    Png.Height = Big(20);
    // Chunks: length, type, data, check sum; the resolution comes before the pixels.
    for (size_t At = 8; At + 8 <= Bytes.size();) {
        const size_t Length = size_t(Big(At));
        const std::string Type = Bytes.substr(At + 4, 4);
        if (Type == "IDAT") break;
        if (Type == "pHYs" && At + 17 <= Bytes.size() && Byte(At + 16) == 1)
            Png.DotsPerMeter = Big(At + 8);
        At += 12 + Length;
    }
    return Png;
}

std::string Outside(const std::string& Text, const std::string& Known) {
    std::string Bad;
    for (unsigned char C : Text)
        if (C != ' ' && C != '\r' && C != '\n' && Known.find(char(C)) == std::string::npos &&
            Bad.find(char(C)) == std::string::npos)
            Bad.push_back(char(C));
    return Bad;
}

class ShippedCourse : public ::testing::TestWithParam<TShipped> {
protected:
    void SetUp() override {
        ASSERT_FALSE(AppDir().empty());
        ASSERT_EQ(chdir(AppDir().c_str()), 0);
        std::string Error;
        ASSERT_TRUE(Course.Load(GetParam().File, Error)) << Error;
    }
    TCourseScan Course;
};

TEST_P(ShippedCourse, TeachesKeysOfItsLayoutOnceAndFitsALearnersRecord) {
    std::string Error, LayoutChars, ToTeach;
    ASSERT_TRUE(LayoutCharacters(GetParam().Layout, LayoutChars, Error)) << Error;
    EXPECT_TRUE(Course.CheckLayout(LayoutChars, Error)) << Error;
    if (GetParam().TeachesLayout) {
        ASSERT_TRUE(LayoutKeysToTeach(GetParam().Layout, ToTeach, Error)) << Error;
        EXPECT_EQ(Outside(ToTeach, Course.KnownAt(1000)), "") << "keys never taught";
    }
    for (const char* Tag : {"$description", "$longdesc", "$author", "$copyright", "$version"})
        EXPECT_NE(std::find(Course.HeaderTags().begin(), Course.HeaderTags().end(), Tag),
                  Course.HeaderTags().end())
            << Tag;
    EXPECT_FALSE(Course.Description().empty());
    EXPECT_GE(Course.Chapters().size(), 1u);
    EXPECT_LE(Course.Chapters().size(), 20u);
    for (const TScannedChapter& Ch : Course.Chapters()) {
        EXPECT_LE(Ch.Exercises.size(), 7u) << Ch.Name;
        if (!Ch.Picture.empty()) {
            // The chapter page's 185 x 313 units at two pixels a unit, which
            // the file names as 192 dots per inch (7559 dots a metre).
            EXPECT_EQ(PngOf(Ch.Picture), (TPng{370, 626, 7559})) << Ch.Picture;
        }
        for (const TScannedExercise& E : Ch.Exercises)
            EXPECT_LE(E.Events.size(), 20u) << Ch.Name;
    }
}

TEST_P(ShippedCourse, EveryExerciseUsesOnlyTheKeysTaughtBeforeIt) {
    const std::set<std::string> Keywords = {"MESSAGE", "BUILDER",  "KEYBOARD", "TEXT",
                                            "EXAM",    "LEXIDROP", "BUBBLES",  "NEWKEYS"};
    for (const TScannedChapter& Ch : Course.Chapters())
        for (const TScannedExercise& E : Ch.Exercises)
            for (const TScannedEvent& Ev : E.Events) {
                const std::string Where =
                    std::string(GetParam().File) + " line " + std::to_string(Ev.LineNumber);
                const std::string K = Ev.Keyword();
                ASSERT_TRUE(Keywords.count(K)) << Where;
                const std::string Known = Course.KnownAt(Ev.KnownGroups);
                const std::string Source = Ev.Token(3);
                std::string Text;
                bool Found = true;
                if (K == "LEXIDROP") {
                    Text = ReadText(Source, Found);
                } else if (UpperCase(Source.substr(0, 5)) == "FILE:") {
                    Text = ReadText(Source.substr(5), Found);
                } else if (K == "MESSAGE" || K == "BUBBLES" || K == "BUILDER" ||
                           UpperCase(Source) == "NIL" || UpperCase(Source.substr(0, 4)) == "ASK:") {
                    Text.clear();
                } else {
                    Text = Source;
                }
                EXPECT_TRUE(Found) << Where << ": " << Source << " is missing";
                if (K == "MESSAGE") {
                    const std::string Picture = Ev.Token(5);
                    EXPECT_TRUE(Picture.empty() || FileExists(Picture)) << Where << ": " << Picture;
                    continue;
                }
                if (K == "KEYBOARD" || K == "TEXT" || K == "EXAM" || K == "NEWKEYS" ||
                    K == "LEXIDROP") {
                    EXPECT_FALSE(Text.empty()) << Where << ": no text";
                }
                EXPECT_EQ(Outside(Text, Known), "") << Where << ": keys not yet taught";
            }
}

TEST_P(ShippedCourse, LoadsWithoutAMessage) {
    TSeamGuard Seams;
    SetCurrentUser(std::make_unique<TUser>("Checker"));
    ClearDialogLog();
    SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
    int32_t Status = 99;
    TContents Loaded(GetParam().File, Status);
    EXPECT_EQ(Status, 0);
    EXPECT_TRUE(DialogLog().empty()) << DialogLog().front().Text;
    EXPECT_EQ(Loaded.Chapters.size(), Course.Chapters().size());
    EXPECT_EQ(CurrentUser->FKeyGroups, Course.Groups());
}

TEST_P(ShippedCourse, ExamsAreAMinuteOfTypingWrittenByHandFromTheFourthChapter) {
    int Number = 0, Exams = 0;
    for (const TScannedChapter& Ch : Course.Chapters()) {
        ++Number;
        for (const TScannedExercise& E : Ch.Exercises)
            for (const TScannedEvent& Ev : E.Events) {
                if (Ev.Keyword() != "EXAM") continue;
                ++Exams;
                const std::string Source = Ev.Token(3);
                bool Found = true;
                std::string Text = UpperCase(Source.substr(0, 5)) == "FILE:"
                                       ? ReadText(Source.substr(5), Found)
                                       : Source;
                size_t Typed = 0;
                for (char C : Text)
                    Typed += C != '\r' && C != '\n';
                // About a minute at a beginner's pace.
                EXPECT_GE(Typed, 300u) << GetParam().File << ": " << Source;
                if (Number >= 4) {
                    EXPECT_EQ(GeneratedKind(Source), "")
                        << GetParam().File << ": " << Source << " is a list the tool makes";
                }
            }
    }
    if (GetParam().TeachesLayout) {
        EXPECT_GE(Exams, int(Course.Chapters().size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Courses, ShippedCourse, ::testing::ValuesIn(Shipped),
                         [](const auto& Info) {
                             std::string N = Info.param.File;
                             return N.substr(0, N.find('.'));
                         });

} // namespace
