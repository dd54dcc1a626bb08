#include "ExpectedBatch.h"
#include "MainWindowFixture.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

using namespace kettwerk;

// The road from a selection to doit.pro: the mapkey window, composition,
// writing and the completion window.
class TestBatchWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_ui.open(); }
    void cleanup() { m_ui.close(); }

    void writesTheBatchForOneFileByteForByte();
    void mapkeyWindowLoadsOnceAndCloseButtonDoesNothing();
    void completionWindowCloses_data();
    void completionWindowCloses();
    void failedWriteIsReportedAndChangesNothing_data();
    void failedWriteIsReportedAndChangesNothing();

private:
    MainWindowFixture m_ui;
    RecordingShell m_shell;
    Installed<platform::Shell> m_shellInstalled{&m_shell};
    SilentSound m_sound;
    Installed<ui::Sound> m_soundInstalled{&m_sound};
};

void TestBatchWindows::writesTheBatchForOneFileByteForByte()
{
    m_ui.job().setSelection({QStringLiteral("a.drw")});
    m_ui.enterMapkeys(QStringLiteral("rt"));
    QTRY_VERIFY(!openWindow("frm_mapkeyneu"));
    QCOMPARE(m_ui.text("lbl_status"), QStringLiteral("Die Datei doit.pro kann nun erzeugt werden. "
                                                     "Diese kann in Pro/E als "
                                                     "Konfigurationsdatei eingelesen werden"));
    QCOMPARE(platform::SettingsStore().get(settings::kMapkeyNames, {}), QStringLiteral("rt"));

    m_sound.played.clear();
    m_ui.press("cmd_fcreate");
    QFile written(m_ui.file(QStringLiteral("doit.pro")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), oneDrawingWithRt() + "\r\n");
    QCOMPARE(m_ui.text("lbl_status"), QStringLiteral("Datei doit.pro wurde gespeichert !"));
    QVERIFY(!m_ui.find("cmd_fcreate")->isVisible());
    QVERIFY(openWindow("frm_ok"));
    QCOMPARE(m_sound.played, QStringList{QStringLiteral("MAPKEY.WAV")});
    QVERIFY(m_ui.messages().isEmpty());
}

void TestBatchWindows::mapkeyWindowLoadsOnceAndCloseButtonDoesNothing()
{
    m_ui.press("cmd_mapkey");
    QWidget* window = openWindow("frm_mapkeyneu");
    auto* names = control<QLineEdit>(window, "txt_mapkeyname");
    QCOMPARE(names->text(), QStringLiteral("ds")); // nothing stored yet
    names->setText(QStringLiteral("typed"));
    m_ui.press("cmd_mapkey"); // shown again, not loaded anew
    QCOMPARE(openWindow("frm_mapkeyneu"), window);
    QCOMPARE(names->text(), QStringLiteral("typed"));
    window->close();
    QVERIFY(!m_ui.find("cmd_fcreate")->isVisible());
    QVERIFY(!m_ui.job().batch());
    QCOMPARE(platform::SettingsStore().get(settings::kMapkeyNames, QStringLiteral("absent")),
             QStringLiteral("absent"));

    // OK keeps the names for the next opening.
    m_ui.enterMapkeys(QStringLiteral("+;%bb;%00;"));
    QTRY_VERIFY(!openWindow("frm_mapkeyneu"));
    m_ui.press("cmd_mapkey");
    QCOMPARE(control<QLineEdit>(openWindow("frm_mapkeyneu"), "txt_mapkeyname")->text(),
             QStringLiteral("+;%bb;%00;"));
}

void TestBatchWindows::completionWindowCloses_data()
{
    QTest::addColumn<QString>("by");
    QTest::newRow("timer") << "Timer1";
    QTest::newRow("picture") << "img_fertig";
    QTest::newRow("small icon") << "img_ex6";
    QTest::newRow("edit") << "cmd_edit";
}

void TestBatchWindows::completionWindowCloses()
{
    QFETCH(QString, by);
    m_ui.enterMapkeys(QStringLiteral("rt")); // an empty selection composes too
    QCOMPARE(m_ui.job().batch()->bytes(),
             QByteArray("mapkey doit ~ ;\\\r\nmapkey(continued) ~ ;\r\n\r\n"));
    m_ui.press("cmd_fcreate");
    QWidget* done = openWindow("frm_ok");
    QVERIFY(done);
    auto* timer = control<QTimer>(done, "Timer1");
    QCOMPARE(timer->interval(), 4000);
    QVERIFY(timer->isActive());
    // "Datei editieren" opens doit.pro in the folder of this moment.
    m_ui.find<QLineEdit>("txt_pro")->setText(QStringLiteral("/elsewhere"));
    if (by == QStringLiteral("Timer1")) {
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    } else {
        timer->stop(); // only the click may close it now
        click(done->findChild<QWidget*>(by));
    }
    QTRY_VERIFY(!openWindow("frm_ok"));
    const QStringList expected = {QStringLiteral("/elsewhere/doit.pro")};
    QCOMPARE(m_shell.opened, by == QStringLiteral("cmd_edit") ? expected : QStringList());
}

void TestBatchWindows::failedWriteIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("named");
    QTest::newRow("missing folder") << "missing/deeper"
                                    << "a.drw"
                                    << "missing";
    QTest::newRow("doit.pro is a folder") << "asdir"
                                          << "a.drw"
                                          << "asdir";
    QTest::newRow("name outside the code page") << ""
                                                << "Żuraw.drw"
                                                << "Żuraw.drw";
}

void TestBatchWindows::failedWriteIsReportedAndChangesNothing()
{
    QFETCH(QString, folder);
    QFETCH(QString, entry);
    QFETCH(QString, named);
    const QString working = m_ui.file(folder);
    if (folder == QStringLiteral("asdir"))
        QVERIFY(QDir().mkpath(working + QStringLiteral("/doit.pro")));
    m_ui.find<QLineEdit>("txt_pro")->setText(working);
    m_ui.job().setSelection({QStringLiteral("ok.drw"), entry});
    m_ui.enterMapkeys(QStringLiteral("rt"));
    const QString composedStatus = m_ui.text("lbl_status");
    m_ui.press("cmd_fcreate");

    const QStringList messages = m_ui.messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(named), qPrintable(messages.first()));
    QCOMPARE(m_ui.text("lbl_status"), composedStatus);
    QVERIFY(m_ui.find("cmd_fcreate")->isVisible());
    QVERIFY(!openWindow("frm_ok"));
    QVERIFY(!QFileInfo(working + QStringLiteral("/doit.pro")).isFile());
}

QTEST_MAIN(TestBatchWindows)
#include "tst_batchwindows.moc"
