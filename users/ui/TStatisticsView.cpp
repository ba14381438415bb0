#include "users/ui/TStatisticsView.h"

#include "files/ErrorLog.h"
#include "files/TProgramSettings.h"
#include "forms/TGauge.h"
#include "forms/TStatisticsStg.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/Latin1.h"
#include "platform/ShellOpen.h"
#include "platform/ShortDate.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"
#include "users/ui/StudyReport.h"
#include "users/ui/TGraph.h"

#include <QLabel>

#include <filesystem>

namespace {

const QColor PlotBackground(192, 220, 192);
const QColor Maroon(0x80, 0x00, 0x00);
const QColor Navy(0x00, 0x00, 0x80);
const QColor LevelGreen(0x00, 0x80, 0x00);

TGraph* MakeGraph(QWidget* Page, int Left, int Top) {
    auto* Graph = new TGraph(Page);
    Graph->setObjectName(QStringLiteral("Graph"));
    Graph->setGeometry(Left, Top, 310, 180);
    Graph->BackgroundBrush = QBrush(PlotBackground);
    return Graph;
}

// A chapter's result, or none (-1) for chapters the record has no room for.
float ChapterValue(const std::array<float, TUser::MaxChapters + 1>& Values, int Chapter) {
    return Chapter >= 1 && Chapter <= TUser::MaxChapters ? Values[size_t(Chapter)] : -1.0f;
}

std::string AbsoluteName(const std::string& Name) {
    std::error_code Error;
    const std::filesystem::path Path = std::filesystem::absolute(Name, Error);
    return Error ? Name : Path.lexically_normal().string();
}

} // namespace

std::string ShortDateText() {
    return ShortDateOf(Now());
}

TStatisticsView::TStatisticsView() {
    Host = BookForm;
    ViewName = "Statistics";
}

TStatisticsView::~TStatisticsView() {
    FreeGraphs();
}

void TStatisticsView::Activate() {
    TFormView::Activate();
    TStatisticsStg* Stg = StatisticsStg;
    BookForm->SetPageMode(2);
    BookForm->SetConsoleButtons(0);
    BookForm->Title->setText(QStringLiteral("Statistics"));
    Borrow(Stg->Panel1, BookForm->LeftPage);
    Borrow(Stg->Panel2, BookForm->RightPage);
    Stg->PrintBtn->move(250, 10);
    Borrow(Stg->PrintBtn, BookForm->TitleConsole);
    Stg->PrintBtn->OnClick = [this](QObject*) { PrintReport(); };

    const int Percent = CurrentUser->PercentCompleted();
    Stg->TimeStudied->setText(ToQ(CurrentUser->TimeUsedText() + " used"));
    Stg->Completed->setText(ToQ(std::to_string(Percent) + " % completed"));
    Stg->TimeLeft->setText(ToQ(CurrentUser->TimeLeftText() + " left"));
    Stg->Completedgraph->SetProgress(Percent);
    Stg->CharLbl->setText(ToQ("[" + Settings->SpeedUnitName() + "]"));

    FreeGraphs();
    FKeysGraph = MakeGraph(BookForm->LeftPage, 10, 233);
    FEfficiencyGraph = MakeGraph(BookForm->RightPage, 15, 22);
    FSpeedGraph = MakeGraph(BookForm->RightPage, 15, 233);
    SetUpGraphs(FKeysGraph, FEfficiencyGraph, FSpeedGraph);
    for (TGraph* Graph : {FKeysGraph, FEfficiencyGraph, FSpeedGraph}) {
        Graph->raise();
        Graph->show();
    }

    BookForm->TakeKeys(this);
}

void TStatisticsView::SetUpGraphs(TGraph* Keys, TGraph* Efficiency, TGraph* Speed) const {
    Keys->SetStyle(TGraphData::gsBar);
    Keys->BarBrush = QBrush(Qt::yellow);
    Keys->DataPen = QPen(Qt::black, 1);
    Keys->Data.MinValue = 0;
    Keys->Data.MaxValue = 100;
    Keys->Data.Step = 20;
    Keys->AddLevel("Problematic", Maroon, 100);
    Keys->AddLevel("Difficult", Maroon, 80);
    Keys->AddLevel("Good", Navy, 50);
    for (int Rank = 1; Rank <= 8; ++Rank) {
        const float Difficulty = float(DifficultKeys->DifficultyAtRank(Rank));
        if (Difficulty > 0)
            Keys->AddPoint(std::string(1, char(DifficultKeys->KeyAtRank(Rank))), Difficulty);
        else
            Keys->AddPoint("", 0);
    }

    Efficiency->SetStyle(TGraphData::gsLine);
    Efficiency->Data.MinValue = 0;
    Efficiency->Data.MaxValue = 100;
    Efficiency->Data.Step = 20;
    Efficiency->AddLevel("Beginner", LevelGreen, 25);
    Efficiency->AddLevel("Intermediate", LevelGreen, 50);
    Efficiency->AddLevel("Advanced", LevelGreen, 75);
    Efficiency->AddLevel("Expert", LevelGreen, 100);

    Speed->SetStyle(TGraphData::gsLine);
    Speed->Data.MinValue = 0;
    Speed->Data.MaxValue = Settings->DisplaySpeed(350);
    Speed->Data.Step = Settings->DisplaySpeed(50);
    Speed->AddLevel("Beginner", LevelGreen, Settings->DisplaySpeed(75));
    Speed->AddLevel("Intermediate", LevelGreen, Settings->DisplaySpeed(150));
    Speed->AddLevel("Advanced", LevelGreen, Settings->DisplaySpeed(225));
    Speed->AddLevel("Expert", LevelGreen, Settings->DisplaySpeed(350));

    const TUser* User = CurrentUser;
    if (User->FName.empty()) return;
    for (int Chapter = 1; Chapter <= User->FChapterCount; ++Chapter) {
        const std::string Label = std::to_string(Chapter);
        Efficiency->AddPoint(Label, ChapterValue(User->FChapterEfficiency, Chapter));
        // A chapter without a result stays below the range, off the line.
        const float Cpm = ChapterValue(User->FChapterSpeed, Chapter);
        Speed->AddPoint(Label, Cpm < 0 ? -1.0f : Settings->DisplaySpeed(Cpm));
    }
    // A chapter typed faster than the axis reaches raises the axis, so that
    // its point stands at its true height above the others.
    Efficiency->Data.ReachValues();
    Speed->Data.ReachValues();
}

void TStatisticsView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    TFormView::KeyDown(Sender, Key, Shift);
    if (Key == VK_ESCAPE && Shift == 0) {
        Key = 0;
        BookForm->DoEscape();
    }
}

void TStatisticsView::Deactivate() {
    BookForm->ReleaseKeys(this);
    BookForm->Title->clear();
    StatisticsStg->PrintBtn->OnClick = nullptr;
    TFormView::Deactivate();
    FreeGraphs();
}

void TStatisticsView::FreeGraphs() {
    for (TGraph** Graph : {&FKeysGraph, &FEfficiencyGraph, &FSpeedGraph}) {
        delete *Graph;
        *Graph = nullptr;
    }
}

void TStatisticsView::PrintReport() {
    const TReportData Data = StudyReportData(*CurrentUser, Settings,
                                             Course ? Course() : TCourseSummary{}, ShortDateText());
    const std::string PdfFile =
        AbsoluteName(ResolveFileName(Settings->DataPath + StudyReportFileName(CurrentUser->FName)));
    const TReportOutcome Outcome = PrintStudyReport(Data, PdfFile);
    switch (Outcome.Kind) {
    case TReportOutcome::Printed:
        break;
    case TReportOutcome::Saved:
        ShellOpen(Outcome.File);
        MessageDlg("There is no printer, so your study report was saved as the file\r" +
                       Outcome.File,
                   mtInformation, mbOK);
        break;
    case TReportOutcome::Failed:
        // A printer's error only ends its document; a file that could not
        // be written is worth telling.
        if (!Outcome.File.empty()) LogError(-5, Outcome.File);
        break;
    }
}

TStatisticsController::TStatisticsController() : FView(new TStatisticsView) {}

TStatisticsController::~TStatisticsController() {
    FreeView(FView);
}

void TStatisticsController::Run() {
    FView->Run();
}
