#include "BlockField.h"
#include "Explanations.h"
#include "MainWindowFixture.h"
#include "Templates.h"
#include "Twips.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

using namespace kettwerk;
using kettwerk::ui::MainWindow;

// The main window's panels, their moves, explanations, the config.pro button
// and the construction panel.
class TestMainWindowLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_ui.open(); }
    void cleanup() { m_ui.close(); }

    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void rightClickPlaceIsClamped_data();
    void rightClickPlaceIsClamped();
    void panelsMoveShowAndHide();
    void explanationsFollowThePointer_data();
    void explanationsFollowThePointer();
    void configButtonInstallsAndReports();
    void constructionPanelComposesAndReplaces();

private:
    void hover(QWidget* widget, QPoint at = {2, 2});
    QString explanation() { return m_ui.find<QLabel>("Erklaer")->text(); }

    MainWindowFixture m_ui;
};

void TestMainWindowLayout::hover(QWidget* widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

void TestMainWindowLayout::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("img_files") << "img_files" << QRect(240, 0, 870, 975);
    QTest::newRow("Erklaer") << "Erklaer" << QRect(2040, 1200, 4935, 2655);
    QTest::newRow("cmd_fcreate") << "cmd_fcreate" << QRect(2880, 2520, 2895, 375);
    QTest::newRow("Frame3 after start") << "Frame3" << QRect(1000, 600, 6255, 4335);
    QTest::newRow("Frame4 after start") << "Frame4" << QRect(120, 4405, 7695, 1095);
    QTest::newRow("List_File1") << "List_File1" << QRect(240, 600, 5295, 3375);
    QTest::newRow("kontextmenue") << "kontextmenue" << QRect(2880, 240, 1215, 3735);
    QTest::newRow("cmd_PP") << "cmd_PP" << QRect(600, 2520, 495, 255);
    QTest::newRow("cmd_auto") << "cmd_auto" << QRect(5160, 120, 1695, 495);
    QTest::newRow("lbl_status") << "lbl_status" << QRect(1440, 720, 5415, 285);
    QTest::newRow("cmd_mapkey") << "cmd_mapkey" << QRect(120, 240, 1215, 495);
}

void TestMainWindowLayout::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QCOMPARE(m_ui.find(name.toLatin1().constData())->geometry(),
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

void TestMainWindowLayout::panelsMoveShowAndHide()
{
    QWidget* panel = m_ui.find("Frame3");
    const QPoint start = panel->pos();
    // Only a right click on the bare window surface moves the panel.
    QTest::mouseClick(m_ui.window.get(), Qt::LeftButton, {}, QPoint(500, 200));
    QTest::mouseClick(m_ui.find("Label6"), Qt::RightButton, {}, QPoint(3, 3));
    QCOMPARE(panel->pos(), start);

    m_ui.find("kontextmenue")->show();
    m_ui.press("img_ex3");
    QVERIFY(!panel->isVisible());
    QVERIFY(m_ui.find("kontextmenue")->isHidden());
    QTest::mouseClick(m_ui.window.get(), Qt::RightButton, {}, QPoint(500, 200));
    QCOMPARE(panel->pos(), QPoint(ui::px(1745), ui::px(70))); // moved while hidden

    m_ui.window->setSelection({QStringLiteral("a.drw")});
    m_ui.window->CREATE(QStringLiteral("`;\\\r\n"));
    QVERIFY(m_ui.find("cmd_fcreate")->isVisible());
    m_ui.press("img_files");
    QCOMPARE(panel->pos(), QPoint(ui::px(240), ui::px(960)));
    QVERIFY(panel->isVisible());
    QVERIFY(!m_ui.find("cmd_fcreate")->isVisible());
    QVERIFY(!m_ui.window->mapkeyText().isEmpty());

    // The bare bottom bar hides and shows the config.pro button; its labels do not.
    QWidget* bar = m_ui.find("Frame4");
    const QPoint bare(ui::px(7000), ui::px(200));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bare);
    QVERIFY(!m_ui.find("cmd_auto")->isVisible());
    QTest::mouseClick(m_ui.find("lbl_user"), Qt::RightButton, {}, QPoint(2, 2));
    QVERIFY(!m_ui.find("cmd_auto")->isVisible());
    QTest::mouseClick(bar, Qt::RightButton, {}, bare);
    QVERIFY(m_ui.find("cmd_auto")->isVisible());
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
    QTest::newRow("config button, this folder")
        << "cmd_auto"
        << "Mit dieser Funktion wird der config.pro der Mapkey auto zugewiesen. Die config.pro "
           "liegt im Verzeichnis: /pro/work Mit der Tastenfolge >> auto <<  -eingegeben in der "
           "Pro/ENGINEER Oberfläche-  wird die Datei doit.pro geladen und ausgeführt.";
}

void TestMainWindowLayout::explanationsFollowThePointer()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    m_ui.find<QLineEdit>("txt_pro")->setText(QStringLiteral("/pro/work"));
    hover(m_ui.find(name.toLatin1().constData()));
    QCOMPARE(explanation(), text);
    // Panels and the bar have no explanation and leave it; the bare surface clears it.
    hover(m_ui.find("Frame4"));
    hover(m_ui.find("List_File1"));
    QCOMPARE(explanation(), text);
    hover(m_ui.window.get(), QPoint(500, 200));
    QCOMPARE(explanation(), QString());
}

void TestMainWindowLayout::configButtonInstallsAndReports()
{
    const QString added = QStringLiteral("Der Mapkey auto wurde Ihrer config.pro hinzugefügt !");
    m_ui.press("cmd_auto");
    QCOMPARE(m_ui.messages(),
             (QStringList{QStringLiteral("Es wurde eine Datei config.pro angelegt"), added}));
    QCOMPARE(m_ui.text("lbl_status"), QStringLiteral("Datei lesen..."));
    QFile config(m_ui.file(QStringLiteral("config.pro")));
    QVERIFY(config.open(QIODevice::ReadOnly));
    QCOMPARE(config.readAll().count("\r\n"), 11);

    m_ui.clearMessages();
    m_ui.press("cmd_auto");
    QCOMPARE(m_ui.messages(), QStringList{added});

    m_ui.clearMessages();
    const QString missing = m_ui.file(QStringLiteral("no/such"));
    m_ui.find<QLineEdit>("txt_pro")->setText(missing);
    m_ui.press("cmd_auto");
    QCOMPARE(m_ui.messages().size(), 1);
    QVERIFY(m_ui.messages().first().contains(missing));
}

void TestMainWindowLayout::constructionPanelComposesAndReplaces()
{
    QTest::keyClick(m_ui.window.get(), Qt::Key_K, Qt::ControlModifier);
    QWidget* panel = m_ui.find("Frame1");
    QVERIFY(panel->isVisible());
    auto* block = m_ui.find<ui::BlockField>("txt_individ");
    // Replace-all ends even for a replacement that holds the search text.
    block->setText(QStringLiteral("`;\\\r\nmapkey(continued) ~ x;\\\r\n"));
    m_ui.find<QLineEdit>("txt_ers1")->setText(QStringLiteral("x"));
    m_ui.find<QLineEdit>("txt_ers2")->setText(QStringLiteral("xx"));
    m_ui.press("cmd_replace");
    QCOMPARE(block->text(), QStringLiteral("`;\\\r\nmapkey(continued) ~ xx;\\\r\n"));

    // An open step too short to be joined composes nothing and keeps the panel.
    m_ui.find<ui::BlockField>("txt_open")->setPlainText(QStringLiteral("`"));
    m_ui.press("cmd_individ");
    QCOMPARE(m_ui.messages().size(), 1);
    QVERIFY(m_ui.window->mapkeyText().isEmpty());
    QVERIFY(panel->isVisible());

    m_ui.find<ui::BlockField>("txt_open")->setText(templates::openStep());
    m_ui.window->setSelection({QStringLiteral("a.drw")});
    m_ui.press("cmd_individ");
    QVERIFY(!panel->isVisible());
    QVERIFY(m_ui.find("cmd_fcreate")->isVisible());
    QVERIFY(m_ui.window->mapkeyText().endsWith(
        QStringLiteral("`a.drw`;\\\r\nmapkey(continued) ~ xx;\\\r\nmapkey(continued) ~ ;\r\n")));
}

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindowlayout.moc"
