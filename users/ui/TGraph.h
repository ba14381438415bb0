// The graph control: a line graph with markers or a bar graph, with a
// vertical axis of labelled values and horizontal reference levels. It has
// no window of its own worth speaking of: it paints what its data and the
// geometry say.
#pragma once

#include "users/TGraphData.h"
#include "users/TGraphGeometry.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QWidget>

#include <string>

class TGraph : public QWidget {
public:
    explicit TGraph(QWidget* Owner = nullptr);

    TGraphData Data;
    QBrush BarBrush = Qt::NoBrush;
    QBrush BackgroundBrush = Qt::NoBrush;
    QPen DataPen;
    QColor MarkerColor;
    QPen LevelPen;
    QPen AxisPen;
    QFont LevelFont;
    QColor LevelFontColor;

    void SetStyle(int Style);
    void AddPoint(const std::string& Label, float Value);
    void AddLevel(const std::string& Label, const QColor& Color, float Value);
    // The vertical axis labels of the last painting.
    const std::vector<std::string>& YLabels() const { return FYLabels; }
    // The indices of the labels the last painting wrote, in order: of the
    // points' labels, and of YLabels. Labels that would run into one
    // another are thinned out.
    const std::vector<int>& ShownXLabels() const { return FShownX; }
    const std::vector<int>& ShownYLabels() const { return FShownY; }

    // Geometry as the next painting will lay it out.
    TGraphGeometry Geometry() const;
    int XOf(int I) const { return Geometry().XOf(I); }
    int YOf(float Value) const { return Geometry().YOf(Value); }

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    std::vector<std::string> FYLabels;
    std::vector<int> FShownX;
    std::vector<int> FShownY;
};
