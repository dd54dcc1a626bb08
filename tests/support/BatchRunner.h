#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs kettwerk-batch as a user's script would: its exit code, and what it printed.
struct BatchRunner
{
    int run(const QStringList& arguments, const QByteArray& input = {})
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("KETTWERK_BATCH"), arguments);
        if (!process.waitForStarted())
            return -1;
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(60000);
        out = process.readAllStandardOutput();
        err = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QByteArray out;
    QString err;
};
