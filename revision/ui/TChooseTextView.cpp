#include "revision/ui/TChooseTextView.h"

#include "engine/ui/TViewCanvas.h"
#include "files/InputError.h"
#include "files/Sounds.h"
#include "files/TTextFile.h"
#include "forms/TEventViewStg.h"
#include "platform/Controls.h"
#include "platform/Latin1.h"
#include "revision/RevisionRules.h"
#include "shell/TBookForm.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QStyledItemDelegate>

namespace {

// The header values of a story file, and its text when asked for.
struct TStoryInfo {
    int32_t Status = fsNotFound;
    std::string Description, Author, Copyright, LongDesc, Text;
};

// The preview never needs more than its page shows.
constexpr size_t PreviewChars = 4000;

TStoryInfo ReadStory(const std::string& Name, bool WithText) {
    TStoryInfo Info;
    TTextFile File;
    try {
        Info.Status = File.Open(Name, TTextFile::tmRead);
        if (Info.Status == fsOk) {
            Info.Description = File.Description;
            Info.Author = File.Author;
            Info.Copyright = File.Copyright;
            Info.LongDesc = File.LongDesc;
            if (WithText && Info.LongDesc.empty()) {
                File.ReadAll(Info.Text);
                if (Info.Text.size() > PreviewChars) Info.Text.resize(PreviewChars);
            }
        }
    } catch (const EInputError&) {
        // A header the reader cannot take: the story is listed by its name.
        Info = TStoryInfo();
        Info.Status = fsReadFailed;
    }
    File.Close();
    return Info;
}

// A list line: its parts between ";" in two columns, the first at x = 3 and
// the second at x = 105; the selected line white on maroon.
class TStoryLinePainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* P, const QStyleOptionViewItem& Option,
               const QModelIndex& Index) const override {
        const bool Selected = Option.state & QStyle::State_Selected;
        P->save();
        P->fillRect(Option.rect, Selected ? QColor(128, 0, 0) : QColor(Qt::white));
        P->setPen(Selected ? Qt::white : Qt::black);
        P->setFont(Option.font);
        const TStringList Parts = Split(FromQ(Index.data().toString()), ";");
        const int Left[2] = {3, 105};
        for (size_t I = 0; I < Parts.size() && I < 2; ++I) {
            const int X = Option.rect.left() + Left[I];
            const QRect Cell(X, Option.rect.top(), Option.rect.right() - X, Option.rect.height());
            P->drawText(Cell, Qt::AlignLeft | Qt::AlignVCenter,
                        P->fontMetrics().elidedText(ToQ(Parts[I]), Qt::ElideRight, Cell.width()));
        }
        P->restore();
    }

    // No width of its own: the list gives each line the width it shows, so
    // that a long title is cut short with an ellipsis in view instead of
    // running out under a horizontal scroll bar.
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {1, 20};
    }
};

} // namespace

TChooseTextView::TChooseTextView() {
    Host = BookForm;
    ViewName = "ChooseText";
}

TChooseTextView::~TChooseTextView() {
    BeforeDestruction();
    delete FPreview.data();
    if (EventViewStg->TextList->itemDelegate() == FPainter)
        EventViewStg->TextList->setItemDelegate(nullptr);
    delete FPainter;
}

int32_t TChooseTextView::Fill(const TStringList& Names, const std::string& Mask) {
    FFiles.clear();
    int32_t Result = 0;
    const std::string Extension = Mask.size() > 2 ? Mask.substr(2) : std::string();
    QListWidget* List = EventViewStg->TextList;
    List->clear();
    EventViewStg->Copyright->clear();
    for (const std::string& Name : Names) {
        const std::string FileName = Name + "." + Extension;
        const TStoryInfo Info = ReadStory(FileName, false);
        FFiles.push_back(FileName);
        const std::string Line = Info.Description.empty() ? "[User file];" + Name
                                                          : Info.Author + ":;" + Info.Description;
        auto* Item = new QListWidgetItem(ToQ(Line), List);
        // The whole title, for a line too long for the list.
        if (Info.Description.empty())
            Item->setToolTip(ToQ(Name));
        else if (Info.Author.empty())
            Item->setToolTip(ToQ(Info.Description));
        else
            Item->setToolTip(ToQ(Info.Description + " by " + Info.Author));
        Result = Info.Status == fsOk ? 0 : Info.Status;
    }
    if (!FFiles.empty()) FChosenFile = FFiles.front();
    return Result;
}

void TChooseTextView::Activate() {
    TFormView::Activate();
    TEventViewStg* Stg = EventViewStg;
    BookForm->SetPageMode(2);
    BookForm->Title->setText(QStringLiteral("Story Typing"));
    Stg->ContinueLabel->setText(ToQ(FCurrentStory));
    if (!FCurrentStory.empty()) {
        const TStoryInfo Current = ReadStory(FCurrentStory, false);
        if (Current.Status == fsOk)
            Stg->ContinueLabel->setText(ToQ(Current.Description + " by " + Current.Author));
    }
    Borrow(Stg->Page1, BookForm->LeftPage);
    Borrow(Stg->Page2, BookForm->RightPage);
    Stg->Page1->move(0, 0);
    Stg->Page2->move(0, 0);
    Stg->PreviewTip->show();

    if (!FPainter) FPainter = new TStoryLinePainter(Stg->TextList);
    Stg->TextList->setItemDelegate(FPainter);
    Stg->TextList->setUniformItemSizes(true);
    Stg->TextList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    delete FPreview.data();
    FPreview = new TViewCanvas(BookForm->RightPage);
    FPreview->setObjectName(QStringLiteral("StoryPreview"));
    FPreview->setGeometry(25, 55, 300, 170);
    FPreview->SetMode(3);
    FPreview->setFont(PixelFont("Arial", 13));
    FPreview->SetFontColor(QColor(128, 128, 128));
    FPreview->hide();

    FListClick = QObject::connect(Stg->TextList, &QListWidget::itemClicked,
                                  [this](QListWidgetItem*) { Preview(); });
    FNewStoryClick = QObject::connect(Stg->NewStory, &QRadioButton::clicked,
                                      [this] { ButtonClick(EventViewStg->NewStory); });
    BookForm->TakeKeys(this);
    BookForm->SetConsoleButtons(cbNext | cbBack);
    BookForm->TakeClicks(this, [this](QObject* Sender) { ButtonClick(Sender); });

    if (!FCurrentStory.empty()) {
        Stg->Continue->setEnabled(true);
        Stg->Continue->setChecked(true);
        Stg->TextList->clearSelection();
        Stg->TextList->setCurrentRow(-1);
    } else {
        Stg->Continue->setEnabled(false);
        Stg->NewStory->setChecked(true);
        Stg->ContinueLabel->setText(QStringLiteral("(No stories started)"));
        if (Stg->TextList->count() > 0) Stg->TextList->setCurrentRow(0);
    }
    if (Stg->Continue->isEnabled())
        Stg->Continue->setFocus();
    else
        Stg->NewStory->setFocus();
}

void TChooseTextView::Preview() {
    TEventViewStg* Stg = EventViewStg;
    Stg->NewStory->setChecked(true);
    if (FPreview) {
        // The preview takes the tip's place.
        Stg->PreviewTip->hide();
        FPreview->show();
        FPreview->raise();
    }
    const int Row = Stg->TextList->currentRow();
    if (Row >= 0 && size_t(Row) < FFiles.size()) FChosenFile = FFiles[size_t(Row)];
    const TStoryInfo Info = ReadStory(FChosenFile, true);
    Stg->Copyright->setText(ToQ(Info.Copyright));
    // Wrapped at the preview's width, not at the file's line ends.
    if (Info.Status == fsOk && FPreview)
        FPreview->SetText(StoryPreviewText(Info.LongDesc.empty() ? Info.Text : Info.LongDesc));
    else if (FPreview)
        FPreview->SetText("");
}

void TChooseTextView::ButtonClick(QObject* Sender) {
    PlayEffect(ClickSound);
    TEventViewStg* Stg = EventViewStg;
    if (!Sender) return;
    const QString Name = Sender->objectName();
    if (Name == QLatin1String("Next")) {
        // The story highlighted is the one started, wherever the highlight
        // was moved since the last preview (the arrow keys move it too).
        const int Row = Stg->TextList->currentRow();
        if (Row >= 0 && size_t(Row) < FFiles.size()) FChosenFile = FFiles[size_t(Row)];
        SetResult(Stg->NewStory->isChecked() ? crNewStory : crContinue);
    } else if (Name == QLatin1String("Back")) {
        SetResult(crBack);
    } else if (Sender == Stg->NewStory) {
        if (Stg->TextList->currentRow() < 0 && Stg->TextList->count() > 0)
            Stg->TextList->setCurrentRow(0);
        Preview();
        Stg->TextList->setFocus();
    }
}

void TChooseTextView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    TFormView::KeyDown(Sender, Key, Shift);
    QObject* Click = BookForm->NextOrBackFor(Key, Shift);
    if (!Click) return;
    Key = 0;
    ButtonClick(Click);
}

void TChooseTextView::Deactivate() {
    QObject::disconnect(FListClick);
    QObject::disconnect(FNewStoryClick);
    BookForm->ReleaseKeys(this);
    BookForm->SetConsoleButtons(0);
    if (FPreview) FPreview->hide();
    TFormView::Deactivate();
}

int ChooseStory(const TStringList& Names, const std::string& Mask, const std::string& CurrentStory,
                std::string& Chosen) {
    TViewPtr<TChooseTextView> View(new TChooseTextView);
    View->FCurrentStory = CurrentStory;
    View->Fill(Names, Mask);
    const int Result = View->Run();
    Chosen = View->FChosenFile;
    return Result;
}
