#include "support/MainWindowFixture.h"
#include "support/Rows.h"

#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDropEvent>
#include <QMimeData>

using namespace Qt::StringLiterals;

// The keys and drags a desktop user tries on the file list and the panels
// and windows around it: each runs the operation of its button.
class TestListKeys : public QObject
{
    Q_OBJECT
    MainWindowFixture m_ui;

private Q_SLOTS:
    void init() { m_ui.open(); }

    // Each key does what its menu button does; a key that does nothing
    // leaves the menu open. Statuses are compared by their beginnings.
    void listKeysRunTheMenuOperations_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("marksBefore"); // "x.x": a.drw and c.asm.2 marked
        QTest::addColumn<QString>("entries");     // split at blanks
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("status"); // empty: unchanged
        const char* all = "a.drw b.prt c.asm.2";
        row("Ctrl+V pastes", "Ctrl+V", "x.x", "x.drw y.prt", "x.drw y.prt", "Zwischenablage");
        row("Ctrl+A marks all", "Ctrl+A", "x..", all, all, "");
        row("Del removes the marked", "Del", "x.x", "b.prt", "", "2 Einträge aus der Liste");
        row("Del removes one", "Del", ".x.", "a.drw c.asm.2", "", "1 Eintrag aus der Liste");
        row("Del with nothing marked", "Del", "...", all, "", "");
        // Enter is "ok"; the window's tests follow the hand-over further.
        row("Enter hands over", "Return", "x..", all, "a.drw", "1 Dateien");
        row("keypad Enter", "Num+Enter", "..x", all, "c.asm.2", "1 Dateien");
    }
    void listKeysRunTheMenuOperations()
    {
        QFETCH(QString, keys);
        QFETCH(QString, marksBefore);
        QFETCH(QString, entries);
        QFETCH(QString, marked);
        QFETCH(QString, status);
        QGuiApplication::clipboard()->setText(u"Name\nx.drw\ny.prt\n"_s);
        m_ui.files().setEntries({u"a.drw"_s, u"b.prt"_s, u"c.asm.2"_s}, false);
        for (int i = 0; i < marksBefore.size(); ++i)
            m_ui.files().setMarked(i, marksBefore[i] == u'x');
        m_ui.openMenu();
        const QString before = m_ui.text("lbl_status");
        const QList<bool> marks = m_ui.files().markFlags();
        QTest::keySequence(m_ui.list(), QKeySequence::fromString(keys));
        QCOMPARE(m_ui.files().entries(), entries.split(u' '));
        QCOMPARE(m_ui.files().markedEntries(), marked.split(u' ', Qt::SkipEmptyParts));
        QVERIFY(m_ui.text("lbl_status").startsWith(status.isEmpty() ? before : status));
        QCOMPARE(m_ui.find("kontextmenue")->isVisible(),
                 status.isEmpty() && m_ui.files().markFlags() == marks);
        // After a hand-over the keyboard waits on the next step.
        if (m_ui.find("Frame2")->isVisible())
            QCOMPARE(QApplication::focusWidget(), m_ui.find("cmd_mapkey"));
    }
    // The list has the keyboard from the start; Tab follows the work. Esc
    // closes one panel at a time, the browser lying above the menu it was
    // opened from; in the mapkey window it first puts away only the names
    // offered while typing, then closes the window, leaving the main window.
    void tabAndEscape()
    {
        QVERIFY(QTest::qWaitForWindowActive(m_ui.window.get()));
        QCOMPARE(QApplication::focusWidget(), m_ui.list());
        m_ui.find("Frame2")->show();
        m_ui.find("cmd_fcreate")->show();
        for (const char* next : {"cmd_file", "cmd_mapkey", "cmd_fcreate", "txt_pro"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
        m_ui.openMenu();
        m_ui.press("filebrowser");
        QTest::keyClick(m_ui.list(), Qt::Key_Escape);
        QVERIFY(!m_ui.find("Frame5")->isVisible() && m_ui.find("kontextmenue")->isVisible());
        QTest::keyClick(m_ui.list(), Qt::Key_Escape);
        QVERIFY(!m_ui.find("kontextmenue")->isVisible() && m_ui.find("Frame3")->isVisible());
        m_ui.press("cmd_mapkey");
        QWidget* mapkeys = openWindow("frm_mapkeyneu");
        // The cursor at the end of a name being typed offers the names.
        QTest::keyClicks(control<QLineEdit>(mapkeys, "txt_mapkeyname"), u";%r"_s);
        QWidget* offered = mapkeys->findChild<QCompleter*>()->popup();
        QVERIFY(offered->isVisible());
        QTest::keyClick(offered, Qt::Key_Escape);
        QVERIFY(!offered->isVisible() && mapkeys->isVisible());
        QApplication::setActiveWindow(mapkeys); // offscreen activates no owned window
        QTest::keyClick(mapkeys->focusWidget(), Qt::Key_Escape);
        QVERIFY(!openWindow("frm_mapkeyneu") && m_ui.window->isVisible());
    }
    // Files and folders from a file manager are added and marked; a text is
    // imported as the clipboard is; anything else is refused and changes nothing.
    void dropsOnTheList_data()
    {
        QTest::addColumn<QString>("urls"); // names in the dropped folder; "." the folder
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("entries"); // all but old.drw dropped, and marked
        row("a folder, a typed filter", ".", "", "old.drw c.prt");
        row("a file and a folder, the filter box's filter", "sub/d.asm sub", "",
            "old.drw d.asm e.drw");
        row("files win over their paths as text", "c.prt", "/x/c.prt", "old.drw c.prt");
        row("text", "", "Name\r\nx.drw\r\n\r\ny.prt", "x.drw y.prt");
        row("a web link", "https://x.org/a.drw", "https://x.org/a.drw", "old.drw");
        row("neither files nor text", "", "", "old.drw");
    }
    void dropsOnTheList()
    {
        QFETCH(QString, urls);
        QFETCH(QString, text);
        QFETCH(QString, entries);
        QVERIFY(makeTree(m_ui.folder(), u"b.drw a.drw.2 c.prt sub/d.asm sub/e.drw"_s.split(u' ')));
        if (QByteArray(QTest::currentDataTag()).contains("typed"))
            m_ui.find<QComboBox>("Combo1")->setEditText(u"*.prt*"_s);
        m_ui.files().setEntries({u"old.drw"_s}, false);
        const QString statusBefore = m_ui.text("lbl_status");
        QMimeData data;
        QList<QUrl> links;
        for (const QString& url : urls.split(u' ', Qt::SkipEmptyParts))
            links << (url.contains(u':') ? QUrl(url) : QUrl::fromLocalFile(m_ui.file(url)));
        if (!links.isEmpty())
            data.setUrls(links);
        if (!text.isEmpty())
            data.setText(text);
        // A file manager proposes to move; the list only ever takes a copy.
        QDragEnterEvent enter({20, 20}, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QDragMoveEvent move({20, 20}, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QDropEvent drop({20, 20}, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QList<int> answers; // per event: the action taken, 0 when refused
        for (QDropEvent* event : std::initializer_list<QDropEvent*>{&enter, &move, &drop}) {
            event->setDropAction(Qt::MoveAction);
            QCoreApplication::sendEvent(m_ui.list()->viewport(), event);
            answers << (event->isAccepted() ? event->dropAction() : 0);
        }
        const bool taken = entries != u"old.drw"_s;
        QCOMPARE(answers, QList<int>(3, taken ? Qt::CopyAction : 0));
        QCOMPARE(m_ui.files().entries(), entries.split(u' '));
        QCOMPARE(m_ui.files().markFlags().size(), m_ui.files().count()); // one mark per entry
        for (qsizetype i = 0; i < m_ui.files().count(); ++i)
            QCOMPARE(m_ui.files().markFlags().at(i), m_ui.files().entries().at(i) != u"old.drw"_s);
        QCOMPARE(m_ui.text("lbl_status"),
                 links.isEmpty() && taken ? u"Zwischenablage eingefügt"_s : statusBefore);
    }
};

QTEST_MAIN(TestListKeys)
#include "tst_listkeys.moc"
