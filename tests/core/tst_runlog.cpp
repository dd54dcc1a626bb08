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

QString joined(const QList<qsizetype>& numbers, QChar separator = u' ')
{
    QStringList texts;
    for (const qsizetype number : numbers)
        texts.append(QString::number(number));
    return texts.join(separator);
}

// The failure, or "files S:numbers E andere:n" and the problems, one a
// line; "%P" stands for the path as messages show it.
QString described(const RunLogReader& reader, bool withFiles)
{
    const RunLog& log = reader.log();
    QString text = (withFiles ? log.files.join(u'|') + u' ' : QString()) + u"S:"_s +
                   joined(log.started, u',') + (log.ended ? u" E"_s : QString());
    if (log.otherBatchLines > 0)
        text += u" andere:"_s + QString::number(log.otherBatchLines);
    if (!reader.state().ok())
        text = u"Fehler: "_s + reader.state().error();
    else if (!log.problems.isEmpty())
        text += u'\n' + log.problems.join(u'\n');
    return text.replace(QDir::toNativeSeparators(kPath), u"%P"_s);
}

// Reads `bytes` in one piece and again byte by byte, as a log that grows one
// byte at a time. What the second has read at any moment must be the start of
// what the first read, never a misread half line, and at the end the same.
QString readBothWays(const QByteArray& bytes, bool withFiles = false)
{
    RunLogReader whole(kPath);
    whole.append(bytes);
    whole.finish();
    RunLogReader pieces(kPath);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        pieces.append(QByteArrayView(bytes).sliced(i, 1));
        const RunLog& now = pieces.log();
        if (now.files != whole.log().files.mid(0, now.files.size()) ||
            now.started != whole.log().started.mid(0, now.started.size()))
            return u"misread after byte "_s + QString::number(i);
    }
    pieces.finish();
    const QString result = described(whole, withFiles);
    return described(pieces, withFiles) == result ? result : described(pieces, withFiles);
}

// A log of `files` files with the markers `marks` ("1 2 E": S 1, S 2, E).
RunLog runOf(qsizetype files, const QString& marks)
{
    RunLog log;
    log.id = u"k7f3q"_s;
    for (qsizetype i = 1; i <= files; ++i)
        log.files.append(u"f%1.prt"_s.arg(i));
    for (const QString& mark : marks.split(u' ', Qt::SkipEmptyParts)) {
        log.ended = mark == u"E";
        if (!log.ended)
            log.started.append(mark.toInt());
    }
    return log;
}

// A run followed from before its first marker, one marker per reading: the
// k-th marker (from 0) is seen 5·k·(k+1) seconds after kStart, so the file
// it ends took 10·k seconds.
RunTiming followed(qsizetype files, const QString& marks)
{
    RunTiming timing;
    timing.update(runOf(files, QString()), kStart);
    const QStringList each = marks.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype k = 0; k < each.size(); ++k)
        timing.update(runOf(files, each.first(k + 1).join(u' ')), kStart.addSecs(5 * k * (k + 1)));
    return timing;
}

} // namespace

class TestRunLog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void heads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        const QString files = u"bracket.drw|plate 2.prt|Mutterä.asm S:"_s;
        const QString notALog =
            u"Fehler: Die Datei „%P“ ist kein Protokoll von Kettwerk (Zeile 1)."_s;
        const QByteArray date = "KETTWERK-LAUF 1 k7f3q 2026-12-07T17:32:02 ";
        row("CR LF", kHead, files);
        row("LF", QByteArray(kHead).replace("\r\n", "\n"), files);
        row("lone CR", QByteArray(kHead).replace("\r\n", "\r"), files);
        row("date without offset", date + "1\nF 1 a.prt\n", "a.prt S:");
        row("another program's file", "mapkey a %b;\n"_ba, notALog);
        row("empty file", ""_ba, notALog);
        row("header without line end", date + "12", notALog);
        row("id of six", "KETTWERK-LAUF 1 k7f3q0 2026-12-07 1\nF 1 a.prt\n"_ba, notALog);
        row("newer format", "KETTWERK-LAUF 2 k7f3q x\n"_ba,
            "Fehler: Die Datei „%P“ ist ein Protokoll einer neueren Version von Kettwerk (Format "
            "2).");
        row("fewer files", date + "3\nF 1 a.prt\nF 2 b.prt\nS 1 k7f3q\n",
            "Fehler: „%P“: der Kopf nennt 3 Dateien, die Liste hat 2 (Zeile 4)");
        row("more files", date + "2\nF 1 a.prt\nF 2 b.prt\nF 3 c.prt\n",
            "Fehler: „%P“: der Kopf nennt 2 Dateien, die Liste hat 3 (Zeile 4)");
        row("gap", date + "3\nF 1 a.prt\nF 3 c.prt\n",
            "Fehler: „%P“, Zeile 3: Nr. 3 in der Dateiliste, erwartet war Nr. 2");
        row("half name at the end", date + "2\nF 1 a.prt\nF 2 pla",
            "Fehler: „%P“: der Kopf nennt 2 Dateien, die Liste hat 1 (Zeile 3)");
    }
    void heads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(readBothWays(bytes, true), expected);
    }
    void markers_data()
    {
        QTest::addColumn<QByteArray>("markers"); // from line 5 on
        QTest::addColumn<QString>("expected");
        const QString outside = u"„%P“, Zeile %1: Nr. %2 liegt außerhalb der Liste (1 bis 3)"_s;
        const QString unknown = u"„%P“, Zeile %1: unbekannte Zeile übergangen"_s;
        row("none", ""_ba, "S:");
        row("blanks, stray CR, lone CR, E without line end",
            "S 1 k7f3q \nS 2 k7f3q\r\r\nS 3 k7f3q\rE k7f3q"_ba, "S:1,2,3 E");
        row("run again after a break", "S 1 k7f3q\nS 2 k7f3q\nS 3 k7f3q\nS 1 k7f3q\nS 2 k7f3q\n"_ba,
            "S:1,2,3,1,2");
        row("run again after its end", "S 1 k7f3q\nS 2 k7f3q\nS 3 k7f3q\nE k7f3q\nS 1 k7f3q\n"_ba,
            "S:1,2,3,1");
        row("other batch", "S 1 k7f3q\r\nS 2 a0z9z\r\nE a0z9z\r\n"_ba, "S:1 andere:2");
        row("numbers 0, 3 and 4", "S 0 k7f3q\r\nS 3 k7f3q\r\nS 4 k7f3q\r\n"_ba,
            u"S:3\n"_s + outside.arg(5).arg(0) + u'\n' + outside.arg(7).arg(4));
        row("garbage", "S 1 k7f3q\r\nHallo\r\nS zwei k7f3q\r\nF 4 d.prt\r\nS 2 k7f3q\r\n"_ba,
            QStringList{u"S:1,2"_s, unknown.arg(6), unknown.arg(7), unknown.arg(8)}.join(u'\n'));
        row("half marker at the end", "S 1 k7f3q\r\nS 2 k7f"_ba,
            "S:1\n„%P“, Zeile 6: unvollständige letzte Zeile übergangen");
    }
    void markers()
    {
        QFETCH(QByteArray, markers);
        QFETCH(QString, expected);
        QCOMPARE(readBothWays(kHead + markers), expected);
    }
    void halfLineWaits()
    {
        RunLogReader reader(kPath);
        reader.append(kHead + "S 1 k7");
        QCOMPARE(reader.log().started, QList<qsizetype>());
        QCOMPARE(reader.bytesRead(), kHead.size());
        QCOMPARE(reader.bytesFed(), kHead.size() + 6);
        reader.append("f3q\r");
        reader.append("\n");
        QCOMPARE(reader.log().started, QList<qsizetype>{1});
        QCOMPARE(reader.bytesRead(), kHead.size() + 11);

        RunLogReader zipFile(kPath); // shows itself before any line end
        zipFile.append("PK\x03\x04");
        QVERIFY(!zipFile.state().ok());
    }
    void progress_data()
    {
        QTest::addColumn<QString>("marks");
        // total/started/finished/current (E) | remaining | remaining after the current one
        QTest::addColumn<QString>("expected");
        row("nothing started", "", "3/0/0/0 | 1 2 3 | 1 2 3");
        row("first file", "1", "3/1/0/1 | 1 2 3 | 2 3");
        row("last file", "1 2 3", "3/3/2/3 | 3 | ");
        row("ended", "1 2 3 E", "3/3/3/3 E |  | ");
        row("again, at 2", "1 2 3 1 2", "3/3/2/2 | 2 3 | 3");
    }
    void progress()
    {
        QFETCH(QString, marks);
        QFETCH(QString, expected);
        const RunLog log = runOf(3, marks);
        const RunProgress p = progressOf(log);
        const QString shown = joined({p.total, p.started, p.finished, p.current}, u'/') +
                              (p.ended ? u" E | "_s : u" | "_s) +
                              joined(remainingFiles(log, false)) + u" | "_s +
                              joined(remainingFiles(log, true));
        QCOMPARE(shown, expected);
    }
    void timing()
    {
        RunTiming timing;
        timing.update(runOf(6, u"1 2"_s), kStart); // at the first reading: the file's last change
        timing.update(runOf(6, u"1 2 3"_s), kStart.addSecs(50));
        timing.update(runOf(6, u"1 2 3 4"_s), kStart.addSecs(60));
        timing.update(runOf(6, u"1 2 3 4 5 6"_s), kStart.addSecs(200)); // two at once
        QCOMPARE(timing.secondsFor(1), std::nullopt); // came at some time before the first reading
        QCOMPARE(timing.secondsFor(2), 50);
        QCOMPARE(timing.secondsFor(4), std::nullopt); // the end of 4 came unseen
        QCOMPARE(timing.firstMarkerSeen(), std::nullopt);
        QCOMPARE(timing.lastMarkerSeen(), kStart.addSecs(200));
        QCOMPARE(timing.medianSeconds(), 30); // of 50 and 10
        QCOMPARE(timing.secondsLeft(progressOf(runOf(6, u"1 2 3 4 5 6"_s))), 30);
        timing.update(runOf(6, u"1 2 3 4 5 6 E"_s), kStart.addSecs(240));
        QCOMPARE(timing.secondsFor(6), 40);
        QCOMPARE(timing.medianSeconds(), 40); // of 50, 10 and 40
        // Two markers seen in the same second: a file of no time, still a time.
        RunTiming quick;
        quick.update(runOf(3, QString()), kStart);
        quick.update(runOf(3, u"1"_s), kStart.addSecs(5));
        quick.update(runOf(3, u"1 2"_s), kStart.addSecs(5));
        QCOMPARE(quick.secondsFor(1), 0);

        // A break and a start from the first file: the pause is no file's time.
        const RunTiming again = followed(3, u"1 2 3 1 2"_s);
        QCOMPARE(again.firstMarkerSeen(), kStart);
        QCOMPARE(again.secondsFor(3), std::nullopt);
        QCOMPARE(again.secondsFor(1), 40); // the latest pass
    }
    void durations_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        row("59 s", 59, "59 s");
        row("60 s", 60, "1 min");
        row("59 min 59 s", 3599, "59 min");
        row("60 min", 3600, "1 h 0 min");
    }
    void durations()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(durationText(seconds), text);
    }
    void stall_data()
    {
        QTest::addColumn<QString>("marks"); // of four files, durations 10, 20, 30, 40 s
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("quiet"); // seconds since the last marker
        QTest::addColumn<bool>("stalled");
        row("floor, exactly", "1 2 3 4", 10, 300, false); // 10 × median 20 is less
        row("floor, a second over", "1 2 3 4", 10, 301, true);
        row("factor × median, exactly", "1 2 3 4", 30, 600, false);
        row("factor × median, a second over", "1 2 3 4", 30, 601, true);
        row("no median yet: the floor", "1", 30, 301, true);
        row("ended", "1 2 3 4 E", 10, 100000, false);
        row("before the first marker", "", 10, 100000, false);
    }
    void stall()
    {
        QFETCH(QString, marks);
        QFETCH(int, factor);
        QFETCH(int, quiet);
        const RunTiming timing = followed(4, marks);
        const QDateTime now = timing.lastMarkerSeen().value_or(kStart).addSecs(quiet);
        QFETCH(bool, stalled);
        QCOMPARE(timing.stalled(now, progressOf(runOf(4, marks)), StallRule{factor, 300}), stalled);
    }
    void readWholeLog()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromUtf16(kRunLogFileName));
        QVERIFY(writeBytes(path, kHead + "S 1 k7f3q\r\n"));
        const Result<RunLog> read = readRunLog(path);
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QCOMPARE(read.value().files.size(), 3);
        QCOMPARE(read.value().written,
                 QDateTime::fromString(u"2026-12-07T16:32:02Z"_s, Qt::ISODate));

        QVERIFY(writeBytes(path, "KETTWERK-LAUF\n"));
        QCOMPARE(readRunLog(path).kind(), FailureKind::BadInput);
        for (const QString& unreadable : {dir.filePath(u"vanished.log"_s), dir.path()}) {
            const Result<RunLog> failed = readRunLog(unreadable);
            QCOMPARE(failed.kind(), FailureKind::File);
            QVERIFY2(failed.error().contains(QDir::toNativeSeparators(unreadable)),
                     qPrintable(failed.error()));
        }
    }
};

QTEST_APPLESS_MAIN(TestRunLog)
#include "tst_runlog.moc"
