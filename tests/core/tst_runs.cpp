#include "core/RunLog.h"
#include "support/BatchFixture.h"
#include "support/Player.h"
#include "support/Rows.h"

#include <QRegularExpression>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

QByteArray listOf(int files)
{
    QByteArray list;
    for (int i = 1; i <= files; ++i)
        list += "f" + QByteArray::number(i) + ".drw\n";
    return list;
}

enum Setup { NoLog, ForeignLog, NotStarted, Finished, WrittenAgain, EarlierLogBack };

} // namespace

// Runs written with a progress log, played as Pro/ENGINEER would, looked at
// and taken up again through kettwerk-batch.
class TestRuns : public QObject, BatchFixture
{
    Q_OBJECT
    int batch(const QStringList& arguments, const QByteArray& list = {})
    {
        return m_batch.run(arguments + QStringList{u"--out"_s, m_work->path()}, list);
    }
    int write(const QByteArray& list, bool log = true)
    {
        return batch(log ? QStringList{u"--list"_s, u"-"_s, u"--log"_s}
                         : QStringList{u"--list"_s, u"-"_s},
                     list);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(setUpHome()); }
    void init() { startAfresh(); }

    // The lines a batch gains, byte for byte, and the log written beside it.
    void markersStandAroundEachFile()
    {
        QCOMPARE(batch({u"--list"_s, u"-"_s, u"--log"_s, u"--mapkeys"_s, u"rt"_s}, "a.drw\n"), 0);
        const QByteArray log = readBytes(file(u"doit.log"_s));
        const QRegularExpressionMatch head =
            QRegularExpression(u"^KETTWERK-LAUF 1 ([a-z0-9]{5}) \\S+ 1\r\nF 1 a.drw\r\n$"_s)
                .match(QString::fromLatin1(log));
        QVERIFY2(head.hasMatch(), log);
        const QByteArray id = head.captured(1).toLatin1();
        QByteArray expected = oneFileBatch("a.drw", "rt");
        expected.insert(18, "mapkey(continued) @SYSTEM>>doit.log echo S 1 " + id + ";\\\r\n");
        expected.insert(expected.size() - 25,
                        "mapkey(continued) @SYSTEM>>doit.log echo E " + id + ";\\\r\n");
        QCOMPARE(readBytes(file(u"doit.pro"_s)), expected);
        // The markers are Kettwerk's own: no warning about @SYSTEM.
        QVERIFY2(!m_batch.err.contains(u"@SYSTEM"_s), qPrintable(m_batch.err));
    }
    // The crash test: a 1,200-file run breaks off in file 212 and goes on.
    void brokenRunGoesOnWhereItStopped_data()
    {
        QTest::addColumn<bool>("skip");
        row("repeat Nr. 212", false);
        row("skip Nr. 212", true);
    }
    void brokenRunGoesOnWhereItStopped()
    {
        QFETCH(bool, skip);
        QCOMPARE(write(listOf(1200)), 0);
        QVERIFY(playBatch(m_work->path(), 212));
        QCOMPARE(batch({u"--status"_s}), 3);
        QVERIFY2(m_batch.out.contains(": 212 von 1200 Dateien begonnen, 211 fertig.\n"
                                      "Zuletzt begonnen: Nr. 212 f212.drw, vor "),
                 m_batch.out);
        QCOMPARE(batch(skip ? QStringList{u"--resume"_s, u"--skip-current"_s}
                            : QStringList{u"--resume"_s}),
                 0);
        QCOMPARE(m_batch.out, skip ? "doit.pro enthält nun die 988 übrigen Dateien ab Nr. 213.\n"
                                   : "doit.pro enthält nun die 989 übrigen Dateien ab Nr. 212.\n");
        QVERIFY(playBatch(m_work->path()));
        QCOMPARE(batch({u"--status"_s}), 0);
        // The two logs together cover every file once, Nr. 212 twice when repeated.
        QStringList all;
        for (const QString& name : {u"doit.log.1"_s, u"doit.log"_s}) {
            const RunLog log = readRunLog(file(name)).value();
            for (const qsizetype number : log.started)
                all.append(log.files.at(number - 1));
        }
        QCOMPARE(all.size(), skip ? 1200 : 1201);
        for (int i = 1; i <= 1200; ++i)
            QCOMPARE(all.count(u"f%1.drw"_s.arg(i)), i == 212 && !skip ? 2 : 1);
        QCOMPARE(batch({u"--resume"_s}), 1); // nothing left
    }
    void statusAndResumeSayWhatIsWrong_data()
    {
        QTest::addColumn<int>("setup");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said"); // in what it printed
        row("no log", int(NoLog), "--status", 2, "doit.log“ konnte nicht gelesen werden");
        row("another program's file", int(ForeignLog), "--resume", 2,
            "kein Protokoll von Kettwerk");
        row("not started", int(NotStarted), "--status", 3, "noch nicht begonnen, 0 von 2 Dateien");
        row("finished", int(Finished), "--status", 0, "fertig, 2 von 2 Dateien");
        row("nothing left", int(Finished), "--resume", 1, "keine Datei mehr übrig");
        row("doit.pro written again", int(WrittenAgain), "--resume", 2, "gehört nicht mehr");
        row("the earlier log put back", int(EarlierLogBack), "--resume", 2, "gehört nicht mehr");
    }
    // ... and write nothing.
    void statusAndResumeSayWhatIsWrong()
    {
        QFETCH(int, setup);
        QFETCH(QString, command);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        if (setup == ForeignLog)
            QVERIFY(writeBytes(file(u"doit.log"_s), "Protokoll\r\n"));
        if (setup != NoLog && setup != ForeignLog)
            QCOMPARE(write(listOf(2)), 0);
        if (setup == Finished || setup == WrittenAgain)
            QVERIFY(playBatch(m_work->path(), setup == Finished ? -1 : 1));
        if (setup == WrittenAgain)
            QCOMPARE(write(listOf(3), false), 0);
        if (setup == EarlierLogBack) { // a batch of as many files, its log
            QCOMPARE(write("a.drw\nb.drw\n"), 0);
            QVERIFY(QFile::remove(file(u"doit.log"_s)) &&
                    QFile::copy(file(u"doit.log.1"_s), file(u"doit.log"_s)));
        }
        const QStringList before = entries(m_work->path());
        const QByteArray doit = readBytes(file(u"doit.pro"_s));
        const QByteArray log = readBytes(file(u"doit.log"_s));
        QCOMPARE(batch({command}), exitCode);
        const QString printed = QString::fromUtf8(m_batch.out) + m_batch.err;
        QVERIFY2(printed.contains(said), qPrintable(printed));
        QCOMPARE(entries(m_work->path()), before);
        QCOMPARE(readBytes(file(u"doit.pro"_s)), doit);
        QCOMPARE(readBytes(file(u"doit.log"_s)), log);
    }
    // The rest from the first file on is the whole batch, byte for byte but
    // for the new id.
    void restIsCutByteForByte()
    {
        QCOMPARE(write(listOf(3)), 0);
        const QByteArray before = readBytes(file(u"doit.pro"_s));
        const QByteArray oldId = readBytes(file(u"doit.log"_s)).mid(16, 5);
        QVERIFY(playBatch(m_work->path(), 1));
        QCOMPARE(batch({u"--resume"_s}), 0);
        const QByteArray newId = readBytes(file(u"doit.log"_s)).mid(16, 5);
        QVERIFY(newId != oldId);
        QCOMPARE(readBytes(file(u"doit.pro"_s)), QByteArray(before).replace(oldId, newId));
    }
    // An earlier log is kept once; a batch without the log leaves it alone,
    // and a doit.pro that cannot be written puts both back.
    void earlierLogIsKept()
    {
        QVERIFY(QDir().mkdir(file(u"doit.pro"_s))); // the first write fails: no log stays
        QCOMPARE(write("a.drw\n"), 2);
        QCOMPARE(entries(m_work->path()), QStringList{u"doit.pro"_s});
        QVERIFY(QDir().rmdir(file(u"doit.pro"_s)));
        QCOMPARE(write("a.drw\n"), 0);
        const QByteArray first = readBytes(file(u"doit.log"_s));
        QCOMPARE(write("b.drw\n"), 0);
        const QByteArray second = readBytes(file(u"doit.log"_s));
        QCOMPARE(readBytes(file(u"doit.log.1"_s)), first);
        QVERIFY(second.contains("F 1 b.drw"));
        QCOMPARE(write("b.drw\n"), 0); // kept once: the older goes
        QCOMPARE(readBytes(file(u"doit.log.1"_s)), second);
        QCOMPARE(write("c.drw\n", false), 0);
        QVERIFY(!readBytes(file(u"doit.pro"_s)).contains("@SYSTEM"));
        QVERIFY(QFile::remove(file(u"doit.pro"_s)) && QDir().mkdir(file(u"doit.pro"_s)));
        const QByteArray third = readBytes(file(u"doit.log"_s));
        QCOMPARE(write("d.drw\n"), 2);
        QCOMPARE(readBytes(file(u"doit.log"_s)), third);
        QCOMPARE(readBytes(file(u"doit.log.1"_s)), second);
    }
};

QTEST_GUILESS_MAIN(TestRuns)
#include "tst_runs.moc"
