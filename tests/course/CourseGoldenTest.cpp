// The contents loader against golden files: each folder under golden/ holds
// a contents file "course.cnt" and "expected.txt", the structure the loader
// must build from it, written out for the lesson lengths 25, 35, 45 and 0
// (free), then as a header-only load. Broken files expect the messages
// shown or the input error that abandons the load.
//
// Adding a case means adding a folder. CLAVORA_GOLDEN_WRITE=1 writes the
// structure the loader builds now into expected.txt, to be checked by hand.
#include "course/TContents.h"
#include "files/InputError.h"
#include "platform/Dialogs.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"
#include "users/TUser.h"

#include <gtest/gtest.h>

#include <QDir>

#include <cstdlib>
#include <sstream>

namespace {

const std::string GoldenDir = CLAVORA_GOLDEN_DIR;

std::string Quoted(const std::string& S) {
    return "\"" + S + "\"";
}

void DescribeCourse(std::ostream& Out, const TContents& Course) {
    Out << "course " << Quoted(Course.ContentsName) << " default " << Course.DefaultTime
        << " keyboard " << Quoted(Course.Keyboard) << " wizard " << Quoted(Course.WizardName)
        << "\n";
    Out << "groups";
    for (const std::string& Group : CurrentUser->FKeyGroups)
        Out << " " << Quoted(Group);
    Out << "\nchapter count " << CurrentUser->FChapterCount << "\n";
    for (const auto& Chapter : Course.Chapters) {
        Out << "chapter " << Chapter->Number << " " << Quoted(Chapter->Name) << " minutes "
            << Chapter->Minutes << " picture " << Quoted(Chapter->Picture) << " extradesc "
            << Quoted(Chapter->ExtraDesc) << "\n";
        for (const auto& Exercise : Chapter->Exercises) {
            Out << "  exercise " << Exercise->Name << " " << Quoted(Exercise->Type) << " duration "
                << Exercise->Duration << " groups " << Exercise->KnownGroups << " minutes "
                << Exercise->Minutes << "\n";
            for (const auto& Event : Exercise->Events)
                Out << "    event " << Event->Keyword << " weight " << Event->Weight << " limit "
                    << Event->TimeLimit << " groups " << Event->KnownGroups << "\n";
        }
    }
}

// Loads the case's course as it stands in Dir and writes out what came of it.
void LoadAndDescribe(std::ostream& Out, bool HeaderOnly) {
    ClearDialogLog();
    try {
        int32_t Status = 0;
        TContents Course("course.cnt", Status, HeaderOnly);
        Out << "status " << Status << "\n";
        DescribeCourse(Out, Course);
    } catch (const EInputError& Error) {
        std::string Text = Error.what();
        for (char& C : Text)
            if (C == '\r' || C == '\n') C = '|';
        Out << "input error " << Text << "\n";
    }
    for (const TDialogRequest& Request : DialogLog())
        Out << "message " << Quoted(Request.Text) << "\n";
}

std::string Describe(const std::string& Case) {
    TScopedTempDir Dir;
    const QDir Source(QString::fromStdString(GoldenDir + "/" + Case));
    for (const QString& Name : Source.entryList(QDir::Files))
        if (Name != QLatin1String("expected.txt"))
            WriteFileBytes(Dir / Name.toStdString(),
                           ReadFileBytes(Source.filePath(Name).toStdString()));
    std::ostringstream Out;
    for (int Lesson : {25, 35, 45, 0}) {
        SetCurrentUser(std::make_unique<TUser>("Golden"));
        CurrentUser->FLessonMinutes = Lesson;
        Out << "[lesson " << Lesson << "]\n";
        LoadAndDescribe(Out, false);
    }
    SetCurrentUser(std::make_unique<TUser>("Golden"));
    Out << "[header only]\n";
    LoadAndDescribe(Out, true);
    return Out.str();
}

class CourseGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(CourseGolden, LoadsAsWrittenOut) {
    TSeamGuard Seams;
    SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
    const std::string Expected = GoldenDir + "/" + GetParam() + "/expected.txt";
    const std::string Actual = Describe(GetParam());
    if (std::getenv("CLAVORA_GOLDEN_WRITE")) WriteFileBytes(Expected, Actual);
    EXPECT_EQ(Actual, ReadFileBytes(Expected));
}

std::vector<std::string> Cases() {
    std::vector<std::string> Names;
    for (const QString& Name :
         QDir(QString::fromStdString(GoldenDir)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        Names.push_back(Name.toStdString());
    return Names;
}

INSTANTIATE_TEST_SUITE_P(Cases, CourseGolden, ::testing::ValuesIn(Cases()), [](const auto& Info) {
    std::string Name = Info.param;
    for (char& C : Name)
        if (!isalnum(static_cast<unsigned char>(C))) C = '_';
    return Name;
});

} // namespace
