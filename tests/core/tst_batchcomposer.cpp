#include "BatchComposer.h"
#include "Templates.h"
#include "TextReplace.h"

#include <QTest>

using namespace kettwerk;

namespace {

QStringList linesOf(const QString& text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString customBlock(const QString& names)
{
    return replaceAll(templates::customTemplate(), QString::fromUtf16(templates::kPlaceholder),
                      names);
}

} // namespace

class TestBatchComposer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void storedBlocksHaveTheirLengths_data();
    void storedBlocksHaveTheirLengths();
    void autoBlockEndsTheMapkeyBeforeTheClosingComment();
    void emptySelectionIsHeaderAndClosingLine();
    void oneEntryGivesThirteenLines();
    void linesGrowByElevenPerEntry_data();
    void linesGrowByElevenPerEntry();
    void entriesGoInVerbatimAndInOrder();
    void secondCompositionStartsAfresh();
    void largeSelectionIsNotCapped();
};

void TestBatchComposer::storedBlocksHaveTheirLengths_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("lines");
    QTest::newRow("header") << templates::headerBlock() << 18 << 1;
    QTest::newRow("open step") << templates::openStep() << 216 << 3;
    QTest::newRow("closing") << templates::closingLine() << 23 << 1;
    QTest::newRow("custom template") << templates::customTemplate() << 517 << 9;
    QTest::newRow("stored function") << templates::storedFunctionBlock() << 998 << 14;
}

void TestBatchComposer::storedBlocksHaveTheirLengths()
{
    QFETCH(QString, block);
    QFETCH(int, length);
    QFETCH(int, lines);
    QCOMPARE(block.size(), length);
    QVERIFY(block.endsWith(QStringLiteral("\r\n")));
    QCOMPARE(block.count(QStringLiteral("\r\n")), lines);
    // No line break of another kind may hide inside a block.
    QCOMPARE(block.count(u'\n'), lines);
    QCOMPARE(block.count(u'\r'), lines);
}

void TestBatchComposer::autoBlockEndsTheMapkeyBeforeTheClosingComment()
{
    const QStringList items = templates::autoBlock();
    QCOMPARE(items.size(), 11);
    QCOMPARE(items.first(), QStringLiteral("! Mapkey zum ausfuehren der doit.pro"));
    QCOMPARE(items.last(), QStringLiteral("!"));
    QVERIFY(items.at(9).endsWith(QStringLiteral("%doit;")));
    for (int i = 1; i < 9; ++i)
        QVERIFY2(items.at(i).endsWith(QStringLiteral(";\\")), qPrintable(items.at(i)));
}

void TestBatchComposer::emptySelectionIsHeaderAndClosingLine()
{
    QCOMPARE(composeBatch(BatchPieces::stored(), {}, customBlock(QStringLiteral("rt"))),
             QStringLiteral("mapkey doit ~ ;\\\r\nmapkey(continued) ~ ;\r\n"));
}

void TestBatchComposer::oneEntryGivesThirteenLines()
{
    const QString text = composeBatch(BatchPieces::stored(), {QStringLiteral("a.drw")},
                                      customBlock(QStringLiteral("rt")));
    const QStringList lines = linesOf(text);
    QCOMPARE(lines.size(), 13);
    QCOMPARE(lines.at(0), QStringLiteral("mapkey doit ~ ;\\"));
    QCOMPARE(lines.at(3),
             QStringLiteral("mapkey(continued) ~ Update `file_open` `Inputname` `a.drw`;\\"));
    QCOMPARE(lines.at(4), QStringLiteral("mapkey(continued) ~ Activate `file_open` `Open`;%rt;\\"));
    QCOMPARE(lines.at(12), QStringLiteral("mapkey(continued) ~ ;"));
    // Every line but the last continues the one mapkey.
    for (int i = 0; i < 12; ++i)
        QVERIFY2(lines.at(i).endsWith(QStringLiteral(";\\")), qPrintable(lines.at(i)));
    // The template's other lines stay as stored.
    const QStringList templateLines = linesOf(templates::customTemplate());
    for (int i = 2; i < 9; ++i)
        QCOMPARE(lines.at(3 + i), templateLines.at(i));
}

void TestBatchComposer::linesGrowByElevenPerEntry_data()
{
    QTest::addColumn<int>("entries");
    QTest::newRow("2") << 2;
    QTest::newRow("7") << 7;
    QTest::newRow("100") << 100;
}

void TestBatchComposer::linesGrowByElevenPerEntry()
{
    QFETCH(int, entries);
    QStringList selection;
    for (int i = 0; i < entries; ++i)
        selection.append(QStringLiteral("part%1.prt").arg(i));
    const QString text =
        composeBatch(BatchPieces::stored(), selection, customBlock(QStringLiteral("+;%bb;%00;")));
    QCOMPARE(linesOf(text).size(), 2 + 11 * entries);
}

void TestBatchComposer::entriesGoInVerbatimAndInOrder()
{
    const QStringList selection = {QStringLiteral("E:\\proj dir\\b c.drw"),
                                   QStringLiteral("x`y.prt"), QStringLiteral("a.drw"),
                                   QStringLiteral("a.drw")};
    const QString text = composeBatch(BatchPieces::stored(), selection, customBlock({}));
    const QStringList lines = linesOf(text);
    const QString seam =
        QStringLiteral("mapkey(continued) ~ Update `file_open` `Inputname` `%1`;\\");
    for (int i = 0; i < selection.size(); ++i)
        QCOMPARE(lines.at(3 + 11 * i), seam.arg(selection.at(i)));
    // An empty entry of names leaves "%" directly before ";".
    QVERIFY(lines.at(4).endsWith(QStringLiteral("`Open`;%;\\")));
}

void TestBatchComposer::secondCompositionStartsAfresh()
{
    const BatchPieces pieces = BatchPieces::stored();
    composeBatch(pieces, {QStringLiteral("first.drw")}, customBlock(QStringLiteral("one")));
    const QString second =
        composeBatch(pieces, {QStringLiteral("second.drw")}, customBlock(QStringLiteral("two")));
    QVERIFY(second.startsWith(templates::headerBlock()));
    QCOMPARE(second.count(templates::headerBlock()), 1);
    QVERIFY(!second.contains(QStringLiteral("first.drw")));
    QVERIFY(!second.contains(QStringLiteral("%one;")));
    QVERIFY(second.contains(QStringLiteral("%two;")));
}

void TestBatchComposer::largeSelectionIsNotCapped()
{
    QStringList selection;
    for (int i = 0; i < 40000; ++i)
        selection.append(QStringLiteral("f%1.drw").arg(i));
    const QString text = composeBatch(BatchPieces::stored(), selection, customBlock({}));
    QCOMPARE(text.count(QStringLiteral("\r\n")), 2 + 11 * 40000);
    QVERIFY(text.contains(QStringLiteral("`f39999.drw`;\\")));
}

QTEST_APPLESS_MAIN(TestBatchComposer)
#include "tst_batchcomposer.moc"
