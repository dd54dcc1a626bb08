#include "core/Templates.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "support/MainWindowFixture.h"
#include "support/Rows.h"
#include "ui/BlockField.h"
#include "ui/FolderList.h"
#include "ui/HelpWindow.h"

#include <QClipboard>
#include <QCompleter>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QTimer>

using namespace kettwerk;
using namespace Qt::StringLiterals;

// The main window as the user works it, from start-up through the file list
// and the mapkey window to doit.pro, and shutdown.
class TestMainWindow : public QObject
{
    Q_OBJECT
    MainWindowFixture m_ui;

    void hover(const char* name, QPoint at = {2, 2})
    {
        moveOver(name ? m_ui.find(name) : m_ui.window.get(), at);
    }
    // Sent, not through QTest::mouseMove: that one moves the system's pointer,
    // whose move reaches the window later or never on some platforms.
    static void moveOver(QWidget* widget, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }
    QString explanation() { return m_ui.find<QLabel>("Erklaer")->text(); }
    QWidget* viewport() { return m_ui.find<QListView>("List_File1")->viewport(); }
    QWidget* menu() { return m_ui.find("kontextmenue"); }
    void openMenu() { QTest::mouseClick(viewport(), Qt::RightButton, {}, QPoint(20, 5)); }

    void writeMapkeys()
    {
        QVERIFY(writeBytes(m_ui.file(u"config.pro"_s),
                           "mapkey regen @MAPKEY_LABELZeichnung regenerieren;~ ;\r\n"
                           "mapkey rahmen @MAPKEY_LABELRahmen tauschen;%self;\r\n"
                           "mapkey self ~ ;%rahmen;\r\n"));
    }

private Q_SLOTS:
    void init() { m_ui.open(); }
    void cleanup() { m_ui.close(); }

    void startsWithItsDesignedLayout()
    {
        QCOMPARE(m_ui.window->windowTitle(), u"Kettwerk für Wildfire 2.0"_s);
        QCOMPARE(m_ui.text("lbl_status"), u"Bitte Dateien wählen"_s);
        QCOMPARE(m_ui.find<QLabel>("lbl_user")->text(), platform::loginName());
        QVERIFY(m_ui.find("Frame3")->isVisible());
        for (const char* hidden : {"cmd_fcreate", "Frame2", "Frame1", "kontextmenue", "txt_hand"})
            QVERIFY2(!m_ui.find(hidden)->isVisible(), hidden);
        QCOMPARE(m_ui.window->minimumSize(), m_ui.window->maximumSize()); // cannot be resized
        QVERIFY(m_ui.messages().isEmpty());
    }
    // What start-up restores shows, and shutdown stores it again: the mapkey
    // names as an open mapkey window holds them, the function block with its
    // mixed line ends exactly.
    void shutdownStoresTheValues_data()
    {
        QTest::addColumn<QVariant>("stored"); // invalid: no mapkey names stored
        QTest::addColumn<QVariant>("shown");  // invalid: mapkey window never opened
        QTest::addColumn<QString>("expected");
        row("never opened, absent", QVariant(), QVariant(), "ds");
        row("never opened, stored", QVariant(u"+;%bb;"_s), QVariant(), "+;%bb;");
        row("never opened, stored empty", QVariant(QString()), QVariant(), "");
        row("open with an edit", QVariant(u"old"_s), QVariant(u"new"_s), "new");
    }
    void shutdownStoresTheValues()
    {
        QFETCH(QVariant, stored);
        QFETCH(QVariant, shown);
        QFETCH(QString, expected);
        const QString block = u"`;\\\r\nmapkey(continued) ~ eins;\\\nzwei\r\n\r\ndrei"_s;
        QStringList values{settings::kFunctionBlock, block};
        if (stored.isValid())
            values << settings::kMapkeyNames << stored.toString();
        m_ui.open(values);
        QCOMPARE(m_ui.find<ui::BlockField>("txt_individ")->text(), block);
        QVERIFY(QFile::remove(m_ui.settingsFile())); // shutdown must store all three anew
        m_ui.find<QLineEdit>("txt_pro")->setText(u"typed/folder"_s);
        if (shown.isValid()) {
            m_ui.press("cmd_mapkey");
            control<QLineEdit>(openWindow("frm_mapkeyneu"), "txt_mapkeyname")
                ->setText(shown.toString());
        }
        m_ui.press("img_exit");
        QVERIFY(!m_ui.window->isVisible());
        QVERIFY(!openWindow("frm_mapkeyneu"));
        const platform::SettingsStore store;
        QCOMPARE(store.get(settings::kMapkeyNames, u"absent"_s), expected);
        QCOMPARE(store.get(settings::kWorkingFolder, {}), u"typed/folder"_s);
        QCOMPARE(store.get(settings::kFunctionBlock, {}), block);
    }
    void settingsThatCannotBeStoredAreReportedOnce()
    {
        // A folder where the settings file belongs stops every user, root too.
        const QString file = m_ui.settingsFile();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        m_ui.enterMapkeys(u"rt"_s);
        m_ui.close();
        QVERIFY(QDir(file).removeRecursively());
        QCOMPARE(m_ui.messages().size(), 1);
        QVERIFY2(m_ui.messages().first().contains(QDir::toNativeSeparators(file)),
                 qPrintable(m_ui.messages().first()));
    }
    // In twips: window 8000 wide, bar at 4405, panel 6255 x 4335; only a panel
    // that would reach past a limit is pulled back.
    void rightClickPlaceIsClamped_data()
    {
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("top left") << QPoint(100, 50) << QPoint(100, 50);
        QTest::newRow("just too low") << QPoint(100, 100) << QPoint(100, 70);
        QTest::newRow("exactly at both limits") << QPoint(1745, 70) << QPoint(1745, 70);
        QTest::newRow("one past the width") << QPoint(1746, 0) << QPoint(1745, 0);
    }
    void rightClickPlaceIsClamped()
    {
        QFETCH(QPoint, click);
        QFETCH(QPoint, place);
        QCOMPARE(ui::MainWindow::fileListPanelPlace(click), place);
    }
    void panelsMoveShowAndHide()
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

        m_ui.enterMapkeys(u"rt"_s);
        QVERIFY(m_ui.find("cmd_fcreate")->isVisible());
        m_ui.press("img_files");
        QCOMPARE(panel->pos(), QPoint(16, 64)); // 240, 960 twips
        QVERIFY(panel->isVisible());
        QVERIFY(!m_ui.find("cmd_fcreate")->isVisible());
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
    void chosenFolderBecomesTheWorkingFolder()
    {
        m_ui.press("Label7");
        QWidget* chooser = m_ui.find("Frame6");
        QVERIFY(chooser->isVisible());
        // Directly above the bottom bar, flush with its left edge.
        QCOMPARE(chooser->geometry().bottomLeft() + QPoint(0, 1),
                 m_ui.find("Frame4")->geometry().topLeft());
        // Opened and confirmed at once: the folder it started on, unchanged.
        m_ui.press("cmd_ok");
        QCOMPARE(m_ui.text("txt_pro"), QDir::toNativeSeparators(m_ui.folder()));

        const QString chosen = QDir::toNativeSeparators(m_ui.file(u"chosen"_s));
        QVERIFY(QDir().mkpath(chosen));
        m_ui.press("Label7");
        QVERIFY(m_ui.find<ui::FolderList>("Dir2")->setPath(chosen));
        m_ui.press("cmd_ok");
        QVERIFY(!chooser->isVisible());
        QCOMPARE(m_ui.text("txt_pro"), chosen);
        QCOMPARE(m_ui.job().workingFolder(), chosen);
    }
    void explanationsFollowThePointer()
    {
        hover("img_exit");
        QCOMPARE(explanation(), u"Das Programm verlassen"_s);
        // Panels and the bar have no explanation and leave it; the bare surface clears it.
        hover("Frame4");
        hover("List_File1");
        QCOMPARE(explanation(), u"Das Programm verlassen"_s);
        hover(nullptr, QPoint(500, 200));
        QCOMPARE(explanation(), QString());
        // The config.pro button names the folder of this moment, blanks as designed.
        m_ui.find<QLineEdit>("txt_pro")->setText(u"/pro/work"_s);
        hover("cmd_auto");
        QCOMPARE(explanation(),
                 u"Mit dieser Funktion wird der config.pro der Mapkey auto zugewiesen. Die "
                 "config.pro liegt im Verzeichnis: /pro/work Mit der Tastenfolge >> auto <<  "
                 "-eingegeben in der Pro/ENGINEER Oberfläche-  wird die Datei doit.pro geladen "
                 "und ausgeführt."_s);
        // Every explained control has a text of its own.
        QStringList seen;
        for (const char* name :
             {"cmd_fcreate", "cmd_mapkey", "lbl_status", "Image1", "img_files", "Label7"}) {
            hover(name);
            QVERIFY2(!explanation().isEmpty() && !seen.contains(explanation()), name);
            seen.append(explanation());
        }
    }
    void configButtonInstallsAndReports()
    {
        const QString created = u"Es wurde eine Datei config.pro angelegt"_s;
        const QString added = u"Der Mapkey auto wurde Ihrer config.pro hinzugefügt !"_s;
        m_ui.press("cmd_auto");
        QCOMPARE(m_ui.messages(), (QStringList{created, added}));
        QCOMPARE(m_ui.text("lbl_status"), u"Datei lesen..."_s);
        QCOMPARE(readBytes(m_ui.file(u"config.pro"_s)), kAutoBlock);
        m_ui.press("cmd_auto");
        QCOMPARE(m_ui.messages(), (QStringList{created, added, added}));
        const QString missing = m_ui.file(u"no/such"_s);
        m_ui.find<QLineEdit>("txt_pro")->setText(missing);
        m_ui.press("cmd_auto");
        QCOMPARE(m_ui.messages().size(), 4);
        QVERIFY(m_ui.messages().last().contains(QDir::toNativeSeparators(missing)));
    }
    void constructionPanelComposesAndReplaces()
    {
        QTest::keyClick(m_ui.window.get(), Qt::Key_K, Qt::ControlModifier);
        QWidget* panel = m_ui.find("Frame1");
        QVERIFY(panel->isVisible());
        auto* block = m_ui.find<ui::BlockField>("txt_individ");
        // Replace-all ends even for a replacement that holds the search text.
        block->setPlainText(u"`;\\\nmapkey(continued) ~ x;\\\n"_s);
        m_ui.find<QLineEdit>("txt_ers1")->setText(u"x"_s);
        m_ui.find<QLineEdit>("txt_ers2")->setText(u"xx"_s);
        m_ui.press("cmd_replace");
        QCOMPARE(block->text(), u"`;\\\r\nmapkey(continued) ~ xx;\\\r\n"_s);
        // An open step too short to be joined composes nothing and keeps the panel.
        auto* open = m_ui.find<ui::BlockField>("txt_open");
        open->setPlainText(u"`"_s);
        m_ui.press("cmd_individ");
        QCOMPARE(m_ui.messages().size(), 1);
        QVERIFY(!m_ui.find("cmd_fcreate")->isVisible());
        QVERIFY(panel->isVisible());

        open->setPlainText(templates::openStep().replace(u"\r\n"_s, u"\n"_s));
        m_ui.job().setSelection({u"a.drw"_s});
        m_ui.press("cmd_individ");
        QVERIFY(!panel->isVisible());
        QVERIFY(m_ui.find("cmd_fcreate")->isVisible());
        m_ui.press("cmd_fcreate");
        QVERIFY(
            readBytes(m_ui.file(u"doit.pro"_s))
                .endsWith(
                    "`a.drw`;\\\r\nmapkey(continued) ~ xx;\\\r\nmapkey(continued) ~ ;\r\n\r\n"));
    }
    void infoWindowOpensOnceBesideTheMainWindow()
    {
        QCoreApplication::setApplicationVersion(u"2.5"_s);
        m_ui.press("Image1");
        m_ui.press("Image1");
        int open = 0;
        for (const QWidget* window : QApplication::topLevelWidgets())
            open += window->objectName() == u"frm_help"_s && window->isVisible();
        QCOMPARE(open, 1);
        QPointer<QWidget> info = openWindow("frm_help");
        QVERIFY(QTest::qWaitForWindowExposed(info));
        QCOMPARE(info->pos(), m_ui.window->frameGeometry().topLeft() + QPoint(27, 27));
        QCOMPARE(info->windowTitle(), u"Kettwerk Info – Version 2.5"_s);
        // A mail program that fails to open says why.
        m_ui.shell.ok = false;
        auto* link = control<QLabel>(info, "Label6");
        QCOMPARE(link->text(), u"kettwerk@example.org"_s);
        // A press that is let go beside the link opens nothing.
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(m_ui.shell.opened.isEmpty());
        click(link);
        QCOMPARE(m_ui.shell.opened, QStringList{u"mailto:kettwerk@example.org"_s});
        QVERIFY(info->isVisible());
        QCOMPARE(m_ui.messages(), QStringList{u"kein Programm"_s});
        // OK unloads it; the next one shows the designed text again.
        control<QPlainTextEdit>(info, "Text1")->setPlainText(u"edited"_s);
        click(control<QPushButton>(info, "cmd_ok"));
        QTRY_VERIFY(info.isNull());
        m_ui.press("Image1");
        QString shown = control<QPlainTextEdit>(openWindow("frm_help"), "Text1")->toPlainText();
        QVERIFY(!shown.contains(u"edited"_s));
        shown.replace(u'\n', u"\r\n"_s);
        // The lines that end in a blank, and the steps in their order, are as designed.
        QString ends, steps;
        for (const QString& line : shown.split(u"\r\n"_s)) {
            ends += line.endsWith(u' ') ? u'b' : u'.';
            steps += line.mid(1, 3) == u".) "_s ? line.left(1) : QString();
        }
        QCOMPARE(ends, u"b....b....b..............b.."_s);
        // The mapkey auto as config.pro receives it, ready to be copied.
        QVERIFY(shown.contains(QString::fromLatin1(kAutoBlock)));
        QCOMPARE(steps, u"12354"_s);
        m_ui.window->close();
        QTRY_VERIFY(!openWindow("frm_help"));
    }
    void writesTheBatchForOneFileByteForByte()
    {
        m_ui.job().setSelection({u"a.drw"_s});
        m_ui.enterMapkeys(u"rt"_s);
        QTRY_VERIFY(!openWindow("frm_mapkeyneu"));
        QCOMPARE(m_ui.text("lbl_status"), u"Die Datei doit.pro kann nun erzeugt werden. Diese kann "
                                          "in Pro/E als Konfigurationsdatei eingelesen werden"_s);
        QCOMPARE(platform::SettingsStore().get(settings::kMapkeyNames, {}), u"rt"_s);

        m_ui.sound.played.clear();
        m_ui.press("cmd_fcreate");
        QCOMPARE(readBytes(m_ui.file(u"doit.pro"_s)), oneFileBatch("a.drw", "rt"));
        QCOMPARE(m_ui.text("lbl_status"), u"Datei doit.pro wurde gespeichert !"_s);
        QVERIFY(!m_ui.find("cmd_fcreate")->isVisible());
        QVERIFY(openWindow("frm_ok"));
        QCOMPARE(m_ui.sound.played, QStringList{u"MAPKEY.WAV"_s});
        QVERIFY(m_ui.messages().isEmpty());
    }
    void mapkeyWindowLoadsOnceAndCloseButtonDoesNothing()
    {
        m_ui.open({settings::kMapkeyNames, u"+;%bb;"_s});
        m_ui.press("cmd_mapkey");
        QWidget* window = openWindow("frm_mapkeyneu");
        auto* names = control<QLineEdit>(window, "txt_mapkeyname");
        QCOMPARE(names->text(), u"+;%bb;"_s);
        names->setText(u"typed"_s);
        m_ui.press("cmd_mapkey"); // shown again, not loaded anew
        QCOMPARE(openWindow("frm_mapkeyneu"), window);
        QCOMPARE(names->text(), u"typed"_s);
        window->close();
        QVERIFY(!m_ui.find("cmd_fcreate")->isVisible());
        QCOMPARE(platform::SettingsStore().get(settings::kMapkeyNames, {}), u"+;%bb;"_s);
    }
    // The one message box that is never replaced: a question offers Ja first.
    void questionsOfferJa()
    {
        QString offered;
        QTimer::singleShot(0, [&offered] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) {
                offered = box->defaultButton()->text();
                box->reject();
            }
        });
        QVERIFY(!ui::MessageBox::system().ask(nullptr, u"Frage?"_s, true));
        QCOMPARE(offered, u"Ja"_s);
    }
    void completionWindowCloses_data()
    {
        QTest::addColumn<QString>("by");
        row("timer", "Timer1");
        row("picture", "img_fertig");
        row("small icon", "img_ex6");
        row("edit", "cmd_edit");
    }
    void completionWindowCloses()
    {
        QFETCH(QString, by);
        m_ui.enterMapkeys(u"rt"_s); // an empty selection composes too
        m_ui.press("cmd_fcreate");
        QWidget* done = openWindow("frm_ok");
        QVERIFY(done);
        auto* timer = control<QTimer>(done, "Timer1");
        QCOMPARE(timer->interval(), 4000);
        QVERIFY(timer->isActive());
        // "Datei editieren" opens doit.pro in the folder of this moment.
        m_ui.find<QLineEdit>("txt_pro")->setText(QDir::toNativeSeparators(u"/elsewhere"_s));
        m_ui.shell.ok = false; // no program for .pro files: the user is told
        if (by == u"Timer1"_s) {
            QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        } else {
            timer->stop(); // only the click may close it now
            click(done->findChild<QWidget*>(by));
        }
        QTRY_VERIFY(!openWindow("frm_ok"));
        QCOMPARE(m_ui.shell.opened,
                 by == u"cmd_edit"_s
                     ? QStringList{QDir::toNativeSeparators(u"/elsewhere/doit.pro"_s)}
                     : QStringList());
        QCOMPARE(m_ui.messages(),
                 by == u"cmd_edit"_s ? QStringList{u"kein Programm"_s} : QStringList());
    }
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
        m_ui.files().setEntries({u"a.drw"_s}, false);
        const QPoint at(x - viewport()->x(), 5);
        moveOver(viewport(), at);
        QTest::mouseClick(viewport(), Qt::RightButton, {}, at);
        QVERIFY(menu()->isVisible());
        QCOMPARE(menu()->pos(), shownAt);
        QVERIFY(m_ui.files().markedEntries().isEmpty()); // the right button marks nothing
        // A shown menu stays where it is; the middle button does nothing at all.
        moveOver(viewport(), QPoint(100, 5));
        QTest::mouseClick(viewport(), Qt::RightButton, {}, QPoint(100, 5));
        QTest::mouseClick(viewport(), Qt::MiddleButton, {}, QPoint(100, 5));
        QCOMPARE(menu()->pos(), shownAt);
        QVERIFY(menu()->isVisible());
    }
    void singleEntryAppendsOnEnterAndLeftClickHidesIt()
    {
        m_ui.files().setEntries({u"bracket.drw"_s}, false);
        openMenu();
        m_ui.press("cmd_einzel");
        auto* single = m_ui.find<QLineEdit>("txt_hand");
        QVERIFY(!menu()->isVisible());
        QTest::keyClick(single, Qt::Key_Return);
        QVERIFY(single->isVisible()); // empty: nothing happens
        QTest::keyClicks(single, u" bracket.drw "_s);
        QTest::keyClick(single, Qt::Key_Return);
        QVERIFY(!single->isVisible());
        QCOMPARE(m_ui.files().entries(), (QStringList{u"bracket.drw"_s, u" bracket.drw "_s}));
        QVERIFY(m_ui.files().markedEntries().isEmpty());
        // The text stays for the next use; a left click in the list hides the
        // field and the menu and marks as usual.
        openMenu();
        m_ui.press("cmd_einzel");
        QCOMPARE(single->text(), u" bracket.drw "_s);
        openMenu();
        const QRect first =
            m_ui.find<QListView>("List_File1")->visualRect(m_ui.files().model()->index(0, 0));
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, first.center());
        QVERIFY(!menu()->isVisible());
        QVERIFY(!single->isVisible());
        QCOMPARE(m_ui.files().markedEntries(), QStringList{u"bracket.drw"_s});
        // Pasted lines become entries of their own, never one with a line break.
        m_ui.press("cmd_einzel");
        single->setText(u"a.drw\nb.prt"_s);
        QTest::keyClick(single, Qt::Key_Return);
        QCOMPARE(m_ui.files().entries().mid(2), (QStringList{u"a.drw"_s, u"b.prt"_s}));
    }
    // Every entry changes, marked or not; the marks and the menu stay.
    void suffixButtonsKeepMarksAndMenu()
    {
        m_ui.files().setEntries({u"a.drw"_s, u"b"_s, u"c.drw.3"_s}, false);
        m_ui.files().setMarked(1, true);
        openMenu();
        m_ui.press("cmd_ZZ");
        m_ui.press("cmd_P");
        QCOMPARE(m_ui.files().entries(), (QStringList{u"a.prt"_s, u"b.prt"_s, u"c.drw.3.prt"_s}));
        QCOMPARE(m_ui.files().markedEntries(), QStringList{u"b.prt"_s});
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
        QCOMPARE(m_ui.files().entries(), (QStringList{u"a.drw.2"_s, u"b.drw"_s}));
        QVERIFY(m_ui.files().markedEntries().isEmpty());
        m_ui.press("cmd_okfiles");
        QVERIFY(!m_ui.find("Frame5")->isVisible());
        QVERIFY(!menu()->isVisible());
        QCOMPARE(m_ui.files().count(), 2);
    }
    void handOverReducesAndMovesOn()
    {
        m_ui.job().setSelection({u"earlier.drw"_s});
        m_ui.files().setEntries({u"a.drw"_s}, false);
        m_ui.press("cmd_file");
        QCOMPARE(m_ui.messages(), QStringList{u"Bitte Dateien auswählen !"_s});
        QVERIFY(m_ui.job().selection().isEmpty());
        QVERIFY(m_ui.find("Frame3")->isVisible());

        m_ui.files().setEntries({u"b.drw.3"_s, u"b.drw.4"_s, u"skip.drw"_s, u"c.prt"_s}, true);
        m_ui.files().setMarked(2, false);
        m_ui.press("cmd_file");
        QCOMPARE(m_ui.job().selection(), (QStringList{u"b.drw"_s, u"c.prt"_s}));
        QCOMPARE(m_ui.text("lbl_status"), u"2 Dateien gewählt. Mapkey kann nun erstellt werden."_s);
        QVERIFY(!m_ui.find("Frame3")->isVisible());
        QVERIFY(m_ui.find("Frame2")->isVisible());
        m_ui.files().clear(); // leaves the selection alone
        QCOMPARE(m_ui.job().selection().size(), 2);
    }
    void pastedListGivesTheSameDoitAsTheCommand()
    {
        const QByteArray pasted =
            "Name\r\nE:\\proj\\bracket.drw.3\r\nplate.prt\r\n\r\nplate.prt\r\n";
        QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted));
        openMenu();
        m_ui.press("cmd_paste");
        QVERIFY(QDir(m_ui.folder()).entryList(QDir::Files).isEmpty()); // no temporary file
        m_ui.press("cmd_file");
        m_ui.enterMapkeys(u"rt;%00"_s);
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
        QGuiApplication::clipboard()->clear(); // an empty clipboard empties the list
        m_ui.press("cmd_paste");
        QCOMPARE(m_ui.files().count(), 0);
    }
    // The check before writing as the window shows it: names offered while
    // typing, warnings asked about, errors refused, entries marked in red.
    void definedNamesAreOfferedWhileTyping()
    {
        writeMapkeys();
        m_ui.press("cmd_mapkey");
        QWidget* window = openWindow("frm_mapkeyneu");
        auto* field = control<QLineEdit>(window, "txt_mapkeyname");
        // Typed into the middle: the name ends at the cursor, and the pick
        // takes its place up to the next item.
        field->setText(u"regen;%x;%regen"_s);
        field->setCursorPosition(7);
        QTest::keyClicks(field, u"ra"_s);
        auto* completer = window->findChild<QCompleter*>();
        QVERIFY(completer && completer->popup()->isVisible());
        QCOMPARE(completer->completionCount(), 1); // "ra…" after ";%", not "re…"
        QCOMPARE(completer->currentIndex().data().toString(), u"rahmen  –  Rahmen tauschen"_s);
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Return);
        QCOMPARE(field->text(), u"regen;%rahmen;%regen"_s);
    }
    // A refused write, by the check or by the file, leaves the button, the
    // status and the folder as they were; BatchJob's own cases tell why.
    void warningsAreAskedAboutAndErrorsRefused_data()
    {
        QTest::addColumn<QString>("folder"); // "-": none set
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("names");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("said"); // empty: nothing
        row("defined: no question", ".", "a.drw", "regen", false, true, "");
        row("undefined, Ja", ".", "a.drw", "rgen", true, true, "Trotzdem anlegen?");
        row("undefined, Nein", ".", "a.drw", "rgen", false, false, "„rgen“");
        row("cycle: refused", ".", "a.drw", "rahmen", true, false, "rahmen → self");
        row("doit.pro is a folder", "asdir", "a.drw", "rt", true, false, "asdir");
        row("no working folder", "-", "a.drw", "rt", true, false, "kein Speicherort");
        row("backquote in a name", ".", "a`b.drw", "rt", true, false, "„a`b.drw“: Akzent");
        // Shortened once: the question and the true count of the rest stay.
        QStringList thirty;
        for (int i = 0; i < 30; ++i)
            thirty << u"a b%1.drw"_s.arg(i);
        row("30 warnings", ".", thirty.join(u'|'), "rt", true, true,
            "„a b19.drw“: Zeichen „ “ im Modellnamen\n… und 10 weitere\n\nTrotzdem anlegen?");
        row("20 warnings: none left out", ".", thirty.mid(0, 20).join(u'|'), "rt", true, true,
            "„a b19.drw“: Zeichen „ “ im Modellnamen\n\nTrotzdem anlegen?");
    }
    void warningsAreAskedAboutAndErrorsRefused()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, names);
        QFETCH(bool, answer);
        QFETCH(bool, written);
        QFETCH(QString, said);
        writeMapkeys();
        QVERIFY(QDir().mkpath(m_ui.file(u"asdir/doit.pro"_s)));
        m_ui.find<QLineEdit>("txt_pro")->setText(folder == u"-"_s ? QString() : m_ui.file(folder));
        m_ui.job().setSelection(name.split(u'|'));
        m_ui.enterMapkeys(names);
        const QString composedStatus = m_ui.text("lbl_status");
        m_ui.answer(answer);
        m_ui.press("cmd_fcreate");
        QCOMPARE(QFile::exists(m_ui.file(u"doit.pro"_s)), written);
        QCOMPARE(m_ui.find("cmd_fcreate")->isVisible(), !written);
        QCOMPARE(openWindow("frm_ok") != nullptr, written);
        QCOMPARE(m_ui.text("lbl_status") == composedStatus, !written);
        QCOMPARE(m_ui.messages().size(), said.isEmpty() ? 0 : 1);
        QVERIFY2(m_ui.messages().value(0).contains(said), qPrintable(m_ui.messages().value(0)));
    }
    void entriesWithFindingsAreRed()
    {
        m_ui.files().setEntries({u"ok.drw"_s, u"E:\\p\\mit blank.drw.3"_s, u"x.txt"_s}, true);
        m_ui.press("cmd_file");
        m_ui.press("img_files"); // the list again, as the user reopens it
        auto* view = m_ui.find<QListView>("List_File1");
        view->selectionModel()->clear(); // marked rows are drawn in the marking colour
        const QImage drawn = view->viewport()->grab().toImage();
        for (int row = 0; row < 3; ++row) {
            const QModelIndex index = view->model()->index(row, 0);
            const QImage line = drawn.copy(view->visualRect(index));
            bool red = false;
            for (qsizetype i = 0; i < qsizetype(line.width()) * line.height() && !red; ++i) {
                const QColor c = line.pixelColor(int(i % line.width()), int(i / line.width()));
                red = c.red() > 180 && c.green() < 80 && c.blue() < 80;
            }
            QCOMPARE(red, row > 0);
            QCOMPARE(index.data(Qt::ToolTipRole).toString().isEmpty(), row == 0);
        }
        QVERIFY(view->model()->index(2, 0).data(Qt::ToolTipRole).toString().contains(u"„txt“"_s));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
