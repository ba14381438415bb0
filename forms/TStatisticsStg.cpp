#include "forms/TStatisticsStg.h"

#include "forms/TGauge.h"
#include "platform/Controls.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

TStatisticsStg* StatisticsStg = nullptr;

namespace {

// Puts a graph's unit on its title's line, three spaces after the title's
// text and on the same baseline, so that it reads as part of that title and
// of no other graph's labels.
void FollowTitle(QLabel* Unit, const QLabel* Title, int PanelWidth) {
    const QFontMetrics TitleMetrics(Title->font());
    const QFontMetrics UnitMetrics(Unit->font());
    const int Baseline =
        Title->y() + (Title->height() - TitleMetrics.height()) / 2 + TitleMetrics.ascent();
    const int Left = Title->x() + TitleMetrics.horizontalAdvance(Title->text()) +
                     3 * UnitMetrics.horizontalAdvance(QLatin1Char(' '));
    Unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Unit->setGeometry(Left, Baseline - UnitMetrics.ascent(), std::max(0, PanelWidth - 10 - Left),
                      UnitMetrics.height());
}

} // namespace

TStatisticsStg::TStatisticsStg() : TStorageForm("StatisticsStg") {
    resize(700, 440);
    const QColor Navy(0x1C, 0x2C, 0x5A);
    const QColor Ink(0x20, 0x20, 0x20);
    const QColor Muted(0x70, 0x78, 0x88);
    const Qt::Alignment LeftAlign = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment RightAlign = Qt::AlignRight | Qt::AlignVCenter;
    const QFont Title = Arial(17, true);
    const QFont Note = Arial(12);
    QFont Approx = Arial(12);
    Approx.setItalic(true);

    // The left page's top lies under the title strip.
    Panel1 = MakeControl<TPanel>(this, "Panel1", 0, 0, 338, 427);
    Panel1->SetColor(Qt::white);
    ProgressTitle = MakeTextLabel(Panel1, "ProgressTitle", 19, 50, 300, 22, Title, Navy, LeftAlign);
    Completed =
        MakeTextLabel(Panel1, "Completed", 25, 80, 289, 22, Arial(16, true), Ink, LeftAlign);
    Completedgraph = MakeControl<TGauge>(Panel1, "Completedgraph", 25, 106, 289, 25);
    Completedgraph->SetColors(QColor(0, 128, 0), QColor(192, 220, 192));
    TimeStudied = MakeTextLabel(Panel1, "TimeStudied", 25, 141, 289, 20, Arial(15), Ink, LeftAlign);
    TimeLeft = MakeTextLabel(Panel1, "TimeLeft", 25, 163, 289, 20, Arial(15), Ink, LeftAlign);
    ApproxLbl = MakeTextLabel(Panel1, "ApproxLbl", 25, 182, 120, 16, Approx, Muted, LeftAlign);
    DiffKeysTitle =
        MakeTextLabel(Panel1, "DiffKeysTitle", 19, 207, 300, 22, Title, Navy, LeftAlign);
    Perc1Lbl = MakeTextLabel(Panel1, "Perc1Lbl", 200, 211, 120, 16, Note, Muted, RightAlign);
    // Shown on the book's title strip while the page is open.
    PrintBtn = MakeControl<TButton>(Panel1, "PrintBtn", 250, 10, 80, 28);
    PrintBtn->setFont(Arial(14, true));
    PrintBtn->setCursor(Qt::PointingHandCursor);

    Panel2 = MakeControl<TPanel>(this, "Panel2", 0, 0, 338, 427);
    Panel2->SetColor(Qt::white);
    EfficiencyTitle =
        MakeTextLabel(Panel2, "EfficiencyTitle", 19, 0, 220, 22, Title, Navy, LeftAlign);
    Perc2Lbl = MakeTextLabel(Panel2, "Perc2Lbl", 200, 4, 120, 16, Note, Muted, RightAlign);
    Lesson1Lbl = MakeTextLabel(Panel2, "Lesson1Lbl", 220, 201, 100, 14, Note, Muted, RightAlign);
    SpeedTitle = MakeTextLabel(Panel2, "SpeedTitle", 19, 211, 220, 22, Title, Navy, LeftAlign);
    CharLbl = MakeTextLabel(Panel2, "CharLbl", 200, 215, 120, 16, Note, Muted, RightAlign);
    Lesson2Lbl = MakeTextLabel(Panel2, "Lesson2Lbl", 220, 412, 100, 14, Note, Muted, RightAlign);

    PrintBtn->setText(QStringLiteral("&Print"));
    ProgressTitle->setText(QStringLiteral("P R O G R E S S"));
    ApproxLbl->setText(QStringLiteral("approx."));
    DiffKeysTitle->setText(QStringLiteral("D I F F I C U L T   K E Y S"));
    Perc1Lbl->setText(QStringLiteral("percentage"));
    Perc2Lbl->setText(QStringLiteral("percentage"));
    EfficiencyTitle->setText(QStringLiteral("E F F I C I E N C Y"));
    Lesson1Lbl->setText(QStringLiteral("Lesson"));
    Lesson2Lbl->setText(QStringLiteral("Lesson"));
    SpeedTitle->setText(QStringLiteral("S P E E D"));

    FollowTitle(Perc1Lbl, DiffKeysTitle, Panel1->width());
    FollowTitle(Perc2Lbl, EfficiencyTitle, Panel2->width());
    FollowTitle(CharLbl, SpeedTitle, Panel2->width());
}
