#include "BlockField.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "Platform.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "Templates.h"
#include "TestEnvironment.h"
#include "Twips.h"
#include "WidgetLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kettwerk;
using kettwerk::ui::MainWindow;

// Start-up restores the three stored values, shutdown stores them again.
class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void firstRunUsesTheProEngineerFolderWhenItExists();
    void firstRunFallsBackToTheProgramFolder();
    void restoresStoredWorkingFolder_data();
    void restoresStoredWorkingFolder();
    void placesBarsAndShowsFirstStatus();
    void multiLineFunctionBlockRoundTrips();
    void shutdownWithMapkeyWindowNeverOpened_data();
    void shutdownWithMapkeyWindowNeverOpened();
    void shutdownStoresWhatAnOpenMapkeyWindowShows();
    void exitImageStoresSettingsAndClosesEveryWindow();

private:
    std::unique_ptr<MainWindow> start();
    QString field(MainWindow* window, const char* name)
    {
        return control<QLineEdit>(window, name)->text();
    }

    TestSettings m_settings;
    QTemporaryDir m_home;
};

void TestStartup::initTestCase()
{
    platform::MessageBox::setRecording(true);
    qputenv("HOME", QFile::encodeName(m_home.path()));
}

void TestStartup::init()
{
    m_settings.clear();
    QDir(m_home.path()).rmdir(QStringLiteral("ProEWildfire2"));
}

std::unique_ptr<MainWindow> TestStartup::start()
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    return window;
}

void TestStartup::firstRunUsesTheProEngineerFolderWhenItExists()
{
    QVERIFY(QDir(m_home.path()).mkdir(QStringLiteral("ProEWildfire2")));
    auto window = start();
    QCOMPARE(field(window.get(), "txt_pro"), m_home.path() + QStringLiteral("/ProEWildfire2/"));
    QCOMPARE(control<QLabel>(window.get(), "lbl_user")->text(), platform::loginName());
}

void TestStartup::firstRunFallsBackToTheProgramFolder()
{
    auto window = start();
    QCOMPARE(field(window.get(), "txt_pro"), QCoreApplication::applicationDirPath());
}

void TestStartup::restoresStoredWorkingFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("folder that exists") << QDir::tempPath();
    QTest::newRow("folder that is gone") << "/no/such/folder/";
    QTest::newRow("empty") << "";
}

void TestStartup::restoresStoredWorkingFolder()
{
    QFETCH(QString, stored);
    QVERIFY(QDir(m_home.path()).mkdir(QStringLiteral("ProEWildfire2")));
    platform::SettingsStore().save(settings::kWorkingFolder, stored);
    auto window = start();
    QCOMPARE(field(window.get(), "txt_pro"), stored);
}

void TestStartup::placesBarsAndShowsFirstStatus()
{
    auto window = start();
    QCOMPARE(window->windowTitle(), QStringLiteral("Kettwerk für Wildfire 2.0"));
    QCOMPARE(field(window.get(), "lbl_status"), QStringLiteral("Bitte Dateien wählen"));
    auto* bar = control<QWidget>(window.get(), "Frame4");
    QCOMPARE(bar->y(), ui::px(6000 - 1095 - 500));
    auto* files = control<QWidget>(window.get(), "Frame3");
    QCOMPARE(files->pos(), QPoint(ui::px(1000), ui::px(600)));
    QVERIFY(files->isVisible());
    QVERIFY(!control<QWidget>(window.get(), "cmd_fcreate")->isVisible());
    QVERIFY(!control<QWidget>(window.get(), "Frame2")->isVisible());
    QVERIFY(!control<QWidget>(window.get(), "Frame1")->isVisible());
    // The window cannot be resized.
    QCOMPARE(window->minimumSize(), window->maximumSize());
}

void TestStartup::multiLineFunctionBlockRoundTrips()
{
    // Mixed line ends must come back exactly as stored.
    const QString block = QStringLiteral("`;\\\r\nmapkey(continued) ~ eins;\\\nzwei\r\n\r\ndrei");
    platform::SettingsStore().save(settings::kFunctionBlock, block);
    auto window = start();
    QCOMPARE(control<ui::BlockField>(window.get(), "txt_individ")->text(), block);
    window->close();
    QCOMPARE(platform::SettingsStore().get(settings::kFunctionBlock, {}), block);

    m_settings.clear();
    auto fresh = start();
    fresh->close();
    QCOMPARE(platform::SettingsStore().get(settings::kFunctionBlock, {}),
             templates::storedFunctionBlock());
}

void TestStartup::shutdownWithMapkeyWindowNeverOpened_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("absent") << false << ""
                            << "ds";
    QTest::newRow("stored") << true << "+;%bb;%00;"
                            << "+;%bb;%00;";
    QTest::newRow("stored empty") << true << ""
                                  << "";
}

void TestStartup::shutdownWithMapkeyWindowNeverOpened()
{
    QFETCH(bool, present);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    if (present)
        platform::SettingsStore().save(settings::kMapkeyNames, stored);
    auto window = start();
    window->close();
    QCOMPARE(platform::SettingsStore().get(settings::kMapkeyNames, QStringLiteral("absent")),
             expected);
}

void TestStartup::shutdownStoresWhatAnOpenMapkeyWindowShows()
{
    auto window = start();
    click(control<QPushButton>(window.get(), "cmd_mapkey"));
    QWidget* names = openWindow("frm_mapkeyneu");
    QVERIFY(names);
    control<QLineEdit>(names, "txt_mapkeyname")->setText(QStringLiteral("shown"));
    window->close();
    QCOMPARE(platform::SettingsStore().get(settings::kMapkeyNames, {}), QStringLiteral("shown"));
    QTRY_VERIFY(!openWindow("frm_mapkeyneu"));
}

void TestStartup::exitImageStoresSettingsAndClosesEveryWindow()
{
    auto window = start();
    control<QLineEdit>(window.get(), "txt_pro")->setText(QStringLiteral("typed/folder"));
    click(control<QPushButton>(window.get(), "cmd_mapkey"));
    QVERIFY(openWindow("frm_mapkeyneu"));
    click(control<QWidget>(window.get(), "img_exit"));
    QVERIFY(!window->isVisible());
    QTRY_VERIFY(!openWindow("frm_mapkeyneu"));
    QCOMPARE(platform::SettingsStore().get(settings::kWorkingFolder, {}),
             QStringLiteral("typed/folder"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
