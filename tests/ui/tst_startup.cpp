#include "BlockField.h"
#include "MainWindow.h"
#include "Platform.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "Substitutes.h"
#include "Templates.h"
#include "TestEnvironment.h"
#include "WidgetLookup.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace kettwerk;
using kettwerk::ui::MainWindow;

// Start-up restores the three stored values, shutdown stores them again.
class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_settings.clear();
        m_messages.texts.clear();
    }

    void startsWithItsDesignedLayout();
    void multiLineFunctionBlockRoundTrips();
    void shutdownStoresTheMapkeyNames_data();
    void shutdownStoresTheMapkeyNames();
    void settingsThatCannotBeStoredAreReportedOnce();

private:
    TestSettings m_settings;
    RecordingMessageBox m_messages;
    Installed<ui::MessageBox> m_recording{&m_messages};
};

void TestStartup::startsWithItsDesignedLayout()
{
    storeSetting(settings::kWorkingFolder, QStringLiteral("/stored/folder"));
    MainWindow window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Kettwerk für Wildfire 2.0"));
    QCOMPARE(control<QLineEdit>(&window, "lbl_status")->text(),
             QStringLiteral("Bitte Dateien wählen"));
    QCOMPARE(control<QLineEdit>(&window, "txt_pro")->text(), QStringLiteral("/stored/folder"));
    QCOMPARE(control<QLabel>(&window, "lbl_user")->text(), platform::loginName());
    QVERIFY(control<QWidget>(&window, "Frame3")->isVisible());
    for (const char* hidden : {"cmd_fcreate", "Frame2", "Frame1", "kontextmenue", "txt_hand"})
        QVERIFY2(!control<QWidget>(&window, hidden)->isVisible(), hidden);
    QCOMPARE(window.minimumSize(), window.maximumSize()); // cannot be resized
    QVERIFY(m_messages.texts.isEmpty());
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

void TestStartup::settingsThatCannotBeStoredAreReportedOnce()
{
    MainWindow window;
    window.show();
    // A folder where the settings file belongs stops every user, root too.
    const QString file = m_settings.folder() + QStringLiteral("/Kettwerk/Kettwerk.ini");
    QFile::remove(file);
    QVERIFY(QDir().mkpath(file));
    click(control<QWidget>(&window, "cmd_mapkey"));
    click(control<QWidget>(openWindow("frm_mapkeyneu"), "cmd_mapkeyok"));
    window.close();
    QVERIFY(QDir(file).removeRecursively());
    QCOMPARE(m_messages.texts.size(), 1);
    QVERIFY2(m_messages.texts.first().contains(QDir::toNativeSeparators(file)),
             qPrintable(m_messages.texts.first()));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
