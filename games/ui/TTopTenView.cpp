#include "games/ui/TTopTenView.h"

#include "files/TFile.h"
#include "files/TextUtils.h"
#include "forms/TEventViewStg.h"
#include "platform/Latin1.h"
#include "shell/TBookForm.h"

#include <QLabel>
#include <QLineEdit>

TTopTenView* TopTenView = nullptr;

void CreateTopTenView() {
    if (!TopTenView) TopTenView = new TTopTenView();
}

void FreeTopTenView() {
    FreeView(TopTenView);
}

namespace {

const char* const AnonymousName = "Anonymous";
constexpr int ShownPlaces = 10;
// The name box sits this far above its place's name label.
constexpr int BoxRise = 4;

// A line edit's text as Latin-1 bytes; characters outside Latin-1 are left out.
std::string Latin1Text(const QString& Text) {
    std::string Out;
    for (QChar C : Text)
        if (C.unicode() < 256) Out += char(C.unicode());
    return Out;
}

} // namespace

TTopTenView::TTopTenView() {
    Host = BookForm;
    ViewName = "TopTen";
    for (int I = 0; I < ShownPlaces; ++I) {
        Names.push_back(EventViewStg->Name[I]);
        Points.push_back(EventViewStg->Points[I]);
        Dates.push_back(EventViewStg->Date[I]);
    }
    EventViewStg->NameBox->setMaxLength(int(MaxShortString));
}

TTopTenView::~TTopTenView() {
    BeforeDestruction();
}

void TTopTenView::Submit(const std::string& ListName, const std::string& PlayerName,
                         int32_t Score) {
    // A missing file is made with the default list; a list that could not
    // be read is shown as the default list and never written over.
    if (List.Load(ListName) == fsNotFound) List.CreateDefault(ListName);
    FListBefore = List;
    FPlace = List.Insert(Score, PlayerName);
    Refresh();
    QLineEdit* Box = EventViewStg->NameBox;
    if (FPlace >= 1 && FPlace <= ShownPlaces) {
        EventViewStg->Congratulations->show();
        const QLabel* Label = Names[size_t(FPlace - 1)];
        Box->move(Box->x(), Label->y() - BoxRise);
        Box->setText(ToQ(PlayerName));
        Box->selectAll();
        Box->show();
    } else {
        EventViewStg->Congratulations->hide();
        Box->hide();
    }
}

void TTopTenView::Refresh() {
    const TStringList Lines = List.Lines(ShownPlaces);
    for (size_t I = 0; I < Names.size(); ++I) {
        std::string Name, Score, Date;
        if (I < Lines.size()) {
            // Name and score never hold ";" (a name with one shows as "the
            // Winner"); the date takes the rest.
            const std::string& Line = Lines[I];
            const size_t A = Line.find(';');
            const size_t B = Line.find(';', A + 1);
            Name = Line.substr(0, A);
            Score = Line.substr(A + 1, B - A - 1);
            Date = Line.substr(B + 1);
        }
        Names[I]->setText(ToQ(Name));
        Points[I]->setText(ToQ(Score));
        Dates[I]->setText(ToQ(Date));
    }
}

void TTopTenView::Commit() {
    if (FPlace < 1 || FPlace > ShownPlaces) return;
    QLineEdit* Box = EventViewStg->NameBox;
    if (Box->isHidden()) return;
    std::string Name = Trim(Latin1Text(Box->text()));
    if (Name.empty()) Name = AnonymousName;
    List.SetName(FPlace, Name);
    Box->hide();
    // Written into the list as the file holds it now, so that entries other
    // copies of the program made meanwhile stay.
    const TtopTen::TEntry Entry = List.Entry(FPlace);
    const int Place = List.CommitEntry(Entry);
    if (List.Status == fsOk) {
        FPlace = Place;
    } else {
        // Not stored: the page must not show the name as if it were.
        List = FListBefore;
        FPlace = 0;
    }
    Refresh();
}

void TTopTenView::Activate() {
    TFormView::Activate();
    Borrow(EventViewStg->TopTenPanel, BookForm->LeftPage);
    EventViewStg->TopTenPanel->move(0, 0);
    if (!EventViewStg->NameBox->isHidden()) EventViewStg->NameBox->setFocus();
}

void TTopTenView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    TFormView::KeyDown(Sender, Key, Shift);
    if (Key != VK_RETURN || Shift != 0) return;
    if (EventViewStg->NameBox->isHidden()) return;
    Key = 0;
    Commit();
}

void TTopTenView::Deactivate() {
    Commit();
    EventViewStg->Congratulations->hide();
    EventViewStg->NameBox->hide();
    FPlace = 0;
    TFormView::Deactivate();
}
