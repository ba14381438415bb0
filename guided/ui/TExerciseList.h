// The list of a chapter's exercises on the right chapter page: one row per
// exercise (its name in bold, its title, its minutes) and a final row that
// leads on ("Next Lesson"), each row painted over one of three pictures: the
// selected row's, a completed row's, or the ordinary one. The list shows at
// most MaxRows rows and is always exactly as tall as the rows it shows.
//
// A click selects a row; a double click runs OnDblClick.
#pragma once

#include "platform/Controls.h"

#include <QPixmap>
#include <QWidget>

#include <string>
#include <vector>

class TChapter;

class TExerciseList : public QWidget {
public:
    explicit TExerciseList(QWidget* Parent = nullptr);

    const TChapter* Chapter = nullptr;
    std::string LastRowText = "Go to the Next Lesson";
    TNotifyEvent OnDblClick;

    // Rows from the chapter's exercises and the final row.
    void FillFromChapter(const TChapter* Source);
    // Selects row N, clamped to 1..RowCount.
    void SelectRow(int N);
    // Marks exercise row N (never the final row) completed or not.
    void SetCompleted(int N, int Flag);
    int IsCompleted(int N) const;
    void SetColumns(int X1, int X2, int X3);
    void SetMaxRows(int N);
    void SetRowHeight(int H);
    void SetPictures(const QPixmap& Active, const QPixmap& Inactive, const QPixmap& Completed);

    int RowCount() const { return FRowCount; }
    int MaxRows() const { return FMaxRows; }
    int RowHeight() const { return FRowHeight; }
    int SelectedRow() const { return FSelected; }
    // The texts of row N (1-based): identifier, title, duration.
    std::string RowText(int N, int Column) const;
    // The rectangle row N takes.
    QRect RowRect(int N) const;
    // The picture row N is painted over.
    const QPixmap& RowPicture(int N) const;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
    void Resize();
    void PaintRow(QPainter& P, int N) const;

    std::vector<std::string> FIds, FTitles, FDurations;
    std::vector<std::string> FMarks; // "T" for a completed exercise row
    int FColumns[3] = {30, 67, 210};
    int FRowHeight = 34;
    int FMaxRows = 10;
    int FRowCount = 0;
    int FSelected = 1;
    QPixmap FActive, FInactive, FCompleted;
};
