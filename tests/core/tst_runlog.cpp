#include "core/RunLog.h"
#include "core/RunStatus.h"
#include "core/RunTiming.h"
#include "support/Files.h"
#include "support/Rows.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

const QString kPath = u"/runs/doit.log"_s;
// The head Kettwerk writes for three files (lines 1 to 4); markers follow.
const QByteArray kHead = "KETTWERK-LAUF 1 k7f3q 2026-12-07T17:32:02+01:00 3\r\n"
                         "F 1 bracket.drw\r\nF 2 plate 2.prt\r\nF 3 Mutter\xe4.asm\r\n";
const QDateTime kStart = QDateTime::fromSecsSinceEpoch(1'800'000'000);

const QStringList kFiles = {u"bracket.drw"_s, u"plate 2.prt"_s, u"Mutterä.asm"_s};

QString joined(const QList<qsizetype>& numbers, QChar separator = u' ')
{
    QStringList texts;
    for (const qsizetype number : numbers)
        texts.append(QString::number(number));
    return texts.join(separator);
}

// The failure, or "files S:numbers E andere:n" and the problems, one a line;
// kHead's files go without saying. "%P" stands for the path as messages show it.
QString described(const RunLogReader& reader)
{
    const RunLog& log = reader.log();
    QString text = (log.files == kFiles ? QString() : log.files.join(u'|') + u' ') + u"S:"_s +
                   joined(log.started, u',') + (log.ended ? u" E"_s : QString()) +
                   (log.otherBatchLines ? u" andere:%1"_s.arg(log.otherBatchLines) : QString());
    text = reader.state().ok() ? (QStringList{text} + log.problems).join(u'\n')
                               : u"Fehler: "_s + reader.state().error();
    return text.replace(QDir::toNativeSeparators(kPath), u"%P"_s);
}

// A log of `files` files with the markers `marks` ("1 2 E": S 1, S 2, E; E only last).
RunLog runOf(qsizetype files, const QString& marks)
{
    RunLog log;
    log.files.resize(files);
    log.ended = marks.endsWith(u'E');
    for (const QString& mark : marks.chopped(log.ended ? 1 : 0).split(u' ', Qt::SkipEmptyParts))
        log.started.append(mark.toInt());
    return log;
}

// A run followed from before its first marker, one marker per reading: the
// k-th marker (from 0) is seen 5·k·(k+1) seconds after kStart, so the file
// it ends took 10·k seconds.
RunTiming followed(qsizetype files, const QString& marks)
{
    RunTiming timing;
    timing.update(runOf(files, QString()), kStart);
    for (qsizetype k = 0; k < marks.split(u' ', Qt::SkipEmptyParts).size(); ++k)
        timing.update(runOf(files, marks.section(u' ', 0, k)), kStart.addSecs(5 * k * (k + 1)));
    return timing;
}

} // namespace

class TestRunLog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        const QString file = u"Fehler: Die Datei „%P“ ist "_s;
        const QString notALog = file + u"kein Protokoll von Kettwerk (Zeile 1)."_s;
        const QString count =
            u"Fehler: „%P“: der Kopf nennt %1 Dateien, die Liste hat %2 (Zeile %3)"_s;
        const QString outside = u"„%P“, Zeile %1: Nr. %2 liegt außerhalb der Liste (1 bis 3)"_s;
        const QString unknown = u"„%P“, Zeile %1: unbekannte Zeile übergangen"_s;
        const QByteArray date = "KETTWERK-LAUF 1 k7f3q 2026-12-07T17:32:02 ";
        row("date without offset", date + "1\nF 1 a.prt\n", "a.prt S:");
        row("empty file", ""_ba, notALog);
        row("header without line end", date + "12", notALog);
        row("id of six", "KETTWERK-LAUF 1 k7f3q0 2026-12-07 1\nF 1 a.prt\n"_ba, notALog);
        row("newer format", "KETTWERK-LAUF 2 k7f3q x\n"_ba,
            file + u"ein Protokoll einer neueren Version von Kettwerk (Format 2)."_s);
        row("fewer files", date + "3\nF 1 a\nF 2 b\nS 1 k7f3q\n", count.arg(3).arg(2).arg(4));
        row("gap", date + "3\nF 1 a\nF 3 c\n",
            "Fehler: „%P“, Zeile 3: Nr. 3 in der Dateiliste, erwartet war Nr. 2");
        row("half name at the end", date + "2\nF 1 a\nF 2 pla", count.arg(2).arg(1).arg(3));
        // Markers, from line 5 on.
        row("blanks, stray CR, lone CR, E without line end",
            kHead + "S 1 k7f3q \nS 2 k7f3q\r\r\nS 3 k7f3q\rE k7f3q", "S:1,2,3 E");
        row("again, and after its end",
            kHead + "S 1 k7f3q\nS 3 k7f3q\nS 1 k7f3q\nE k7f3q\nS 2 k7f3q\n", "S:1,3,1,2");
        row("other batch", kHead + "S 1 k7f3q\r\nS 2 a0z9z\r\nE a0z9z\r\n", "S:1 andere:2");
        row("numbers 0, 3 and 4", kHead + "S 0 k7f3q\r\nS 3 k7f3q\r\nS 4 k7f3q\r\n",
            u"S:3\n"_s + outside.arg(5).arg(0) + u'\n' + outside.arg(7).arg(4));
        row("garbage", kHead + "S 1 k7f3q\r\nHallo\r\nS zwei k7f3q\r\nF 4 d.prt\r\nS 2 k7f3q\r\n",
            QStringList{u"S:1,2"_s, unknown.arg(6), unknown.arg(7), unknown.arg(8)}.join(u'\n'));
        row("half marker at the end", kHead + "S 1 k7f3q\r\nS 2 k7f",
            "S:1\n„%P“, Zeile 6: unvollständige letzte Zeile übergangen");
    }
    // Read in one piece and again byte by byte, as a log that grows one byte
    // at a time: the markers the second has read at any moment must be the
    // start of what the first read, never a misread half line, and at the end
    // all the same. (Plain LF line ends: the markers' rows and the short heads.)
    void reads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        RunLogReader whole(kPath), pieces(kPath);
        whole.append(bytes);
        whole.finish();
        QCOMPARE(described(whole), expected);
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            pieces.append(QByteArrayView(bytes).sliced(i, 1));
            QCOMPARE(pieces.log().started, whole.log().started.mid(0, pieces.log().started.size()));
        }
        pieces.finish();
        QCOMPARE(described(pieces), expected);
    }
    void timing()
    {
        RunTiming timing;
        timing.update(runOf(6, u"1 2"_s), kStart); // at the first reading: the file's last change
        timing.update(runOf(6, u"1 2 3"_s), kStart.addSecs(50));
        timing.update(runOf(6, u"1 2 3 4"_s), kStart.addSecs(60));
        timing.update(runOf(6, u"1 2 3 4 5 6"_s), kStart.addSecs(200)); // two at once
        // Unknown: 1 began at some time before the first reading, the end of 4
        // came unseen, and so did the first marker.
        QVERIFY(!timing.secondsFor(1) && !timing.secondsFor(4) && !timing.firstMarkerSeen());
        QCOMPARE(timing.secondsFor(2), 50);
        QCOMPARE(timing.medianSeconds(), 30); // of 50 and 10
        // The end seen in the same second as the last start: a file of no time, still a time.
        timing.update(runOf(6, u"1 2 3 4 5 6 E"_s), kStart.addSecs(200));
        QCOMPARE(timing.secondsFor(6), 0);
        QCOMPARE(timing.medianSeconds(), 10); // of 50, 10 and 0

        QCOMPARE(followed(3, u"1"_s).firstMarkerSeen(), kStart); // seen after an empty reading

        // How times are told, at the ends of the units.
        QCOMPARE(durationText(59) + u'|' + durationText(60), u"59 s|1 min"_s);
        QCOMPARE(durationText(3599) + u'|' + durationText(3600), u"59 min|1 h 0 min"_s);
    }
    // A run of four files followed marker by marker, the first three files of
    // 10, 20 and 30 s: its progress and the seconds left, and whether `quiet`
    // seconds after the last marker it counts as stuck (at 20 × the median,
    // at least 300 s). tst_runwindow checks 300 and 301 s where both are 300.
    void state_data()
    {
        QTest::addColumn<QString>("marks");
        // total/started/finished/current/ended | remaining | remaining after the current
        // one | seconds left (median × files not finished; -1: unknown)
        QTest::addColumn<QString>("progress");
        QTest::addColumn<int>("quiet");
        QTest::addColumn<bool>("stalled");
        row("before the first marker", "", "4/0/0/0/0 | 1 2 3 4 | 1 2 3 4 | -1", 100000, false);
        row("no median yet: the floor", "1", "4/1/0/1/0 | 1 2 3 4 | 2 3 4 | -1", 301, true);
        row("floor, exactly", "1 2", "4/2/1/2/0 | 2 3 4 | 3 4 | 30", 300, false); // 20 × 10 is less
        row("factor × median, exactly", "1 2 3 4", "4/4/3/4/0 | 4 |  | 20", 400, false);
        row("factor × median, a second over", "1 2 3 4", "4/4/3/4/0 | 4 |  | 20", 401, true);
        row("ended", "1 2 3 4 E", "4/4/4/4/1 |  |  | 0", 100000, false);
        // The pause before the second pass is no file's time; file 1 took 50 s in it.
        row("again, at 2", "1 2 3 4 1 2", "4/4/3/2/0 | 2 3 4 | 3 4 | 30", 601, true);
    }
    void state()
    {
        QFETCH(QString, marks);
        QFETCH(QString, progress);
        QFETCH(int, quiet);
        QFETCH(bool, stalled);
        const RunLog log = runOf(4, marks);
        const RunProgress p = progressOf(log);
        const RunTiming timing = followed(4, marks);
        QCOMPARE(joined({p.total, p.started, p.finished, p.current, p.ended}, u'/') + u" | "_s +
                     joined(remainingFiles(log, false)) + u" | "_s +
                     joined(remainingFiles(log, true)) + u" | "_s +
                     QString::number(timing.secondsLeft(p).value_or(-1)),
                 progress);
        const QDateTime now = timing.lastMarkerSeen().value_or(kStart).addSecs(quiet);
        QCOMPARE(timing.stalled(now, p, StallRule{20, 300}), stalled);
    }
    void readWholeLog()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromUtf16(kRunLogFileName));
        QVERIFY(writeBytes(path, kHead + "S 1 k7f3q\r\n"));
        const Result<RunLog> read = readRunLog(path);
        QCOMPARE(read.error(), QString());
        QCOMPARE(read.value().written, QDateTime(QDate(2026, 12, 7), QTime(16, 32, 2), Qt::UTC));
        QVERIFY(writeBytes(path, "KETTWERK-LAUF\n"));
        QCOMPARE(readRunLog(path).kind(), FailureKind::BadInput);
        // A folder cannot be read (tst_runs: a missing doit.log); another
        // program's file fails before any line end, while the log is followed.
        QCOMPARE(readRunLog(dir.path()).kind(), FailureKind::File);
        QVERIFY(readRunLog(dir.path()).error().contains(QDir::toNativeSeparators(dir.path())));
        RunLogReader zipFile(kPath);
        zipFile.append("PK\x03\x04");
        QVERIFY(!zipFile.state().ok());
    }
};

QTEST_APPLESS_MAIN(TestRunLog)
#include "tst_runlog.moc"
