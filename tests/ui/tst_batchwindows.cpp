#include "MainWindow.h"
#include "MessageBox.h"
#include "Platform.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "Shell.h"
#include "Sound.h"
#include "Templates.h"
#include "TestEnvironment.h"
#include "WidgetLookup.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace kettwerk;
using kettwerk::ui::MainWindow;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The road from a selection to doit.pro: the mapkey window, composition,
// writing and the completion window.
class TestBatchWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void writesTheBatchForOneFileByteForByte();
    void mapkeyWindowShowsStoredNamesOrDs();
    void mapkeyWindowCloseButtonNeitherStoresNorComposes();
    void mapkeyWindowIsNotLoadedTwice();
    void compositionShowsTheWriteButtonForAnEmptySelection();
    void completionWindowTimesOutAfterFourSeconds();
    void completionWindowClosesOnEachControl_data();
    void completionWindowClosesOnEachControl();
    void editOpensDoitInTheCurrentFolder();
    void failedWriteIsReportedAndChangesNothing_data();
    void failedWriteIsReportedAndChangesNothing();
    void unencodableNameIsReportedAndNothingWritten();

private:
    void openWindow();
    void enterMapkeys(const QString& names);
    QPushButton* writeButton() { return control<QPushButton>(m_window.get(), "cmd_fcreate"); }
    QString status() { return control<QLineEdit>(m_window.get(), "lbl_status")->text(); }

    TestSettings m_settings;
    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_opened;
};

void TestBatchWindows::initTestCase()
{
    platform::MessageBox::setRecording(true);
    platform::setShellOpenHook([this](const QString& path) {
        m_opened.append(path);
        return 42;
    });
}

void TestBatchWindows::init()
{
    m_settings.clear();
    platform::MessageBox::clearRecorded();
    m_opened.clear();
    platform::SettingsStore().save(settings::kWorkingFolder, m_folder.path());
    openWindow();
}

void TestBatchWindows::cleanup()
{
    if (m_window)
        m_window->close();
    m_window.reset();
    QFile::remove(m_folder.filePath(QStringLiteral("doit.pro")));
}

void TestBatchWindows::openWindow()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestBatchWindows::enterMapkeys(const QString& names)
{
    click(control<QPushButton>(m_window.get(), "cmd_mapkey"));
    QWidget* window = ::openWindow("frm_mapkeyneu");
    QVERIFY(window);
    auto* field = control<QLineEdit>(window, "txt_mapkeyname");
    field->clear();
    QTest::keyClicks(field, names);
    click(control<QPushButton>(window, "cmd_mapkeyok"));
}

void TestBatchWindows::writesTheBatchForOneFileByteForByte()
{
    m_window->setSelection({QStringLiteral("a.drw")});
    enterMapkeys(QStringLiteral("rt"));
    QTRY_VERIFY(!::openWindow("frm_mapkeyneu"));
    QVERIFY(writeButton()->isVisible());
    QCOMPARE(status(), QStringLiteral("Die Datei doit.pro kann nun erzeugt werden. Diese kann in "
                                      "Pro/E als Konfigurationsdatei eingelesen werden"));
    QCOMPARE(platform::SettingsStore().get(settings::kMapkeyNames, {}), QStringLiteral("rt"));

    const int soundsBefore = platform::soundRequests();
    click(writeButton());
    const QByteArray expected =
        "mapkey doit ~ ;\\\r\n"
        "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
        "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` "
        "`File.psh_open`;\\\r\n"
        "mapkey(continued) ~ Update `file_open` `Inputname` `a.drw`;\\\r\n"
        "mapkey(continued) ~ Activate `file_open` `Open`;%rt;\\\r\n"
        "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
        "mapkey(continued) ~ Select `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
        "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
        "mapkey(continued) ~ Close `main_dlg_cur` `File.cb_file_erase`;\\\r\n"
        "mapkey(continued) ~ Activate `main_dlg_cur` `psh_erase`;~ Activate `file_erase` "
        "`sel_list`;\\\r\n"
        "mapkey(continued) ~ Activate `file_erase` `OK`;\\\r\n"
        "mapkey(continued) ~ Activate `0_std_confirm` `OK`;\\\r\n"
        "mapkey(continued) ~ ;\r\n"
        "\r\n";
    QCOMPARE(readAll(m_folder.filePath(QStringLiteral("doit.pro"))), expected);
    QCOMPARE(status(), QStringLiteral("Datei doit.pro wurde gespeichert !"));
    QVERIFY(!writeButton()->isVisible());
    QVERIFY(::openWindow("frm_ok"));
    QCOMPARE(platform::soundRequests(), soundsBefore + 1);
    QVERIFY(platform::MessageBox::recorded().isEmpty());
    // Writing leaves the batch text in memory.
    QCOMPARE(m_window->mapkeyText().toLatin1() + "\r\n", expected);
}

void TestBatchWindows::mapkeyWindowShowsStoredNamesOrDs()
{
    click(control<QPushButton>(m_window.get(), "cmd_mapkey"));
    QWidget* window = ::openWindow("frm_mapkeyneu");
    QVERIFY(window);
    QCOMPARE(control<QLineEdit>(window, "txt_mapkeyname")->text(), QStringLiteral("ds"));
    window->close();

    platform::SettingsStore().save(settings::kMapkeyNames, QStringLiteral("+;%bb;%00;"));
    click(control<QPushButton>(m_window.get(), "cmd_mapkey"));
    window = ::openWindow("frm_mapkeyneu");
    QCOMPARE(control<QLineEdit>(window, "txt_mapkeyname")->text(), QStringLiteral("+;%bb;%00;"));
}

void TestBatchWindows::mapkeyWindowCloseButtonNeitherStoresNorComposes()
{
    click(control<QPushButton>(m_window.get(), "cmd_mapkey"));
    QWidget* window = ::openWindow("frm_mapkeyneu");
    control<QLineEdit>(window, "txt_mapkeyname")->setText(QStringLiteral("typed"));
    window->close();
    QTRY_VERIFY(!::openWindow("frm_mapkeyneu"));
    QVERIFY(!writeButton()->isVisible());
    QVERIFY(m_window->mapkeyText().isEmpty());
    QCOMPARE(platform::SettingsStore().get(settings::kMapkeyNames, QStringLiteral("absent")),
             QStringLiteral("absent"));
}

void TestBatchWindows::mapkeyWindowIsNotLoadedTwice()
{
    click(control<QPushButton>(m_window.get(), "cmd_mapkey"));
    QWidget* first = ::openWindow("frm_mapkeyneu");
    control<QLineEdit>(first, "txt_mapkeyname")->setText(QStringLiteral("kept"));
    click(control<QPushButton>(m_window.get(), "cmd_mapkey"));
    QCOMPARE(::openWindow("frm_mapkeyneu"), first);
    QCOMPARE(control<QLineEdit>(first, "txt_mapkeyname")->text(), QStringLiteral("kept"));
}

void TestBatchWindows::compositionShowsTheWriteButtonForAnEmptySelection()
{
    enterMapkeys(QStringLiteral("rt"));
    QVERIFY(writeButton()->isVisible());
    QCOMPARE(m_window->mapkeyText(), templates::headerBlock() + templates::closingLine());
    QVERIFY(platform::MessageBox::recorded().isEmpty());
}

void TestBatchWindows::completionWindowTimesOutAfterFourSeconds()
{
    enterMapkeys(QStringLiteral("rt"));
    click(writeButton());
    QWidget* done = ::openWindow("frm_ok");
    QVERIFY(done);
    auto* timer = control<QTimer>(done, "Timer1");
    QCOMPARE(timer->interval(), 4000);
    QVERIFY(timer->isActive());
    // Fire the timer now instead of waiting the four seconds.
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    QTRY_VERIFY(!::openWindow("frm_ok"));
}

void TestBatchWindows::completionWindowClosesOnEachControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("picture") << "img_fertig";
    QTest::newRow("small icon") << "img_ex6";
    QTest::newRow("edit") << "cmd_edit";
}

void TestBatchWindows::completionWindowClosesOnEachControl()
{
    QFETCH(QString, name);
    enterMapkeys(QStringLiteral("rt"));
    click(writeButton());
    QWidget* done = ::openWindow("frm_ok");
    QVERIFY(done);
    click(done->findChild<QWidget*>(name));
    QTRY_VERIFY(!::openWindow("frm_ok"));
    QCOMPARE(m_opened.size(), name == QStringLiteral("cmd_edit") ? 1 : 0);
}

void TestBatchWindows::editOpensDoitInTheCurrentFolder()
{
    enterMapkeys(QStringLiteral("rt"));
    click(writeButton());
    auto* folder = control<QLineEdit>(m_window.get(), "txt_pro");
    folder->setText(QStringLiteral("/elsewhere"));
    click(control<QPushButton>(::openWindow("frm_ok"), "cmd_edit"));
    QCOMPARE(m_opened, QStringList{QStringLiteral("/elsewhere/doit.pro")});
}

void TestBatchWindows::failedWriteIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("missing folder") << "missing/deeper";
    QTest::newRow("path is a folder") << "asdir";
}

void TestBatchWindows::failedWriteIsReportedAndChangesNothing()
{
    QFETCH(QString, folder);
    QString working = m_folder.filePath(folder);
    if (folder == QStringLiteral("asdir")) {
        // doit.pro itself is a folder there.
        QVERIFY(QDir().mkpath(working + QStringLiteral("/doit.pro")));
    }
    control<QLineEdit>(m_window.get(), "txt_pro")->setText(working);
    m_window->setSelection({QStringLiteral("a.drw")});
    enterMapkeys(QStringLiteral("rt"));
    const QString composedStatus = status();
    click(writeButton());

    const QStringList messages = platform::MessageBox::recorded();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QDir::toNativeSeparators(working)),
             qPrintable(messages.first()));
    QCOMPARE(status(), composedStatus);
    QVERIFY(writeButton()->isVisible());
    QVERIFY(!::openWindow("frm_ok"));
    QVERIFY(m_window->isVisible());
}

void TestBatchWindows::unencodableNameIsReportedAndNothingWritten()
{
    m_window->setSelection({QStringLiteral("ok.drw"), QStringLiteral("Żuraw.drw")});
    enterMapkeys(QStringLiteral("rt"));
    click(writeButton());
    const QStringList messages = platform::MessageBox::recorded();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QStringLiteral("Żuraw.drw")), qPrintable(messages.first()));
    QVERIFY(!QFile::exists(m_folder.filePath(QStringLiteral("doit.pro"))));
    QVERIFY(writeButton()->isVisible());
    QVERIFY(!::openWindow("frm_ok"));
}

QTEST_MAIN(TestBatchWindows)
#include "tst_batchwindows.moc"
