#include "support/MainWindowFixture.h"
#include "support/Rows.h"

#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

using namespace kettwerk;
using namespace Qt::StringLiterals;

// "x.x": the first and third entry marked.
static QList<bool> marksOf(const QString& pattern)
{
    QList<bool> marks;
    for (const QChar c : pattern)
        marks.append(c == u'x');
    return marks;
}

// The keys and drags a desktop user tries on the file list and the panels
// and windows around it: each runs the operation of its button.
class TestListKeys : public QObject
{
    Q_OBJECT
    MainWindowFixture m_ui;

    QListView* list() { return m_ui.find<QListView>("List_File1"); }
    QWidget* menu() { return m_ui.find("kontextmenue"); }
    void openMenu() { QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, QPoint(20, 5)); }
    QString status() { return m_ui.text("lbl_status"); }

private Q_SLOTS:
    void init() { m_ui.open(); }
    void cleanup() { m_ui.close(); }

    void listKeysRunTheMenuOperations_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("marksBefore");
        QTest::addColumn<QString>("entries"); // split at blanks
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("status"); // empty: unchanged
        QTest::addColumn<bool>("menuStays");
        const char* all = "a.drw b.prt c.asm.2";
        row("Ctrl+V pastes", "Ctrl+V", "x.x", "x.drw y.prt", "xx", "Zwischenablage eingefügt",
            false);
        row("Ctrl+A marks all", "Ctrl+A", "x..", all, "xxx", "", false);
        row("Del removes the marked", "Del", "x.x", "b.prt", ".",
            "2 Einträge aus der Liste entfernt", false);
        row("Del removes one", "Del", ".x.", "a.drw c.asm.2", "..",
            "1 Eintrag aus der Liste entfernt", false);
        row("Del with nothing marked", "Del", "...", all, "...", "", true);
        // Enter is "ok"; the window's tests follow the hand-over further.
        const char* handedOver = "1 Dateien gewählt. Mapkey kann nun erstellt werden.";
        row("Enter hands over", "Return", "x..", all, "x..", handedOver, false);
        row("keypad Enter hands over", "Num+Enter", "..x", all, "..x", handedOver, false);
    }
    void listKeysRunTheMenuOperations()
    {
        QFETCH(QString, keys);
        QFETCH(QString, marksBefore);
        QFETCH(QString, entries);
        QFETCH(QString, marks);
        QFETCH(QString, status);
        QFETCH(bool, menuStays);
        QGuiApplication::clipboard()->setText(u"Name\nx.drw\ny.prt\n"_s);
        m_ui.files().setEntries({u"a.drw"_s, u"b.prt"_s, u"c.asm.2"_s}, false);
        m_ui.files().setMarks(marksOf(marksBefore));
        openMenu();
        const QString before = this->status();
        const QKeyCombination key = QKeySequence::fromString(keys, QKeySequence::PortableText)[0];
        QTest::keyClick(list(), key.key(), key.keyboardModifiers());
        QCOMPARE(m_ui.files().entries(), entries.split(u' '));
        QCOMPARE(m_ui.files().markFlags(), marksOf(marks));
        QCOMPARE(this->status(), status.isEmpty() ? before : status);
        QCOMPARE(menu()->isVisible(), menuStays);
        // After a hand-over the keyboard waits on the next step.
        if (m_ui.find("Frame2")->isVisible())
            QCOMPARE(QApplication::focusWidget(), m_ui.find("cmd_mapkey"));
    }
    // One layer per Esc: the browser lies above the menu it was opened from.
    void escapeClosesTheUppermostPanel()
    {
        openMenu();
        m_ui.press("filebrowser");
        QTest::keyClick(list(), Qt::Key_Escape);
        QVERIFY(!m_ui.find("Frame5")->isVisible());
        QVERIFY(menu()->isVisible());
        QTest::keyClick(list(), Qt::Key_Escape);
        QVERIFY(!menu()->isVisible());
        QVERIFY(m_ui.find("Frame3")->isVisible());
    }
    void escapeClosesTheSmallWindows_data()
    {
        QTest::addColumn<QString>("window");
        row("info", "frm_help");
        row("mapkeys", "frm_mapkeyneu");
        row("completion", "frm_ok");
    }
    void escapeClosesTheSmallWindows()
    {
        QFETCH(QString, window);
        if (window == u"frm_help"_s) {
            m_ui.press("Image1");
        } else {
            m_ui.press("cmd_mapkey");
            if (window == u"frm_ok"_s) {
                click(control<QPushButton>(openWindow("frm_mapkeyneu"), "cmd_mapkeyok"));
                m_ui.press("cmd_fcreate");
                control<QTimer>(openWindow("frm_ok"), "Timer1")->stop(); // Esc alone closes it
            }
        }
        QWidget* open = openWindow(qPrintable(window));
        QVERIFY(open);
        // The offscreen platform does not activate a window that has an owner.
        QApplication::setActiveWindow(open);
        if (window == u"frm_mapkeyneu"_s) {
            // Esc in the offered names puts only them away.
            auto* field = control<QLineEdit>(open, "txt_mapkeyname");
            field->clear();
            QTest::keyClicks(field, u"r"_s);
            QWidget* offered = open->findChild<QCompleter*>()->popup();
            QVERIFY(offered->isVisible());
            QTest::keyClick(offered, Qt::Key_Escape);
            QVERIFY(!offered->isVisible());
            QVERIFY(open->isVisible());
            QApplication::setActiveWindow(open); // the offscreen platform forgets it with the popup
        }
        QTest::keyClick(open->focusWidget() ? open->focusWidget() : open, Qt::Key_Escape);
        QVERIFY(!openWindow(qPrintable(window)));
        QVERIFY(m_ui.window->isVisible());
    }
    // Files and folders from a file manager are added and marked; a text is
    // imported as the clipboard is; anything else is refused.
    void dropsOnTheList_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("urls"); // names in the dropped folder; "." the folder
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("marks");
        row("a folder, the filter box's filter", "", ".", "", true, "old.drw a.drw.2 b.drw", ".xx");
        row("a folder, a typed filter", "*.prt*", ".", "", true, "old.drw c.prt", ".x");
        row("a file and a folder", "", "sub/d.asm sub", "", true, "old.drw d.asm e.drw", ".xx");
        row("files win over their paths as text", "", "c.prt", "/x/c.prt", true, "old.drw c.prt",
            ".x");
        row("text", "", "", "Name\r\nx.drw\r\n\r\ny.prt", true, "x.drw y.prt", "xx");
        const char* link = "https://example.org/a.drw";
        row("a web link", "", link, link, false, "old.drw", ".");
        row("neither files nor text", "", "", "", false, "old.drw", ".");
    }
    void dropsOnTheList()
    {
        QFETCH(QString, filter);
        QFETCH(QString, urls);
        QFETCH(QString, text);
        QFETCH(bool, taken);
        QFETCH(QString, entries);
        QFETCH(QString, marks);
        QTemporaryDir dropped;
        QVERIFY(makeTree(dropped.path(),
                         {u"b.drw"_s, u"a.drw.2"_s, u"c.prt"_s, u"sub/d.asm"_s, u"sub/e.drw"_s}));
        if (!filter.isEmpty())
            m_ui.find<QComboBox>("Combo1")->setEditText(filter);
        m_ui.files().setEntries({u"old.drw"_s}, false);
        const QString statusBefore = status();

        QMimeData data;
        QList<QUrl> links;
        for (const QString& url : urls.split(u' ', Qt::SkipEmptyParts))
            links.append(url.contains(u':') ? QUrl(url)
                                            : QUrl::fromLocalFile(dropped.filePath(url)));
        if (!links.isEmpty())
            data.setUrls(links);
        if (!text.isEmpty())
            data.setText(text);
        if (links.isEmpty() && text.isEmpty())
            data.setData(u"image/png"_s, "\x89PNG");
        // A file manager proposes to move; the list only ever takes a copy.
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        const QPoint at(20, 20);
        QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QString answers; // per event: "c" a copy taken, "-" refused
        for (QDropEvent* event : std::initializer_list<QDropEvent*>{&enter, &move, &drop}) {
            event->setDropAction(Qt::MoveAction);
            QCoreApplication::sendEvent(list()->viewport(), event);
            answers += !event->isAccepted()                    ? u'-'
                       : event->dropAction() == Qt::CopyAction ? u'c'
                                                               : u'?';
        }
        QCOMPARE(answers, taken ? u"ccc"_s : u"---"_s);
        QCOMPARE(m_ui.files().entries(), entries.split(u' '));
        QCOMPARE(m_ui.files().markFlags(), marksOf(marks));
        QCOMPARE(status(), links.isEmpty() && taken ? u"Zwischenablage eingefügt"_s : statusBefore);
    }
    // The list has the keyboard from the start; Tab follows the work.
    void tabFollowsTheWork()
    {
        QVERIFY(QTest::qWaitForWindowActive(m_ui.window.get()));
        QCOMPARE(QApplication::focusWidget(), list());
        m_ui.job().setSelection({u"a.drw"_s});
        m_ui.enterMapkeys(u"rt"_s);
        QTRY_VERIFY(!openWindow("frm_mapkeyneu"));
        QVERIFY(QTest::qWaitForWindowActive(m_ui.window.get()));
        m_ui.find("Frame2")->show();
        list()->setFocus();
        for (const char* next : {"cmd_file", "cmd_mapkey", "cmd_fcreate", "txt_pro"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }
};

QTEST_MAIN(TestListKeys)
#include "tst_listkeys.moc"
