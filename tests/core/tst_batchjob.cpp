#include "BatchJob.h"
#include "FileBytes.h"
#include "Paths.h"
#include "Platform.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "Templates.h"
#include "TestEnvironment.h"

#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace kettwerk;
using namespace Qt::StringLiterals;

// The batch job as both front ends use it: start values, paths, composing
// and writing doit.pro.
class TestBatchJob : public QObject
{
    Q_OBJECT
    TestSettings m_settings;
    QTemporaryDir m_home, m_work;

    // Writes doit.pro with the custom sequence for `name` into `folder`.
    static JobResult write(const QString& folder, const QString& name)
    {
        BatchJob job;
        job.setWorkingFolder(folder);
        job.setSelection({name});
        job.composeCustomSequence();
        job.setSelection({u"later.drw"_s}); // composition has already taken the selection
        return job.writeBatchFile();
    }

private Q_SLOTS:
    void initTestCase() { qputenv("HOME", QFile::encodeName(m_home.path())); }
    void init() { m_settings.clear(); }

    void workingFolderAtStart_data()
    {
        QTest::addColumn<bool>("proFolderExists");
        QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
        QTest::addColumn<QString>("expected");
        const QString pro = m_home.path() + u"/ProEWildfire2/"_s;
        QTest::newRow("first run, folder exists") << true << QVariant() << pro;
        QTest::newRow("first run, no folder") << false << QVariant() << platform::programFolder();
        QTest::newRow("stored, gone") << true << QVariant(u"/no/such/"_s) << u"/no/such/"_s;
        QTest::newRow("stored empty") << true << QVariant(QString()) << QString();
    }
    void workingFolderAtStart()
    {
        QFETCH(bool, proFolderExists);
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        QDir(m_home.path()).rmdir(u"ProEWildfire2"_s);
        if (proFolderExists)
            QVERIFY(QDir(m_home.path()).mkdir(u"ProEWildfire2"_s));
        if (stored.isValid())
            storeSetting(settings::kWorkingFolder, stored.toString());
        BatchJob job;
        job.restore(platform::SettingsStore());
        QCOMPARE(job.workingFolder(), expected);
        QCOMPARE(job.mapkeyNames(), u"ds"_s);
        QCOMPARE(job.functionBlock(), templates::storedFunctionBlock());
    }

    void settingsThatCannotBeStoredAreReported()
    {
        // A folder where the settings file belongs stops every user, root too.
        const QString file = m_settings.file();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        BatchJob job;
        platform::SettingsStore store;
        const JobResult result = job.store(store);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(file)), qPrintable(result.error));
        QVERIFY(!job.storeMapkeyNames(store).ok);
        QVERIFY(QDir(file).removeRecursively());
    }

    // Only the separator at the very end counts and nothing is trimmed; with
    // no working folder, config.pro lies beside the program.
    void pathsFollowTheWorkingFolder()
    {
        QCOMPARE(configFilePath(u"E:\\pro"_s, u"C:\\prog"_s, u'\\'), u"E:\\pro\\config.pro"_s);
        QCOMPARE(configFilePath(u"/home/pro/"_s, u"/opt"_s, u'/'), u"/home/pro/config.pro"_s);
        QCOMPARE(configFilePath(QString(), u"C:\\prog"_s, u'\\'), u"C:\\prog\\config.pro"_s);
        const QChar separator = platform::pathSeparator();
        BatchJob job;
        job.setWorkingFolder(u"work"_s + separator);
        QCOMPARE(job.batchFilePath(), u"work"_s + separator + u"doit.pro"_s);
        job.setWorkingFolder(u"work "_s);
        QCOMPARE(job.batchFilePath(), u"work "_s + separator + u"doit.pro"_s);
        QVERIFY(!isExistingFile(QDir::tempPath()) && !isExistingFile(QString()));
    }

    void writesTheLastComposition()
    {
        const QString path = m_work.filePath(u"doit.pro"_s);
        QVERIFY(writeBytes(path, QByteArray(5000, 'x')));
        const JobResult result = write(m_work.path(), u"a.drw"_s);
        QVERIFY2(result.ok, qPrintable(result.error));
        const QByteArray written = readBytes(path);
        QVERIFY(written.contains("`Inputname` `a.drw`;\\\r\nmapkey(continued) ~ Activate "
                                 "`file_open` `Open`;%ds;\\\r\n"));
        QVERIFY(written.endsWith("mapkey(continued) ~ ;\r\n\r\n"));
        QCOMPARE(entries(m_work.path()), QStringList{u"doit.pro"_s});
    }

    void failedWriteLeavesTheEarlierFile_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder missing") << u"gone"_s << u"a.drw"_s << u"\nGrund: "_s;
        QTest::newRow("doit.pro is a folder") << u"sub"_s << u"a.drw"_s << u"Ordner"_s;
        QTest::newRow("name outside the code page") << u"."_s << u"Żuraw.drw"_s << u"„Żuraw.drw“"_s;
    }
    void failedWriteLeavesTheEarlierFile()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(u"doit.pro"_s), "earlier"));
        QVERIFY(QDir().mkpath(dir.filePath(u"sub/doit.pro"_s)));
        const JobResult result = write(dir.filePath(folder), name);
        QVERIFY(!result.ok);
        const QString path = QDir::toNativeSeparators(dir.filePath(folder + u"/doit.pro"_s));
        QVERIFY2(result.error.contains(path) && result.error.contains(reason),
                 qPrintable(result.error));
        QCOMPARE(readBytes(dir.filePath(u"doit.pro"_s)), QByteArray("earlier"));
        QCOMPARE(entries(dir.path()), (QStringList{u"doit.pro"_s, u"sub"_s}));
        QCOMPARE(entries(dir.filePath(u"sub"_s)), QStringList{u"doit.pro"_s});
    }

    void fullDiskLeavesTheEarlierFile()
    {
#ifdef Q_OS_UNIX
        // A file size limit fails the write the way a full disk does, even for
        // root; one file is small enough to sit in the write buffer.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 200;
        const QString path = m_work.filePath(u"doit.pro"_s);
        QVERIFY(writeBytes(path, "earlier"));
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const JobResult result = write(m_work.path(), u"a.drw"_s);
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
        QCOMPARE(readBytes(path), QByteArray("earlier"));
        QCOMPARE(entries(m_work.path()), QStringList{u"doit.pro"_s});
#else
        QSKIP("File size limits are a POSIX feature");
#endif
    }

    void tooShortOpenStepIsRefused()
    {
        BatchJob job;
        BatchFrame frame = job.frame();
        frame.openStep = u"`"_s;
        job.setFrame(frame);
        QVERIFY(!job.compose(u"`;\\\r\n"_s).ok);
        QVERIFY(!job.batch());
        frame.openStep = u"`\r"_s; // two characters are enough to drop
        job.setFrame(frame);
        QVERIFY(job.compose(u"`;\\\r\n"_s).ok);
        QCOMPARE(job.batch()->bytes(),
                 QByteArray("mapkey doit ~ ;\\\r\nmapkey(continued) ~ ;\r\n\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestBatchJob)
#include "tst_batchjob.moc"
