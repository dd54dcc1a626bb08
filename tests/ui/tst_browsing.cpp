#include "FileList.h"
#include "FileListPanel.h"
#include "FolderList.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"
#include "Twips.h"
#include "WidgetLookup.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kettwerk;
using kettwerk::ui::MainWindow;

// The browser, the output folder chooser and the info window inside the
// running main window.
class TestBrowsing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void browserFillsTheFileList();
    void chosenFolderReceivesDoit();
    void infoWindowOpensOnceBesideTheMainWindow();

private:
    QWidget* find(const char* name) { return control<QWidget>(m_window.get(), name); }

    TestSettings m_settings;
    QTemporaryDir m_start;
    QTemporaryDir m_parts;
    std::unique_ptr<MainWindow> m_window;
};

void TestBrowsing::initTestCase()
{
    platform::MessageBox::setRecording(true);
    for (const char* name : {"b.drw", "a.drw.2", "c.prt", "notes.txt"}) {
        QFile file(m_parts.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void TestBrowsing::init()
{
    m_settings.clear();
    platform::MessageBox::clearRecorded();
    platform::SettingsStore().save(settings::kWorkingFolder, m_start.path());
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestBrowsing::cleanup()
{
    m_window->close();
    m_window.reset();
}

void TestBrowsing::browserFillsTheFileList()
{
    QTest::mouseClick(find("List_File1")->findChild<QWidget*>(QStringLiteral("qt_scrollarea_viewport")),
                      Qt::RightButton, {}, QPoint(20, 5));
    click(find("filebrowser"));
    QVERIFY(find("Frame5")->isVisible());
    auto* path = control<QLineEdit>(m_window.get(), "txt_path");
    path->setText(m_parts.path());
    FileList* files = m_window->findChild<ui::FileListPanel*>()->fileList();
    QCOMPARE(files->entries(), (QStringList{QStringLiteral("a.drw.2"), QStringLiteral("b.drw")}));
    QVERIFY(files->markedEntries().isEmpty());
    click(find("cmd_okfiles"));
    QVERIFY(!find("Frame5")->isVisible());
    QVERIFY(!find("kontextmenue")->isVisible());
    QCOMPARE(files->count(), 2);
}

void TestBrowsing::chosenFolderReceivesDoit()
{
    click(find("Label7"));
    QWidget* chooser = find("Frame6");
    QVERIFY(chooser->isVisible());
    QCOMPARE(chooser->pos(), QPoint(ui::px(120), ui::px(4405 - 2655)));
    // Opened and confirmed at once: the folder it started on, unchanged.
    click(find("cmd_ok"));
    QCOMPARE(control<QLineEdit>(m_window.get(), "txt_pro")->text(), QDir(m_start.path()).path());

    click(find("Label7"));
    QVERIFY(control<ui::FolderList>(m_window.get(), "Dir2")->setPath(m_parts.path()));
    click(find("cmd_ok"));
    QVERIFY(!chooser->isVisible());
    QCOMPARE(control<QLineEdit>(m_window.get(), "txt_pro")->text(), m_parts.path());

    m_window->setSelection({QStringLiteral("b.drw")});
    m_window->CREATE(QStringLiteral("`;\\\r\n"));
    click(find("cmd_fcreate"));
    QVERIFY(QFile::exists(m_parts.filePath(QStringLiteral("doit.pro"))));
    QVERIFY(!QFile::exists(m_start.filePath(QStringLiteral("doit.pro"))));
    QFile::remove(m_parts.filePath(QStringLiteral("doit.pro")));
}

void TestBrowsing::infoWindowOpensOnceBesideTheMainWindow()
{
    click(find("Image1"));
    click(find("Image1"));
    int open = 0;
    QWidget* info = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("frm_help") && window->isVisible()) {
            ++open;
            info = window;
        }
    }
    QCOMPARE(open, 1);
    QCOMPARE(info->pos(), m_window->frameGeometry().topLeft() + QPoint(ui::px(400), ui::px(400)));
    m_window->close();
    QTRY_VERIFY(!openWindow("frm_help"));
}

QTEST_MAIN(TestBrowsing)
#include "tst_browsing.moc"
