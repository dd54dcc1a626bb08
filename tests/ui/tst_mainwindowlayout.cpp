#include "BlockField.h"
#include "MainWindowFixture.h"
#include "Templates.h"

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

    void rightClickPlaceIsClamped_data();
    void rightClickPlaceIsClamped();
    void panelsMoveShowAndHide();
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

// In twips: window 8000 wide, bar at 4405, panel 6255 x 4335; only a panel
// that would reach past a limit is pulled back.
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
    QCOMPARE(start, QPoint(67, 40)); // 1000, 600 twips
    // Only a right click on the bare window surface moves the panel.
    QTest::mouseClick(m_ui.window.get(), Qt::LeftButton, {}, QPoint(500, 200));
    QTest::mouseClick(m_ui.find("Label6"), Qt::RightButton, {}, QPoint(3, 3));
    QCOMPARE(panel->pos(), start);

    m_ui.find("kontextmenue")->show();
    m_ui.press("img_ex3");
    QVERIFY(!panel->isVisible());
    QVERIFY(m_ui.find("kontextmenue")->isHidden());
    QTest::mouseClick(m_ui.window.get(), Qt::RightButton, {}, QPoint(500, 200));
    QCOMPARE(panel->pos(), QPoint(116, 5)); // 1745, 70 twips: moved while hidden

    m_ui.enterMapkeys(QStringLiteral("rt"));
    QVERIFY(m_ui.find("cmd_fcreate")->isVisible());
    m_ui.press("img_files");
    QCOMPARE(panel->pos(), QPoint(16, 64)); // 240, 960 twips
    QVERIFY(panel->isVisible());
    QVERIFY(!m_ui.find("cmd_fcreate")->isVisible());
    QVERIFY(m_ui.job().batch()); // reopening the list keeps the batch

    // The bare bottom bar hides and shows the config.pro button; its labels do not.
    QWidget* bar = m_ui.find("Frame4");
    const QPoint bare(466, 13);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bare);
    QVERIFY(!m_ui.find("cmd_auto")->isVisible());
    QTest::mouseClick(m_ui.find("lbl_user"), Qt::RightButton, {}, QPoint(2, 2));
    QVERIFY(!m_ui.find("cmd_auto")->isVisible());
    QTest::mouseClick(bar, Qt::RightButton, {}, bare);
    QVERIFY(m_ui.find("cmd_auto")->isVisible());
}

void TestMainWindowLayout::explanationsFollowThePointer()
{
    hover(m_ui.find("img_exit"));
    QCOMPARE(explanation(), QStringLiteral("Das Programm verlassen"));
    // Panels and the bar have no explanation and leave it; the bare surface clears it.
    hover(m_ui.find("Frame4"));
    hover(m_ui.find("List_File1"));
    QCOMPARE(explanation(), QStringLiteral("Das Programm verlassen"));
    hover(m_ui.window.get(), QPoint(500, 200));
    QCOMPARE(explanation(), QString());

    // The config.pro button names the folder of this moment, blanks as designed.
    m_ui.find<QLineEdit>("txt_pro")->setText(QStringLiteral("/pro/work"));
    hover(m_ui.find("cmd_auto"));
    QCOMPARE(explanation(),
             QStringLiteral("Mit dieser Funktion wird der config.pro der Mapkey auto zugewiesen. "
                            "Die config.pro liegt im Verzeichnis: /pro/work Mit der Tastenfolge "
                            ">> auto <<  -eingegeben in der Pro/ENGINEER Oberfläche-  wird die "
                            "Datei doit.pro geladen und ausgeführt."));
    // Every explained control has a text of its own.
    QStringList seen;
    for (const char* name :
         {"cmd_fcreate", "cmd_mapkey", "lbl_status", "Image1", "img_files", "Label7"}) {
        hover(m_ui.find(name));
        QVERIFY2(!explanation().isEmpty() && !seen.contains(explanation()), name);
        seen.append(explanation());
    }
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
    block->setPlainText(QStringLiteral("`;\\\nmapkey(continued) ~ x;\\\n"));
    m_ui.find<QLineEdit>("txt_ers1")->setText(QStringLiteral("x"));
    m_ui.find<QLineEdit>("txt_ers2")->setText(QStringLiteral("xx"));
    m_ui.press("cmd_replace");
    QCOMPARE(block->text(), QStringLiteral("`;\\\r\nmapkey(continued) ~ xx;\\\r\n"));

    // An open step too short to be joined composes nothing and keeps the panel.
    m_ui.find<ui::BlockField>("txt_open")->setPlainText(QStringLiteral("`"));
    m_ui.press("cmd_individ");
    QCOMPARE(m_ui.messages().size(), 1);
    QVERIFY(!m_ui.job().batch());
    QVERIFY(panel->isVisible());

    m_ui.find<ui::BlockField>("txt_open")
        ->setPlainText(templates::openStep().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_ui.job().setSelection({QStringLiteral("a.drw")});
    m_ui.press("cmd_individ");
    QVERIFY(!panel->isVisible());
    QVERIFY(m_ui.find("cmd_fcreate")->isVisible());
    QVERIFY(m_ui.job().batch()->bytes().endsWith(
        "`a.drw`;\\\r\nmapkey(continued) ~ xx;\\\r\nmapkey(continued) ~ ;\r\n\r\n"));
}

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindowlayout.moc"
