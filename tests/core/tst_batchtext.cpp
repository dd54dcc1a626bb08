#include "BatchText.h"
#include "EightBitCodec.h"
#include "Templates.h"
#include "TextReplace.h"

#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

ComposedBatch composed(const QStringList& selection, const QString& names)
{
    const QString block = replaceAll(templates::customSequenceTemplate(),
                                     QString::fromUtf16(templates::kPlaceholder), names);
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
// function block, the closing line and one more CR LF; and the replacing
// that makes the function block from the user's mapkey names.
class TestBatchText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void linesAre2Plus11PerEntry_data()
    {
        QTest::addColumn<int>("entries");
        QTest::newRow("none") << 0;
        QTest::newRow("3") << 3;
        QTest::newRow("40000, no cap at 32767, several chunks") << 40000;
    }
    void linesAre2Plus11PerEntry()
    {
        QFETCH(int, entries);
        QStringList selection; // verbatim, in order, repeats kept
        for (int i = 0; i < entries; ++i)
            selection.append(u"E:\\proj dir\\b`%1.drw"_s.arg(i / 2));
        const ComposedBatch batch = composed(selection, {});
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
            QCOMPARE(lines.at(4 + 11 * i),
                     "mapkey(continued) ~ Activate `file_open` `Open`;%;\\\r");
        }
    }

    void namesAreCopiedByteForByte()
    {
        // Blanks and tabs round a name belong to it; nothing is trimmed or quoted.
        const QByteArray bytes = composed({u" \t a b.drw\t "_s, u"ü.prt"_s}, u"rt"_s).bytes();
        QVERIFY(bytes.contains("`Inputname` ` \t a b.drw\t `;\\\r\n"));
        QVERIFY(bytes.contains("`Inputname` `\xfc.prt`;\\\r\n"));
    }

    void unencodableTextIsNamed_data()
    {
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("named"); // empty: nothing to complain about
        QTest::newRow("first of two file names")
            << QStringList{u"gut.drw"_s, u"Łódź.drw"_s, u"日本.prt"_s} << u"rt"_s
            << u"„Łódź.drw“"_s;
        QTest::newRow("mapkey names") << QStringList{u"a.drw"_s} << u"ł"_s << u"„ł“"_s;
        QTest::newRow("two code units")
            << QStringList{u"a.drw"_s} << u"\U0001F600"_s << u"„\U0001F600“"_s;
        // With no file the function block never reaches the file.
        QTest::newRow("mapkey names, no file") << QStringList() << u"ł"_s << QString();
    }
    void unencodableTextIsNamed()
    {
        QFETCH(QStringList, selection);
        QFETCH(QString, names);
        QFETCH(QString, named);
        const QString problem = composed(selection, names).encodingProblem();
        QVERIFY2(named.isEmpty() ? problem.isEmpty() : problem.contains(named),
                 qPrintable(problem));
    }

    void refusedWriteIsReported()
    {
        FullDevice full(3 << 20); // room for the first chunks, not for all
        QVERIFY(!composed(QStringList(20000, u"bracket.drw"_s), u"rt"_s).writeTo(full));
    }

    void storedFunctionBlockClosesTheNameAndContinues()
    {
        const QString block = templates::storedFunctionBlock();
        QVERIFY(block.startsWith(u"`;\\\r\nmapkey(continued) ~ Activate `file_open` `Open`;"_s));
        QVERIFY(block.endsWith(u"`file_erase` `OK`;\\\r\n"_s));
        QCOMPARE(block.count(u"\r\n"_s), 14); // and no lone CR or LF:
        QCOMPARE(block.count(u'\r') + block.count(u'\n'), 28);
    }

    void replaceFirstAndAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("first"); // Ersetzen
        QTest::addColumn<QString>("all");   // replaceAll
        const auto row = [](const char* name, const char* text, const char* search,
                            const char* replacement, const char* first, const char* all) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(search)
                                << QString::fromUtf8(replacement) << QString::fromUtf8(first)
                                << QString::fromUtf8(all);
        };
        row("at the start, twice", "abcabc", "ab", "X", "Xcabc", "XcXc");
        row("at the very end", "xyzab", "ab", "Q", "xyzQ", "xyzQ");
        row("none", "xyz", "ab", "Q", "xyz", "xyz");
        row("case-sensitive", "ABAB", "ab", "rt", "ABAB", "ABAB");
        row("shrinks to empty", "ababab", "ab", "", "abab", "");
        // Pass after pass: a replacement that forms a new occurrence is replaced too.
        row("aa by a", "aaaa", "aa", "a", "aaa", "a");
        row("equal replacement ends", "abab", "ab", "ab", "abab", "abab");
        // Would grow forever: each original occurrence once.
        row("replacement holds search", "a-a", "a", "aa", "aa-a", "aa-aa");
        row("empty search at the start", "abc", "", "X", "Xabc", "Xabc");
        row("empty text stays empty", "", "", "X", "", "");
    }
    void replaceFirstAndAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(QString, first);
        QFETCH(QString, all);
        QCOMPARE(replaceFirst(text, search, replacement), first);
        QCOMPARE(replaceAll(text, search, replacement), all);
    }
};

QTEST_APPLESS_MAIN(TestBatchText)
#include "tst_batchtext.moc"
