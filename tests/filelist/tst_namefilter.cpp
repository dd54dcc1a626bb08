#include "NameFilter.h"

#include <QTest>

static bool matches(const char* filter, const char* name)
{
    return kettwerk::NameFilter(QString::fromUtf8(filter)).matches(QString::fromUtf8(name));
}

// The browser's file-name filter: masks with * and ?, case-insensitive,
// whole names only.
class NameFilterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matching()
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
};

QTEST_APPLESS_MAIN(NameFilterTest)
#include "tst_namefilter.moc"
