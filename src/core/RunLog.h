#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// doit.log, the progress log of a batch. Kettwerk writes its head before the
// run: one header line and the batch's files, numbered.
//
//     KETTWERK-LAUF 1 k7f3q 2026-12-07T17:32:02+01:00 1200
//     F 1 bracket.drw
//     F 2 plate 2.prt
//
// While it runs, the batch itself appends "S <number> <id>" as it starts each
// file and "E <id>" after the last, through an echo of the shell. The file is
// 8-bit text in the system's code page with any line end.
namespace kettwerk {

inline constexpr char16_t kRunLogFileName[] = u"doit.log";

struct RunLog
{
    QString id; // five characters of a-z and 0-9, the same in every marker of the batch
    QDateTime written;
    QStringList files;        // files.at(i) is Nr. i + 1
    QList<qsizetype> started; // the numbers of this batch's S markers, in the order they came
    // This batch's E marker came after its last S marker. An S marker after
    // an E (the user ran the finished batch again) opens the run again.
    bool ended = false;
    // Markers of another batch that still runs on the same log, passed over.
    qsizetype otherBatchLines = 0;
    QStringList problems; // lines passed over, each naming the file and the line number
};

// Reads doit.log as it grows: the window feeds what was appended since the
// last read. Fed the same bytes, in one piece or in any pieces, it reads the
// same log.
class RunLogReader
{
public:
    explicit RunLogReader(QString path); // the path, for messages

    // Takes bytes appended to the file. A last line without its line end is
    // kept back until it is complete, so a half-written line is read on the
    // next change, never misread.
    void append(QByteArrayView bytes);
    // At the end of a one-shot read: a kept-back last line is read as it is
    // when it is a whole marker (the shell wrote it without a line end),
    // else noted as a problem; the file list is judged against the header.
    // An empty file fails here.
    void finish();

    // Fails (BadInput, naming the file and the line) when the bytes so far
    // are no Kettwerk log: the first line is no header, or the F lines do not
    // match the header. A wrong number fails at once; fewer or more files
    // than announced only once a marker of this batch or finish() closes the
    // list. After a failure nothing more is read.
    Result<> state() const;
    const RunLog& log() const { return m_log; }
    // Whole lines taken so far, their line ends included.
    qint64 bytesRead() const { return m_bytesRead; }
    // Every byte given to append(), the kept-back ones included: where the
    // next read of the file goes on.
    qint64 bytesFed() const { return m_bytesFed; }

private:
    void takeLine(QByteArrayView line);
    void takeHeader(QByteArrayView line);
    void takeFile(QByteArrayView line);
    void takeMarker(QByteArrayView line);
    bool closeList();
    void fail(QString message);
    void note(QString problem);
    void noteUnknownLine();

    QString m_shownPath;
    RunLog m_log;
    QByteArray m_id; // m_log.id as it stands in the file
    QString m_failure;
    qsizetype m_announced = 0;
    qsizetype m_lines = 0; // lines taken so far; the next is Nr. m_lines + 1
    qsizetype m_problemsLeftOut = 0;
    bool m_listOpen = true;
    bool m_afterCr = false; // the last piece ended in CR: an LF first in the next one belongs to it
    bool m_finished = false;
    QByteArray m_pending;
    qint64 m_bytesRead = 0;
    qint64 m_bytesFed = 0;
};

// The whole file at once: unreadable or vanished (naming the system's
// reason, FailureKind::File) or no Kettwerk log (BadInput) fails.
Result<RunLog> readRunLog(const QString& path);

struct RunProgress
{
    qsizetype total = 0;
    qsizetype started = 0;  // distinct numbers started
    qsizetype finished = 0; // files done: the started ones but the current, all once ended
    qsizetype current = 0;  // Nr. of the last S marker; 0 before the first
    bool ended = false;
};
RunProgress progressOf(const RunLog& log);

// The numbers still to do after a broken run: from the current file on (it
// is done again), or after it (skipCurrent). Everything when nothing
// started; nothing once ended.
QList<qsizetype> remainingFiles(const RunLog& log, bool skipCurrent);

} // namespace kettwerk
