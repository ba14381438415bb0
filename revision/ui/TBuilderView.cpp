#include "revision/ui/TBuilderView.h"

#include "files/Sounds.h"
#include "forms/TBuilderStg.h"
#include "platform/Controls.h"
#include "platform/Latin1.h"
#include "revision/RevisionRules.h"
#include "shell/TBookForm.h"
#include "users/TDifficultKeys.h"
#include "users/ui/TGraph.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>

#include <algorithm>

TBuilderView::TBuilderView() {
    Host = BookForm;
    ViewName = "Builder";
    // The graph lives on the left page's panel, which the page borrows.
    FGraph = new TGraph(BuilderStg->LeftPage);
    FGraph->setObjectName(QStringLiteral("DiffKeysGraph"));
}

TBuilderView::~TBuilderView() {
    BeforeDestruction();
    delete FGraph.data();
}

void TBuilderView::Activate() {
    TFormView::Activate();
    TBuilderStg* Stg = BuilderStg;
    BookForm->SetPageMode(2);
    BookForm->Title->setText(QStringLiteral("Revision Wizard"));
    Borrow(Stg->LeftPage, BookForm->LeftPage);
    Borrow(Stg->RightPage, BookForm->RightPage);
    Stg->LeftPage->move(0, 0);
    Stg->RightPage->move(0, 0);

    // The eight most difficult keys; those above 50 are the ones to revise.
    std::string Difficult;
    TGraph* Keys = FGraph;
    if (Keys) {
        Keys->Data = TGraphData();
        Keys->setGeometry(10, 242, 310, 180);
        Keys->SetStyle(TGraphData::gsBar);
        Keys->BarBrush = QBrush(Qt::yellow);
        Keys->DataPen = QPen(Qt::black, 1);
        Keys->BackgroundBrush = QBrush(QColor(192, 220, 192));
        Keys->Data.MinValue = 0;
        Keys->Data.MaxValue = 100;
        Keys->Data.Step = 20;
        Keys->AddLevel("Problematic", QColor(128, 0, 0), 100);
        Keys->AddLevel("Difficult", QColor(128, 0, 0), 80);
        Keys->AddLevel("Good", QColor(0, 0, 128), 50);
    }
    for (int Rank = 1; Rank <= 8; ++Rank) {
        const double Value = DifficultKeys->DifficultyAtRank(Rank);
        const char Key = char(DifficultKeys->KeyAtRank(Rank));
        if (Keys)
            Keys->AddPoint(Value > 0 ? std::string(1, Key) : std::string(),
                           float(std::max(Value, 0.0)));
        if (Value > 50) Difficult += Key;
    }
    Stg->DifKeys->setText(ToQ(Difficult));
    if (Keys) {
        Keys->raise();
        Keys->show();
        Keys->update();
    }
    if (Stg->Keyboard->isChecked()) Stg->ShowPreview("Page1");

    for (QRadioButton* Radio :
         {Stg->ChooseKeys, Stg->Keyboard, Stg->CrazySentences, Stg->BubblesGame, Stg->LexidropGame})
        FConnections.push_back(
            QObject::connect(Radio, &QRadioButton::clicked, [this, Radio] { ButtonClick(Radio); }));
    BookForm->TakeClicks(this, [this](QObject* Sender) { ButtonClick(Sender); });
    BookForm->SetConsoleButtons(cbNext | cbBack);
    BookForm->TakeKeys(this);

    if (!Difficult.empty()) {
        Stg->DifficultKeys->setEnabled(true);
        Stg->DifficultKeys->setChecked(true);
    } else {
        Stg->DifficultKeys->setEnabled(false);
        Stg->CurrentKeys->setChecked(true);
    }
    if (!Stg->CurrentKeys->isEnabled() && !Stg->DifficultKeys->isEnabled())
        Stg->ChooseKeys->setChecked(true);
    if (Stg->ChooseKeys->isChecked()) Stg->YourKeys->setFocus();
}

int TBuilderView::KeyChoice() const {
    if (BuilderStg->CurrentKeys->isChecked()) return kcCurrent;
    if (BuilderStg->ChooseKeys->isChecked()) return kcTyped;
    return kcDifficult;
}

int TBuilderView::Method() const {
    if (BuilderStg->CrazySentences->isChecked()) return rmCrazySentences;
    if (BuilderStg->BubblesGame->isChecked()) return rmBubbles;
    if (BuilderStg->LexidropGame->isChecked()) return rmLexidrop;
    return rmKeyboard;
}

void TBuilderView::ButtonClick(QObject* Sender) {
    PlayEffect(ClickSound);
    TBuilderStg* Stg = BuilderStg;
    if (!Sender) return;
    const QString Name = Sender->objectName();
    if (Name == QLatin1String("Next"))
        SetResult(brNext);
    else if (Name == QLatin1String("Back"))
        SetResult(brBack);
    else if (Sender == Stg->ChooseKeys)
        Stg->YourKeys->setFocus();
    else if (Sender == Stg->Keyboard)
        Stg->ShowPreview("Page1");
    else if (Sender == Stg->CrazySentences)
        Stg->ShowPreview("Page2");
    else if (Sender == Stg->BubblesGame)
        Stg->ShowPreview("Page3");
    else if (Sender == Stg->LexidropGame)
        Stg->ShowPreview("Page4");
}

void TBuilderView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    TFormView::KeyDown(Sender, Key, Shift);
    QObject* Click = BookForm->NextOrBackFor(Key, Shift);
    if (!Click) return;
    Key = 0;
    ButtonClick(Click);
}

void TBuilderView::Deactivate() {
    for (const QMetaObject::Connection& C : FConnections)
        QObject::disconnect(C);
    FConnections.clear();
    BookForm->ReleaseKeys(this);
    BookForm->SetConsoleButtons(0);
    TFormView::Deactivate();
}
