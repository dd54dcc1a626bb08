#include "Drives.h"
#include "FolderTree.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace kettwerk;

// The system's drives and the folder reading under the browsers.
class TestDrives : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void currentFolderLiesOnAReadyDrive();
    void plainFolderIsNoReadyDrive();
    void listingLeavesOutHiddenAndOddEntries_data();
    void listingLeavesOutHiddenAndOddEntries();
    void listingTellsUnreadableFromEmpty();
    void fullFolderPathDropsTrailingSeparators_data();
    void fullFolderPathDropsTrailingSeparators();
};

void TestDrives::currentFolderLiesOnAReadyDrive()
{
    const platform::DriveSource& system = platform::systemDriveSource();
    const QString current = platform::fullFolderPath(QDir::currentPath());
    const QString drive = system.driveOf(current);
    QVERIFY2(system.drives().contains(drive), qPrintable(system.drives().join(u' ')));
    QVERIFY(system.isReady(drive));
    QVERIFY(current.startsWith(system.rootOf(drive)));
    QCOMPARE(system.currentFolder(drive), current);
}

void TestDrives::plainFolderIsNoReadyDrive()
{
    // What is left of an unmounted volume: its mount folder, empty, on the
    // volume around it.
    QTemporaryDir folder;
    const platform::DriveSource& system = platform::systemDriveSource();
    QVERIFY(system.driveOf(folder.path()) != folder.path());
    QVERIFY(!system.isReady(platform::fullFolderPath(folder.path())));
}

void TestDrives::listingLeavesOutHiddenAndOddEntries_data()
{
    QTest::addColumn<bool>("folders");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("files") << false
                           << QStringList{QStringLiteral("a.drw"), QStringLiteral("link.drw")};
    QTest::newRow("folders") << true
                             << QStringList{QStringLiteral("linked"), QStringLiteral("sub")};
}

void TestDrives::listingLeavesOutHiddenAndOddEntries()
{
    QFETCH(bool, folders);
    QFETCH(QStringList, expected);
    QTemporaryDir root;
    QVERIFY(makeTree(root.path(), {QStringLiteral("a.drw"), QStringLiteral(".hidden.drw"),
                                   QStringLiteral("sub/"), QStringLiteral(".hiddensub/")}));
    const QString base = root.path() + QLatin1Char('/');
    QVERIFY(QFile::link(base + QStringLiteral("a.drw"), base + QStringLiteral("link.drw")));
    QVERIFY(QFile::link(base + QStringLiteral("sub"), base + QStringLiteral("linked")));
    QVERIFY(QFile::link(base + QStringLiteral("nowhere"), base + QStringLiteral("broken.drw")));
#ifndef Q_OS_WIN
    QCOMPARE(::mkfifo(QFile::encodeName(base + QStringLiteral("pipe.drw")).constData(), 0600), 0);
#endif

    const platform::FolderListing listing =
        folders ? platform::listSubfolders(root.path()) : platform::listFiles(root.path());
    QVERIFY(listing.ok);
    QStringList names = listing.names;
    names.sort();
    QCOMPARE(names, expected);
}

void TestDrives::listingTellsUnreadableFromEmpty()
{
    QTemporaryDir root;
    QVERIFY(makeTree(root.path(), {QStringLiteral("empty/"), QStringLiteral("locked/x.drw")}));
    const platform::FolderListing empty =
        platform::listFiles(root.filePath(QStringLiteral("empty")));
    QVERIFY(empty.ok);
    QVERIFY(empty.names.isEmpty());
    QVERIFY(!platform::listFiles(root.filePath(QStringLiteral("missing"))).ok);

    const QString locked = root.filePath(QStringLiteral("locked"));
    QVERIFY(QFile::setPermissions(locked, {}));
    const platform::FolderListing denied = platform::listFiles(locked);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (denied.ok)
        QSKIP("folder permissions are not enforced for this user (root)");
    QVERIFY(denied.names.isEmpty());
}

void TestDrives::fullFolderPathDropsTrailingSeparators_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("trailing") << "/usr/share/"
                              << "/usr/share";
    QTest::newRow("root") << "/"
                          << "/";
    QTest::newRow("dots and doubles") << "/usr//share/./x/.."
                                      << "/usr/share";
    QTest::newRow("relative") << "sub" << QDir::currentPath() + QStringLiteral("/sub");
    QTest::newRow("empty") << ""
                           << "";
}

void TestDrives::fullFolderPathDropsTrailingSeparators()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(platform::fullFolderPath(path), expected);
}

QTEST_GUILESS_MAIN(TestDrives)
#include "tst_drives.moc"
