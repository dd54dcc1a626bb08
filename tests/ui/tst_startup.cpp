#include "BlockField.h"
#include "MainWindow.h"
#include "Substitutes.h"
#include "Platform.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "Templates.h"
#include "TestEnvironment.h"
#include "Twips.h"
#include "WidgetLookup.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace kettwerk;
using kettwerk::ui::MainWindow;

// Start-up restores the three stored values, shutdown stores them again.
class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void workingFolderAtStart_data();
    void workingFolderAtStart();
    void startsWithItsDesignedLayout();
    void multiLineFunctionBlockRoundTrips();
    void shutdownStoresTheMapkeyNames_data();
    void shutdownStoresTheMapkeyNames();

private:
    platform::SettingsStore store() { return {}; }
    TestSettings m_settings;
    RecordingMessageBox m_messages;
    QTemporaryDir m_home;
};

void TestStartup::initTestCase()
{
    ui::MessageBox::install(&m_messages);
    qputenv("HOME", QFile::encodeName(m_home.path()));
}

void TestStartup::init()
{
    m_settings.clear();
    QDir(m_home.path()).rmdir(QStringLiteral("ProEWildfire2"));
}

void TestStartup::workingFolderAtStart_data()
{
    QTest::addColumn<bool>("proFolderExists");
    QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
    QTest::addColumn<QString>("expected");
    const QString pro = m_home.path() + QStringLiteral("/ProEWildfire2/");
    QTest::newRow("first run, folder exists") << true << QVariant() << pro;
    QTest::newRow("first run, no folder")
        << false << QVariant() << QCoreApplication::applicationDirPath();
    QTest::newRow("stored, gone") << true << QVariant(QStringLiteral("/no/such/")) << "/no/such/";
    QTest::newRow("stored empty") << true << QVariant(QString()) << "";
}

void TestStartup::workingFolderAtStart()
{
    QFETCH(bool, proFolderExists);
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    if (proFolderExists)
        QVERIFY(QDir(m_home.path()).mkdir(QStringLiteral("ProEWildfire2")));
    if (stored.isValid())
        storeSetting(settings::kWorkingFolder, stored.toString());
    MainWindow window;
    QCOMPARE(control<QLineEdit>(&window, "txt_pro")->text(), expected);
    QCOMPARE(control<QLabel>(&window, "lbl_user")->text(), platform::loginName());
}

void TestStartup::startsWithItsDesignedLayout()
{
    MainWindow window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Kettwerk für Wildfire 2.0"));
    QCOMPARE(control<QLineEdit>(&window, "lbl_status")->text(),
             QStringLiteral("Bitte Dateien wählen"));
    QCOMPARE(control<QWidget>(&window, "Frame4")->y(), ui::px(6000 - 1095 - 500));
    QCOMPARE(control<QWidget>(&window, "Frame3")->pos(), QPoint(ui::px(1000), ui::px(600)));
    QVERIFY(control<QWidget>(&window, "Frame3")->isVisible());
    for (const char* hidden : {"cmd_fcreate", "Frame2", "Frame1", "kontextmenue", "txt_hand"})
        QVERIFY2(!control<QWidget>(&window, hidden)->isVisible(), hidden);
    QCOMPARE(window.minimumSize(), window.maximumSize()); // cannot be resized
}

void TestStartup::multiLineFunctionBlockRoundTrips()
{
    // Mixed line ends must come back exactly as stored.
    const QString block = QStringLiteral("`;\\\r\nmapkey(continued) ~ eins;\\\nzwei\r\n\r\ndrei");
    storeSetting(settings::kFunctionBlock, block);
    MainWindow window;
    QCOMPARE(control<ui::BlockField>(&window, "txt_individ")->text(), block);
    window.close();
    QCOMPARE(platform::SettingsStore().get(settings::kFunctionBlock, {}), block);

    m_settings.clear();
    MainWindow fresh;
    fresh.close();
    QCOMPARE(platform::SettingsStore().get(settings::kFunctionBlock, {}),
             templates::storedFunctionBlock());
}

void TestStartup::shutdownStoresTheMapkeyNames_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
    QTest::addColumn<QVariant>("shown");  // invalid: window never opened
    QTest::addColumn<QString>("expected");
    QTest::newRow("never opened, absent") << QVariant() << QVariant() << "ds";
    QTest::newRow("never opened, stored")
        << QVariant(QStringLiteral("+;%bb;")) << QVariant() << "+;%bb;";
    QTest::newRow("never opened, stored empty") << QVariant(QString()) << QVariant() << "";
    QTest::newRow("open with an edit")
        << QVariant(QStringLiteral("old")) << QVariant(QStringLiteral("shown")) << "shown";
}

void TestStartup::shutdownStoresTheMapkeyNames()
{
    QFETCH(QVariant, stored);
    QFETCH(QVariant, shown);
    QFETCH(QString, expected);
    if (stored.isValid())
        storeSetting(settings::kMapkeyNames, stored.toString());
    MainWindow window;
    window.show();
    control<QLineEdit>(&window, "txt_pro")->setText(QStringLiteral("typed/folder"));
    if (shown.isValid()) {
        click(control<QWidget>(&window, "cmd_mapkey"));
        control<QLineEdit>(openWindow("frm_mapkeyneu"), "txt_mapkeyname")
            ->setText(shown.toString());
    }
    click(control<QWidget>(&window, "img_exit"));
    QVERIFY(!window.isVisible());
    QVERIFY(!openWindow("frm_mapkeyneu"));
    QCOMPARE(platform::SettingsStore().get(settings::kMapkeyNames, QStringLiteral("absent")),
             expected);
    QCOMPARE(platform::SettingsStore().get(settings::kWorkingFolder, {}),
             QStringLiteral("typed/folder"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
