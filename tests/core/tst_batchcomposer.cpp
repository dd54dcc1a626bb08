#include "BatchComposer.h"
#include "ExpectedBatch.h"
#include "Templates.h"
#include "TextReplace.h"

#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

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
    void oneEntryGivesTheThirteenLines();
    void linesAre2Plus11PerEntry_data();
    void linesAre2Plus11PerEntry();
    void storedFunctionBlockClosesTheNameAndContinues();
};

void TestBatchComposer::oneEntryGivesTheThirteenLines()
{
    const QString expected = QString::fromLatin1(oneDrawingWithRt());
    const QString text = composeBatch(BatchPieces::stored(), {u"a.drw"_s}, customBlock(u"rt"_s));
    QCOMPARE(text.split(u"\r\n"_s), expected.split(u"\r\n"_s)); // by lines, to show where
}

void TestBatchComposer::linesAre2Plus11PerEntry_data()
{
    QTest::addColumn<int>("entries");
    QTest::newRow("none") << 0;
    QTest::newRow("3") << 3;
    QTest::newRow("40000, no cap at 32767") << 40000;
}

void TestBatchComposer::linesAre2Plus11PerEntry()
{
    QFETCH(int, entries);
    QStringList selection; // verbatim, in order, repeats kept
    for (int i = 0; i < entries; ++i)
        selection.append(u"E:\\proj dir\\b`%1.drw"_s.arg(i / 2));
    const QString text = composeBatch(BatchPieces::stored(), selection, customBlock({}));
    QStringList lines = text.split(u"\r\n"_s);
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 2 + 11 * entries);
    QCOMPARE(lines.first(), u"mapkey doit ~ ;\\"_s);
    QCOMPARE(lines.last(), u"mapkey(continued) ~ ;"_s);
    const QString seam = u"mapkey(continued) ~ Update `file_open` `Inputname` `%1`;\\"_s;
    for (int i = 0; i < entries; ++i) {
        QCOMPARE(lines.at(3 + 11 * i), seam.arg(selection.at(i)));
        QCOMPARE(lines.at(4 + 11 * i), u"mapkey(continued) ~ Activate `file_open` `Open`;%;\\"_s);
    }
}

void TestBatchComposer::storedFunctionBlockClosesTheNameAndContinues()
{
    const QString block = templates::storedFunctionBlock();
    QCOMPARE(block.size(), 998);
    QVERIFY(block.startsWith(u"`;\\\r\nmapkey(continued) ~ Activate `file_open` `Open`;"_s));
    QVERIFY(block.endsWith(u"`file_erase` `OK`;\\\r\n"_s));
    QCOMPARE(block.count(u"\r\n"_s), 14); // and no lone CR or LF:
    QCOMPARE(block.count(u'\r') + block.count(u'\n'), 28);
}

QTEST_APPLESS_MAIN(TestBatchComposer)
#include "tst_batchcomposer.moc"
