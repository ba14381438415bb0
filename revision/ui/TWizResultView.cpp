#include "revision/ui/TWizResultView.h"

#include "forms/TEventViewStg.h"
#include "platform/Controls.h"
#include "shell/TBookForm.h"
#include "users/TDifficultKeys.h"
#include "users/ui/TGraph.h"

TWizResultView* WizResultView = nullptr;

namespace {

float DifficultyOf(char Key) {
    return float(DifficultKeys->Difficulty(static_cast<unsigned char>(Key)));
}

TGraph* MakeGraph(QWidget* Page, int Top, const std::string& Keys,
                  const std::array<float, TWizResultView::KeyCount>& Values) {
    auto* Graph = new TGraph(Page);
    Graph->setGeometry(93, Top, 247, 145);
    Graph->setFont(PixelFont("Arial", 12));
    Graph->LevelFont = PixelFont("Arial", 12);
    Graph->SetStyle(TGraphData::gsBar);
    Graph->BarBrush = QBrush(Qt::yellow);
    Graph->DataPen = QPen(Qt::black, 1);
    Graph->BackgroundBrush = QBrush(QColor(192, 220, 192));
    Graph->Data.MinValue = 0;
    Graph->Data.MaxValue = 100;
    Graph->Data.Step = 20;
    const QColor Maroon(128, 0, 0), Navy(0, 0, 128);
    Graph->AddLevel("Problematic", Maroon, 100);
    Graph->AddLevel("Difficult", Maroon, 80);
    Graph->AddLevel("Good", Navy, 50);
    for (int I = 0; I < TWizResultView::KeyCount; ++I)
        Graph->AddPoint(std::string(1, Keys[size_t(I)]), Values[size_t(I)]);
    Graph->show();
    return Graph;
}

} // namespace

TWizResultView::TWizResultView() {
    Host = BookForm;
    ViewName = "WizResult";
}

TWizResultView::~TWizResultView() {
    BeforeDestruction();
    FreeGraphs();
}

void TWizResultView::SnapshotBefore(const std::string& Keys) {
    for (int I = 0; I < KeyCount; ++I) {
        FKeys[size_t(I)] = size_t(I) < Keys.size() ? Keys[size_t(I)] : ' ';
        FBefore[size_t(I)] = DifficultyOf(FKeys[size_t(I)]);
    }
}

void TWizResultView::SnapshotAfter() {
    for (int I = 0; I < KeyCount; ++I)
        FAfter[size_t(I)] = DifficultyOf(FKeys[size_t(I)]);
}

void TWizResultView::Activate() {
    TFormView::Activate();
    Borrow(EventViewStg->WizResultPanel, BookForm->LeftPage);
    EventViewStg->WizResultPanel->move(0, 0);
    FreeGraphs();
    FBeforeGraph = MakeGraph(BookForm->LeftPage, 115, FKeys, FBefore);
    FAfterGraph = MakeGraph(BookForm->LeftPage, 273, FKeys, FAfter);
    FBeforeGraph->raise();
    FAfterGraph->raise();
}

void TWizResultView::Deactivate() {
    TFormView::Deactivate();
    FreeGraphs();
}

void TWizResultView::FreeGraphs() {
    delete FBeforeGraph;
    delete FAfterGraph;
    FBeforeGraph = nullptr;
    FAfterGraph = nullptr;
}

void CreateWizResultView() {
    if (!WizResultView) WizResultView = new TWizResultView;
}

void FreeWizResultView() {
    FreeView(WizResultView);
}
