#include "tests/users/TCopy.h"

#include <QDir>
#include <QProcessEnvironment>

TCopy::TCopy(const QStringList& Arguments, const std::map<QString, QString>& Env,
             std::function<void()> Modifier) {
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [Name, Value] : Env)
        Environment.insert(Name, Value);
    FProcess.setProcessEnvironment(Environment);
    FProcess.setWorkingDirectory(QDir::currentPath());
    if (Modifier) FProcess.setChildProcessModifier(Modifier);
    FProcess.start(QStringLiteral(CLAVORA_USERS_HELPER), Arguments);
    FProcess.waitForStarted(10000);
}

TCopy::~TCopy() {
    if (Running()) Kill();
}

std::string TCopy::ReadLine(int TimeoutMs) {
    while (!FProcess.canReadLine())
        if (!FProcess.waitForReadyRead(TimeoutMs)) return "";
    return FProcess.readLine().trimmed().toStdString();
}

void TCopy::Release() {
    FProcess.write("\n");
    FProcess.closeWriteChannel();
}

int TCopy::Finish(int TimeoutMs) {
    if (Running() && !FProcess.waitForFinished(TimeoutMs)) return -1;
    if (FProcess.exitStatus() != QProcess::NormalExit) return -1;
    return FProcess.exitCode();
}

void TCopy::Kill() {
    FProcess.kill();
    FProcess.waitForFinished(10000);
}

std::string TCopy::Errors() {
    return FProcess.readAllStandardError().toStdString();
}
