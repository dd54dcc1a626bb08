#include "FileList.h"
#include "Files.h"
#include "MainWindowFixture.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QListView>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

// The check before writing as the window shows it: names offered while
// typing, warnings asked about, errors refused, entries marked.
class TestCheckWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_ui.open();
        QVERIFY(writeBytes(m_ui.file(u"config.pro"_s),
                           "mapkey regen @MAPKEY_LABELZeichnung regenerieren;~ ;\r\n"
                           "mapkey rahmen @MAPKEY_LABELRahmen tauschen;%self;\r\n"
                           "mapkey self ~ ;%rahmen;\r\n"));
    }
    void cleanup() { m_ui.close(); }

    void definedNamesAreOfferedWhileTyping();
    void warningsAreAskedAboutAndErrorsRefused_data();
    void warningsAreAskedAboutAndErrorsRefused();
    void entriesWithFindingsAreRed();

private:
    MainWindowFixture m_ui;
};

void TestCheckWindow::definedNamesAreOfferedWhileTyping()
{
    m_ui.press("cmd_mapkey");
    QWidget* window = openWindow("frm_mapkeyneu");
    auto* field = control<QLineEdit>(window, "txt_mapkeyname");
    field->clear();
    QTest::keyClicks(field, u"regen;%ra"_s);
    auto* completer = window->findChild<QCompleter*>();
    QVERIFY(completer && completer->popup()->isVisible());
    QCOMPARE(completer->completionCount(), 1); // "ra…" after ";%", not "re…"
    QCOMPARE(completer->currentIndex().data().toString(), u"rahmen  –  Rahmen tauschen"_s);
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    QCOMPARE(field->text(), u"regen;%rahmen"_s);
}

void TestCheckWindow::warningsAreAskedAboutAndErrorsRefused_data()
{
    QTest::addColumn<QString>("names");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("said");
    QTest::newRow("defined: no question") << u"regen"_s << false << true << QString();
    QTest::newRow("undefined, Ja") << u"rgen"_s << true << true << u"Trotzdem anlegen?"_s;
    QTest::newRow("undefined, Nein") << u"rgen"_s << false << false << u"„rgen“"_s;
    QTest::newRow("cycle: refused") << u"rahmen"_s << true << false << u"rahmen → self → rahmen"_s;
}

void TestCheckWindow::warningsAreAskedAboutAndErrorsRefused()
{
    QFETCH(QString, names);
    QFETCH(bool, answer);
    QFETCH(bool, written);
    QFETCH(QString, said);
    m_ui.job().setSelection({u"a.drw"_s});
    m_ui.enterMapkeys(names);
    m_ui.answer(answer);
    m_ui.press("cmd_fcreate");
    QCOMPARE(QFile::exists(m_ui.file(u"doit.pro"_s)), written);
    QCOMPARE(m_ui.find("cmd_fcreate")->isVisible(), !written);
    if (said.isEmpty())
        QVERIFY(m_ui.messages().isEmpty());
    else
        QVERIFY2(m_ui.messages().value(0).contains(said), qPrintable(m_ui.messages().value(0)));
}

void TestCheckWindow::entriesWithFindingsAreRed()
{
    m_ui.files().setEntries({u"ok.drw"_s, u"E:\\p\\mit blank.drw.3"_s, u"x.txt"_s}, true);
    m_ui.press("cmd_file");
    m_ui.press("img_files"); // the list again, as the user reopens it
    auto* view = m_ui.find<QListView>("List_File1");
    view->selectionModel()->clear(); // marked rows are drawn in the marking colour
    const QImage drawn = view->viewport()->grab().toImage();
    const auto hasRed = [&](int row) {
        const QRect line = view->visualRect(view->model()->index(row, 0));
        for (int y = line.top(); y <= line.bottom(); ++y)
            for (int x = line.left(); x <= line.right(); ++x) {
                const QColor c = drawn.pixelColor(x, y);
                if (c.red() > 180 && c.green() < 80 && c.blue() < 80)
                    return true;
            }
        return false;
    };
    QVERIFY(!hasRed(0));
    QVERIFY(hasRed(1) && hasRed(2));
    const auto tip = [view](int row) {
        return view->model()->index(row, 0).data(Qt::ToolTipRole).toString();
    };
    QVERIFY(tip(0).isEmpty());
    QVERIFY2(tip(1).contains(u"Zeichen „ “"_s), qPrintable(tip(1)));
    QVERIFY2(tip(2).contains(u"unbekannter Dateityp „txt“"_s), qPrintable(tip(2)));
}

QTEST_MAIN(TestCheckWindow)
#include "tst_checkwindow.moc"
