#pragma once

#include <QDateTime>
#include <QString>

// What the user is told about a run in doit.log, in words.
namespace kettwerk {

struct RunLog;

// "42 s", "12 min", "3 h 5 min".
QString durationText(qint64 seconds);

// The lines kettwerk-batch --status prints: how far the run got, and the
// file it started last with how long ago (the log's last change).
QString runStatusText(const RunLog& log, const QDateTime& lastChange, const QDateTime& now);

// The status line's note at start when the log holds a run that started and
// did not end; empty otherwise.
QString unfinishedRunNotice(const RunLog& log);

} // namespace kettwerk
