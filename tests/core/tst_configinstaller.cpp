#include "ConfigInstaller.h"
#include "ExpectedBatch.h"
#include "FileBytes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

// Every entry below `folder`, sorted: its path, its kind and a file's bytes.
QStringList snapshot(const QString& folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString kind = info.isSymLink() ? u"-> "_s + info.symLinkTarget()
                             : info.isDir()   ? u"/"_s
                             : info.isFile()
                                 ? u"= "_s + QString::fromLatin1(readBytes(it.filePath()))
                                 : u"(pipe or device)"_s;
        entries.append(QDir(folder).relativeFilePath(it.filePath()) + u' ' + kind);
    }
    entries.sort();
    return entries;
}

constexpr QFile::Permissions kOwnerAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;

enum Fault { MissingFolder, PathIsFolder, PathIsPipe, ReadOnlyFile, UnreadableFile, LockedFolder };

} // namespace

class TestConfigInstaller : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void createsThroughALinkAndAppendsEveryTime()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"work"_s) && QDir(dir.path()).mkdir(u"shared"_s));
        const QString target = dir.filePath(u"shared/real.pro"_s);
        const QString link = dir.filePath(u"work/config.pro"_s);
        QVERIFY(QFile::link(target, link)); // dangling: config.pro is still missing
        ConfigInstallResult result = installAutoMapkey(link);
        QVERIFY2(result.ok && result.created && result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(readBytes(target), kAutoBlock);
        result = installAutoMapkey(link);
        QVERIFY2(result.ok && !result.created, qPrintable(result.error));
        QCOMPARE(
            snapshot(dir.path()),
            (QStringList{u"shared /"_s,
                         u"shared/real.pro = "_s + QString::fromLatin1(kAutoBlock + kAutoBlock),
                         u"work /"_s, u"work/config.pro -> "_s + target}));
    }

    void linesAreCopiedWithCrLf_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("copied");
        QTest::newRow("empty file") << QByteArray() << QByteArray();
        QTest::newRow("lone LF") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QByteArray("a\r\nb\r\n");
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("mixed, empty lines, last without end")
            << QByteArray("a\r\n\r\nb\n\nc\r\rd") << QByteArray("a\r\n\r\nb\r\n\r\nc\r\n\r\nd\r\n");
        const QByteArray kept = "\xef\xbb\xbf a ;\\ \r\n\t\r\n";
        QTest::newRow("BOM, blanks and tabs") << kept << kept;
        QByteArray other; // every byte value but CR and LF, so none of them can end a line
        for (int b = 0; b < 256; ++b)
            other += b == '\r' || b == '\n' ? QByteArray() : QByteArray(1, char(b));
        QTest::newRow("every other byte value")
            << other + "\r\n" + other << other + "\r\n" + other + "\r\n";
    }
    void linesAreCopiedWithCrLf()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, copied);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.pro"_s);
        QVERIFY(writeBytes(path, before));
        const ConfigInstallResult result = installAutoMapkey(path);
        QVERIFY2(result.ok && !result.created, qPrintable(result.error));
        QCOMPARE(readBytes(path), copied + kAutoBlock);
    }

    void failureLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("folder missing") << int(MissingFolder);
        QTest::newRow("path is a folder") << int(PathIsFolder);
#ifdef Q_OS_UNIX
        QTest::newRow("path is a pipe") << int(PathIsPipe);
#endif
        QTest::newRow("read-only file") << int(ReadOnlyFile);
        QTest::newRow("unreadable file") << int(UnreadableFile);
        QTest::newRow("unwritable folder") << int(LockedFolder);
    }
    void failureLeavesEverythingAsItWas()
    {
        QFETCH(int, fault);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"work"_s);
        QString path = folder + u"/config.pro"_s;
        QVERIFY(QDir().mkdir(folder) &&
                writeBytes(path, "! f\xfcr Pro/E\r\nmapkey a ~ ;\n\x80\xff"));
        if (fault == MissingFolder)
            path = dir.filePath(u"gone/config.pro"_s);
        if (fault == PathIsFolder)
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));
#ifdef Q_OS_UNIX
        if (fault == PathIsPipe)
            QVERIFY(QFile::remove(path) &&
                    ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
#endif
        const QStringList before = snapshot(dir.path());

        // Permissions go last, as the snapshot must read the file. The superuser
        // passes them by; only where the system says so is the case skipped.
        const QString locked = fault == LockedFolder ? folder : path;
        const auto unlock = [&] { QFile::setPermissions(locked, kOwnerAll); };
        const auto guard = qScopeGuard(unlock);
        if (fault == ReadOnlyFile || fault == UnreadableFile || fault == LockedFolder) {
            QVERIFY(QFile::setPermissions(locked, fault == UnreadableFile
                                                      ? QFile::Permissions()
                                                      : QFile::ReadOwner | QFile::ExeOwner));
            const QFileInfo info(locked);
            if (fault == UnreadableFile ? info.isReadable() : info.isWritable())
                QSKIP("Permissions do not bind this user (superuser?)");
        }

        const ConfigInstallResult result = installAutoMapkey(path);
        QVERIFY(!result.ok && !result.created);
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)) &&
                     !result.error.section(u"Grund:"_s, 1).trimmed().isEmpty(),
                 qPrintable(result.error));
        unlock();
        QCOMPARE(snapshot(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestConfigInstaller)
#include "tst_configinstaller.moc"
