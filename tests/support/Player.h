#pragma once

#include "support/Files.h"

#include <QByteArrayList>
#include <QProcess>
#include <QTemporaryDir>

// Plays a written doit.pro as Pro/ENGINEER would for its @SYSTEM steps: each
// command in order, in the batch's folder, through the system's shell
// (/bin/sh; cmd.exe on Windows, so that its own syntax is what runs). With
// `files` >= 0 the run breaks off once that many files have started, as a
// crash in the middle of the next one would leave it.
inline bool playBatch(const QString& folder, qsizetype files = -1)
{
    QByteArrayList commands;
    qsizetype started = 0;
    for (const QByteArray& line : readBytes(folder + QStringLiteral("/doit.pro")).split('\n')) {
        const qsizetype at = line.indexOf("@SYSTEM");
        if (at < 0)
            continue;
        const QByteArray command = line.mid(at + 7, line.indexOf(';', at) - at - 7);
        if (command.contains(" echo S ") && files >= 0 && started++ == files)
            break;
        commands.append(command);
    }
    // One script for all commands: a shell per step would take minutes
    // under wine, and the lines run one after the other all the same.
    QTemporaryDir scripts;
#ifdef Q_OS_WIN
    const QString script = scripts.filePath(QStringLiteral("play.bat"));
    const QByteArray text = "@echo off\r\n" + commands.join("\r\n") + "\r\n";
    const QString shell = QStringLiteral("cmd.exe");
    const QStringList arguments{QStringLiteral("/c"), script};
#else
    const QString script = scripts.filePath(QStringLiteral("play.sh"));
    const QByteArray text = commands.join('\n') + '\n';
    const QString shell = QStringLiteral("/bin/sh");
    const QStringList arguments{script};
#endif
    if (!writeBytes(script, text))
        return false;
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(shell, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}
