#include "NameFilter.h"

#include <QTest>

using kettwerk::NameFilter;

namespace {

void row(const char* tag, const char* filter, const char* name, bool expected)
{
    QTest::newRow(tag) << QString::fromUtf8(filter) << QString::fromUtf8(name) << expected;
}

} // namespace

// The browser's file-name filter: masks with * and ?, case-insensitive,
// whole names only.
class TestNameFilter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void matches_data();
    void matches();
};

void TestNameFilter::matches_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");

    row("version suffix", "*.drw*", "bracket.drw.3", true);
    row("suffix inside the name", "*.drw*", "x.drwing.prt", true);
    row("no version wanted", "*.drw", "bracket.drw.3", false);
    row("case", "*.DRW*", "Bracket.drw", true);
    row("umlaut case", "ÖL*", "öltank.prt", true);
    row("dot needs a version", "*.drw.*", "bracket.drw", false);
    row("question mark is one", "????.prt", "part.prt", true);
    row("question mark not none", "?????.prt", "part.prt", false);
    row("whole name", "part", "part.prt", false);
    row("star backtracks", "*a*b*c", "aXbYaZbc", true);
    row("star backtracks to fail", "*a*b*c", "aXbYaZb", false);
    row("brackets are literal", "a[1].drw", "a[1].drw", true);
    row("brackets are no class", "a[1].drw", "a1.drw", false);
    row("several masks, second", "*.prt;*.asm", "x.asm", true);
    row("blanks round masks", "*.prt ; *.asm", "x.asm", true);
    row("empty lets all through", "", "anything", true);
    row("star dot star without dot", "*.*", "README", true);
    row("no match at all", "*.xyz", "a.drw", false);
}

void TestNameFilter::matches()
{
    QFETCH(QString, filter);
    QFETCH(QString, name);
    QFETCH(bool, expected);
    QCOMPARE(NameFilter(filter).matches(name), expected);
}

QTEST_GUILESS_MAIN(TestNameFilter)
#include "tst_NameFilter.moc"
