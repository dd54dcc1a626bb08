#include "filelist/FolderFiles.h"
#include "support/FakeDrives.h"
#include "support/Files.h"
#include "support/Substitutes.h"
#include "support/WidgetLookup.h"
#include "ui/BrowserPanel.h"
#include "ui/DriveBox.h"
#include "ui/FolderList.h"
#include "ui/OutputFolderPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace kettwerk;
using namespace kettwerk::ui;
using namespace Qt::StringLiterals;

// The two browsers, their folder lists, drives and listings: how folder, path
// text, drive and filter changes run into each other and refill the file list.
class TestBrowserPanel : public QObject
{
    Q_OBJECT
    // X is an unmounted volume: its mount folder is there, and empty.
    QTemporaryDir m_root, m_other, m_unmounted;
    FakeDrives m_drives{QList<FakeDrives::Drive>{
        {u"T"_s, m_root.path()}, {u"U"_s, m_other.path()}, {u"X"_s, m_unmounted.path(), false}}};
    Installed<platform::DriveSource> m_installed{&m_drives};
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<QSignalSpy> m_lists, m_status;

    template <typename T = QWidget> T* find(const char* n) { return control<T>(m_window.get(), n); }
    QLineEdit* pathField() { return find<QLineEdit>("txt_path"); }
    FolderList* folders() { return find<FolderList>("Dir1"); }
    QString at(const QString& r) const { return platform::fullFolderPath(m_root.filePath(r)); }
    QStringList listed() { return m_lists->value(m_lists->size() - 1).value(0).toStringList(); }
    void clickLine(const QString& text, bool twice)
    {
        FolderList* list = folders();
        QTreeWidgetItem* line = list->findItems(text, Qt::MatchRecursive).value(0);
        list->scrollToItem(line);
        // A user's double click begins with a plain click.
        const QPoint centre = list->visualItemRect(line).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(makeTree(m_root.path(), {u"top.drw"_s, u"top.prt"_s, u"Zed/"_s, u".hidden/"_s,
                                         u"sub1/s1.drw"_s, u"sub1/s1.drw.2"_s, u"sub1/s1.prt"_s,
                                         u"sub1/S1.asm"_s, u"sub1/notes.txt"_s,
                                         u"sub1/deep/d.drw"_s, u"sub2/"_s, u"locked/l.drw"_s}));
        QVERIFY(makeTree(m_other.path(), {u"u.drw"_s, u"elsewhere/"_s}));
        // The program was started in sub1.
        QVERIFY(QDir::setCurrent(at(u"sub1"_s)));
    }
    void init()
    {
        m_window = std::make_unique<QWidget>();
        auto* panel = new BrowserPanel(m_window.get());
        new OutputFolderPanel(m_window.get());
        m_lists = std::make_unique<QSignalSpy>(panel, &BrowserPanel::filesListed);
        m_status = std::make_unique<QSignalSpy>(panel, &BrowserPanel::statusMessage);
        m_window->show();
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void folderListShowsFoldersAndOpensOnEnter()
    {
        FolderList list(u"Dir1"_s, nullptr);
        QVERIFY(list.setPath(m_root.path()));
        // The folders from the root down, each a level deeper, then the
        // visible subfolders one level below the open one, by name.
        QStringList shown, expected{QDir::toNativeSeparators(QDir::rootPath())};
        for (const QString& name :
             QDir::cleanPath(m_root.path()).mid(QDir::rootPath().size()).split(u'/'))
            expected << QString(expected.size(), u' ') + name;
        const QString in(expected.size(), u' ');
        expected << in + u"locked"_s << in + u"sub1"_s << in + u"sub2"_s << in + u"Zed"_s;
        for (QTreeWidgetItemIterator it(&list); *it; ++it) {
            shown << (*it)->text(0);
            for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
                shown.last().prepend(u' ');
        }
        QCOMPARE(shown, expected);
        // The same folder written otherwise, or a file, changes nothing.
        QSignalSpy changes(&list, &FolderList::pathChanged);
        QVERIFY(list.setPath(m_root.path() + u'/'));
        QVERIFY(!list.setPath(at(u"top.drw"_s)));
        list.setCurrentItem(list.findItems(u"sub2"_s, Qt::MatchRecursive).value(0));
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(list.path(), at(u"sub2"_s));
        QCOMPARE(changes.count(), 1);
    }
    void folderFilesAreReadWhenAskedFor()
    {
        // Hidden files, folders, broken links and pipes are left out; a link
        // counts as what it points to.
        const QDir dir(m_other.filePath(u"files"_s));
        QStringList names{u"zeta.drw.12"_s, u"bracket.drw"_s, u"Anchor.DRW"_s, u"a[1].drw"_s,
                          u"bolt.prt"_s,    u".hidden.drw"_s, u"folder.drw/"_s};
#ifdef Q_OS_UNIX // Windows allows no line break in a name; elsewhere it never reaches the list
        names << u"two\nlines.drw"_s << u"old\rmac.drw"_s;
        QVERIFY(makeTree(dir.path(), names));
        QVERIFY(QFile::link(dir.filePath(u"bolt.prt"_s), dir.filePath(u"link.drw"_s)));
        QVERIFY(QFile::link(dir.filePath(u"nowhere"_s), dir.filePath(u"broken.drw"_s)));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"pipe.drw"_s)).constData(), 0600), 0);
        const QString linked = u" link.drw"_s;
#else // hidden is an attribute on Windows
        QVERIFY(makeTree(dir.path(), names));
        const auto hidden = QDir::toNativeSeparators(dir.filePath(u".hidden.drw"_s));
        QCOMPARE(QProcess::execute(u"attrib"_s, {u"+h"_s, hidden}), 0);
        const QString linked;
#endif
        FolderFiles files;
        files.setFolder(dir.path());
        files.setPattern(u"*.drw*"_s);
        // Made after folder and filter were set, and still listed.
        QVERIFY(makeTree(dir.path(), {u"bracket.drw.3"_s}));
        QCOMPARE(files.names().join(u' '),
                 u"a[1].drw Anchor.DRW bracket.drw bracket.drw.3"_s + linked + u" zeta.drw.12"_s);
        // Asked again, the names are not read again; the same filter set
        // again reads again, as a click on a folder line does.
        QVERIFY(makeTree(dir.path(), {u"new.drw"_s}));
        QVERIFY(!files.names().contains(u"new.drw"_s));
        files.setPattern(u"*.drw*"_s);
        QVERIFY(files.names().contains(u"new.drw"_s));
        files.setFolder(dir.filePath(u"vanished"_s));
        QVERIFY(files.names().isEmpty() && files.listFailed());
        files.setFolder(dir.path());
        QVERIFY(!files.listFailed());
    }
    void filterTakesEffectOnAFolderClickAPickOrOk()
    {
        auto* panel = find<BrowserPanel>("Frame5");
        auto* combo = find<QComboBox>("Combo1");
        const auto type = [filter = combo->lineEdit()](const QString& text) {
            filter->selectAll();
            QTest::keyClicks(filter, text);
        };
        type(u"*.prt*"_s);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(m_lists->count(), 0);
        // "ok" right after opening reads the folder list's folder.
        click(find("cmd_okfiles"));
        QCOMPARE(pathField()->text(), at(u"sub1"_s));
        QCOMPARE(listed(), QStringList{u"s1.prt"_s});
        // The clicked line is "deep", but the folder that is open is read.
        panel->show();
        type(u"*.asm*"_s);
        clickLine(u"deep"_s, false);
        QCOMPARE(listed(), QStringList{u"S1.asm"_s});
        // The path text already holds the folder: assigning it its own text
        // counts as a change, so "ok" applies the typed filter.
        type(u"*.prt*"_s);
        click(find("cmd_okfiles"));
        QCOMPARE(listed(), QStringList{u"s1.prt"_s});
        // A filter picked from the list refills at once.
        panel->show();
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        const QRect asmLine = combo->view()->visualRect(combo->model()->index(2, 0));
        QTest::mouseClick(combo->view()->viewport(), Qt::LeftButton, {}, asmLine.center());
        QCOMPARE(listed(), QStringList{u"S1.asm"_s});
    }
    void doubleClickOrTypingOpensAndRefills()
    {
        // A subfolder, an ancestor two levels up, a folder without matches.
        for (const auto& [line, opened, expected] :
             {std::tuple{u"deep"_s, u"sub1/deep"_s, QStringList{u"d.drw"_s}},
              {QDir(m_root.path()).dirName(), u"."_s, QStringList{u"top.drw"_s}},
              {u"sub2"_s, u"sub2"_s, QStringList()}}) {
            clickLine(line, true);
            QCOMPARE(folders()->path(), at(opened));
            QCOMPARE(pathField()->text(), at(opened));
            QCOMPARE(listed(), expected);
        }
        QCOMPARE(m_status->count(), 0);
        // A folder on the way of a typed path is opened at once; a file at
        // the end is not.
        pathField()->clear();
        QTest::keyClicks(pathField(), QDir::toNativeSeparators(at(u"sub1/deep/d.drw"_s)));
        QCOMPARE(folders()->path(), at(u"sub1/deep"_s));
        QCOMPARE(listed(), QStringList{u"d.drw"_s});
        // The field keeps what is typed, a path relative to the current folder too.
        const QString current = QDir::currentPath();
        QDir::setCurrent(m_root.path());
        pathField()->clear();
        QTest::keyClicks(pathField(), u"sub1/deep"_s);
        QDir::setCurrent(current);
        QCOMPARE(pathField()->text(), u"sub1/deep"_s);
        QCOMPARE(folders()->path(), at(u"sub1/deep"_s));
    }
    void drivesNotReadyOrRestored()
    {
        // The output folder chooser leaves the file list alone.
        for (const auto& [panel, lists] :
             {std::pair{"Frame5", u"s1.drw s1.drw.2"_s.split(u' ')}, {"Frame6", QStringList()}}) {
            QWidget* browser = find(panel);
            auto* drives = browser->findChild<DriveBox*>();
            auto* folderList = browser->findChild<FolderList*>();
            QSignalSpy status(browser, SIGNAL(statusMessage(QString)));
            QVERIFY(folderList->setPath(at(u"sub1/deep"_s)));
            m_lists->clear();
            drives->setCurrentIndex(drives->findText(u"X"_s));
            QCOMPARE(drives->currentText(), u"T"_s);
            // Back on T, the folder list goes to T's current folder, not to deep.
            QCOMPARE(folderList->path(), at(u"sub1"_s));
            QCOMPARE(listed(), lists);
            QCOMPARE(status, QList<QVariantList>{{u"Laufwerk nicht verfügbar !"_s}});
        }
        // A restored output folder on another drive stays, and the drive box
        // only follows it; one on no known drive leaves the drive box as it is.
        QSignalSpy status(find("Frame6"), SIGNAL(statusMessage(QString)));
        for (const QString& folder : {m_other.filePath(u"elsewhere"_s), QDir::tempPath()}) {
            find<OutputFolderPanel>("Frame6")->restoreFolder(folder);
            QCOMPARE(find<FolderList>("Dir2")->path(), platform::fullFolderPath(folder));
            QCOMPARE(find<DriveBox>("Drive2")->currentText(), u"U"_s);
        }
        QCOMPARE(status.count(), 0);
    }
    void unreadableFolderEmptiesTheList()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows folders have no permission bits that QFile can take away.");
#endif
        const QString locked = at(u"locked"_s);
        QVERIFY(QFile::setPermissions(locked, {}));
        const auto restore = qScopeGuard([&locked] {
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFileInfo(locked).isReadable())
            QSKIP("folder permissions are not enforced for this user (root)");
        pathField()->setText(at(u"."_s));
        QVERIFY(!listed().isEmpty());
        pathField()->setText(locked);
        QCOMPARE(folders()->path(), locked);
        QVERIFY(listed().isEmpty());
        QVERIFY(!m_status->isEmpty() && m_status->last().value(0).toString().contains(locked));
    }
    void pathsAndSystemDrives()
    {
        // Paths as folder lists keep them: absolute, clean, no trailing
        // separator except for a root.
        const QString cwd = QDir::currentPath();
        const QString top = cwd.left(cwd.indexOf(u'/') + 1); // "/" or "C:/"
        QCOMPARE(platform::fullFolderPath(top + u"usr//share/./x/../"_s),
                 QDir::toNativeSeparators(top + u"usr/share"_s));
        QCOMPARE(platform::fullFolderPath(top), QDir::toNativeSeparators(top));
        QCOMPARE(platform::fullFolderPath(u"sub"_s), QDir::toNativeSeparators(cwd + u"/sub"_s));
        QCOMPARE(platform::fullFolderPath(QString()), QString());
        const platform::DriveSource& system = platform::DriveSource::system();
        const QString current = platform::fullFolderPath(cwd);
        const QString drive = system.driveOf(current);
        QVERIFY2(system.drives().contains(drive), qPrintable(system.drives().join(u' ')));
        QVERIFY(system.isReady(drive));
        QCOMPARE(system.currentFolder(drive), current);
#ifdef Q_OS_UNIX
        // What an unmounted volume leaves behind: its empty mount folder.
        QTemporaryDir folder;
        QVERIFY(!system.isReady(platform::fullFolderPath(folder.path())));
#else
        // A letter mapped to a volume that is not there, as the test run sets up
        // drive Q: (an empty card reader looks the same).
        if (!system.drives().contains(u"Q:"_s))
            QSKIP("No drive Q: without a volume on this machine.");
        QVERIFY(!system.isReady(u"Q:"_s));
        QCOMPARE(system.currentFolder(u"Q:"_s), u"Q:\\"_s);
#endif
    }
};

QTEST_MAIN(TestBrowserPanel)
#include "tst_browserpanel.moc"
