// The statistics page: the learner's progress through the course on the
// left page with a bar graph of the eight most difficult keys, and line
// graphs of efficiency and speed per chapter on the right page. Its Print
// button on the title strip prints the same figures as the study report.
#pragma once

#include "shell/TController.h"
#include "shell/TFormView.h"
#include "users/ReportData.h"

#include <functional>

class TGraph;

class TStatisticsView : public TFormView {
public:
    TStatisticsView();
    ~TStatisticsView() override;

    // The loaded course's name and chapter titles; empty without a course.
    std::function<TCourseSummary()> Course;

    void Activate() override;
    void Deactivate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;

    // Sets the three graphs up for the current learner, in the speed unit of
    // the settings.
    void SetUpGraphs(TGraph* Keys, TGraph* Efficiency, TGraph* Speed) const;
    // Prints the study report, or writes it as a PDF and tells the learner.
    void PrintReport();

    // While the page is open: the difficult keys', efficiency and speed graphs.
    TGraph* KeysGraph() const { return FKeysGraph; }
    TGraph* EfficiencyGraph() const { return FEfficiencyGraph; }
    TGraph* SpeedGraph() const { return FSpeedGraph; }

private:
    void FreeGraphs();

    TGraph* FKeysGraph = nullptr;
    TGraph* FEfficiencyGraph = nullptr;
    TGraph* FSpeedGraph = nullptr;
};

// Today's date in the desktop's short form, from the program's clock.
std::string ShortDateText();

class TStatisticsController : public TController {
public:
    TStatisticsController();
    ~TStatisticsController() override;
    void Run() override;
    TStatisticsView* View() const { return FView; }

private:
    TStatisticsView* FView;
};
