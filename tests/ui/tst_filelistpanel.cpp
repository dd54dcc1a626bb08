#include "FileBytes.h"
#include "FolderTree.h"
#include "MainWindowFixture.h"

#include <QClipboard>
#include <QListView>
#include <QProcess>

using namespace kettwerk;
using namespace Qt::StringLiterals;

// The file list as the user works it: mouse, keyboard, clipboard, browser,
// hand-over.
class TestFileListPanel : public QObject
{
    Q_OBJECT
    MainWindowFixture m_ui;

    QWidget* viewport() { return m_ui.find<QListView>("List_File1")->viewport(); }
    QWidget* menu() { return m_ui.find("kontextmenue"); }
    FileList* files() { return &m_ui.files(); }
    void openMenu() { QTest::mouseClick(viewport(), Qt::RightButton, {}, QPoint(20, 5)); }

private Q_SLOTS:
    void init() { m_ui.open(); }
    void cleanup() { m_ui.close(); }

    // The menu opens just left of the pointer, even where the panel cuts it off.
    void rightClickShowsTheMenuBesideThePointer_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<QPoint>("shownAt");
        QTest::newRow("near the left") << 20 << QPoint(35, 16);
        QTest::newRow("far right, cut off by the panel") << 333 << QPoint(348, 16);
    }
    void rightClickShowsTheMenuBesideThePointer()
    {
        QFETCH(int, x);
        QFETCH(QPoint, shownAt);
        files()->setEntries({u"a.drw"_s}, false);
        const QPoint at(x - viewport()->x(), 5);
        QTest::mouseMove(viewport(), at);
        QTest::mouseClick(viewport(), Qt::RightButton, {}, at);
        QVERIFY(menu()->isVisible());
        QCOMPARE(menu()->pos(), shownAt);
        QVERIFY(files()->markedEntries().isEmpty()); // the right button marks nothing
        // A shown menu stays where it is; the middle button does nothing at all.
        QTest::mouseMove(viewport(), QPoint(100, 5));
        QTest::mouseClick(viewport(), Qt::RightButton, {}, QPoint(100, 5));
        QTest::mouseClick(viewport(), Qt::MiddleButton, {}, QPoint(100, 5));
        QCOMPARE(menu()->pos(), shownAt);
        QVERIFY(menu()->isVisible());
    }

    void singleEntryAppendsOnEnterAndLeftClickHidesIt()
    {
        files()->setEntries({u"bracket.drw"_s}, false);
        openMenu();
        m_ui.press("cmd_einzel");
        auto* single = m_ui.find<QLineEdit>("txt_hand");
        QVERIFY(!menu()->isVisible());
        QTest::keyClick(single, Qt::Key_Return);
        QVERIFY(single->isVisible()); // empty: nothing happens
        QTest::keyClicks(single, u" bracket.drw "_s);
        QTest::keyClick(single, Qt::Key_Return);
        QVERIFY(!single->isVisible());
        QCOMPARE(files()->entries(), (QStringList{u"bracket.drw"_s, u" bracket.drw "_s}));
        QVERIFY(files()->markedEntries().isEmpty());

        // The text stays for the next use; a left click in the list hides the
        // field and the menu and marks as usual.
        openMenu();
        m_ui.press("cmd_einzel");
        QCOMPARE(single->text(), u" bracket.drw "_s);
        openMenu();
        const QRect first =
            m_ui.find<QListView>("List_File1")->visualRect(files()->model()->index(0, 0));
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, first.center());
        QVERIFY(!menu()->isVisible());
        QVERIFY(!single->isVisible());
        QCOMPARE(files()->markedEntries(), QStringList{u"bracket.drw"_s});
    }

    void pasteReplacesTheListAndMarksEverything()
    {
        files()->setEntries({u"old.drw"_s}, false);
        QGuiApplication::clipboard()->setText(u"Name\nE:\\p\\a.drw.3\n\n b.prt\tx\r\n"_s);
        openMenu();
        m_ui.press("cmd_paste");
        QCOMPARE(files()->entries(), (QStringList{u"E:\\p\\a.drw.3"_s, u" b.prt\tx"_s}));
        QCOMPARE(files()->markedEntries(), files()->entries());
        QCOMPARE(m_ui.text("lbl_status"), u"Zwischenablage eingefügt"_s);
        QVERIFY(!menu()->isVisible());
        QVERIFY(QDir(m_ui.folder()).entryList(QDir::Files).isEmpty()); // no temporary file
        QGuiApplication::clipboard()->clear();
        m_ui.press("cmd_paste");
        QCOMPARE(files()->count(), 0);
    }

    // Every entry changes, marked or not; the marks and the menu stay.
    void suffixButtonsKeepMarksAndMenu()
    {
        files()->setEntries({u"a.drw"_s, u"b"_s, u"c.drw.3"_s}, false);
        files()->setMarked(1, true);
        openMenu();
        m_ui.press("cmd_ZZ");
        m_ui.press("cmd_P");
        QCOMPARE(files()->entries(), (QStringList{u"a.prt"_s, u"b.prt"_s, u"c.drw.3.prt"_s}));
        QCOMPARE(files()->markedEntries(), QStringList{u"b.prt"_s});
        QVERIFY(menu()->isVisible());
    }

    void browserFillsTheListUnmarked()
    {
        QTemporaryDir parts;
        QVERIFY(makeTree(parts.path(), {u"b.drw"_s, u"a.drw.2"_s, u"c.prt"_s}));
        openMenu();
        m_ui.press("filebrowser");
        QVERIFY(m_ui.find("Frame5")->isVisible());
        m_ui.find<QLineEdit>("txt_path")->setText(parts.path());
        QCOMPARE(files()->entries(), (QStringList{u"a.drw.2"_s, u"b.drw"_s}));
        QVERIFY(files()->markedEntries().isEmpty());
        m_ui.press("cmd_okfiles");
        QVERIFY(!m_ui.find("Frame5")->isVisible());
        QVERIFY(!menu()->isVisible());
        QCOMPARE(files()->count(), 2);
    }

    void handOverReducesAndMovesOn()
    {
        m_ui.job().setSelection({u"earlier.drw"_s});
        files()->setEntries({u"a.drw"_s}, false);
        m_ui.press("cmd_file");
        QCOMPARE(m_ui.messages(), QStringList{u"Bitte Dateien auswählen !"_s});
        QVERIFY(m_ui.job().selection().isEmpty());
        QVERIFY(m_ui.find("Frame3")->isVisible());

        files()->setEntries({u"E:\\proj\\b.drw.3"_s, u"b.drw.4"_s, u"skip.drw"_s, u"c.prt"_s},
                            true);
        files()->setMarked(2, false);
        m_ui.press("cmd_file");
        QCOMPARE(m_ui.job().selection(), (QStringList{u"b.drw"_s, u"c.prt"_s}));
        QCOMPARE(m_ui.text("lbl_status"), u"2 Dateien gewählt. Mapkey kann nun erstellt werden."_s);
        QVERIFY(!m_ui.find("Frame3")->isVisible());
        QVERIFY(m_ui.find("Frame2")->isVisible());
        files()->clear(); // leaves the selection alone
        QCOMPARE(m_ui.job().selection().size(), 2);
    }

    void pastedListGivesTheSameDoitAsTheCommand()
    {
        const QByteArray pasted =
            "Name\r\nE:\\proj\\bracket.drw.3\r\nplate.prt\r\n\r\nplate.prt\r\n";
        QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted));
        openMenu();
        m_ui.press("cmd_paste");
        m_ui.press("cmd_file");
        m_ui.press("cmd_mapkey");
        QWidget* names = openWindow("frm_mapkeyneu");
        control<QLineEdit>(names, "txt_mapkeyname")->setText(u"rt;%00"_s);
        click(control<QPushButton>(names, "cmd_mapkeyok"));
        m_ui.press("cmd_fcreate");

        QProcess command;
        command.start(qEnvironmentVariable("KETTWERK_BATCH"),
                      {u"--list"_s, u"-"_s, u"--mapkeys"_s, u"rt;%00"_s, u"--print"_s});
        QVERIFY(command.waitForStarted());
        command.write(pasted);
        command.closeWriteChannel();
        QVERIFY(command.waitForFinished());
        QCOMPARE(command.exitCode(), 0);
        QCOMPARE(readBytes(m_ui.file(u"doit.pro"_s)), command.readAllStandardOutput());
    }
};

QTEST_MAIN(TestFileListPanel)
#include "tst_filelistpanel.moc"
