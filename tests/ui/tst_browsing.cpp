#include "FolderList.h"
#include "FolderTree.h"
#include "HelpWindow.h"
#include "MainWindowFixture.h"
#include "Twips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;
using ui::HelpWindow;
using ui::px;

// The browser, the output folder chooser and the info window inside the
// running main window, and the info window's text and shell opening.
class TestBrowsing : public QObject
{
    Q_OBJECT
    MainWindowFixture m_ui;
    QTemporaryDir m_parts;
    RecordingShell m_shell;
    Installed<platform::Shell> m_shellInstalled{&m_shell};

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(makeTree(m_parts.path(), {u"b.drw"_s, u"a.drw.2"_s, u"c.prt"_s, u"notes.txt"_s}));
    }
    void init()
    {
        m_shell.opened.clear();
        m_ui.open();
    }
    void cleanup() { m_ui.close(); }

    void browserFillsTheFileList()
    {
        QTest::mouseClick(m_ui.find("List_File1")->findChild<QWidget*>(u"qt_scrollarea_viewport"_s),
                          Qt::RightButton, {}, QPoint(20, 5));
        m_ui.press("filebrowser");
        QVERIFY(m_ui.find("Frame5")->isVisible());
        m_ui.find<QLineEdit>("txt_path")->setText(m_parts.path());
        FileList* files = &m_ui.files();
        QCOMPARE(files->entries(), (QStringList{u"a.drw.2"_s, u"b.drw"_s}));
        QVERIFY(files->markedEntries().isEmpty());
        m_ui.press("cmd_okfiles");
        QVERIFY(!m_ui.find("Frame5")->isVisible());
        QVERIFY(!m_ui.find("kontextmenue")->isVisible());
        QCOMPARE(files->count(), 2);
    }

    void chosenFolderReceivesDoit()
    {
        m_ui.press("Label7");
        QWidget* chooser = m_ui.find("Frame6");
        QVERIFY(chooser->isVisible());
        // Directly above the bottom bar, flush with its left edge.
        QCOMPARE(chooser->geometry(), QRect(px(120), px(4405 - 2655), px(2415), px(2655)));
        // Opened and confirmed at once: the folder it started on, unchanged.
        m_ui.press("cmd_ok");
        QCOMPARE(m_ui.text("txt_pro"), QDir(m_ui.folder()).path());

        m_ui.press("Label7");
        QVERIFY(m_ui.find<ui::FolderList>("Dir2")->setPath(m_parts.path()));
        m_ui.press("cmd_ok");
        QVERIFY(!chooser->isVisible());
        QCOMPARE(m_ui.text("txt_pro"), m_parts.path());
        m_ui.job().setSelection({u"b.drw"_s});
        m_ui.enterMapkeys(u"rt"_s);
        m_ui.press("cmd_fcreate");
        QVERIFY(QFile::exists(m_parts.filePath(u"doit.pro"_s)));
        QVERIFY(!QFile::exists(m_ui.file(u"doit.pro"_s)));
    }

    void infoWindowOpensOnceBesideTheMainWindow()
    {
        m_ui.press("Image1");
        m_ui.press("Image1");
        int open = 0;
        for (const QWidget* window : QApplication::topLevelWidgets())
            open += window->objectName() == u"frm_help"_s && window->isVisible();
        QCOMPARE(open, 1);
        QPointer<QWidget> info = openWindow("frm_help");
        QVERIFY(QTest::qWaitForWindowExposed(info));
        QCOMPARE(QRect(info->pos(), info->size()),
                 QRect(m_ui.window->frameGeometry().topLeft() + QPoint(px(400), px(400)),
                       QSize(px(6270), px(4800))));

        // A mail program that fails to open shows nothing.
        m_shell.ok = false;
        auto* link = control<QLabel>(info, "Label6");
        QCOMPARE(link->text(), u"kettwerk@example.org"_s);
        click(link);
        QCOMPARE(m_shell.opened, QStringList{u"mailto:kettwerk@example.org"_s});
        QVERIFY(info->isVisible());

        // OK unloads it; the next one shows the designed text again.
        control<QPlainTextEdit>(info, "Text1")->setPlainText(u"edited"_s);
        click(control<QPushButton>(info, "cmd_ok"));
        QTRY_VERIFY(info.isNull());
        m_ui.press("Image1");
        QVERIFY(openWindow("frm_help"));
        QString shown = control<QPlainTextEdit>(openWindow("frm_help"), "Text1")->toPlainText();
        QCOMPARE(shown.replace(u'\n', u"\r\n"_s), HelpWindow::usageText());
        m_ui.window->close();
        QTRY_VERIFY(!openWindow("frm_help"));
    }

    void usageTextIsAsDesigned()
    {
        const QString text = HelpWindow::usageText();
        const QStringList lines = text.chopped(2).split(u"\r\n"_s);
        QCOMPARE(lines.size(), 30);
        QList<int> blankEnded;
        QString steps;
        static const QRegularExpression step(u"^(\\d)\\.\\) "_s);
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].endsWith(u' '))
                blankEnded.append(i + 1);
            steps += step.match(lines[i]).captured(1);
        }
        QCOMPARE(blankEnded, (QList<int>{1, 6, 11, 15, 20, 21, 25, 29}));
        QCOMPARE(steps, u"12354"_s);
    }
};

QTEST_MAIN(TestBrowsing)
#include "tst_browsing.moc"
