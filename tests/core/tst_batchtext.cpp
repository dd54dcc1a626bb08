#include "BatchText.h"
#include "EightBitCodec.h"
#include "ExpectedBatch.h"
#include "Templates.h"
#include "TextReplace.h"

#include <QBuffer>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

QString customBlock(const QString& names)
{
    return replaceAll(templates::customSequenceTemplate(),
                      QString::fromUtf16(templates::kPlaceholder), names);
}

ComposedBatch composed(const QStringList& selection, const QString& block)
{
    return ComposedBatch(BatchFrame::stored(), selection, block, platform::Windows1252Codec());
}

// A device that takes `room` bytes and then refuses, like a full disk.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room) : m_room(room) { open(WriteOnly); }
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (size > m_room)
            return -1;
        m_room -= size;
        return size;
    }

private:
    qint64 m_room;
};

} // namespace

// The bytes of doit.pro: header, per file the open step, the name and the
// function block, the closing line and one more CR LF.
class TestBatchText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oneEntryGivesTheThirteenLines();
    void linesAre2Plus11PerEntry_data();
    void linesAre2Plus11PerEntry();
    void namesAreCopiedByteForByte();
    void unencodableTextIsNamed_data();
    void unencodableTextIsNamed();
    void refusedWriteIsReported();
    void storedFunctionBlockClosesTheNameAndContinues();
};

void TestBatchText::oneEntryGivesTheThirteenLines()
{
    const QByteArray bytes = composed({u"a.drw"_s}, customBlock(u"rt"_s)).bytes();
    // Compared by lines, so that a failure shows where.
    QCOMPARE(bytes.split('\n'), (oneDrawingWithRt() + "\r\n").split('\n'));
}

void TestBatchText::linesAre2Plus11PerEntry_data()
{
    QTest::addColumn<int>("entries");
    QTest::newRow("none") << 0;
    QTest::newRow("3") << 3;
    QTest::newRow("40000, no cap at 32767, several chunks") << 40000;
}

void TestBatchText::linesAre2Plus11PerEntry()
{
    QFETCH(int, entries);
    QStringList selection; // verbatim, in order, repeats kept
    for (int i = 0; i < entries; ++i)
        selection.append(u"E:\\proj dir\\b`%1.drw"_s.arg(i / 2));
    const ComposedBatch batch = composed(selection, customBlock({}));
    QVERIFY(batch.encodingProblem().isEmpty());
    QList<QByteArray> lines = batch.bytes().split('\n');
    QCOMPARE(lines.takeLast(), QByteArray());
    QCOMPARE(lines.takeLast(), QByteArray("\r")); // the one CR LF after the closing line
    QCOMPARE(lines.size(), 2 + 11 * entries);
    QCOMPARE(lines.first(), QByteArray("mapkey doit ~ ;\\\r"));
    QCOMPARE(lines.last(), QByteArray("mapkey(continued) ~ ;\r"));
    const QString seam = u"mapkey(continued) ~ Update `file_open` `Inputname` `%1`;\\\r"_s;
    for (int i = 0; i < entries; ++i) {
        QCOMPARE(lines.at(3 + 11 * i), seam.arg(selection.at(i)).toLatin1());
        QCOMPARE(lines.at(4 + 11 * i), "mapkey(continued) ~ Activate `file_open` `Open`;%;\\\r");
    }
}

void TestBatchText::namesAreCopiedByteForByte()
{
    // Blanks and tabs round a name belong to it; nothing is trimmed or quoted.
    const QByteArray bytes = composed({u" \t a b.drw\t "_s, u"ü.prt"_s}, u"`;\\\r\n"_s).bytes();
    QVERIFY(bytes.contains("`Inputname` ` \t a b.drw\t `;\\\r\n"));
    QVERIFY(bytes.contains("`Inputname` `\xfc.prt`;\\\r\n"));
}

void TestBatchText::unencodableTextIsNamed_data()
{
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("named"); // empty: nothing to complain about
    QTest::newRow("first of two file names")
        << QStringList{u"gut.drw"_s, u"Łódź.drw"_s, u"日本.prt"_s} << u"rt"_s << u"„Łódź.drw“"_s;
    QTest::newRow("mapkey names") << QStringList{u"a.drw"_s} << u"ł"_s << u"„ł“"_s;
    QTest::newRow("two code units")
        << QStringList{u"a.drw"_s} << u"\U0001F600"_s << u"„\U0001F600“"_s;
    // With no file the function block never reaches the file.
    QTest::newRow("mapkey names, no file") << QStringList() << u"ł"_s << QString();
}

void TestBatchText::unencodableTextIsNamed()
{
    QFETCH(QStringList, selection);
    QFETCH(QString, names);
    QFETCH(QString, named);
    const ComposedBatch batch = composed(selection, customBlock(names));
    if (named.isEmpty())
        QVERIFY2(batch.encodingProblem().isEmpty(), qPrintable(batch.encodingProblem()));
    else
        QVERIFY2(batch.encodingProblem().contains(named), qPrintable(batch.encodingProblem()));
}

void TestBatchText::refusedWriteIsReported()
{
    const ComposedBatch batch =
        composed(QStringList(20000, u"bracket.drw"_s), customBlock(u"rt"_s));
    FullDevice full(3 << 20); // room for the first chunks, not for all
    QVERIFY(!batch.writeTo(full));
    QByteArray all;
    QBuffer buffer(&all);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(batch.writeTo(buffer));
    // Header, per file the open step without its CR LF, the name and the
    // block with "rt" for the placeholder, closing line, CR LF.
    QCOMPARE(all.size(), 18 + 20000 * (214 + 11 + 517 - 11 + 2) + 23 + 2);
}

void TestBatchText::storedFunctionBlockClosesTheNameAndContinues()
{
    const QString block = templates::storedFunctionBlock();
    QCOMPARE(block.size(), 998);
    QVERIFY(block.startsWith(u"`;\\\r\nmapkey(continued) ~ Activate `file_open` `Open`;"_s));
    QVERIFY(block.endsWith(u"`file_erase` `OK`;\\\r\n"_s));
    QCOMPARE(block.count(u"\r\n"_s), 14); // and no lone CR or LF:
    QCOMPARE(block.count(u'\r') + block.count(u'\n'), 28);
}

QTEST_APPLESS_MAIN(TestBatchText)
#include "tst_batchtext.moc"
