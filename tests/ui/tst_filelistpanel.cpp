#include "FileList.h"
#include "FileListPanel.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"
#include "Twips.h"
#include "WidgetLookup.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kettwerk;
using kettwerk::ui::FileListPanel;
using kettwerk::ui::MainWindow;

// The file list as the user works it: mouse, keyboard, clipboard, hand-over.
class TestFileListPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void rightClickShowsTheMenuBesideThePointer_data();
    void rightClickShowsTheMenuBesideThePointer();
    void shownMenuStaysWhereItWas();
    void leftClickHidesMenuAndSingleEntryAndMarks();
    void singleEntryAppendsOnEnter();
    void pasteReplacesTheListAndMarksEverything();
    void suffixButtonsKeepMarksAndMenu();
    void handOverReducesAndMovesOn();
    void handOverWithNothingMarkedAsksForFiles();
    void pastedListGivesTheSameDoitAsTheCommand();

private:
    QListView* list() { return control<QListView>(m_window.get(), "List_File1"); }
    QWidget* menu() { return control<QWidget>(m_window.get(), "kontextmenue"); }
    FileList* files() { return m_window->findChild<FileListPanel*>()->fileList(); }
    void pressMenu(const char* name) { click(control<QPushButton>(menu(), name)); }
    QString status() { return control<QLineEdit>(m_window.get(), "lbl_status")->text(); }

    TestSettings m_settings;
    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
};

void TestFileListPanel::initTestCase()
{
    platform::MessageBox::setRecording(true);
}

void TestFileListPanel::init()
{
    m_settings.clear();
    platform::MessageBox::clearRecorded();
    platform::SettingsStore().save(settings::kWorkingFolder, m_folder.path());
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestFileListPanel::cleanup()
{
    m_window->close();
    m_window.reset();
}

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
    QWidget* viewport = list()->viewport();
    const QPoint at(xPixels - viewport->x(), 30);
    QTest::mouseMove(viewport, at);
    QTest::mouseClick(viewport, Qt::RightButton, {}, at);
    QVERIFY(menu()->isVisible());
    QCOMPARE(menu()->x(), ui::px(ui::twips(xPixels) + FileListPanel::kMenuOffsetTwips));
    QCOMPARE(menu()->y(), ui::px(240));
    // The right button marks nothing.
    QVERIFY(files()->markedEntries().isEmpty());
}

void TestFileListPanel::shownMenuStaysWhereItWas()
{
    QWidget* viewport = list()->viewport();
    QTest::mouseMove(viewport, QPoint(20, 20));
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(20, 20));
    const QPoint shownAt = menu()->pos();
    QTest::mouseMove(viewport, QPoint(200, 20));
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(200, 20));
    QCOMPARE(menu()->pos(), shownAt);
    // A middle click changes nothing at all.
    QTest::mouseClick(viewport, Qt::MiddleButton, {}, QPoint(200, 20));
    QVERIFY(menu()->isVisible());
}

void TestFileListPanel::leftClickHidesMenuAndSingleEntryAndMarks()
{
    files()->setEntries({QStringLiteral("a.drw"), QStringLiteral("b.drw")}, false);
    QWidget* viewport = list()->viewport();
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(20, 5));
    pressMenu("cmd_einzel");
    auto* single = control<QLineEdit>(m_window.get(), "txt_hand");
    QVERIFY(single->isVisible());
    QVERIFY(!menu()->isVisible());
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(20, 5));
    const QRect first = list()->visualRect(list()->model()->index(0, 0));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, first.center());
    QVERIFY(!menu()->isVisible());
    QVERIFY(!single->isVisible());
    QCOMPARE(files()->markedEntries(), QStringList{QStringLiteral("a.drw")});
}

void TestFileListPanel::singleEntryAppendsOnEnter()
{
    files()->setEntries({QStringLiteral("bracket.drw")}, true);
    QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, QPoint(20, 5));
    pressMenu("cmd_einzel");
    auto* single = control<QLineEdit>(m_window.get(), "txt_hand");
    QTest::keyClick(single, Qt::Key_Return);
    QVERIFY(single->isVisible()); // empty: nothing happens
    QCOMPARE(files()->count(), 1);
    QTest::keyClicks(single, QStringLiteral(" bracket.drw "));
    QTest::keyClick(single, Qt::Key_Return);
    QVERIFY(!single->isVisible());
    QCOMPARE(files()->entries(),
             (QStringList{QStringLiteral("bracket.drw"), QStringLiteral(" bracket.drw ")}));
    QVERIFY(!files()->isMarked(1));
    // The text stays for the next use; Enter appends it again.
    pressMenu("cmd_einzel");
    QCOMPARE(single->text(), QStringLiteral(" bracket.drw "));
    QTest::keyClick(single, Qt::Key_Enter);
    QCOMPARE(files()->count(), 3);
}

void TestFileListPanel::pasteReplacesTheListAndMarksEverything()
{
    files()->setEntries({QStringLiteral("old.drw")}, false);
    QGuiApplication::clipboard()->setText(
        QStringLiteral("Name\nE:\\p\\a.drw.3\n\n b.prt\tx\r\nName\r"));
    QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, QPoint(20, 5));
    pressMenu("cmd_paste");
    QCOMPARE(files()->entries(),
             (QStringList{QStringLiteral("E:\\p\\a.drw.3"), QStringLiteral(" b.prt\tx")}));
    QCOMPARE(files()->markedEntries(), files()->entries());
    QCOMPARE(status(), QStringLiteral("Zwischenablage eingefügt"));
    QVERIFY(!menu()->isVisible());
    // Nothing was written into the working folder on the way.
    QVERIFY(QDir(m_folder.path()).entryList(QDir::Files).isEmpty());

    QGuiApplication::clipboard()->clear();
    pressMenu("cmd_paste");
    QCOMPARE(files()->count(), 0);
    QCOMPARE(status(), QStringLiteral("Zwischenablage eingefügt"));
}

void TestFileListPanel::suffixButtonsKeepMarksAndMenu()
{
    files()->setEntries({QStringLiteral("a.drw"), QStringLiteral("b"), QStringLiteral("c.drw.3")},
                        false);
    files()->setMarked(1, true);
    QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, QPoint(20, 5));
    pressMenu("cmd_ZZ");
    pressMenu("cmd_P");
    QCOMPARE(files()->entries(), (QStringList{QStringLiteral("a.prt"), QStringLiteral("b.prt"),
                                              QStringLiteral("c.drw.3.prt")}));
    QCOMPARE(files()->markedEntries(), QStringList{QStringLiteral("b.prt")});
    QVERIFY(menu()->isVisible());
}

void TestFileListPanel::handOverReducesAndMovesOn()
{
    files()->setEntries({QStringLiteral("E:\\proj\\bracket.drw.3"), QStringLiteral("bracket.drw.4"),
                         QStringLiteral("skip.drw"), QStringLiteral("plate.prt")},
                        true);
    files()->setMarked(2, false);
    click(control<QPushButton>(m_window.get(), "cmd_file"));
    QCOMPARE(m_window->selection(),
             (QStringList{QStringLiteral("bracket.drw"), QStringLiteral("plate.prt")}));
    QCOMPARE(status(), QStringLiteral("2 Dateien gewählt. Mapkey kann nun erstellt werden."));
    QVERIFY(!control<QWidget>(m_window.get(), "Frame3")->isVisible());
    QVERIFY(control<QWidget>(m_window.get(), "Frame2")->isVisible());
    // Clearing the file list later leaves the selection alone.
    files()->clear();
    QCOMPARE(m_window->selection().size(), 2);
}

void TestFileListPanel::handOverWithNothingMarkedAsksForFiles()
{
    m_window->setSelection({QStringLiteral("earlier.drw")});
    files()->setEntries({QStringLiteral("a.drw")}, false);
    click(control<QPushButton>(m_window.get(), "cmd_file"));
    QCOMPARE(platform::MessageBox::recorded(),
             QStringList{QStringLiteral("Bitte Dateien auswählen !")});
    QVERIFY(m_window->selection().isEmpty());
    QVERIFY(control<QWidget>(m_window.get(), "Frame3")->isVisible());
    QVERIFY(!control<QWidget>(m_window.get(), "Frame2")->isVisible());
}

void TestFileListPanel::pastedListGivesTheSameDoitAsTheCommand()
{
    const QByteArray pasted = "Name\r\nE:\\proj\\bracket.drw.3\r\nplate.prt\r\n\r\nplate.prt\r\n";
    QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted));
    QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, QPoint(20, 5));
    pressMenu("cmd_paste");
    click(control<QPushButton>(m_window.get(), "cmd_file"));
    click(control<QPushButton>(m_window.get(), "cmd_mapkey"));
    QWidget* names = openWindow("frm_mapkeyneu");
    QVERIFY(names);
    control<QLineEdit>(names, "txt_mapkeyname")->setText(QStringLiteral("rt;%00"));
    click(control<QPushButton>(names, "cmd_mapkeyok"));
    click(control<QPushButton>(m_window.get(), "cmd_fcreate"));
    QFile written(m_folder.filePath(QStringLiteral("doit.pro")));
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
