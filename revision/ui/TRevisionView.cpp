#include "revision/ui/TRevisionView.h"

#include "files/Sounds.h"
#include "files/TFile.h"
#include "forms/TRevisionStg.h"
#include "platform/Controls.h"
#include "platform/Latin1.h"
#include "shell/TBookForm.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

// Turns a left click on a caption into a click of the page.
class TLabelClicks : public QObject {
public:
    explicit TLabelClicks(TRevisionView* View) : FView(View) {}

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton) {
            FView->ButtonClick(Watched);
            return true;
        }
        return false;
    }

private:
    TRevisionView* FView;
};

} // namespace

TRevisionView::TRevisionView() : FLabelClicks(std::make_unique<TLabelClicks>(this)) {
    Host = BookForm;
    ViewName = "Revision";
}

TRevisionView::~TRevisionView() {
    BeforeDestruction();
}

void TRevisionView::Activate() {
    TFormView::Activate();
    TRevisionStg* Stg = RevisionStg;
    BookForm->SetPageMode(2);
    BookForm->SetConsoleButtons(0);
    Borrow(Stg->Panel2, BookForm->RightPage);
    Stg->Panel2->move(0, 0);

    Stg->DropFileList->clear();
    for (const std::string& Name : TFile::ListNamesWithFirst("*.vcb", "Studied Keys"))
        Stg->DropFileList->addItem(ToQ(Name));
    Stg->DropFileList->setCurrentIndex(0);
    Stg->StoryTime->setCurrentIndex(0);
    Stg->BubblesKeys->setCurrentIndex(0);

    FConnections.push_back(QObject::connect(Stg->StoryTime,
                                            QOverload<int>::of(&QComboBox::currentIndexChanged),
                                            [this](int Index) { FDuration = Index + 1; }));
    FConnections.push_back(QObject::connect(Stg->BubblesKeys,
                                            QOverload<int>::of(&QComboBox::currentIndexChanged),
                                            [this](int Index) { FKeySet = Index + 1; }));
    FConnections.push_back(QObject::connect(Stg->DropFileList,
                                            QOverload<int>::of(&QComboBox::currentIndexChanged),
                                            [this](int) { VocabularyChanged(); }));
    for (TImage* Box : {Stg->WizardBox, Stg->StoryBox, Stg->BubblesBox, Stg->LexidropBox})
        Box->OnClick = [this](QObject* Sender) { ButtonClick(Sender); };
    for (QLabel* Label :
         {Stg->WizardLbl, Stg->WizardText, Stg->StoryLbl, Stg->BubblesLbl, Stg->LexidropLbl})
        Label->installEventFilter(FLabelClicks.get());

    VocabularyChanged();
    FKeySet = 1;
    FDuration = 1;
}

void TRevisionView::VocabularyChanged() {
    QComboBox* List = RevisionStg->DropFileList;
    if (List->currentIndex() <= 0)
        FVocabulary = "-stud-";
    else
        FVocabulary = FromQ(List->currentText());
}

void TRevisionView::ButtonClick(QObject* Sender) {
    PlayEffect(ClickSound);
    if (!Sender) return;
    const QString Name = Sender->objectName();
    if (Name == QLatin1String("LexidropBox") || Name == QLatin1String("LexidropLbl"))
        SetResult(rvLexidrop);
    else if (Name == QLatin1String("BubblesBox") || Name == QLatin1String("BubblesLbl"))
        SetResult(rvBubbles);
    else if (Name == QLatin1String("StoryBox") || Name == QLatin1String("StoryLbl"))
        SetResult(rvStory);
    else if (Name == QLatin1String("WizardBox") || Name == QLatin1String("WizardLbl") ||
             Name == QLatin1String("WizardText"))
        SetResult(rvWizard);
}

void TRevisionView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    TRevisionStg* Stg = RevisionStg;
    if (Key == VK_ESCAPE && Shift == 0) {
        BookForm->DoEscape();
    } else if (Shift == ssAlt) {
        // Each caption's underlined letter: a game's starts it, a list's
        // caption gives the focus to its list.
        QObject* Click = nullptr;
        QLabel* ListCaption = nullptr;
        if (Key == 'R')
            Click = Stg->WizardBox;
        else if (Key == 'S')
            Click = Stg->StoryBox;
        else if (Key == 'B')
            Click = Stg->BubblesBox;
        else if (Key == 'L')
            Click = Stg->LexidropBox;
        else if (Key == 'D')
            ListCaption = Stg->DurationLbl;
        else if (Key == 'K')
            ListCaption = Stg->KeysLbl;
        else if (Key == 'V')
            ListCaption = Stg->VocabularyLbl;
        if (ListCaption && ListCaption->buddy()) {
            Key = 0;
            ListCaption->buddy()->setFocus(Qt::ShortcutFocusReason);
        } else if (Click) {
            Key = 0;
            ButtonClick(Click);
        }
    }
    TFormView::KeyDown(Sender, Key, Shift);
}

void TRevisionView::Deactivate() {
    for (const QMetaObject::Connection& C : FConnections)
        QObject::disconnect(C);
    FConnections.clear();
    TRevisionStg* Stg = RevisionStg;
    for (TImage* Box : {Stg->WizardBox, Stg->StoryBox, Stg->BubblesBox, Stg->LexidropBox})
        Box->OnClick = nullptr;
    for (QLabel* Label :
         {Stg->WizardLbl, Stg->WizardText, Stg->StoryLbl, Stg->BubblesLbl, Stg->LexidropLbl})
        Label->removeEventFilter(FLabelClicks.get());
    TFormView::Deactivate();
}
