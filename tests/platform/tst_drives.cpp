#include "Drives.h"
#include "FolderTree.h"

#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace kettwerk;
using namespace Qt::StringLiterals;

// The sorted names, or "unreadable" when the folder could not be read.
static QStringList names(platform::FolderListing listing)
{
    listing.names.sort();
    return listing.ok ? listing.names : QStringList{u"unreadable"_s};
}

class DrivesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void systemDrives()
    {
        const platform::DriveSource& system = platform::DriveSource::system();
        const QString current = platform::fullFolderPath(QDir::currentPath());
        const QString drive = system.driveOf(current);
        QVERIFY2(system.drives().contains(drive), qPrintable(system.drives().join(u' ')));
        QVERIFY(system.isReady(drive));
        QCOMPARE(system.currentFolder(drive), current);
        // What an unmounted volume leaves behind: its empty mount folder.
        QTemporaryDir folder;
        QVERIFY(!system.isReady(platform::fullFolderPath(folder.path())));
    }

    // Hidden entries, broken links and pipes are left out; a link
    // counts as what it points to.
    void listings()
    {
        QTemporaryDir root;
        const QDir dir(root.path());
        QVERIFY(makeTree(root.path(), {u"a.drw"_s, u".hidden.drw"_s, u"sub/"_s, u".hiddensub/"_s,
                                       u"empty/"_s, u"locked/x.drw"_s}));
        QVERIFY(QFile::link(dir.filePath(u"a.drw"_s), dir.filePath(u"link.drw"_s)));
        QVERIFY(QFile::link(dir.filePath(u"sub"_s), dir.filePath(u"linked"_s)));
        QVERIFY(QFile::link(dir.filePath(u"nowhere"_s), dir.filePath(u"broken.drw"_s)));
#ifndef Q_OS_WIN
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"pipe.drw"_s)).constData(), 0600), 0);
#endif
        QCOMPARE(names(platform::listFiles(root.path())), (QStringList{u"a.drw"_s, u"link.drw"_s}));
        QCOMPARE(names(platform::listSubfolders(root.path())),
                 (QStringList{u"empty"_s, u"linked"_s, u"locked"_s, u"sub"_s}));
        QCOMPARE(names(platform::listFiles(dir.filePath(u"empty"_s))), QStringList());
        QCOMPARE(names(platform::listFiles(dir.filePath(u"missing"_s))),
                 QStringList{u"unreadable"_s});

        const QString locked = dir.filePath(u"locked"_s);
        QVERIFY(QFile::setPermissions(locked, {}));
        const QStringList denied = names(platform::listFiles(locked));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (denied == QStringList{u"x.drw"_s})
            QSKIP("folder permissions are not enforced for this user (root)");
        QCOMPARE(denied, QStringList{u"unreadable"_s});
    }

    // Absolute and clean, no trailing separator except for a root.
    void fullFolderPath()
    {
        QCOMPARE(platform::fullFolderPath(u"/usr//share/./x/../"_s), u"/usr/share"_s);
        QCOMPARE(platform::fullFolderPath(u"/"_s), u"/"_s);
        QCOMPARE(platform::fullFolderPath(u"sub"_s), QDir::currentPath() + u"/sub"_s);
        QCOMPARE(platform::fullFolderPath(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(DrivesTest)
#include "tst_drives.moc"
