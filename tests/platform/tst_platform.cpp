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
    // The ends of the code page's ranges, 0x80 to 0x9F (0x81 signless) and
    // 0xA0 to 0xFF: a no-break space comes with lists pasted from office
    // programs. Encoding stops at the first character without a byte.
    void codePageEdges()
    {
        const platform::Windows1252Codec codec;
        const QString text = u"a€\u0081Ÿ\u00a0ÿ"_s;
        const QByteArray bytes = "a\x80\x81\x9f\xa0\xff"_ba;
        QByteArray encoded;
        QCOMPARE(codec.encode(text, encoded), -1);
        QCOMPARE(std::pair(encoded, codec.decode(bytes)), std::pair(bytes, text));
        QCOMPARE(codec.encode(u"aŁ"_s, encoded), 1);
    }
    // The function block spans lines and may be empty; the store must give
    // back every character, in the registry as in the INI file.
    void settingsKeepEveryValue()
    {
        const QStringList values = {u"`;\\\r\nmapkey(continued) ~ eins;\r\n\r\nzwei\nb\rc\n"_s,
                                    QString(), u"  Prüfmaß ; "_s};
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
        qputenv("KETTWERK_SETTINGS_ROOT", root.toUtf8());
        {
            platform::SettingsStore store;
            QVERIFY(store.location().contains(root.section(u'\\', -1)));
            for (qsizetype i = 0; i < values.size(); ++i)
                store.set(u"txt_individ%1"_s.arg(i), values[i]);
            QCOMPARE(store.sync().error(), QString());
        }
        const platform::SettingsStore store;
        for (qsizetype i = 0; i < values.size(); ++i)
            QCOMPARE(store.get(u"txt_individ%1"_s.arg(i), u"absent"_s), values[i]);
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
