// Drives the real program from inside its own message loops.
//
// The program under test runs its modal page loops as usual; the driver is a
// 10 ms timer that works through a list of steps. Each step waits until its
// condition holds, then acts (clicks, keys, checks). A step that waits too
// long fails the test and closes the window, so that the program ends.
#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

class QWidget;

class TDriver : public QObject {
public:
    explicit TDriver(int TimeoutMs = 5000);

    // Adds a step: wait for Condition (none = at once), then run Action.
    TDriver& Then(std::string Name, std::function<bool()> Condition, std::function<void()> Action);
    TDriver& Do(std::string Name, std::function<void()> Action) {
        return Then(std::move(Name), nullptr, std::move(Action));
    }

    // Adds a step in front of those added with Then (after earlier Before
    // steps): what every run of the program does first, such as logging in.
    TDriver& Before(std::string Name, std::function<bool()> Condition,
                    std::function<void()> Action);

    // Starts working through the steps at the next turn of the loop.
    void Start();
    bool Finished() const { return FNext >= FSteps.size(); }
    // The name of the step that timed out, or empty.
    const std::string& Failure() const { return FFailure; }

private:
    struct TStep {
        std::string Name;
        std::function<bool()> Condition;
        std::function<void()> Action;
    };
    void Tick();

    std::vector<TStep> FSteps;
    size_t FNext = 0;
    size_t FBefore = 0;
    int FTimeoutMs;
    int FWaitedMs = 0;
    QTimer FTimer;
    std::string FFailure;
};

// Input as the learner gives it: through the book window's QWindow, so that
// the key preview sees it first.
void ClickWidget(QWidget* Widget, QPoint At = QPoint(-1, -1));
void PressKey(QWidget* Window, int QtKey, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
// Processes messages until the condition holds or the time is up; true when
// it holds. (QTest's QTRY macros do not report to GoogleTest.)
bool WaitUntil(const std::function<bool()>& Condition, int TimeoutMs = 3000);

// The visible, top-level-relative centre of a widget is inside the window.
bool IsShownOnWindow(QWidget* Widget);
