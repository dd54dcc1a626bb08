#include "DriveBox.h"
#include "FakeDrives.h"
#include "FileBox.h"
#include "FolderList.h"
#include "FolderTree.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kettwerk;
using namespace kettwerk::ui;

namespace {

// The lines of a folder list from top to bottom, each as its text and its
// depth of indentation.
QStringList lines(const FolderList& list)
{
    QStringList shown;
    for (QTreeWidgetItemIterator it(const_cast<FolderList*>(&list)); *it; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
            ++depth;
        shown.append(QString::number(depth) + QLatin1Char(' ') + (*it)->text(0));
    }
    return shown;
}

QTreeWidgetItem* lineNamed(FolderList& list, const QString& text)
{
    const QList<QTreeWidgetItem*> found =
        list.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.last();
}

} // namespace

// The folder list, drive box and file box that the two browsers are made of.
class TestFolderWidgets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_startFolder = QDir::currentPath(); }
    void init();
    void cleanup() { QDir::setCurrent(m_startFolder); }

    void folderListShowsAncestorsThenVisibleSubfolders();
    void folderListSignalsOnlyRealChanges_data();
    void folderListSignalsOnlyRealChanges();
    void folderListOpensOnDoubleClickOrEnterOnly_data();
    void folderListOpensOnDoubleClickOrEnterOnly();
    void driveBoxSignalsOnlyRealChanges();
    void fileBoxListsMatchingFilesByName();
    void fileBoxReadsAgainOnEverySetting();

private:
    QString at(const QString& relative) const
    {
        return platform::fullFolderPath(m_root->filePath(relative));
    }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_startFolder;
};

void TestFolderWidgets::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(
        makeTree(m_root->path(), {QStringLiteral("top/Beta/"), QStringLiteral("top/alpha/inner/"),
                                  QStringLiteral("top/.hidden/"), QStringLiteral("top/gamma/"),
                                  QStringLiteral("top/file.drw")}));
}

void TestFolderWidgets::folderListShowsAncestorsThenVisibleSubfolders()
{
    FolderList list(QStringLiteral("Dir1"), nullptr);
    QVERIFY(list.setPath(at(QStringLiteral("top"))));

    QStringList expected;
    QDir up(at(QStringLiteral("top")));
    do {
        expected.prepend(up.isRoot() ? QDir::toNativeSeparators(up.absolutePath()) : up.dirName());
    } while (up.cdUp());
    for (int depth = 0; depth < expected.size(); ++depth)
        expected[depth] = QString::number(depth) + QLatin1Char(' ') + expected[depth];
    const QString below = QString::number(expected.size()) + QLatin1Char(' ');
    expected << below + QStringLiteral("alpha") << below + QStringLiteral("Beta")
             << below + QStringLiteral("gamma");
    QCOMPARE(lines(list), expected);
    // The open folder is the selected line.
    QCOMPARE(list.selectedPath(), at(QStringLiteral("top")));
}

void TestFolderWidgets::folderListSignalsOnlyRealChanges_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("expectedPath");

    QTest::newRow("same path") << "top" << true << "top";
    QTest::newRow("same with separator") << "top/" << true << "top";
    QTest::newRow("another folder") << "top/gamma" << true << "top/gamma";
    QTest::newRow("missing folder") << "top/nothing" << false << "top";
    QTest::newRow("a file") << "top/file.drw" << false << "top";
}

void TestFolderWidgets::folderListSignalsOnlyRealChanges()
{
    QFETCH(QString, target);
    QFETCH(bool, accepted);
    QFETCH(QString, expectedPath);
    FolderList list(QStringLiteral("Dir1"), nullptr);
    QVERIFY(list.setPath(at(QStringLiteral("top"))));
    QSignalSpy changes(&list, &FolderList::pathChanged);

    QCOMPARE(list.setPath(m_root->filePath(target)), accepted);
    QCOMPARE(list.path(), at(expectedPath));
    // Emitted inside setPath, or not at all.
    QCOMPARE(changes.count(), expectedPath == QStringLiteral("top") ? 0 : 1);
}

void TestFolderWidgets::folderListOpensOnDoubleClickOrEnterOnly_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("expectedPath");

    QTest::newRow("click selects") << "gamma"
                                   << "click"
                                   << "top";
    QTest::newRow("double click opens") << "gamma"
                                        << "double"
                                        << "top/gamma";
    QTest::newRow("double click on parent") << "<parent>"
                                            << "double"
                                            << ".";
    QTest::newRow("enter opens") << "alpha"
                                 << "enter"
                                 << "top/alpha";
}

void TestFolderWidgets::folderListOpensOnDoubleClickOrEnterOnly()
{
    QFETCH(QString, line);
    QFETCH(QString, gesture);
    QFETCH(QString, expectedPath);
    FolderList list(QStringLiteral("Dir1"), nullptr);
    list.resize(300, 600);
    QVERIFY(list.setPath(at(QStringLiteral("top"))));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy changes(&list, &FolderList::pathChanged);
    QSignalSpy clicks(&list, &FolderList::lineClicked);

    if (line == QStringLiteral("<parent>"))
        line = QFileInfo(m_root->path()).fileName();
    QTreeWidgetItem* target = lineNamed(list, line);
    QVERIFY(target);
    const QString targetPath = target->data(0, Qt::UserRole).toString();
    const QPoint centre = list.visualItemRect(target).center();
    if (gesture == QStringLiteral("click")) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(list.selectedPath(), targetPath);
        QCOMPARE(clicks.count(), 1);
    } else if (gesture == QStringLiteral("double")) {
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
    } else {
        list.setCurrentItem(target);
        QTest::keyClick(&list, Qt::Key_Return);
    }
    QCOMPARE(list.path(), at(expectedPath));
    QCOMPARE(changes.count(), expectedPath == QStringLiteral("top") ? 0 : 1);
}

void TestFolderWidgets::driveBoxSignalsOnlyRealChanges()
{
    QTemporaryDir other;
    FakeDrives drives({{QStringLiteral("T"), m_root->path()},
                       {QStringLiteral("U"), other.path()},
                       {QStringLiteral("X"), QStringLiteral("/no/such/drive"), false}});
    QVERIFY(QDir::setCurrent(m_root->path()));
    DriveBox box(QStringLiteral("Drive1"), nullptr);
    QCOMPARE(box.drive(), QStringLiteral("T"));
    QCOMPARE(box.count(), 3);
    QSignalSpy changes(&box, &DriveBox::driveChanged);

    box.setDrive(QStringLiteral("T"));
    box.setDrive(QString());
    QCOMPARE(changes.count(), 0);
    box.setDrive(QStringLiteral("U"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(box.currentText(), QStringLiteral("U"));
    // A pick in the list takes the same way as a change from code.
    box.setCurrentIndex(box.findText(QStringLiteral("X")));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.last().first().toString(), QStringLiteral("X"));
    box.refresh();
    QCOMPARE(box.drive(), QStringLiteral("X"));
    QCOMPARE(changes.count(), 2);
}

void TestFolderWidgets::fileBoxListsMatchingFilesByName()
{
    const QString folder = m_root->filePath(QStringLiteral("files"));
    // Hidden files, folders and links to nothing are no files to show.
    QVERIFY(makeTree(folder, {QStringLiteral("zeta.drw.12"), QStringLiteral("bracket.drw"),
                              QStringLiteral("bracket.drw.3"), QStringLiteral("Anchor.DRW"),
                              QStringLiteral("a[1].drw"), QStringLiteral("part.prt"),
                              QStringLiteral(".hidden.drw"), QStringLiteral("folder.drw/")}));
    QVERIFY(
        QFile::link(folder + QStringLiteral("/bracket.drw"), folder + QStringLiteral("/b.drw")));
    QVERIFY(QFile::link(folder + QStringLiteral("/gone"), folder + QStringLiteral("/c.drw")));

    FileBox box(nullptr);
    box.setPath(folder);
    box.setPattern(QStringLiteral("*.drw*"));
    QCOMPARE(box.files(),
             (QStringList{QStringLiteral("a[1].drw"), QStringLiteral("Anchor.DRW"),
                          QStringLiteral("b.drw"), QStringLiteral("bracket.drw"),
                          QStringLiteral("bracket.drw.3"), QStringLiteral("zeta.drw.12")}));
    box.setPattern(QStringLiteral("*.xyz"));
    QVERIFY(box.files().isEmpty());
    QVERIFY(!box.listFailed());
    box.setPath(folder + QStringLiteral("/vanished"));
    QVERIFY(box.files().isEmpty());
    QVERIFY(box.listFailed());
}

void TestFolderWidgets::fileBoxReadsAgainOnEverySetting()
{
    // A click on a folder line sets the same folder and filter again and is
    // to show files that arrived meanwhile.
    const QString folder = at(QStringLiteral("top"));
    FileBox box(nullptr);
    box.setPath(folder);
    box.setPattern(QStringLiteral("*.drw*"));
    QCOMPARE(box.files(), QStringList{QStringLiteral("file.drw")});
    QVERIFY(makeTree(folder, {QStringLiteral("new.drw")}));
    QCOMPARE(box.files(), QStringList{QStringLiteral("file.drw")});
    box.setPattern(QStringLiteral("*.drw*"));
    QCOMPARE(box.files(), (QStringList{QStringLiteral("file.drw"), QStringLiteral("new.drw")}));
}

QTEST_MAIN(TestFolderWidgets)
#include "tst_folderwidgets.moc"
