#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <optional>

// Runs kettwerk-batch as a user's script would, with settings of its own.
class BatchRunner
{
public:
    // Starts afresh: no stored settings, no extra environment.
    void reset()
    {
        settings.emplace();
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings->path());
        environment.insert(QStringLiteral("HOME"), settings->path());
#ifdef Q_OS_WIN
        environment.insert(QStringLiteral("KETTWERK_SETTINGS_ROOT"),
                           settings->path() + QStringLiteral("/Kettwerk/Kettwerk.ini"));
#endif
        outputFile.clear();
    }

    // Runs the program; returns its exit code and keeps what it printed.
    int run(const QStringList& arguments, const QByteArray& input = {})
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        if (!outputFile.isEmpty())
            process.setStandardOutputFile(outputFile);
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

    std::optional<QTemporaryDir> settings;
    QProcessEnvironment environment;
    QString outputFile; // standard output goes there when set
    QByteArray out;
    QString err;
};
