#include "NameRules.h"

#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

class NameRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pieces_data();
    void pieces();
    void reduced_data();
    void reduced();
    void repeats_data();
    void repeats();
    void repeatsOfLongList();
    void handOver_data();
    void handOver();
};

void NameRulesTest::pieces_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("suffix");

    // The forms an entry is documented to take.
    QTest::newRow("drive, folders, version")
        << u"E:\\proj\\bracket.drw.3"_s << u"bracket"_s << u".drw"_s;
    QTest::newRow("name and type") << u"bracket.drw"_s << u"bracket"_s << u".drw"_s;
    QTest::newRow("version") << u"bracket.drw.3"_s << u"bracket"_s << u".drw"_s;
    QTest::newRow("dotted folder") << u"my.dir\\bracket.drw"_s << u"bracket"_s << u".drw"_s;
    QTest::newRow("dotted folder, no type") << u"E:\\a.b\\bracket"_s << u"bracket"_s << QString();
    QTest::newRow("bare name") << u"bracket"_s << u"bracket"_s << QString();
    QTest::newRow("network path") << u"\\\\srv\\share\\plate.prt"_s << u"plate"_s << u".prt"_s;

    // Dots with nothing behind them never replace a suffix already found.
    QTest::newRow("double dot") << u"bracket..drw"_s << u"bracket"_s << u".drw"_s;
    QTest::newRow("trailing dot") << u"bracket.drw."_s << u"bracket"_s << u".drw"_s;
    QTest::newRow("only a suffix") << u".drw"_s << QString() << u".drw"_s;
    QTest::newRow("leading dot, version") << u".drw.3"_s << QString() << u".drw"_s;

    // The drive is recognised by the second character alone.
    QTest::newRow("drive without backslash") << u"E:bracket.drw"_s << u"bracket"_s << u".drw"_s;
    QTest::newRow("drive only") << u"E:"_s << QString() << QString();
    QTest::newRow("colon later is no drive") << u"ab:c.prt"_s << u"ab:c"_s << u".prt"_s;

    // Only the backslash separates folders.
    QTest::newRow("forward slashes") << u"proj/bracket.drw"_s << u"proj/bracket"_s << u".drw"_s;
    QTest::newRow("trailing backslash") << u"C:\\temp\\"_s << u"temp\\"_s << QString();

    // Blanks are part of the pieces; trimming is left to the hand-over.
    QTest::newRow("leading blanks") << u"   bracket.drw"_s << u"   bracket"_s << u".drw"_s;
    QTest::newRow("trailing blanks") << u"bracket.drw  "_s << u"bracket"_s << u".drw  "_s;
    QTest::newRow("blanks after version") << u"bracket.drw.3  "_s << u"bracket"_s << u".drw"_s;
    QTest::newRow("blanks only") << u"   "_s << u"   "_s << QString();
    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("umlaut") << u"D:\\Bügel\\Träger.asm.12"_s << u"Träger"_s << u".asm"_s;
}

void NameRulesTest::pieces()
{
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, suffix);
    QCOMPARE(Dateiname(entry), name);
    QCOMPARE(Endung(entry), suffix);
}

void NameRulesTest::reduced_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("reduced");

    QTest::newRow("full path") << u"E:\\proj\\bracket.drw.3"_s << u"bracket.drw"_s;
    QTest::newRow("leading blanks go") << u"   bracket.drw"_s << u"bracket.drw"_s;
    QTest::newRow("blanks behind type stay") << u"bracket.drw   "_s << u"bracket.drw   "_s;
    QTest::newRow("blanks behind version go") << u"bracket.drw.3   "_s << u"bracket.drw"_s;
    QTest::newRow("blanks before dot go") << u"  bracket  .drw"_s << u"bracket.drw"_s;
    QTest::newRow("blanks only") << u"    "_s << QString();
    QTest::newRow("tab stays") << u"\tbracket.drw\t"_s << u"\tbracket.drw\t"_s;
    QTest::newRow("no type") << u"bracket"_s << u"bracket"_s;
    QTest::newRow("drive without backslash") << u"E:bracket.drw"_s << u"bracket.drw"_s;
    QTest::newRow("forward slashes") << u"proj/bracket.drw"_s << u"proj/bracket.drw"_s;
}

void NameRulesTest::reduced()
{
    QFETCH(QString, entry);
    QFETCH(QString, reduced);
    QCOMPARE(reducedName(entry), reduced);
}

void NameRulesTest::repeats_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("first occurrence kept in order")
        << QStringList{u"b"_s, u"a"_s, u"b"_s, u"c"_s, u"a"_s}
        << QStringList{u"b"_s, u"a"_s, u"c"_s};
    QTest::newRow("case matters") << QStringList{u"Bracket.drw"_s, u"bracket.drw"_s}
                                  << QStringList{u"Bracket.drw"_s, u"bracket.drw"_s};
    QTest::newRow("empty texts all survive")
        << QStringList{QString(), u"a"_s, QString(), u"a"_s, QString()}
        << QStringList{QString(), u"a"_s, QString(), QString()};
    QTest::newRow("blanks are not empty")
        << QStringList{u" "_s, u" "_s, u"  "_s} << QStringList{u" "_s, u"  "_s};
}

void NameRulesTest::repeats()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, kept);
    QCOMPARE(DoppelteEntfernen(texts), kept);
}

void NameRulesTest::repeatsOfLongList()
{
    // Far beyond what a 16-bit list could hold: nothing is cut off.
    QStringList texts;
    QStringList expected;
    for (int i = 0; i < 100000; ++i) {
        texts.append(QString::number(i % 40000));
        if (i < 40000)
            expected.append(QString::number(i));
    }
    QCOMPARE(DoppelteEntfernen(texts), expected);
}

void NameRulesTest::handOver_data()
{
    QTest::addColumn<QStringList>("marked");
    QTest::addColumn<QStringList>("selection");

    QTest::newRow("versions of one drawing")
        << QStringList{u"E:\\proj\\bracket.drw.3"_s, u"bracket.drw.4"_s, u"plate.prt"_s}
        << QStringList{u"bracket.drw"_s, u"plate.prt"_s};
    QTest::newRow("repeat found after reducing")
        << QStringList{u"a.prt"_s, u"  a.prt"_s} << QStringList{u"a.prt"_s};
    QTest::newRow("case matters") << QStringList{u"Bracket.drw"_s, u"bracket.drw"_s}
                                  << QStringList{u"Bracket.drw"_s, u"bracket.drw"_s};
    QTest::newRow("blank entries stay apart") << QStringList{u"   "_s, u"a.drw"_s, u" "_s}
                                              << QStringList{QString(), u"a.drw"_s, QString()};
    QTest::newRow("one entry") << QStringList{u"plate.prt.7"_s} << QStringList{u"plate.prt"_s};
}

void NameRulesTest::handOver()
{
    QFETCH(QStringList, marked);
    QFETCH(QStringList, selection);
    QCOMPARE(kettwerk::handOver(marked), selection);
}

QTEST_APPLESS_MAIN(NameRulesTest)
#include "tst_namerules.moc"
