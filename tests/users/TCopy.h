// Another copy of the program for the process tests: the helper program
// started in the test's folder, talked to through its standard streams.
#pragma once

#include <QProcess>
#include <QStringList>

#include <functional>
#include <map>
#include <string>

class TCopy {
public:
    // Starts the helper with the arguments; Env adds to the environment.
    // Modifier, when given, runs in the child before the helper starts.
    explicit TCopy(const QStringList& Arguments, const std::map<QString, QString>& Env = {},
                   std::function<void()> Modifier = nullptr);
    ~TCopy();
    TCopy(const TCopy&) = delete;
    TCopy& operator=(const TCopy&) = delete;

    // The next line of output without its line end; empty when none came in time.
    std::string ReadLine(int TimeoutMs = 10000);
    // Lets a holding copy close the file and end.
    void Release();
    // Waits for the end: the exit code, or -1 when it did not end in time or crashed.
    int Finish(int TimeoutMs = 20000);
    bool Running() const { return FProcess.state() != QProcess::NotRunning; }
    void Kill();
    std::string Errors();

private:
    QProcess FProcess;
};
