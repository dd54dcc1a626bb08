#include "NameRules.h"

#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

class NameRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        // The drive is told by the second character.
        row("E:bracket.drw", "bracket", ".drw", "bracket.drw");
        row("ab:c.prt", "ab:c", ".prt", "ab:c.prt");
        // A slash ends a folder too, as lists made on POSIX systems have it.
        row("proj/bracket.drw", "bracket", ".drw", "bracket.drw");
        row("./a.drw", "a", ".drw", "a.drw");
        row("../x.asm.4", "x", ".asm", "x.asm");
        row("/home/u.v/q.drw.3", "q", ".drw", "q.drw");
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
    }

    void handOverReducesThenDropsRepeats()
    {
        const QStringList marked{u"E:\\proj\\bracket.drw.3"_s, u"  "_s, u"bracket.drw.4"_s,
                                 u"plate.prt"_s, u" "_s};
        QCOMPARE(handOver(marked), (QStringList{u"bracket.drw"_s, {}, u"plate.prt"_s, {}}));
    }
};

QTEST_APPLESS_MAIN(NameRulesTest)
#include "tst_namerules.moc"
