#include "Explanations.h"
#include "FileListPanel.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"
#include "Twips.h"
#include "WidgetLookup.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kettwerk;
using kettwerk::ui::MainWindow;

// The main window's panels, their moves, explanations and the config.pro button.
class TestMainWindowLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void rightClickPlaceIsClamped_data();
    void rightClickPlaceIsClamped();
    void rightClickOnBareSurfaceMovesEvenAHiddenPanel();
    void filesImageReopensTheFileList();
    void closeIconHidesFileListAndMenu();
    void bottomBarTogglesTheConfigButton();
    void explanationsFollowThePointer_data();
    void explanationsFollowThePointer();
    void configButtonExplanationNamesTheFolderOfTheMoment();
    void bareSurfaceClearsButPanelsLeaveTheText();
    void configButtonInstallsAndReports();
    void configButtonReportsFailure();

private:
    QWidget* find(const char* name) { return control<QWidget>(m_window.get(), name); }
    QString explanation() { return control<QLabel>(m_window.get(), "Erklaer")->text(); }
    void hover(QWidget* widget);

    TestSettings m_settings;
    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindowLayout::initTestCase()
{
    platform::MessageBox::setRecording(true);
}

void TestMainWindowLayout::init()
{
    m_settings.clear();
    platform::MessageBox::clearRecorded();
    QFile::remove(m_folder.filePath(QStringLiteral("config.pro")));
    platform::SettingsStore().save(settings::kWorkingFolder, m_folder.path());
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindowLayout::cleanup()
{
    m_window->close();
    m_window.reset();
}

void TestMainWindowLayout::hover(QWidget* widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

void TestMainWindowLayout::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("img_files") << "img_files" << QRect(240, 0, 870, 975);
    QTest::newRow("Image1") << "Image1" << QRect(7200, 240, 480, 480);
    QTest::newRow("Erklaer") << "Erklaer" << QRect(2040, 1200, 4935, 2655);
    QTest::newRow("cmd_fcreate") << "cmd_fcreate" << QRect(2880, 2520, 2895, 375);
    QTest::newRow("Frame3 after start") << "Frame3" << QRect(1000, 600, 6255, 4335);
    QTest::newRow("Frame4 after start") << "Frame4" << QRect(120, 4405, 7695, 1095);
    QTest::newRow("Frame2") << "Frame2" << QRect(1200, 0, 5775, 855);
    QTest::newRow("List_File1") << "List_File1" << QRect(240, 600, 5295, 3375);
    QTest::newRow("cmd_file") << "cmd_file" << QRect(5640, 3720, 495, 495);
    QTest::newRow("img_ex3") << "img_ex3" << QRect(5640, 120, 480, 465);
    QTest::newRow("txt_hand") << "txt_hand" << QRect(480, 1440, 5655, 285);
    QTest::newRow("kontextmenue") << "kontextmenue" << QRect(2880, 240, 1215, 3735);
    QTest::newRow("cmd_paste") << "cmd_paste" << QRect(120, 120, 975, 255);
    QTest::newRow("cmd_PP") << "cmd_PP" << QRect(600, 2520, 495, 255);
    QTest::newRow("cmd_quit") << "cmd_quit" << QRect(120, 3360, 975, 255);
    QTest::newRow("txt_pro") << "txt_pro" << QRect(120, 330, 4935, 285);
    QTest::newRow("cmd_auto") << "cmd_auto" << QRect(5160, 120, 1695, 495);
    QTest::newRow("lbl_status") << "lbl_status" << QRect(1440, 720, 5415, 285);
    QTest::newRow("img_exit") << "img_exit" << QRect(7200, 600, 480, 480);
    QTest::newRow("cmd_mapkey") << "cmd_mapkey" << QRect(120, 240, 1215, 495);
}

void TestMainWindowLayout::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QWidget* widget = find(name.toLatin1().constData());
    QCOMPARE(widget->geometry(),
             ui::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void TestMainWindowLayout::rightClickPlaceIsClamped_data()
{
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("far right and low") << QPoint(7500, 3000) << QPoint(1745, 70);
    QTest::newRow("top left") << QPoint(100, 50) << QPoint(100, 50);
    QTest::newRow("just too low") << QPoint(100, 100) << QPoint(100, 70);
    QTest::newRow("exactly at both limits") << QPoint(1745, 70) << QPoint(1745, 70);
    QTest::newRow("one past the width") << QPoint(1746, 0) << QPoint(1745, 0);
}

void TestMainWindowLayout::rightClickPlaceIsClamped()
{
    QFETCH(QPoint, click);
    QFETCH(QPoint, place);
    QCOMPARE(MainWindow::fileListPanelPlace(click), place);
}

void TestMainWindowLayout::rightClickOnBareSurfaceMovesEvenAHiddenPanel()
{
    QWidget* panel = find("Frame3");
    const QPoint before = panel->pos();
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, QPoint(500, 200));
    QTest::mouseClick(m_window.get(), Qt::MiddleButton, {}, QPoint(500, 200));
    QCOMPARE(panel->pos(), before);
    // A right click on a control inside a panel is not the window's.
    QTest::mouseClick(find("Label6"), Qt::RightButton, {}, QPoint(3, 3));
    QCOMPARE(panel->pos(), before);

    click(find("img_ex3"));
    QVERIFY(!panel->isVisible());
    QTest::mouseClick(m_window.get(), Qt::RightButton, {}, QPoint(500, 200));
    QCOMPARE(panel->pos(), QPoint(ui::px(1745), ui::px(70)));
    QVERIFY(!panel->isVisible());
    click(find("img_files"));
    QCOMPARE(panel->pos(), QPoint(ui::px(240), ui::px(960)));
    QVERIFY(panel->isVisible());
}

void TestMainWindowLayout::filesImageReopensTheFileList()
{
    m_window->setSelection({QStringLiteral("a.drw")});
    m_window->CREATE(QStringLiteral("`;\\\r\n"));
    QVERIFY(find("cmd_fcreate")->isVisible());
    click(find("img_files"));
    QVERIFY(!find("cmd_fcreate")->isVisible());
    QVERIFY(!find("Frame1")->isVisible());
    QCOMPARE(find("Frame1")->y(), ui::px(7300));
    // The batch text survives for a later composition to replace.
    QVERIFY(!m_window->mapkeyText().isEmpty());
}

void TestMainWindowLayout::closeIconHidesFileListAndMenu()
{
    find("kontextmenue")->show();
    click(find("img_ex3"));
    QVERIFY(!find("Frame3")->isVisible());
    QVERIFY(find("kontextmenue")->isHidden());
}

void TestMainWindowLayout::bottomBarTogglesTheConfigButton()
{
    QWidget* bar = find("Frame4");
    const QPoint bare(ui::px(7000), ui::px(200));
    QVERIFY(!bar->childAt(bare));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bare);
    QVERIFY(!find("cmd_auto")->isVisible());
    QTest::mouseClick(find("lbl_user"), Qt::RightButton, {}, QPoint(2, 2));
    QVERIFY(!find("cmd_auto")->isVisible());
    QTest::mouseClick(bar, Qt::RightButton, {}, bare);
    QVERIFY(find("cmd_auto")->isVisible());
}

void TestMainWindowLayout::explanationsFollowThePointer_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("write button") << "cmd_fcreate" << ui::explanations::kWriteButton;
    QTest::newRow("mapkey button") << "cmd_mapkey" << ui::explanations::kMapkeyButton;
    QTest::newRow("status line") << "lbl_status" << ui::explanations::kStatusLine;
    QTest::newRow("info image") << "Image1" << ui::explanations::kInfoImage;
    QTest::newRow("exit image") << "img_exit" << ui::explanations::kExitImage;
    QTest::newRow("files image") << "img_files" << ui::explanations::kFilesImage;
    QTest::newRow("folder heading") << "Label7" << ui::explanations::kFolderHeading;
}

void TestMainWindowLayout::explanationsFollowThePointer()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    hover(find(name.toLatin1().constData()));
    QCOMPARE(explanation(), text);
}

void TestMainWindowLayout::configButtonExplanationNamesTheFolderOfTheMoment()
{
    auto* folder = control<QLineEdit>(m_window.get(), "txt_pro");
    folder->setText(QStringLiteral("/pro/work"));
    hover(find("cmd_auto"));
    QCOMPARE(explanation(),
             QStringLiteral("Mit dieser Funktion wird der config.pro der Mapkey auto zugewiesen. "
                            "Die config.pro liegt im Verzeichnis: /pro/work Mit der Tastenfolge >> "
                            "auto <<  -eingegeben in der Pro/ENGINEER Oberfläche-  wird die Datei "
                            "doit.pro geladen und ausgeführt."));
    folder->clear();
    hover(find("cmd_auto"));
    QVERIFY(explanation().contains(QStringLiteral("Verzeichnis:  Mit der Tastenfolge")));
}

void TestMainWindowLayout::bareSurfaceClearsButPanelsLeaveTheText()
{
    hover(find("img_exit"));
    QCOMPARE(explanation(), ui::explanations::kExitImage);
    hover(find("Frame4"));
    hover(find("List_File1"));
    QCOMPARE(explanation(), ui::explanations::kExitImage);
    QTest::mouseMove(m_window.get(), QPoint(500, 200));
    QMouseEvent move(QEvent::MouseMove, QPointF(500, 200), m_window->mapToGlobal(QPointF(500, 200)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window.get(), &move);
    QCOMPARE(explanation(), QString());
}

void TestMainWindowLayout::configButtonInstallsAndReports()
{
    click(find("cmd_auto"));
    QCOMPARE(platform::MessageBox::recorded(),
             (QStringList{QStringLiteral("Es wurde eine Datei config.pro angelegt"),
                          QStringLiteral("Der Mapkey auto wurde Ihrer config.pro hinzugefügt !")}));
    QCOMPARE(control<QLineEdit>(m_window.get(), "lbl_status")->text(),
             QStringLiteral("Datei lesen..."));
    QFile config(m_folder.filePath(QStringLiteral("config.pro")));
    QVERIFY(config.open(QIODevice::ReadOnly));
    QCOMPARE(config.readAll().count("\r\n"), 11);

    platform::MessageBox::clearRecorded();
    click(find("cmd_auto"));
    QCOMPARE(platform::MessageBox::recorded(),
             QStringList{QStringLiteral("Der Mapkey auto wurde Ihrer config.pro hinzugefügt !")});
}

void TestMainWindowLayout::configButtonReportsFailure()
{
    const QString missing = m_folder.filePath(QStringLiteral("no/such"));
    control<QLineEdit>(m_window.get(), "txt_pro")->setText(missing);
    click(find("cmd_auto"));
    const QStringList messages = platform::MessageBox::recorded();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(missing), qPrintable(messages.first()));
    QVERIFY(!messages.first().contains(QStringLiteral("hinzugefügt")));
}

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindowlayout.moc"
