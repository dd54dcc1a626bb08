#include "platform/EightBitCodec.h"
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
    // The ends of the code page's ranges: a no-break space comes with lists
    // pasted from office programs.
    void codePageEdges_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes"); // empty: no byte for its last character
        QTest::newRow("€, 0x80") << u"a€"_s << "a\x80"_ba;
        QTest::newRow("Ÿ, 0x9F") << u"Ÿ"_s << "\x9f"_ba;
        QTest::newRow("no-break space, 0xA0") << u"a\u00a0b"_s
                                              << "a\xa0"
                                                 "b"_ba;
        QTest::newRow("ÿ, 0xFF") << u"ÿ"_s << "\xff"_ba;
        QTest::newRow("0x81 has no sign of its own") << u"\u0081"_s << "\x81"_ba;
        QTest::newRow("Ł has no byte") << u"aŁ"_s << QByteArray();
    }
    void codePageEdges()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const platform::Windows1252Codec codec;
        QByteArray encoded;
        QCOMPARE(codec.encode(text, encoded), bytes.isEmpty() ? text.size() - 1 : -1);
        if (!bytes.isEmpty()) {
            QCOMPARE(encoded, bytes);
            QCOMPARE(codec.decode(bytes), text);
        }
    }
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
