#include "BrowserPanel.h"
#include "DriveBox.h"
#include "FakeDrives.h"
#include "FolderList.h"
#include "FolderTree.h"
#include "WidgetLookup.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kettwerk;
using namespace kettwerk::ui;

namespace {

// "a b" gives {"a", "b"}.
QStringList names(const char16_t* spaced)
{
    return QString::fromUtf16(spaced).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

// The browser panel "Dateiliste": how folder, path text, drive and filter
// changes run into each other and refill the file list.
class TestBrowserPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void pickingAFilterRefillsFromTheCurrentFolder_data();
    void pickingAFilterRefillsFromTheCurrentFolder();
    void typedFilterWaitsForAClickOnAFolderLine();
    void doubleClickOpensAndRefillsTwice_data();
    void doubleClickOpensAndRefillsTwice();
    void typingAPathStopsAtEveryFolderOnTheWay();
    void okTakesTheFolderListsPath_data();
    void okTakesTheFolderListsPath();
    void driveChoiceFollowsOrFallsBack();
    void unreadableFolderEmptiesTheList();

private:
    QString at(const QString& relative) const
    {
        return platform::fullFolderPath(m_root->filePath(relative));
    }
    QStringList lastListed() const { return m_listed->last().first().toStringList(); }
    QString lastStatus() const
    {
        return m_status->isEmpty() ? QString() : m_status->last().first().toString();
    }
    void clickLine(const QString& text, bool twice);

    const QString m_startFolder = QDir::currentPath();
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<QTemporaryDir> m_otherDrive;
    std::unique_ptr<FakeDrives> m_drives;
    std::unique_ptr<QWidget> m_window;
    BrowserPanel* m_panel = nullptr;
    std::unique_ptr<QSignalSpy> m_listed;
    std::unique_ptr<QSignalSpy> m_status;
};

void TestBrowserPanel::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    m_otherDrive = std::make_unique<QTemporaryDir>();
    QVERIFY(makeTree(m_root->path(),
                     {QStringLiteral("top.drw"), QStringLiteral("top.prt"),
                      QStringLiteral("sub1/s1.drw"), QStringLiteral("sub1/s1.drw.2"),
                      QStringLiteral("sub1/s1.prt"), QStringLiteral("sub1/S1.asm"),
                      QStringLiteral("sub1/notes.txt"), QStringLiteral("sub1/deep/d.drw"),
                      QStringLiteral("sub2/"), QStringLiteral("locked/l.drw")}));
    QVERIFY(makeTree(m_otherDrive->path(), {QStringLiteral("u.drw")}));
    m_drives = std::make_unique<FakeDrives>(QList<FakeDrives::Drive>{
        {QStringLiteral("T"), m_root->path()},
        {QStringLiteral("U"), m_otherDrive->path()},
        {QStringLiteral("X"), QStringLiteral("/no/disc/in/drive"), false}});
    // The program was started in sub1.
    QVERIFY(QDir::setCurrent(m_root->filePath(QStringLiteral("sub1"))));

    m_window = std::make_unique<QWidget>();
    m_panel = new BrowserPanel(m_window.get());
    m_listed = std::make_unique<QSignalSpy>(m_panel, &BrowserPanel::filesListed);
    m_status = std::make_unique<QSignalSpy>(m_panel, &BrowserPanel::statusMessage);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestBrowserPanel::cleanup()
{
    m_window.reset();
    m_drives.reset();
    QDir::setCurrent(m_startFolder);
    QFile::setPermissions(at(QStringLiteral("locked")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestBrowserPanel::clickLine(const QString& text, bool twice)
{
    FolderList* dir = m_panel->Dir1;
    const QList<QTreeWidgetItem*> found =
        dir->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    // A user's double click begins with a plain click.
    const QPoint centre = dir->visualItemRect(found.last()).center();
    QTest::mouseClick(dir->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(dir->viewport(), Qt::LeftButton, {}, centre);
}

void TestBrowserPanel::pickingAFilterRefillsFromTheCurrentFolder_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("parts") << 1 << names(u"s1.prt");
    QTest::newRow("assemblies") << 2 << names(u"S1.asm");
}

void TestBrowserPanel::pickingAFilterRefillsFromTheCurrentFolder()
{
    QFETCH(int, item);
    QFETCH(QStringList, expected);
    m_panel->show();
    QComboBox* combo = m_panel->Combo1;
    combo->showPopup();
    QAbstractItemView* popup = combo->view();
    QTRY_VERIFY(popup->isVisible());
    const QRect line = popup->visualRect(combo->model()->index(item, 0));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, line.center());

    QCOMPARE(m_listed->count(), 1);
    QCOMPARE(lastListed(), expected);
    QCOMPARE(m_panel->Dir1->path(), at(QStringLiteral("sub1")));
}

void TestBrowserPanel::typedFilterWaitsForAClickOnAFolderLine()
{
    m_panel->show();
    QLineEdit* filter = m_panel->Combo1->lineEdit();
    filter->selectAll();
    QTest::keyClicks(filter, QStringLiteral("*.prt*"));
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(m_listed->count(), 0);

    // The clicked line is "deep", but the folder that is open is read.
    clickLine(QStringLiteral("deep"), false);
    QCOMPARE(lastListed(), names(u"s1.prt"));
    QCOMPARE(m_panel->Dir1->path(), at(QStringLiteral("sub1")));
    QCOMPARE(m_panel->txt_path->text(), at(QStringLiteral("sub1")));
}

void TestBrowserPanel::doubleClickOpensAndRefillsTwice_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("subfolder") << "sub1"
                               << "deep"
                               << "sub1/deep" << names(u"d.drw");
    QTest::newRow("folder without matches") << "."
                                            << "sub2"
                                            << "sub2" << QStringList{};
    QTest::newRow("parent") << "sub1"
                            << "<parent>"
                            << "." << names(u"top.drw");
}

void TestBrowserPanel::doubleClickOpensAndRefillsTwice()
{
    QFETCH(QString, start);
    QFETCH(QString, line);
    QFETCH(QString, opened);
    QFETCH(QStringList, expected);
    m_panel->show();
    QVERIFY(m_panel->Dir1->setPath(at(start)));
    if (line == QStringLiteral("<parent>"))
        line = QFileInfo(m_root->path()).fileName();
    QSignalSpy changes(m_panel->Dir1, &FolderList::pathChanged);
    m_listed->clear();

    clickLine(line, true);
    QCOMPARE(m_panel->Dir1->path(), at(opened));
    QCOMPARE(m_panel->txt_path->text(), at(opened));
    QCOMPARE(changes.count(), 1);
    // The click that begins the double click reads the old folder, the
    // double click the new one; each fills the list twice, once in the path
    // text's handler and once in the folder list's.
    QCOMPARE(m_listed->count(), 4);
    QCOMPARE(m_listed->at(0).first().toStringList(), m_listed->at(1).first().toStringList());
    QCOMPARE(m_listed->at(2).first().toStringList(), expected);
    QCOMPARE(lastListed(), expected);
    QCOMPARE(m_status->count(), 0);
}

void TestBrowserPanel::typingAPathStopsAtEveryFolderOnTheWay()
{
    m_panel->show();
    QLineEdit* path = m_panel->txt_path;
    path->clear();
    const QString typed = m_root->path() + QStringLiteral("/sub1/deep");
    QString sofar;
    for (const QChar c : typed) {
        const qsizetype before = m_listed->count();
        const QString folderBefore = m_panel->Dir1->path();
        QTest::keyClick(path, c.toLatin1());
        sofar += c;
        QCOMPARE(path->text(), sofar);
        if (QFileInfo(sofar).isDir()) {
            QVERIFY2(m_listed->count() > before, qPrintable(sofar));
            QCOMPARE(m_panel->Dir1->path(), platform::fullFolderPath(sofar));
        } else {
            QVERIFY2(m_listed->count() == before, qPrintable(sofar));
            QCOMPARE(m_panel->Dir1->path(), folderBefore);
        }
    }
    QCOMPARE(m_panel->Dir1->path(), at(QStringLiteral("sub1/deep")));
    QCOMPARE(lastListed(), names(u"d.drw"));
}

void TestBrowserPanel::okTakesTheFolderListsPath_data()
{
    QTest::addColumn<bool>("pathTextAlreadyThere");
    QTest::newRow("right after opening") << false;
    QTest::newRow("path text already shows the folder") << true;
}

void TestBrowserPanel::okTakesTheFolderListsPath()
{
    QFETCH(bool, pathTextAlreadyThere);
    QSignalSpy ok(m_panel, &BrowserPanel::okPressed);
    m_panel->show();
    if (pathTextAlreadyThere) {
        m_panel->txt_path->setText(at(QStringLiteral("sub1")));
        QCOMPARE(lastListed(), names(u"s1.drw s1.drw.2"));
    }
    // Typed, not picked: "ok" applies it either way, since assigning the
    // path text its own text counts as a change.
    m_panel->Combo1->lineEdit()->selectAll();
    QTest::keyClicks(m_panel->Combo1->lineEdit(), QStringLiteral("*.prt*"));
    m_listed->clear();

    click(m_panel->cmd_okfiles);
    QVERIFY(m_panel->isHidden());
    QCOMPARE(ok.count(), 1);
    QCOMPARE(m_panel->txt_path->text(), at(QStringLiteral("sub1")));
    QVERIFY(!m_listed->isEmpty());
    QCOMPARE(lastListed(), names(u"s1.prt"));
}

void TestBrowserPanel::driveChoiceFollowsOrFallsBack()
{
    m_panel->show();
    QVERIFY(m_panel->Dir1->setPath(at(QStringLiteral("sub1/deep"))));
    DriveBox* drives = m_panel->Drive1;

    m_status->clear();
    drives->setCurrentIndex(drives->findText(QStringLiteral("X")));
    QCOMPARE(drives->drive(), QStringLiteral("T"));
    // Back on T, the folder list goes to T's current folder, not to deep.
    QCOMPARE(m_panel->Dir1->path(), at(QStringLiteral("sub1")));
    QCOMPARE(lastListed(), names(u"s1.drw s1.drw.2"));
    QCOMPARE(m_status->count(), 1);
    QCOMPARE(lastStatus(), QStringLiteral("Laufwerk nicht verfügbar !"));

    drives->setCurrentIndex(drives->findText(QStringLiteral("U")));
    QCOMPARE(m_panel->Dir1->path(), platform::fullFolderPath(m_otherDrive->path()));
    QCOMPARE(lastListed(), names(u"u.drw"));
    QCOMPARE(m_status->count(), 1);
}

void TestBrowserPanel::unreadableFolderEmptiesTheList()
{
    const QString locked = at(QStringLiteral("locked"));
    QVERIFY(QFile::setPermissions(locked, {}));
    if (platform::listFiles(locked).ok)
        QSKIP("folder permissions are not enforced for this user (root)");
    m_panel->show();
    m_panel->txt_path->setText(at(QStringLiteral(".")));
    QVERIFY(!lastListed().isEmpty());

    m_panel->txt_path->setText(locked);
    QCOMPARE(m_panel->Dir1->path(), locked);
    QVERIFY(lastListed().isEmpty());
    QVERIFY2(lastStatus().contains(locked), qPrintable(lastStatus()));
}

QTEST_MAIN(TestBrowserPanel)
#include "tst_browserpanel.moc"
