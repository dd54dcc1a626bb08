#include "ListText.h"
#include "NameFilter.h"
#include "NameRules.h"

#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

static bool matches(const char* filter, const char* name)
{
    return NameFilter(QString::fromUtf8(filter)).matches(QString::fromUtf8(name));
}

// How a pasted text becomes entries, how the browser filters names, and how
// an entry is cut into the name that Pro/ENGINEER is told to open.
class NameRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines()
    {
        QCOMPARE(splitLines(QString()), QStringList());
        QCOMPARE(splitLines(u"a\r\nb\rc\nd"_s), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
        // LF CR and CR CR LF are two breaks each; a break at the end opens no line.
        QCOMPARE(splitLines(u"a\n\rb\r\r\nc\r\n"_s),
                 (QStringList{u"a"_s, QString(), u"b"_s, QString(), u"c"_s}));
    }

    void entries()
    {
        QCOMPARE(listEntries(u"Name\r\nbracket.drw\r\n\r\nplate.prt\nName\nplate.prt"_s),
                 (QStringList{u"bracket.drw"_s, u"plate.prt"_s, u"plate.prt"_s}));
        // Only the exact header goes; nothing is trimmed or re-encoded.
        const QString kept =
            u"name\nNAME\n Name\nName \nName\tRev\n   \n\tE:\\x\\Träger€\U0001F600.drw.3 "_s;
        QCOMPARE(listEntries(kept), kept.split(u'\n'));
    }

    // Masks with * and ?, case-insensitive, whole names only.
    void filter()
    {
        QVERIFY(matches("*.drw*", "bracket.drw.3"));
        QVERIFY(!matches("*.drw", "bracket.drw.3"));
        QVERIFY(!matches("*.drw.*", "bracket.drw"));
        QVERIFY(!matches("art*", "part.prt"));
        QVERIFY(matches("öL*.Drw", "ÖlTank.dRW"));
        QVERIFY(matches("????.prt", "part.prt"));
        QVERIFY(!matches("?????.prt", "part.prt"));
        QVERIFY(matches("*a*b*c", "aXbYaZbc"));
        QVERIFY(matches("a[1].drw", "a[1].drw"));
        QVERIFY(matches("*.prt ; *.asm", "x.asm"));
        QVERIFY(matches("", "anything"));
        QVERIFY(matches("*.*", "README"));
    }

    void pieces_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("reduced");
        const auto row = [](const char* entry, const char* name, const char* suffix,
                            const char* reduced) {
            QTest::newRow(entry) << QString::fromUtf8(entry) << QString::fromUtf8(name)
                                 << QString::fromUtf8(suffix) << QString::fromUtf8(reduced);
        };
        row("E:\\proj\\bracket.drw.3", "bracket", ".drw", "bracket.drw");
        row("bracket.drw.3", "bracket", ".drw", "bracket.drw");
        row("my.dir\\bracket.drw", "bracket", ".drw", "bracket.drw");
        row("E:\\a.b\\bracket", "bracket", "", "bracket");
        // A dot with nothing behind it never replaces a suffix already found.
        row("bracket..drw", "bracket", ".drw", "bracket.drw");
        // The drive is told by the second character; only "\" separates folders.
        row("E:bracket.drw", "bracket", ".drw", "bracket.drw");
        row("ab:c.prt", "ab:c", ".prt", "ab:c.prt");
        row("proj/bracket.drw", "proj/bracket", ".drw", "proj/bracket.drw");
        row("C:\\temp\\", "temp\\", "", "temp\\");
        // Reducing drops blanks round the bare name only; tabs stay.
        row("  bracket  .drw", "  bracket  ", ".drw", "bracket.drw");
        row("bracket.drw  ", "bracket", ".drw  ", "bracket.drw  ");
        row("bracket.drw.3  ", "bracket", ".drw", "bracket.drw");
        row("\tbracket.drw\t", "\tbracket", ".drw\t", "\tbracket.drw\t");
    }
    void pieces()
    {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(QString, suffix);
        QFETCH(QString, reduced);
        QCOMPARE(bareName(entry), name);
        QCOMPARE(typeSuffix(entry), suffix);
        QCOMPARE(reducedName(entry), reduced);
    }

    void repeats()
    {
        // The first of each text stays, in order; case matters, empty texts are
        // never repeats, blanks are not empty.
        QCOMPARE(removeRepeats({u"b"_s, {}, u"a"_s, u" "_s, u"b"_s, {}, u" "_s, u"a"_s, u"B"_s}),
                 (QStringList{u"b"_s, {}, u"a"_s, u" "_s, {}, u"B"_s}));
        // The hand-over reduces first, then drops repeats.
        QCOMPARE(handOver({u"E:\\proj\\bracket.drw.3"_s, u"  "_s, u"bracket.drw.4"_s,
                           u"plate.prt"_s, u" "_s}),
                 (QStringList{u"bracket.drw"_s, {}, u"plate.prt"_s, {}}));
    }
};

QTEST_APPLESS_MAIN(NameRulesTest)
#include "tst_namerules.moc"
