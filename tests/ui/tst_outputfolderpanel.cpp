#include "DriveBox.h"
#include "FakeDrives.h"
#include "FolderList.h"
#include "FolderTree.h"
#include "OutputFolderPanel.h"
#include "Twips.h"
#include "WidgetLookup.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kettwerk;
using namespace kettwerk::ui;

// The output folder panel "Speicherort doit.pro": restoring the working
// folder at start, following the drive, and handing the folder over.
class TestOutputFolderPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void restoreFolder_data();
    void restoreFolder();
    void driveWithoutDiscLeavesTheWorkingFolder();
    void okHandsOverTheFolderListsPath_data();
    void okHandsOverTheFolderListsPath();
    void opensDirectlyAboveTheBar();

private:
    // "<U>" stands for the second drive's root, any other text for a folder
    // below the first drive's root.
    QString resolve(const QString& place) const
    {
        if (place == QStringLiteral("<U>"))
            return platform::fullFolderPath(m_otherDrive->path());
        return platform::fullFolderPath(m_root->filePath(place));
    }

    QString m_startFolder;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<QTemporaryDir> m_otherDrive;
    std::unique_ptr<FakeDrives> m_drives;
    std::unique_ptr<QWidget> m_window;
    OutputFolderPanel* m_panel = nullptr;
};

void TestOutputFolderPanel::initTestCase()
{
    m_startFolder = QDir::currentPath();
}

void TestOutputFolderPanel::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    m_otherDrive = std::make_unique<QTemporaryDir>();
    QVERIFY(makeTree(m_root->path(), {QStringLiteral("start/"), QStringLiteral("pro/work/")}));
    QVERIFY(makeTree(m_otherDrive->path(), {QStringLiteral("elsewhere/")}));
    m_drives = std::make_unique<FakeDrives>(QList<FakeDrives::Drive>{
        {QStringLiteral("T"), m_root->path()},
        {QStringLiteral("U"), m_otherDrive->path()},
        {QStringLiteral("X"), QStringLiteral("/no/disc/in/drive"), false}});
    QVERIFY(QDir::setCurrent(m_root->filePath(QStringLiteral("start"))));
    m_window = std::make_unique<QWidget>();
    m_window->resize(800, 600);
    m_panel = new OutputFolderPanel(m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestOutputFolderPanel::cleanup()
{
    m_window.reset();
    m_drives.reset();
    QDir::setCurrent(m_startFolder);
}

void TestOutputFolderPanel::restoreFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("drive");

    QTest::newRow("folder on the shown drive") << "pro/work"
                                               << "pro/work"
                                               << "T";
    // The drive box's change moves the folder list on to that drive's
    // current folder.
    QTest::newRow("folder on another drive") << "<U>/elsewhere"
                                             << "<U>"
                                             << "U";
    QTest::newRow("missing folder") << "pro/gone"
                                    << "start"
                                    << "T";
}

void TestOutputFolderPanel::restoreFolder()
{
    QFETCH(QString, stored);
    QFETCH(QString, folder);
    QFETCH(QString, drive);
    QString path;
    if (stored.startsWith(QStringLiteral("<U>")))
        path = m_otherDrive->path() + stored.mid(3);
    else if (!stored.isEmpty())
        path = m_root->filePath(stored);
    QSignalSpy status(m_panel, &OutputFolderPanel::statusMessage);

    m_panel->restoreFolder(path);
    QCOMPARE(m_panel->Dir2->path(), resolve(folder));
    QCOMPARE(m_panel->Drive2->drive(), drive);
    QCOMPARE(m_panel->Drive2->currentText(), drive);
    QCOMPARE(status.count(), 0);
}

void TestOutputFolderPanel::driveWithoutDiscLeavesTheWorkingFolder()
{
    QSignalSpy status(m_panel, &OutputFolderPanel::statusMessage);
    QSignalSpy chosen(m_panel, &OutputFolderPanel::folderChosen);
    m_panel->restoreFolder(m_root->filePath(QStringLiteral("pro/work")));

    m_panel->Drive2->setCurrentIndex(m_panel->Drive2->findText(QStringLiteral("X")));
    QCOMPARE(m_panel->Drive2->drive(), QStringLiteral("T"));
    QCOMPARE(m_panel->Drive2->currentText(), QStringLiteral("T"));
    // Back on T, at T's current folder.
    QCOMPARE(m_panel->Dir2->path(), resolve(QStringLiteral("start")));
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.first().first().toString(), QStringLiteral("Laufwerk nicht verfügbar !"));
    QCOMPARE(chosen.count(), 0);
}

void TestOutputFolderPanel::okHandsOverTheFolderListsPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder") << "pro/work/" << QDir::toNativeSeparators(QStringLiteral("/pro/work"));
    QTest::newRow("root") << "/" << QDir::toNativeSeparators(QStringLiteral("/"));
}

void TestOutputFolderPanel::okHandsOverTheFolderListsPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    const bool root = folder == QStringLiteral("/");
    QVERIFY(m_panel->Dir2->setPath(root ? QDir::rootPath() : m_root->filePath(folder)));
    QSignalSpy chosen(m_panel, &OutputFolderPanel::folderChosen);
    m_panel->openAbove(QRect(8, 294, 513, 73));

    click(m_panel->cmd_ok);
    QCOMPARE(chosen.count(), 1);
    const QString handed = chosen.first().first().toString();
    // A root keeps its separator, any other folder has none at its end.
    QVERIFY2(handed.endsWith(expected), qPrintable(handed));
    QCOMPARE(handed, m_panel->Dir2->path());
    QVERIFY(m_panel->isHidden());
}

void TestOutputFolderPanel::opensDirectlyAboveTheBar()
{
    m_panel->restoreFolder(m_root->filePath(QStringLiteral("pro/work")));
    const QRect bar(px(120), px(4405), px(7695), px(1095));
    m_panel->openAbove(bar);
    QVERIFY(m_panel->isVisible());
    QCOMPARE(m_panel->geometry().bottomLeft(), bar.topLeft() - QPoint(0, 1));
    QCOMPARE(m_panel->size(), QSize(px(2415), px(2655)));
    // Opening it again only places it again.
    m_panel->openAbove(bar);
    QCOMPARE(m_panel->Dir2->path(), resolve(QStringLiteral("pro/work")));
}

QTEST_MAIN(TestOutputFolderPanel)
#include "tst_outputfolderpanel.moc"
