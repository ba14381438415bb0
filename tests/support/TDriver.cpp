#include "tests/support/TDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

TDriver::TDriver(int TimeoutMs) : FTimeoutMs(TimeoutMs) {
    FTimer.setInterval(10);
    QObject::connect(&FTimer, &QTimer::timeout, this, [this] { Tick(); });
}

TDriver& TDriver::Then(std::string Name, std::function<bool()> Condition,
                       std::function<void()> Action) {
    FSteps.push_back({std::move(Name), std::move(Condition), std::move(Action)});
    return *this;
}

TDriver& TDriver::Before(std::string Name, std::function<bool()> Condition,
                         std::function<void()> Action) {
    FSteps.insert(FSteps.begin() + std::ptrdiff_t(FBefore++),
                  {std::move(Name), std::move(Condition), std::move(Action)});
    return *this;
}

void TDriver::Start() {
    FTimer.start();
}

void TDriver::Tick() {
    // A step may run a nested loop (a click that opens a page); the timer
    // must not re-enter meanwhile.
    FTimer.stop();
    while (FNext < FSteps.size()) {
        TStep& Step = FSteps[FNext];
        if (Step.Condition && !Step.Condition()) {
            FWaitedMs += 10;
            if (FWaitedMs > FTimeoutMs) {
                FFailure = Step.Name;
                ADD_FAILURE() << "timed out waiting in step: " << Step.Name;
                FNext = FSteps.size();
                for (QWidget* Top : QApplication::topLevelWidgets())
                    if (Top->objectName() == QLatin1String("BookForm")) Top->close();
                return;
            }
            FTimer.start();
            return;
        }
        FWaitedMs = 0;
        ++FNext;
        if (Step.Action) Step.Action();
        // Let the program react before the next step looks.
        FTimer.start();
        return;
    }
}

void ClickWidget(QWidget* Widget, QPoint At) {
    QWidget* Top = Widget->window();
    if (At.x() < 0) At = Widget->rect().center();
    const QPoint InWindow = Widget->mapTo(Top, At);
    QTest::mouseClick(Top->windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow);
}

void PressKey(QWidget* Window, int QtKey, Qt::KeyboardModifiers Modifiers) {
    QTest::keyClick(Window->windowHandle(), Qt::Key(QtKey), Modifiers);
}

bool IsShownOnWindow(QWidget* Widget) {
    if (!Widget->isVisible()) return false;
    QWidget* Top = Widget->window();
    return Top->rect().contains(Widget->mapTo(Top, Widget->rect().center()));
}

bool WaitUntil(const std::function<bool()>& Condition, int TimeoutMs) {
    QElapsedTimer Timer;
    Timer.start();
    while (!Condition()) {
        if (Timer.elapsed() > TimeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qSleep(2);
    }
    return true;
}
