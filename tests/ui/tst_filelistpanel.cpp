#include "FileListPanel.h"
#include "MainWindowFixture.h"
#include "Twips.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QTest>

using namespace kettwerk;
using kettwerk::ui::FileListPanel;

// The file list as the user works it: mouse, keyboard, clipboard, hand-over.
class TestFileListPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_ui.open(); }
    void cleanup() { m_ui.close(); }

    void rightClickShowsTheMenuBesideThePointer_data();
    void rightClickShowsTheMenuBesideThePointer();
    void singleEntryAppendsOnEnterAndLeftClickHidesIt();
    void pasteReplacesTheListAndMarksEverything();
    void suffixButtonsKeepMarksAndMenu();
    void handOverReducesAndMovesOn();
    void pastedListGivesTheSameDoitAsTheCommand();

private:
    QWidget* viewport() { return m_ui.find<QListView>("List_File1")->viewport(); }
    QWidget* menu() { return m_ui.find("kontextmenue"); }
    FileList* files() { return &m_ui.files(); }
    void openMenu() { QTest::mouseClick(viewport(), Qt::RightButton, {}, QPoint(20, 5)); }

    MainWindowFixture m_ui;
};

void TestFileListPanel::rightClickShowsTheMenuBesideThePointer_data()
{
    QTest::addColumn<int>("xPixels");
    QTest::newRow("near the left") << 20;
    QTest::newRow("far right, cut off by the panel") << 333;
}

void TestFileListPanel::rightClickShowsTheMenuBesideThePointer()
{
    QFETCH(int, xPixels);
    files()->setEntries({QStringLiteral("a.drw")}, false);
    const QPoint at(xPixels - viewport()->x(), 5);
    QTest::mouseMove(viewport(), at);
    QTest::mouseClick(viewport(), Qt::RightButton, {}, at);
    QVERIFY(menu()->isVisible());
    const QPoint shownAt(ui::px(ui::twips(xPixels) + FileListPanel::kMenuOffsetTwips), ui::px(240));
    QCOMPARE(menu()->pos(), shownAt);
    QVERIFY(files()->markedEntries().isEmpty()); // the right button marks nothing
    // A shown menu stays where it is; the middle button does nothing at all.
    QTest::mouseMove(viewport(), QPoint(100, 5));
    QTest::mouseClick(viewport(), Qt::RightButton, {}, QPoint(100, 5));
    QTest::mouseClick(viewport(), Qt::MiddleButton, {}, QPoint(100, 5));
    QCOMPARE(menu()->pos(), shownAt);
    QVERIFY(menu()->isVisible());
}

void TestFileListPanel::singleEntryAppendsOnEnterAndLeftClickHidesIt()
{
    files()->setEntries({QStringLiteral("bracket.drw")}, false);
    openMenu();
    m_ui.press("cmd_einzel");
    auto* single = m_ui.find<QLineEdit>("txt_hand");
    QVERIFY(!menu()->isVisible());
    QTest::keyClick(single, Qt::Key_Return);
    QVERIFY(single->isVisible()); // empty: nothing happens
    QTest::keyClicks(single, QStringLiteral(" bracket.drw "));
    QTest::keyClick(single, Qt::Key_Return);
    QVERIFY(!single->isVisible());
    QCOMPARE(files()->entries(),
             (QStringList{QStringLiteral("bracket.drw"), QStringLiteral(" bracket.drw ")}));
    QVERIFY(files()->markedEntries().isEmpty());

    // The text stays for the next use; a left click in the list hides the
    // field and the menu and marks as usual.
    openMenu();
    m_ui.press("cmd_einzel");
    QCOMPARE(single->text(), QStringLiteral(" bracket.drw "));
    openMenu();
    const QRect first =
        m_ui.find<QListView>("List_File1")->visualRect(files()->model()->index(0, 0));
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, first.center());
    QVERIFY(!menu()->isVisible());
    QVERIFY(!single->isVisible());
    QCOMPARE(files()->markedEntries(), QStringList{QStringLiteral("bracket.drw")});
}

void TestFileListPanel::pasteReplacesTheListAndMarksEverything()
{
    files()->setEntries({QStringLiteral("old.drw")}, false);
    QGuiApplication::clipboard()->setText(
        QStringLiteral("Name\nE:\\p\\a.drw.3\n\n b.prt\tx\r\nName\r"));
    openMenu();
    m_ui.press("cmd_paste");
    QCOMPARE(files()->entries(),
             (QStringList{QStringLiteral("E:\\p\\a.drw.3"), QStringLiteral(" b.prt\tx")}));
    QCOMPARE(files()->markedEntries(), files()->entries());
    QCOMPARE(m_ui.text("lbl_status"), QStringLiteral("Zwischenablage eingefügt"));
    QVERIFY(!menu()->isVisible());
    QVERIFY(QDir(m_ui.folder()).entryList(QDir::Files).isEmpty()); // no temporary file

    QGuiApplication::clipboard()->clear();
    m_ui.press("cmd_paste");
    QCOMPARE(files()->count(), 0);
}

void TestFileListPanel::suffixButtonsKeepMarksAndMenu()
{
    files()->setEntries({QStringLiteral("a.drw"), QStringLiteral("b"), QStringLiteral("c.drw.3")},
                        false);
    files()->setMarked(1, true);
    openMenu();
    m_ui.press("cmd_ZZ");
    m_ui.press("cmd_P");
    QCOMPARE(files()->entries(), (QStringList{QStringLiteral("a.prt"), QStringLiteral("b.prt"),
                                              QStringLiteral("c.drw.3.prt")}));
    QCOMPARE(files()->markedEntries(), QStringList{QStringLiteral("b.prt")});
    QVERIFY(menu()->isVisible());
}

void TestFileListPanel::handOverReducesAndMovesOn()
{
    m_ui.job().setSelection({QStringLiteral("earlier.drw")});
    files()->setEntries({QStringLiteral("a.drw")}, false);
    m_ui.press("cmd_file");
    QCOMPARE(m_ui.messages(), QStringList{QStringLiteral("Bitte Dateien auswählen !")});
    QVERIFY(m_ui.job().selection().isEmpty());
    QVERIFY(m_ui.find("Frame3")->isVisible());

    files()->setEntries({QStringLiteral("E:\\proj\\bracket.drw.3"), QStringLiteral("bracket.drw.4"),
                         QStringLiteral("skip.drw"), QStringLiteral("plate.prt")},
                        true);
    files()->setMarked(2, false);
    m_ui.press("cmd_file");
    QCOMPARE(m_ui.job().selection(),
             (QStringList{QStringLiteral("bracket.drw"), QStringLiteral("plate.prt")}));
    QCOMPARE(m_ui.text("lbl_status"),
             QStringLiteral("2 Dateien gewählt. Mapkey kann nun erstellt werden."));
    QVERIFY(!m_ui.find("Frame3")->isVisible());
    QVERIFY(m_ui.find("Frame2")->isVisible());
    files()->clear(); // leaves the selection alone
    QCOMPARE(m_ui.job().selection().size(), 2);
}

void TestFileListPanel::pastedListGivesTheSameDoitAsTheCommand()
{
    const QByteArray pasted = "Name\r\nE:\\proj\\bracket.drw.3\r\nplate.prt\r\n\r\nplate.prt\r\n";
    QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted));
    openMenu();
    m_ui.press("cmd_paste");
    m_ui.press("cmd_file");
    m_ui.press("cmd_mapkey");
    QWidget* names = openWindow("frm_mapkeyneu");
    control<QLineEdit>(names, "txt_mapkeyname")->setText(QStringLiteral("rt;%00"));
    click(control<QPushButton>(names, "cmd_mapkeyok"));
    m_ui.press("cmd_fcreate");
    QFile written(m_ui.file(QStringLiteral("doit.pro")));
    QVERIFY(written.open(QIODevice::ReadOnly));

    QProcess command;
    command.start(qEnvironmentVariable("KETTWERK_BATCH"),
                  {QStringLiteral("--list"), QStringLiteral("-"), QStringLiteral("--mapkeys"),
                   QStringLiteral("rt;%00"), QStringLiteral("--print")});
    QVERIFY(command.waitForStarted());
    command.write(pasted);
    command.closeWriteChannel();
    QVERIFY(command.waitForFinished());
    QCOMPARE(command.exitCode(), 0);
    QCOMPARE(written.readAll(), command.readAllStandardOutput());
}

QTEST_MAIN(TestFileListPanel)
#include "tst_filelistpanel.moc"
