#include "forms/TEventViewStg.h"

#include "platform/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <string>

TEventViewStg* EventViewStg = nullptr;

namespace {

QLabel* MakeLabel(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height,
                  const QFont& Font, const QColor& Color, Qt::Alignment Align = Qt::AlignLeft) {
    return MakeTextLabel(Parent, Name, Left, Top, Width, Height, Font, Color,
                         Align | Qt::AlignVCenter);
}

QLabel* MakeNumbered(QWidget* Parent, const char* Stem, int N, int Left, int Top, int Width,
                     Qt::Alignment Align) {
    const std::string Name = Stem + std::to_string(N);
    return MakeLabel(Parent, Name.c_str(), Left, Top, Width, 22, Arial(14), Qt::black, Align);
}

} // namespace

TEventViewStg::TEventViewStg() : TStorageForm("EventViewStg") {
    resize(1100, 900);
    const QColor Title(0x20, 0x30, 0x60);
    const QColor Maroon(128, 0, 0);

    // The story chooser's left page.
    Page1 = MakeControl<TPanel>(this, "Page1", 0, 0, 338, 428);
    StoryTitle = MakeLabel(Page1, "StoryTitle", 30, 52, 280, 34, Arial(26, true), Title);
    Continue = MakeControl<QRadioButton>(Page1, "Continue", 36, 100, 270, 22);
    Continue->setFont(Arial(14, true));
    ContinueLabel = MakeLabel(Page1, "ContinueLabel", 58, 122, 260, 20, Arial(13), Maroon);
    NewStory = MakeControl<QRadioButton>(Page1, "NewStory", 36, 154, 270, 22);
    NewStory->setFont(Arial(14, true));
    TextList = MakeControl<QListWidget>(Page1, "TextList", 36, 182, 270, 222);
    TextList->setFont(Arial(13));

    // Its right page.
    Page2 = MakeControl<TPanel>(this, "Page2", 340, 0, 338, 428);
    PreviewTitle =
        MakeLabel(Page2, "PreviewTitle", 25, 20, 290, 26, Arial(16, true), Title, Qt::AlignHCenter);
    PreviewTip = MakeLabel(Page2, "PreviewTip", 25, 55, 290, 40, Arial(13), QColor(128, 128, 128));
    PreviewTip->setWordWrap(true);
    Copyright = MakeLabel(Page2, "Copyright", 25, 240, 290, 60, Arial(12), QColor(96, 96, 96));
    Copyright->setWordWrap(true);
    Copyright->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The top-ten list.
    TopTenPanel = MakeControl<TPanel>(this, "TopTenPanel", 0, 440, 337, 425);
    // Below the book's title strip, which lies over the top of the left page.
    TopTenTitle = MakeLabel(TopTenPanel, "TopTenTitle", 0, 66, 337, 30, Arial(20, true), Title,
                            Qt::AlignHCenter);
    Congratulations = MakeLabel(TopTenPanel, "Congratulations", 0, 100, 337, 24, Arial(17, true),
                                Maroon, Qt::AlignHCenter);
    Congratulations->hide();
    for (int I = 0; I < 10; ++I) {
        const int Top = 134 + 28 * I;
        Name[I] = MakeNumbered(TopTenPanel, "Name", I + 1, 30, Top, 140, Qt::AlignLeft);
        Points[I] = MakeNumbered(TopTenPanel, "Points", I + 1, 172, Top, 60, Qt::AlignRight);
        Date[I] = MakeNumbered(TopTenPanel, "Date", I + 1, 244, Top, 80, Qt::AlignRight);
    }
    NameBox = MakeControl<QLineEdit>(TopTenPanel, "NameBox", 30, 130, 117, 24);
    NameBox->setFont(Arial(13));
    NameBox->hide();

    // The wizard's results.
    WizResultPanel = MakeControl<TPanel>(this, "WizResultPanel", 340, 440, 338, 428);
    WizardResultsLbl = MakeLabel(WizResultPanel, "WizardResultsLbl", 0, 40, 338, 30,
                                 Arial(18, true), Title, Qt::AlignHCenter);
    // The graphs stand at x = 93; their titles to the left of them.
    BeforeLbl = MakeLabel(WizResultPanel, "BeforeLbl", 8, 170, 78, 20, Arial(15, true), Maroon,
                          Qt::AlignRight);
    AfterLbl = MakeLabel(WizResultPanel, "AfterLbl", 8, 328, 78, 20, Arial(15, true), Maroon,
                         Qt::AlignRight);

    StoryTitle->setText(QStringLiteral("New Story"));
    Continue->setText(QStringLiteral("C&ontinue story"));
    NewStory->setText(QStringLiteral("&Choose a new story"));
    PreviewTitle->setText(QStringLiteral("S T O R Y   P R E V I E W"));
    PreviewTip->setText(QStringLiteral("Choose a new story from the list to preview."));
    TopTenTitle->setText(QStringLiteral("T O P   T E N"));
    Congratulations->setText(QStringLiteral("Congratulations"));
    WizardResultsLbl->setText(QStringLiteral("W I Z A R D   R E S U L T S"));
    BeforeLbl->setText(QStringLiteral("Before"));
    AfterLbl->setText(QStringLiteral("After"));
}
