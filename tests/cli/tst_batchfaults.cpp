#include "BatchRunner.h"
#include "ExpectedBatch.h"
#include "Files.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

// kettwerk-batch where things go wrong: reads that fail partway, output that
// cannot be written, no working folder, text that would break doit.pro,
// lists in other encodings and installations at the same time.
class TestBatchFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();

    void readFailingPartwayWritesNothing_data();
    void readFailingPartwayWritesNothing();
    void unwritableOutputIsAFailure();
    void emptyWorkingFolderIsRefused();
    void unsafeTextIsRefusedByName();
    void listsInEveryEncodingAndFromFind_data();
    void listsInEveryEncodingAndFromFind();
    void concurrentInstallationsKeepEveryBlock();

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }

    BatchRunner m_batch;
    QTemporaryDir m_dir;
};

void TestBatchFaults::init()
{
    m_batch.reset();
    for (const QString& name : entries(m_dir.path()))
        QFile::remove(file(name));
}

void TestBatchFaults::readFailingPartwayWritesNothing_data()
{
    QTest::addColumn<QString>("failing"); // "-" for standard input
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("list file") << u"list.txt"_s << QStringList{u"--list"_s, u"list.txt"_s};
    QTest::newRow("standard input") << u"-"_s << QStringList{u"--list"_s, u"-"_s};
    QTest::newRow("config.pro") << u"config.pro"_s << QStringList{u"--install-auto"_s};
}

void TestBatchFaults::readFailingPartwayWritesNothing()
{
#ifdef Q_OS_LINUX
    QFETCH(QString, failing);
    QFETCH(QStringList, arguments);
    QByteArray list;
    for (int i = 0; i < 1000; ++i)
        list += "part" + QByteArray::number(i) + ".drw\n";
    QByteArray config;
    for (int i = 0; i < 1000; ++i)
        config += "mapkey m" + QByteArray::number(i) + " @MAPKEY_LABELeins;\r\n";
    QVERIFY(writeBytes(file(u"list.txt"_s), list) && writeBytes(file(u"config.pro"_s), config));
    m_batch.environment.insert(u"LD_PRELOAD"_s, qEnvironmentVariable("KETTWERK_FAILING_READ"));
    m_batch.environment.insert(u"KETTWERK_FAIL_PATH"_s,
                               failing == u"-"_s ? failing : QDir(m_dir.path()).filePath(failing));
    m_batch.environment.insert(u"KETTWERK_FAIL_AFTER"_s, u"4096"_s);
    arguments.replaceInStrings(u"list.txt"_s, file(u"list.txt"_s));
    QCOMPARE(m_batch.run(arguments + QStringList{u"--out"_s, m_dir.path()}, list), 2);
    QVERIFY2(m_batch.err.contains(u"Input/output error"_s), qPrintable(m_batch.err));
    QVERIFY(!QFile::exists(file(u"doit.pro"_s)));
    QCOMPARE(readBytes(file(u"config.pro"_s)), config);
#else
    QSKIP("The failing read is put in place with LD_PRELOAD");
#endif
}

void TestBatchFaults::unwritableOutputIsAFailure()
{
#ifdef Q_OS_LINUX
    m_batch.outputFile = u"/dev/full"_s;
    QCOMPARE(m_batch.run({u"--list"_s, u"-"_s, u"--print"_s}, "a.drw\n"), 2);
    QVERIFY2(m_batch.err.contains(u"No space left on device"_s), qPrintable(m_batch.err));
    // A reader that goes away early.
    QProcess shell;
    shell.setProcessEnvironment(m_batch.environment);
    shell.start(u"bash"_s, {u"-c"_s, u"seq 1 50000 | \"$KETTWERK_BATCH\" --list - --print | "
                                     u"head -c 1 >/dev/null; exit ${PIPESTATUS[1]}"_s});
    QVERIFY(shell.waitForFinished(60000));
    QCOMPARE(shell.exitCode(), 2);
    QVERIFY(shell.readAllStandardError().contains("Broken pipe"));
#else
    QSKIP("/dev/full is a Linux device");
#endif
}

void TestBatchFaults::emptyWorkingFolderIsRefused()
{
    // The root of the drive must see no new doit.pro (another program may keep one there).
    const auto rootFile = [] {
        const QFileInfo root(u"/doit.pro"_s);
        return root.exists() ? root.lastModified().toString(Qt::ISODateWithMs) : QString();
    };
    const QString rootBefore = rootFile();
    QCOMPARE(m_batch.run({u"--list"_s, u"-"_s, u"--out"_s, QString()}, "a.drw\n"), 1);
    // A stored empty folder would mean the root of the drive, or the program's folder.
    QVERIFY(QDir().mkpath(m_batch.settings->path() + u"/Kettwerk"_s));
    QVERIFY(writeBytes(m_batch.settings->path() + u"/Kettwerk/Kettwerk.ini"_s,
                       "[Optionen]\ntxt_pro=\n"));
    for (const QStringList& arguments :
         {QStringList{u"--list"_s, u"-"_s}, QStringList{u"--install-auto"_s}}) {
        QCOMPARE(m_batch.run(arguments, "a.drw\n"), 2);
        QVERIFY2(m_batch.err.contains(u"kein Speicherort"_s), qPrintable(m_batch.err));
    }
    QCOMPARE(rootFile(), rootBefore);
    QVERIFY(!QFileInfo::exists(QFileInfo(qEnvironmentVariable("KETTWERK_BATCH")).absolutePath() +
                               u"/config.pro"_s));
}

void TestBatchFaults::unsafeTextIsRefusedByName()
{
    const QByteArray list = "gut.drw\na`b.drw\nc\td.prt\ne\x01.asm\n";
    QCOMPARE(m_batch.run({u"--list"_s, u"-"_s, u"--out"_s, m_dir.path(), u"--mapkeys"_s,
                          u"rt\nmapkey evil ~ ;"_s},
                         list),
             1);
    for (const QString& named :
         {u"„a`b.drw“: Akzent `"_s, u"„c<Tabulator>d.prt“: Tabulator"_s,
          u"„e<Steuerzeichen U+0001>.asm“"_s, u"Mapkey-Namen „rt<Zeilenumbruch>mapkey evil ~ ;“"_s})
        QVERIFY2(m_batch.err.contains(named), qPrintable(m_batch.err));
    QVERIFY(!m_batch.err.contains(u"gut.drw"_s));
    QVERIFY(entries(m_dir.path()).isEmpty());
}

void TestBatchFaults::listsInEveryEncodingAndFromFind_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("UTF-16 LE") << QByteArray("\xff\xfeM\0\xfc\0.\0d\0r\0w\0\r\0\n\0", 18)
                               << QByteArray("M\xfc.drw");
    QTest::newRow("UTF-16 BE") << QByteArray("\xfe\xff\0M\0\xfc\0.\0d\0r\0w\0\n", 16)
                               << QByteArray("M\xfc.drw");
    QTest::newRow("find .") << QByteArray(".\n./sub\n./sub/a.drw.3\n") << QByteArray("a.drw");
}

void TestBatchFaults::listsInEveryEncodingAndFromFind()
{
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, name);
    QCOMPARE(m_batch.run({u"--list"_s, u"-"_s, u"--print"_s}, list), 0);
    QVERIFY2(m_batch.out.contains("`Inputname` `" + name + "`;\\\r\n"), m_batch.out.constData());
}

void TestBatchFaults::concurrentInstallationsKeepEveryBlock()
{
    QVERIFY(writeBytes(file(u"config.pro"_s), "! meine Einstellungen\r\n"));
    QList<QProcess*> running;
    for (int i = 0; i < 20; ++i) {
        auto* process = new QProcess(this);
        process->setProcessEnvironment(m_batch.environment);
        process->start(qEnvironmentVariable("KETTWERK_BATCH"),
                       {u"--install-auto"_s, u"--out"_s, m_dir.path()});
        running.append(process);
    }
    for (QProcess* process : running) {
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitCode(), 0);
    }
    qDeleteAll(running);
    const QByteArray config = readBytes(file(u"config.pro"_s));
    QVERIFY(config.startsWith("! meine Einstellungen\r\n"));
    QCOMPARE(config.count(kAutoBlock), 20);
    QCOMPARE(config.size(), 23 + 20 * kAutoBlock.size());
    QCOMPARE(entries(m_dir.path()), QStringList{u"config.pro"_s});
}

QTEST_GUILESS_MAIN(TestBatchFaults)
#include "tst_batchfaults.moc"
