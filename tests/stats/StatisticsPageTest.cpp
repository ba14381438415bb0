// The statistics page in the running program: a learner who has studied
// three chapters of twelve opens the tab, sees the progress, the difficult
// keys and the chapter graphs, prints the report (written as a PDF, since
// tests have no printer) and leaves with Escape. Also the page of a learner
// without results, and a data folder the report cannot be written to.
#include "tests/support/ProgramFixture.h"

#include "app/TMain.h"
#include "files/TProgramSettings.h"
#include "forms/TGauge.h"
#include "forms/TStatisticsStg.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/ShellOpen.h"
#include "shell/TBookForm.h"
#include "shell/TFormView.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"
#include "users/ui/StudyReport.h"
#include "users/ui/TGraph.h"
#include "users/ui/TStatisticsView.h"

#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

bool Running(const char* Menu) {
    return TMain::RunningMenu == Menu && TFormView::ActiveView() && TFormView::ActiveView()->IsOpen;
}

std::string Text(const QLabel* Label) {
    return Label->text().toStdString();
}

std::string Output(const std::string& Command) {
    std::string Result;
    if (FILE* Pipe = popen(Command.c_str(), "r")) {
        char Buffer[4096];
        size_t Got;
        while ((Got = fread(Buffer, 1, sizeof Buffer, Pipe)) > 0)
            Result.append(Buffer, Got);
        pclose(Pipe);
    }
    return Result;
}

// Runs of spaces made one; none at the ends of lines.
std::string Squeezed(const std::string& Text) {
    std::string Result;
    for (char C : Text) {
        if (C == '\n')
            while (!Result.empty() && Result.back() == ' ')
                Result.pop_back();
        if (C != ' ' || (!Result.empty() && Result.back() != ' ' && Result.back() != '\n'))
            Result += C;
    }
    while (!Result.empty() && Result.back() == ' ')
        Result.pop_back();
    return Result;
}

TStatisticsView* Page() {
    auto* Controller = dynamic_cast<TStatisticsController*>(TMain::StatisticsPage);
    return Controller ? Controller->View() : nullptr;
}

// Strokes of a key, of which some wrong: 4 x the share of errors.
void Type(char Key, int Strokes, int Errors) {
    for (int I = 0; I < Strokes; ++I)
        DifficultKeys->RecordKey(static_cast<unsigned char>(Key), I < Errors);
}

// Anna: chapter 3 of 12 reached, 4 exercises into it, 135 minutes studied,
// results in chapters 1 and 3; seven keys of which j and f are the worst.
void MakeAnna() {
    auto User = std::make_unique<TUser>("Anna");
    User->FChapterCount = 12;
    User->FTopChapter = 3;
    User->FTopExercise = 4;
    User->FTotalMinutes = 135;
    User->FChapterSpeed[1] = 120;
    User->FChapterAccuracy[1] = 91.5f;
    User->FChapterEfficiency[1] = 60;
    User->FChapterSpeed[3] = 180;
    User->FChapterAccuracy[3] = 97;
    User->FChapterEfficiency[3] = 85;
    SetCurrentUser(std::move(User));
    DifficultKeys->SetStudiedKeys("");
    Type('j', 20, 6); // 30 % wrong: 120
    Type('f', 20, 5); // 100
    Type('d', 20, 2); // 40
    Type('k', 20, 2);
    Type('s', 20, 1); // 20
    Type('l', 20, 1);
    Type('a', 40, 1);  // 10
    Type(';', 40, 20); // not a letter: never difficult
    DifficultKeys->Merge();
    std::vector<std::string> Titles;
    for (int I = 1; I <= 12; ++I)
        Titles.push_back(std::to_string(I) + ". Chapter " + std::to_string(I));
    Titles[1] = "2. Quotes, question and exclamation marks, brackets and slashes";
    Page()->Course = [Titles] { return TCourseSummary{"Touch typing for beginners", Titles}; };
}

// Keeps a picture of the book when CLAVORA_TEST_SHOTS names a folder.
void Shot(const std::string& Name) {
    if (const char* Folder = std::getenv("CLAVORA_TEST_SHOTS"))
        BookForm->grab().save(QString::fromStdString(std::string(Folder) + "/" + Name + ".png"));
}

// Where a label's text stands on its page, as its alignment puts it.
QRect TextRect(const QLabel* Label) {
    const QFontMetrics Metrics(Label->font());
    const QSize Size(Metrics.horizontalAdvance(Label->text()), Metrics.height());
    const QRect Inside(Label->mapTo(Label->window(), QPoint(0, 0)), Label->size());
    return QStyle::alignedRect(Qt::LeftToRight, Label->alignment(), Size, Inside);
}

// The distance between two rectangles, 0 when they touch or overlap.
double Apart(const QRect& A, const QRect& B) {
    const int Across = std::max({0, B.left() - A.right() - 1, A.left() - B.right() - 1});
    const int Down = std::max({0, B.top() - A.bottom() - 1, A.top() - B.bottom() - 1});
    return std::hypot(Across, Down);
}

QColor BarColour(TGraph* Graph, int Point) {
    const QImage Shot = Graph->grab().toImage();
    const TGraphGeometry G = Graph->Geometry();
    const TBarRect Bar = G.BarOf(Point);
    return Shot.pixelColor((Bar.Left + Bar.Right) / 2, (Bar.Top + Bar.Bottom) / 2);
}

class StatisticsPageTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        SetShellOpener([this](const std::string& Target) {
            Opened.push_back(Target);
            return true;
        });
        SetReportPrinterSource([] { return nullptr; });
    }
    std::vector<std::string> Opened;
};

} // namespace

TEST_F(StatisticsPageTest, ALearnerSeesProgressAndGraphsAndPrintsTheReport) {
    TDriver Driver;
    std::string Database;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [] {
                MakeAnna();
                ClickWidget(BookForm->MenuInfo);
            })
        .Then(
            "statistics", [] { return Running("MenuInfo") && Page()->KeysGraph(); },
            [&] {
                TStatisticsStg* S = StatisticsStg;
                EXPECT_EQ(BookForm->Title->text().toStdString(), "Statistics");
                // (3 - 1 + 4 / 8) / 12 = 20.8 %; (100 - 21) x 135 / 21 = 507.9 minutes.
                EXPECT_EQ(Text(S->Completed), "21 % completed");
                EXPECT_EQ(S->Completedgraph->Progress(), 21);
                EXPECT_EQ(Text(S->TimeStudied), "2 h 15 min. used");
                EXPECT_EQ(Text(S->TimeLeft), "8 h 28 min. left");
                EXPECT_EQ(Text(S->CharLbl), "[cpm]");
                EXPECT_TRUE(IsShownOnWindow(S->Panel1));
                EXPECT_TRUE(IsShownOnWindow(S->Panel2));
                EXPECT_EQ(S->PrintBtn->parentWidget(), BookForm->TitleConsole);
                EXPECT_TRUE(IsShownOnWindow(S->PrintBtn));

                TGraph* Keys = Page()->KeysGraph();
                EXPECT_EQ(Keys->Data.XLabels,
                          (std::vector<std::string>{"j", "f", "d", "k", "l", "s", "a", ""}));
                EXPECT_EQ(Keys->Data.Values.back(), 0) << "no eighth difficult key";
                EXPECT_TRUE(IsShownOnWindow(Keys));
                // 120 is a full bar in the colour of "Problematic"; 40 is "Good".
                EXPECT_EQ(Keys->Geometry().BarOf(0).Top, Keys->Geometry().Top);
                EXPECT_EQ(BarColour(Keys, 0), QColor(0x80, 0x00, 0x00));
                EXPECT_EQ(BarColour(Keys, 2), QColor(0x00, 0x00, 0x80));

                TGraph* Speed = Page()->SpeedGraph();
                TGraph* Efficiency = Page()->EfficiencyGraph();
                EXPECT_EQ(Speed->Data.PointCount(), 12);
                EXPECT_EQ(Efficiency->Data.PointCount(), 12);
                EXPECT_EQ(Speed->Data.Values[2], 180);
                EXPECT_EQ(Speed->YOf(Speed->Data.Values[1]), -1) << "chapter 2 is off the line";
                Database = std::filesystem::absolute(ResolveFileName(TUser::DatabaseName()))
                               .lexically_normal()
                               .string();
                ClearDialogLog(); // the first start's question
                ClickWidget(S->PrintBtn);
            })
        .Then(
            "told where the report is", [] { return !DialogLog().empty(); },
            [] { PressKey(BookForm, Qt::Key_Escape); })
        .Then(
            "back on guided studying", [] { return Running("MenuGuided"); },
            [] {
                EXPECT_EQ(Page()->KeysGraph(), nullptr) << "the graphs go with the page";
                EXPECT_NE(StatisticsStg->PrintBtn->parentWidget(), BookForm->TitleConsole);
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);

    ASSERT_FALSE(Database.empty());
    const std::string File =
        (std::filesystem::path(Database).parent_path() / "Study Report - Anna.pdf").string();
    ASSERT_TRUE(PathExists(File)) << "the report lies beside the user database " << Database;
    ASSERT_EQ(DialogLog().size(), 1u);
    EXPECT_EQ(DialogLog()[0].Type, mtInformation);
    EXPECT_NE(DialogLog()[0].Text.find(File), std::string::npos) << DialogLog()[0].Text;
    EXPECT_EQ(Opened, std::vector<std::string>{File});

    const std::string Info = Squeezed(Output("pdfinfo '" + File + "'"));
    EXPECT_NE(Info.find("Pages: 1\n"), std::string::npos) << Info;
    EXPECT_NE(Info.find("(A4)"), std::string::npos) << Info;
    const std::string Report = Output("pdftotext -layout '" + File + "' -");
    for (const char* Expected :
         {"Clavora", "Study Report", "Progress", "Student:", "Anna", "Completed:", "21 %",
          "Time used:", "2 h 15 min.", "Time left:", "8 h 28 min.",
          "Course: Touch typing for beginners", "Lesson", "Speed", "Accuracy", "Efficiency",
          "1. Chapter 1", "12. Chapter 12"})
        EXPECT_NE(Report.find(Expected), std::string::npos) << Expected << "\n" << Report;
    // One row per chapter, its figures in the row's line.
    const struct {
        const char* Title;
        const char* Figures;
    } Rows[] = {{"1. Chapter 1", "120 cpm 92 % 60 %"}, // 91.5 to the even 92
                {"3. Chapter 3", "180 cpm 97 % 85 %"},
                {"12. Chapter 12", "- - -"}};
    // A name too long for its column is cut short of the speed column.
    const size_t Long = Report.find("2. Quotes, question");
    ASSERT_NE(Long, std::string::npos) << Report;
    const std::string LongRow = Squeezed(Report.substr(Long, Report.find('\n', Long) - Long));
    EXPECT_EQ(LongRow.find("slashes"), std::string::npos) << LongRow;
    EXPECT_NE(LongRow.find("\u2026 - - -"), std::string::npos) << LongRow;
    for (const auto& Row : Rows) {
        const size_t At = Report.find(std::string(Row.Title) + " ");
        ASSERT_NE(At, std::string::npos) << Row.Title;
        const size_t From = At + strlen(Row.Title);
        EXPECT_EQ(Squeezed(Report.substr(From, Report.find('\n', At) - From)), Row.Figures)
            << Row.Title;
    }
}

TEST_F(StatisticsPageTest, WithoutResultsInWordsPerMinuteOnlyAxesAndLevelsShow) {
    TDriver Driver;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [] {
                Settings->MeasuringUnit = true;
                SetCurrentUser(std::make_unique<TUser>("Ben"));
                CurrentUser->FChapterCount = 0; // no course loaded
                ClickWidget(BookForm->MenuInfo);
            })
        .Then(
            "statistics", [] { return Running("MenuInfo") && Page()->KeysGraph(); },
            [this] {
                TStatisticsStg* S = StatisticsStg;
                EXPECT_EQ(Text(S->Completed), "0 % completed");
                EXPECT_EQ(Text(S->TimeLeft), "? min. left");
                EXPECT_EQ(Text(S->CharLbl), "[wpm]");
                TGraph* Speed = Page()->SpeedGraph();
                EXPECT_EQ(Speed->Data.PointCount(), 0);
                EXPECT_EQ(Page()->EfficiencyGraph()->Data.PointCount(), 0);
                EXPECT_EQ(Speed->Data.LevelValues, (std::vector<float>{15, 30, 45, 70}));
                // Painting with no points fills in the labels, without dividing by zero.
                const QImage Shot = Speed->grab().toImage();
                EXPECT_EQ(Speed->YLabels(), (std::vector<std::string>{"0", "10", "20", "30", "40",
                                                                      "50", "60", "70"}));
                const TGraphGeometry G = Speed->Geometry();
                EXPECT_EQ(Shot.pixelColor(G.Left + 1, G.Bottom - 3), QColor(192, 220, 192));
                EXPECT_EQ(Shot.pixelColor(G.Left, (G.Top + G.Bottom) / 2), QColor(Qt::black))
                    << "the vertical axis";
                for (float V : Page()->KeysGraph()->Data.Values)
                    EXPECT_EQ(V, 0);
                // The course the program loaded at start-up names the chapters:
                // one title per chapter of the shipped course, numbered.
                const TCourseSummary Course = Page()->Course();
                EXPECT_EQ(Course.ContentsName, "Beginner's Course");
                const std::string Cnt = ReadFileBytes(Shipped("Beginner.cnt"));
                size_t Chapters = 0;
                for (size_t At = 0; (At = Cnt.find("\nbegin chapter", At)) != std::string::npos;
                     ++At)
                    ++Chapters;
                EXPECT_GE(Chapters, 1u);
                ASSERT_EQ(Course.ChapterTitles.size(), Chapters);
                for (size_t I = 0; I < Chapters; ++I)
                    EXPECT_EQ(Course.ChapterTitles[I].rfind(std::to_string(I + 1) + ". ", 0), 0u)
                        << Course.ChapterTitles[I];
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(StatisticsPageTest, AReportThatCannotBeWrittenGivesANumberedMessage) {
    // A data folder below a plain file can never be written, not even by root.
    WriteFileBytes(*FDir / "blocked", "not a folder");
    TDriver Driver;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [&] {
                Settings->DataPath = *FDir / "blocked/";
                MakeAnna();
                ClickWidget(BookForm->MenuInfo);
            })
        .Then(
            "statistics", [] { return Running("MenuInfo") && Page()->KeysGraph(); },
            [] {
                ClearDialogLog();
                // The button's accelerator.
                PressKey(BookForm, Qt::Key_P, Qt::AltModifier);
            })
        .Then(
            "told", [] { return !DialogLog().empty(); },
            [] {
                EXPECT_TRUE(Running("MenuInfo")) << "the page stays";
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
    ASSERT_EQ(DialogLog().size(), 1u);
    EXPECT_EQ(DialogLog()[0].Type, mtError);
    EXPECT_EQ(DialogLog()[0].Text.rfind("#-5 File write error", 0), 0u) << DialogLog()[0].Text;
    EXPECT_TRUE(Opened.empty());
    EXPECT_EQ(ReadFileBytes(*FDir / "blocked"), "not a folder");
}

TEST_F(StatisticsPageTest, ACourseLongerThanTheRecordLeavesItsLastChaptersOffTheLines) {
    TDriver Driver;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [] {
                MakeAnna();
                CurrentUser->FChapterCount = 25; // the record keeps 20 chapters
                for (int I = 1; I <= TUser::MaxChapters; ++I)
                    CurrentUser->FChapterEfficiency[size_t(I)] = 70;
                ClickWidget(BookForm->MenuInfo);
            })
        .Then(
            "statistics", [] { return Running("MenuInfo") && Page()->KeysGraph(); },
            [] {
                TGraph* Efficiency = Page()->EfficiencyGraph();
                ASSERT_EQ(Efficiency->Data.PointCount(), 25);
                EXPECT_EQ(Efficiency->Data.XLabels.back(), "25");
                for (int I = 0; I < 25; ++I)
                    EXPECT_EQ(Efficiency->YOf(Efficiency->Data.Values[size_t(I)]) >= 0, I < 20)
                        << "chapter " << I + 1;
                EXPECT_EQ(Page()->SpeedGraph()->Data.PointCount(), 25);
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(StatisticsPageTest, TwentyChaptersShowEveryLabelClearAndEverySpeedAtItsHeight) {
    TDriver Driver;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [] {
                MakeAnna();
                CurrentUser->FChapterCount = 20;
                for (int I = 1; I <= 20; ++I) {
                    CurrentUser->FChapterSpeed[size_t(I)] = float(100 + 10 * I);
                    CurrentUser->FChapterEfficiency[size_t(I)] = float(40 + 2 * I);
                }
                CurrentUser->FChapterSpeed[12] = 481;
                ClickWidget(BookForm->MenuInfo);
            })
        .Then(
            "statistics", [] { return Running("MenuInfo") && Page()->KeysGraph(); },
            [] {
                Shot("statistics-twenty-chapters");
                TGraph* Speed = Page()->SpeedGraph();
                TGraph* Efficiency = Page()->EfficiencyGraph();
                // 481 stands inside the plot, above 350 by its own share of
                // the height: 481 / 350 of 350's height, to the pixel.
                const TGraphGeometry G = Speed->Geometry();
                const int Y481 = Speed->YOf(481);
                EXPECT_GE(Y481, G.Top);
                EXPECT_LT(Y481, Speed->YOf(350));
                EXPECT_NEAR(G.Bottom - Y481, (G.Bottom - Speed->YOf(350)) * 481.0 / 350.0, 1.0);
                EXPECT_EQ(Speed->YLabels().back(), "500");

                // Under both line graphs lessons 1 and 20, none touching the next.
                for (TGraph* Graph : {Efficiency, Speed}) {
                    const std::vector<int>& Shown = Graph->ShownXLabels();
                    ASSERT_GE(Shown.size(), 2u);
                    EXPECT_EQ(Shown.front(), 0);
                    EXPECT_EQ(Shown.back(), 19);
                    const QFontMetrics Metrics(Graph->font());
                    const TGraphGeometry Axis = Graph->Geometry();
                    int RightOfLast = -1;
                    for (int I : Shown) {
                        const int Width = Metrics.horizontalAdvance(QString::number(I + 1));
                        EXPECT_GT(Axis.CentreOf(I) - Width / 2, RightOfLast) << "lesson " << I + 1;
                        RightOfLast = Axis.CentreOf(I) + Width - Width / 2;
                    }
                }

                // Each unit is nearer its own graph's title than any other
                // text of its page.
                TStatisticsStg* S = StatisticsStg;
                const struct {
                    QLabel* Unit;
                    QLabel* Title;
                } Units[] = {{S->Perc1Lbl, S->DiffKeysTitle},
                             {S->Perc2Lbl, S->EfficiencyTitle},
                             {S->CharLbl, S->SpeedTitle}};
                for (const auto& U : Units) {
                    const double ToTitle = Apart(TextRect(U.Unit), TextRect(U.Title));
                    for (QLabel* Other : U.Unit->parentWidget()->findChildren<QLabel*>()) {
                        if (Other == U.Unit || Other == U.Title || Other->text().isEmpty())
                            continue;
                        EXPECT_LT(ToTitle, Apart(TextRect(U.Unit), TextRect(Other)))
                            << Text(U.Unit) << " is nearer " << Text(Other) << " than "
                            << Text(U.Title);
                    }
                }
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}
