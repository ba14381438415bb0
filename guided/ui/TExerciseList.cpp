#include "guided/ui/TExerciseList.h"

#include "course/TChapter.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

TExerciseList::TExerciseList(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("List"));
    QPalette Colours = palette();
    Colours.setColor(QPalette::Window, QColor(192, 220, 192));
    Colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(Colours);
    setAutoFillBackground(true);
    // Arial 10 points: 13 pixels on the 96-dpi screen the forms are made for.
    setFont(Arial(13));
    setCursor(Qt::PointingHandCursor);
}

void TExerciseList::FillFromChapter(const TChapter* Source) {
    Chapter = Source;
    FIds.clear();
    FTitles.clear();
    FDurations.clear();
    FMarks.clear();
    if (Source)
        for (const auto& Exercise : Source->Exercises) {
            FIds.push_back(Exercise->Name);
            FTitles.push_back(Exercise->Type);
            FDurations.push_back(Exercise->Minutes > 0 ? std::to_string(Exercise->Minutes) + " min."
                                                       : std::string());
            FMarks.emplace_back();
        }
    FIds.push_back(LastRowText);
    FTitles.emplace_back();
    FDurations.emplace_back();
    FRowCount = std::min(int(FIds.size()), FMaxRows);
    Resize();
    update();
}

void TExerciseList::SelectRow(int N) {
    if (N == FSelected) return;
    const int Before = FSelected;
    FSelected = std::max(1, std::min(N, FRowCount));
    update(RowRect(Before));
    update(RowRect(FSelected));
}

void TExerciseList::SetCompleted(int N, int Flag) {
    if (N < 1 || N >= FRowCount || size_t(N) > FMarks.size()) return;
    const std::string Mark = Flag == 1 ? "T" : "";
    if (FMarks[size_t(N - 1)] == Mark) return;
    FMarks[size_t(N - 1)] = Mark;
    update(RowRect(N));
}

int TExerciseList::IsCompleted(int N) const {
    if (N < 1 || N >= FRowCount || size_t(N) > FMarks.size()) return 0;
    return FMarks[size_t(N - 1)] == "T" ? 1 : 0;
}

void TExerciseList::SetColumns(int X1, int X2, int X3) {
    FColumns[0] = X1;
    FColumns[1] = X2;
    FColumns[2] = X3;
    update();
}

void TExerciseList::SetMaxRows(int N) {
    FMaxRows = std::max(1, N);
    FRowCount = std::min(int(FIds.size()), FMaxRows);
    Resize();
    update();
}

void TExerciseList::SetRowHeight(int H) {
    FRowHeight = std::max(1, H);
    Resize();
    update();
}

void TExerciseList::SetPictures(const QPixmap& Active, const QPixmap& Inactive,
                                const QPixmap& Completed) {
    FActive = Active;
    FInactive = Inactive;
    FCompleted = Completed;
    update();
}

std::string TExerciseList::RowText(int N, int Column) const {
    if (N < 1 || size_t(N) > FIds.size()) return std::string();
    const auto& Texts = Column == 1 ? FIds : Column == 2 ? FTitles : FDurations;
    return Texts[size_t(N - 1)];
}

QRect TExerciseList::RowRect(int N) const {
    return QRect(0, (N - 1) * FRowHeight, width(), FRowHeight);
}

const QPixmap& TExerciseList::RowPicture(int N) const {
    if (N == FSelected) return FActive;
    if (IsCompleted(N)) return FCompleted;
    return FInactive;
}

void TExerciseList::Resize() {
    resize(width(), FRowCount * FRowHeight);
}

void TExerciseList::PaintRow(QPainter& P, int N) const {
    const int Top = (N - 1) * FRowHeight;
    const QPixmap& Picture = RowPicture(N);
    P.drawPixmap(0, Top, Picture);
    const int FontHeight = std::abs(font().pixelSize());
    // Halves cannot occur: 5/11 of a whole number is never an odd half.
    const double PictureHeight = Picture.deviceIndependentSize().height();
    const int Offset = int(std::lround((PictureHeight - FontHeight) * 5.0 / 11.0));
    const int TextTop = Top + Offset;
    QFont Bold = font();
    Bold.setBold(true);
    P.setPen(palette().color(QPalette::WindowText));
    P.setFont(Bold);
    const int Line = QFontMetrics(Bold).height();
    P.drawText(QRect(FColumns[0], TextTop, width() - FColumns[0], Line), Qt::AlignLeft,
               QString::fromLatin1(FIds[size_t(N - 1)].c_str()));
    P.setFont(font());
    // The title gives way to the duration column.
    const int TitleWidth = std::max(0, FColumns[2] - FColumns[1] - 4);
    const QString Title = QFontMetrics(font()).elidedText(
        QString::fromLatin1(FTitles[size_t(N - 1)].c_str()), Qt::ElideRight, TitleWidth);
    P.drawText(QRect(FColumns[1], TextTop, TitleWidth, Line), Qt::AlignLeft, Title);
    P.drawText(QRect(FColumns[2], TextTop, width() - FColumns[2], Line), Qt::AlignLeft,
               QString::fromLatin1(FDurations[size_t(N - 1)].c_str()));
}

void TExerciseList::paintEvent(QPaintEvent* Event) {
    QPainter P(this);
    P.setRenderHint(QPainter::TextAntialiasing);
    for (int N = 1; N <= FRowCount; ++N)
        if (Event->rect().intersects(RowRect(N))) PaintRow(P, N);
}

void TExerciseList::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton) SelectRow(int(Event->position().y()) / FRowHeight + 1);
    QWidget::mousePressEvent(Event);
}

void TExerciseList::mouseDoubleClickEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton && OnDblClick) OnDblClick(this);
}
