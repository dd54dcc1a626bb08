#include "core/Templates.h"
#include "platform/SettingsStore.h"
#include "support/BatchRunner.h"
#include "support/MainWindowFixture.h"
#include "support/Rows.h"
#include "ui/BlockField.h"
#include "ui/FolderList.h"

#include <QClipboard>
#include <QCompleter>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

using namespace kettwerk;
using namespace Qt::StringLiterals;

// The working folder's config.pro: a mapkey with a label, two that call each other.
static const QByteArray kOwnMapkeys = "mapkey regen @MAPKEY_LABELZeichnung regenerieren;~ ;\r\n"
                                      "mapkey rahmen @MAPKEY_LABELRahmen tauschen;%self;\r\n"
                                      "mapkey self ~ ;%rahmen;\r\n";

// The main window as the user works it, from start-up through the file list
// and the mapkey window to doit.pro, and shutdown.
class TestMainWindow : public QObject
{
    Q_OBJECT
    MainWindowFixture m_ui;

    // The explanation once the pointer is over `name` (nullptr: the window).
    // Sent, not through QTest::mouseMove: that one moves the system's pointer,
    // whose move reaches the window later or never on some platforms.
    QString explained(const char* name, QPoint at = {2, 2})
    {
        QWidget* widget = name ? m_ui.find(name) : m_ui.window.get();
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
        return m_ui.find<QLabel>("Erklaer")->text();
    }
    // One sign per control named: "+" shown, "-" hidden.
    QString shown(const char* names)
    {
        QString signs;
        for (const QString& name : QString::fromLatin1(names).split(u' '))
            signs += m_ui.find(qPrintable(name))->isVisible() ? u'+' : u'-';
        return signs;
    }
    void set(const char* field, const QString& to) { m_ui.find<QLineEdit>(field)->setText(to); }

private Q_SLOTS:
    void init() { m_ui.open(); }

    // What start-up restores shows, and shutdown stores it again: the mapkey
    // names as an open mapkey window holds them, the function block with its
    // mixed line ends exactly.
    void shutdownStoresTheValues_data()
    {
        QTest::addColumn<QVariant>("stored"); // invalid: no mapkey names stored
        QTest::addColumn<QVariant>("shown");  // invalid: mapkey window never opened
        QTest::addColumn<QString>("expected");
        row("never opened, absent", QVariant(), QVariant(), "ds");
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
        QVERIFY(QFile::remove(m_ui.settings.file())); // shutdown must store all three anew
        set("txt_pro", u"typed/folder"_s);
        if (shown.isValid()) {
            m_ui.press("cmd_mapkey");
            control<QLineEdit>(openWindow("frm_mapkeyneu"), "txt_mapkeyname")
                ->setText(shown.toString());
        }
        m_ui.press("img_exit");
        QVERIFY(!m_ui.window->isVisible() && !openWindow("frm_mapkeyneu"));
        const platform::SettingsStore store;
        QCOMPARE(store.get(settings::kMapkeyNames, u"absent"_s), expected);
        QCOMPARE(store.get(settings::kWorkingFolder, {}), u"typed/folder"_s);
        QCOMPARE(store.get(settings::kFunctionBlock, {}), block);
    }
    void panelsTheBottomBarAndTheWorkingFolder()
    {
        QCOMPARE(shown("Frame3 cmd_fcreate Frame2 Frame1 kontextmenue txt_hand"), u"+-----"_s);
        // Explanations follow the pointer; the bare surface clears them.
        QCOMPARE(explained("img_exit"), u"Das Programm verlassen"_s);
        QCOMPARE(explained(nullptr, QPoint(500, 200)), QString());
        // In twips: window 8000 wide, bar at 4405, panel 6255 x 4335; only a
        // panel that would reach past a limit is pulled back, to the limit.
        QCOMPARE(ui::MainWindow::fileListPanelPlace({1745, 70}), QPoint(1745, 70));
        QCOMPARE(ui::MainWindow::fileListPanelPlace({1746, 71}), QPoint(1745, 70));
        m_ui.find("kontextmenue")->show();
        m_ui.press("img_ex3");
        QCOMPARE(shown("Frame3 kontextmenue"), u"--"_s);
        QTest::mouseClick(m_ui.window.get(), Qt::RightButton, {}, QPoint(500, 200));
        QCOMPARE(m_ui.find("Frame3")->pos(), QPoint(116, 5)); // moved while hidden, clamped
        m_ui.enterMapkeys(u"rt"_s);
        m_ui.press("img_files");
        QCOMPARE(shown("Frame3 cmd_fcreate"), u"+-"_s);
        // The folder chosen in the folder panel is the working folder, which the
        // config.pro button's explanation names and where it creates config.pro
        // and then adds to it; a folder that is not there is named in the refusal.
        const QString chosen = QDir::toNativeSeparators(m_ui.file(u"chosen"_s));
        QVERIFY(QDir().mkpath(chosen));
        m_ui.press("Label7");
        QVERIFY(m_ui.find<ui::FolderList>("Dir2")->setPath(chosen));
        m_ui.press("cmd_ok");
        QCOMPARE(m_ui.job().workingFolder(), chosen);
        QVERIFY(explained("cmd_auto").contains(u"Verzeichnis: %1 Mit der"_s.arg(chosen)));
        m_ui.press("cmd_auto");
        QCOMPARE(readBytes(chosen + u"/config.pro"_s), kAutoBlock);
        m_ui.press("cmd_auto");
        set("txt_pro", m_ui.file(u"no/such"_s));
        m_ui.press("cmd_auto");
        const QString added = u"Der Mapkey auto wurde Ihrer config.pro hinzugefügt !"_s;
        QCOMPARE(m_ui.messages().mid(0, 3),
                 (QStringList{u"Es wurde eine Datei config.pro angelegt"_s, added, added}));
        QVERIFY(m_ui.messages().value(3).contains(QDir::toNativeSeparators(m_ui.file(u"no"_s))));
    }
    void constructionPanelComposesAndReplaces()
    {
        QTest::keyClick(m_ui.window.get(), Qt::Key_K, Qt::ControlModifier);
        auto* block = m_ui.find<ui::BlockField>("txt_individ");
        // Replace-all ends even for a replacement that holds the search text.
        block->setPlainText(u"`;\\\nmapkey(continued) ~ x;\\\n"_s);
        set("txt_ers1", u"x"_s);
        set("txt_ers2", u"xx"_s);
        m_ui.press("cmd_replace");
        QCOMPARE(block->text(), u"`;\\\r\nmapkey(continued) ~ xx;\\\r\n"_s);
        // An open step too short to be joined composes nothing and keeps the panel.
        auto* open = m_ui.find<ui::BlockField>("txt_open");
        open->setPlainText(u"`"_s);
        m_ui.press("cmd_individ");
        QCOMPARE(m_ui.messages().size(), 1);
        QCOMPARE(shown("Frame1 cmd_fcreate"), u"+-"_s);
        open->setPlainText(templates::openStep().replace(u"\r\n"_s, u"\n"_s));
        m_ui.job().setSelection({u"a.drw"_s});
        m_ui.press("cmd_individ");
        QCOMPARE(shown("Frame1 cmd_fcreate"), u"-+"_s);
        m_ui.press("cmd_fcreate");
        QVERIFY(readBytes(m_ui.file(u"doit.pro"_s))
                    .endsWith("`a.drw`;\\\r\nmapkey(continued) ~ xx;\\\r\n"
                              "mapkey(continued) ~ ;\r\n\r\n"));
    }
    void infoWindowOpensOnceAndLinksToMail()
    {
        const qsizetype before = QApplication::topLevelWidgets().size();
        m_ui.press("Image1");
        m_ui.press("Image1");
        QCOMPARE(QApplication::topLevelWidgets().size(), before + 1); // one window, made once
        QPointer<QWidget> info = openWindow("frm_help");
        m_ui.shell.ok = false; // a mail program that fails to open says why
        auto* link = control<QLabel>(info, "Label6");
        // A press that is let go beside the link opens nothing.
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(m_ui.shell.opened.isEmpty());
        click(link);
        QCOMPARE(m_ui.shell.opened, QStringList{u"mailto:kettwerk@example.org"_s});
        QCOMPARE(m_ui.messages(), QStringList{u"kein Programm"_s});
        // OK unloads it; the next one shows the mapkey auto as config.pro
        // receives it, ready to be copied.
        click(control<QPushButton>(info, "cmd_ok"));
        QTRY_VERIFY(info.isNull());
        m_ui.press("Image1");
        QString text = control<QPlainTextEdit>(openWindow("frm_help"), "Text1")->toPlainText();
        QVERIFY(text.replace(u'\n', u"\r\n"_s).contains(QString::fromLatin1(kAutoBlock)));
    }
    // doit.pro for one file byte for byte; the completion window closes by its
    // timer or a click, and "Datei editieren" opens doit.pro in the folder of
    // this moment.
    void writesTheBatchAndTheCompletionWindowCloses_data()
    {
        QTest::addColumn<QString>("by");
        for (const char* by : {"Timer1", "img_fertig", "img_ex6", "cmd_edit"})
            row(by, by);
    }
    void writesTheBatchAndTheCompletionWindowCloses()
    {
        QFETCH(QString, by);
        m_ui.job().setSelection({u"a.drw"_s});
        m_ui.enterMapkeys(u"rt"_s);
        m_ui.press("cmd_fcreate");
        QCOMPARE(readBytes(m_ui.file(u"doit.pro"_s)), oneFileBatch("a.drw", "rt"));
        QVERIFY(m_ui.messages().isEmpty() && !m_ui.find("cmd_fcreate")->isVisible());
        QWidget* done = openWindow("frm_ok");
        QVERIFY(done && control<QTimer>(done, "Timer1")->isActive());
        set("txt_pro", QDir::toNativeSeparators(u"/elsewhere"_s));
        m_ui.shell.ok = false; // no program for .pro files: the user is told
        if (by == u"Timer1"_s)
            QMetaObject::invokeMethod(done->findChild<QTimer*>(by), "timeout");
        else
            click(done->findChild<QWidget*>(by));
        QTRY_VERIFY(!openWindow("frm_ok"));
        const bool edit = by == u"cmd_edit"_s;
        QCOMPARE(m_ui.shell.opened.join(u'|'),
                 edit ? QDir::toNativeSeparators(u"/elsewhere/doit.pro"_s) : QString());
        QCOMPARE(m_ui.messages(), edit ? QStringList{u"kein Programm"_s} : QStringList());
    }
    // The one message box that is never replaced: Enter on a question takes
    // the answer it offers by default, Ja or Nein as asked.
    void questionsOfferTheirDefault()
    {
        for (const bool yes : {true, false}) {
            QTimer::singleShot(
                0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
            QCOMPARE(ui::MessageBox::system().ask(nullptr, u"Frage?"_s, yes), yes);
        }
    }
    // The right button opens the menu and marks nothing. The suffix buttons
    // change every entry, marked or not (tst_filelist: the marks stay); the
    // browser fills the list unmarked; a left click hides the menu and the
    // single entry field.
    void fileListMenuOperations()
    {
        m_ui.files().setEntries({u"a.drw"_s, u"b"_s, u"c.drw.3"_s}, false);
        m_ui.openMenu();
        QVERIFY(m_ui.find("kontextmenue")->isVisible() && m_ui.files().markedEntries().isEmpty());
        m_ui.press("cmd_ZZ");
        m_ui.press("cmd_P");
        QCOMPARE(m_ui.files().entries(), (QStringList{u"a.prt"_s, u"b.prt"_s, u"c.drw.3.prt"_s}));
        QVERIFY(makeTree(m_ui.file(u"p"_s), {u"b.drw"_s, u"a.drw.2"_s, u"c.prt"_s}));
        m_ui.press("filebrowser");
        set("txt_path", m_ui.file(u"p"_s));
        QCOMPARE(m_ui.files().entries(), (QStringList{u"a.drw.2"_s, u"b.drw"_s}));
        m_ui.press("cmd_okfiles");
        QCOMPARE(shown("Frame5 kontextmenue"), u"--"_s);
        // The single entry field appends on Enter, unmarked like the browser's entries.
        m_ui.openMenu();
        m_ui.press("cmd_einzel");
        auto* single = m_ui.find<QLineEdit>("txt_hand");
        QTest::keyClick(single, Qt::Key_Return);
        QCOMPARE(shown("kontextmenue txt_hand"), u"-+"_s); // empty: nothing happens
        // Pasted lines become entries of their own, never one with a line break.
        single->setText(u" b.drw \nb.prt"_s);
        QTest::keyClick(single, Qt::Key_Return);
        QVERIFY(!single->isVisible() && m_ui.files().markedEntries().isEmpty());
        QCOMPARE(m_ui.files().entries(),
                 (QStringList{u"a.drw.2"_s, u"b.drw"_s, u" b.drw "_s, u"b.prt"_s}));
        // A left click in the list hides the field and the menu and marks as usual.
        m_ui.openMenu();
        m_ui.press("cmd_einzel");
        const QRect first = m_ui.list()->visualRect(m_ui.files().model()->index(0, 0));
        QTest::mouseClick(m_ui.list()->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(shown("kontextmenue txt_hand"), u"--"_s);
        QCOMPARE(m_ui.files().markedEntries(), QStringList{u"a.drw.2"_s});
    }
    void pastedListGivesTheSameDoitAsTheCommand()
    {
        const QByteArray pasted =
            "Name\r\nE:\\proj\\bracket.drw.3\r\nplate.prt\r\n\r\nplate.prt\r\n";
        QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted));
        m_ui.openMenu();
        m_ui.press("cmd_paste");
        m_ui.press("cmd_file");
        m_ui.enterMapkeys(u"rt;%00"_s);
        m_ui.press("cmd_fcreate");
        BatchRunner batch;
        QCOMPARE(
            batch.run({u"--list"_s, u"-"_s, u"--mapkeys"_s, u"rt;%00"_s, u"--print"_s}, pasted), 0);
        QCOMPARE(readBytes(m_ui.file(u"doit.pro"_s)), batch.out);
        QGuiApplication::clipboard()->clear(); // an empty clipboard empties the list
        m_ui.press("cmd_paste");
        QCOMPARE(m_ui.files().count(), 0);
    }
    // The mapkey window loads the stored names once and offers the defined
    // names while typing; closed, it leaves the stored names as they were.
    void mapkeyWindowOffersAndStoresNames()
    {
        m_ui.open({settings::kMapkeyNames, u"+;%bb;"_s});
        QVERIFY(writeBytes(m_ui.file(u"config.pro"_s), kOwnMapkeys));
        m_ui.press("cmd_mapkey");
        QWidget* window = openWindow("frm_mapkeyneu");
        auto* field = control<QLineEdit>(window, "txt_mapkeyname");
        QCOMPARE(field->text(), u"+;%bb;"_s);
        // Typed into the middle: the name ends at the cursor, and the pick
        // takes its place up to the next item.
        field->setText(u"regen;%x;%regen"_s);
        field->setCursorPosition(7);
        QTest::keyClicks(field, u"ra"_s);
        auto* completer = window->findChild<QCompleter*>();
        // "ra…" after ";%", not "re…"
        QVERIFY(completer->popup()->isVisible() && completer->completionCount() == 1);
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Return);
        m_ui.press("cmd_mapkey"); // shown again, not loaded anew
        QCOMPARE(openWindow("frm_mapkeyneu"), window);
        QCOMPARE(field->text(), u"regen;%rahmen;%regen"_s);
        window->close();
        QVERIFY(!m_ui.find("cmd_fcreate")->isVisible());
        QCOMPARE(platform::SettingsStore().get(settings::kMapkeyNames, {}), u"+;%bb;"_s);
        // Names that cannot be stored, at OK and again at shutdown, are reported
        // once; a folder where the settings file belongs stops every user, root too.
        const QString file = m_ui.settings.file();
        QVERIFY(QFile::remove(file) && QDir().mkpath(file));
        m_ui.enterMapkeys(u"rt"_s);
        m_ui.window.reset(); // shutdown
        QVERIFY(QDir(file).removeRecursively());
        QCOMPARE(m_ui.messages().size(), 1);
        QVERIFY(m_ui.messages().first().contains(QDir::toNativeSeparators(file)));
    }
    // A refused write, by the check or by the file, leaves the button, the
    // status and the folder as they were; BatchJob's own cases tell why.
    void warningsAreAskedAboutAndErrorsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("names");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("said"); // empty: nothing
        row("defined: no question", "a.drw", "regen", false, true, "");
        row("undefined, Nein", "a.drw", "rgen", false, false, "„rgen“");
        row("cycle: refused", "a.drw", "rahmen", true, false, "rahmen → self");
        row("asdir: doit.pro is a folder", "a.drw", "rt", true, false, "asdir");
        // Shortened once: the question and the true count of the rest stay.
        QStringList thirty;
        for (int i = 0; i < 30; ++i)
            thirty << u"a b%1.drw"_s.arg(i);
        row("30 warnings", thirty.join(u'|'), "rt", true, true,
            "„a b19.drw“: Zeichen „ “ im Modellnamen\n… und 10 weitere\n\nTrotzdem anlegen?");
        row("20 warnings: none left out", thirty.mid(0, 20).join(u'|'), "rt", true, true,
            "„a b19.drw“: Zeichen „ “ im Modellnamen\n\nTrotzdem anlegen?");
    }
    void warningsAreAskedAboutAndErrorsRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, names);
        QFETCH(bool, answer);
        QFETCH(bool, written);
        QFETCH(QString, said);
        QVERIFY(writeBytes(m_ui.file(u"config.pro"_s), kOwnMapkeys));
        QVERIFY(QDir().mkpath(m_ui.file(u"asdir/doit.pro"_s)));
        const bool asDir = QByteArray(QTest::currentDataTag()).startsWith("asdir");
        set("txt_pro", m_ui.file(asDir ? u"asdir"_s : u"."_s));
        m_ui.job().setSelection(name.split(u'|'));
        m_ui.enterMapkeys(names);
        const QString composedStatus = m_ui.text("lbl_status");
        m_ui.box.answer = answer;
        m_ui.press("cmd_fcreate");
        QCOMPARE(QFile::exists(m_ui.file(u"doit.pro"_s)), written);
        QCOMPARE(shown("cmd_fcreate"), written ? u"-"_s : u"+"_s);
        QCOMPARE(openWindow("frm_ok") != nullptr, written);
        QCOMPARE(m_ui.text("lbl_status") == composedStatus, !written);
        QCOMPARE(m_ui.messages().size(), said.isEmpty() ? 0 : 1);
        QVERIFY2(m_ui.messages().value(0).contains(said), qPrintable(m_ui.messages().value(0)));
    }
    // The hand-over wants a mark; it reduces the versions of a model to one
    // name, counts the names, and moves on; a reopened list shows the entries
    // with findings in red, with the findings as their tool tips.
    void handOverReducesMovesOnAndShowsFindings()
    {
        m_ui.job().setSelection({u"earlier.drw"_s});
        m_ui.files().setEntries({u"a.drw"_s}, false);
        m_ui.press("cmd_file");
        QCOMPARE(m_ui.messages(), QStringList{u"Bitte Dateien auswählen !"_s});
        QVERIFY(m_ui.job().selection().isEmpty() && m_ui.find("Frame3")->isVisible());
        m_ui.files().setEntries(
            {u"b.drw.3"_s, u"b.drw.4"_s, u"skip.drw"_s, u"E:\\p\\a b.drw"_s, u"x.txt"_s}, true);
        m_ui.files().setMarked(2, false);
        m_ui.press("cmd_file");
        QCOMPARE(m_ui.job().selection(), (QStringList{u"b.drw"_s, u"a b.drw"_s, u"x.txt"_s}));
        QCOMPARE(m_ui.text("lbl_status"), u"3 Dateien gewählt. Mapkey kann nun erstellt werden."_s);
        QCOMPARE(shown("Frame3 Frame2"), u"-+"_s);
        m_ui.press("img_files"); // the list again, as the user reopens it
        auto* view = m_ui.list();
        view->selectionModel()->clear(); // marked rows are drawn in the marking colour
        const QImage drawn =
            view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int row = 0; row < 5; ++row) {
            const QModelIndex index = view->model()->index(row, 0);
            const QImage line = drawn.copy(view->visualRect(index));
            const auto* pixels = reinterpret_cast<const QRgb*>(line.constBits());
            const bool red = std::any_of(pixels, pixels + line.width() * line.height(), [](QRgb c) {
                return qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80;
            });
            QCOMPARE(red, row > 2);
            QCOMPARE(index.data(Qt::ToolTipRole).toString().isEmpty(), row <= 2);
        }
        m_ui.files().clear(); // leaves the selection alone
        QCOMPARE(m_ui.job().selection().size(), 3);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
