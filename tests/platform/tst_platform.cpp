#include "platform/SettingsStore.h"
#include "platform/Shell.h"

#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace Qt::StringLiterals;
using namespace kettwerk;

// The parts of the system layer that the other tests replace with stand-ins.
class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The function block spans lines and may be empty; the store must give
    // back every character, in the registry as in the INI file.
    void settingsKeepEveryValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("CR LF lines") << u"`;\\\r\nmapkey(continued) ~ eins;\r\n\r\nzwei"_s;
        QTest::newRow("lone LF and CR") << u"a\nb\rc\n"_s;
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks and umlauts") << u"  Prüfmaß ; "_s;
    }
    void settingsKeepEveryValue()
    {
        QFETCH(QString, value);
        QTemporaryDir folder;
#ifdef Q_OS_WIN
        const QString group = u"HKEY_CURRENT_USER\\Software\\Kettwerk-Tests"_s;
        const QString key = QUuid::createUuid().toString(QUuid::Id128);
        const QString root = group + u'\\' + key;
        const auto removeKey =
            qScopeGuard([&] { QSettings(group, QSettings::NativeFormat).remove(key); });
#else
        const QString root = folder.filePath(u"Kettwerk.ini"_s);
#endif
        const QByteArray before = qgetenv("KETTWERK_SETTINGS_ROOT");
        const auto restoreRoot = qScopeGuard([&] { qputenv("KETTWERK_SETTINGS_ROOT", before); });
        qputenv("KETTWERK_SETTINGS_ROOT", root.toUtf8());
        {
            platform::SettingsStore store;
            QVERIFY2(store.location().contains(root.section(u'\\', -1)),
                     qPrintable(store.location()));
            store.set(u"txt_individ"_s, value);
            const kettwerk::Result<> stored = store.sync();
            QVERIFY2(stored.ok(), qPrintable(stored.error()));
        }
        const platform::SettingsStore store;
        QCOMPARE(store.get(u"txt_individ"_s, u"absent"_s), value);
        QCOMPARE(store.get(u"txt_pro"_s, u"absent"_s), u"absent"_s);
    }
    void shellReportsWhatItCannotOpen()
    {
#ifndef Q_OS_WIN
        QSKIP("xdg-open answers only after it has started; only ShellExecute says why at once.");
#else
        QTemporaryDir folder;
        const QString missing = QDir::toNativeSeparators(folder.filePath(u"doit.pro"_s));
        const Result<> result = platform::Shell::system().open(missing);
        QVERIFY(!result.ok());
        QVERIFY2(result.error().contains(missing) && result.error().contains(u"nicht gefunden"_s),
                 qPrintable(result.error()));
#endif
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
