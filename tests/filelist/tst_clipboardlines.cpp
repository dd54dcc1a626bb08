#include "ClipboardLines.h"

#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

class ClipboardLinesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void entries_data();
    void entries();
};

void ClipboardLinesTest::lines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty text") << QString() << QStringList();
    QTest::newRow("no break") << u"a"_s << QStringList{u"a"_s};
    QTest::newRow("CR LF") << u"a\r\nb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone CR") << u"a\rb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone LF") << u"a\nb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("mixed breaks") << u"a\r\nb\nc\rd"_s
                                  << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};

    // One break at the end closes the last line; it opens no new one.
    QTest::newRow("trailing CR LF") << u"a\r\nb\r\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("trailing LF") << u"a\nb\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("trailing CR") << u"a\r"_s << QStringList{u"a"_s};
    QTest::newRow("break only") << u"\r\n"_s << QStringList{QString()};

    // Two breaks in a row enclose an empty line, whatever their kind.
    QTest::newRow("empty line CR LF") << u"a\r\n\r\nb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("empty line LF") << u"a\n\nb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("LF then CR") << u"a\n\rb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("CR then CR LF") << u"a\r\r\nb"_s << QStringList{u"a"_s, QString(), u"b"_s};
    QTest::newRow("blanks and tabs kept") << u" a\t1 \r\n\t"_s << QStringList{u" a\t1 "_s, u"\t"_s};
}

void ClipboardLinesTest::lines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
}

void ClipboardLinesTest::entries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("empty text") << QString() << QStringList();
    QTest::newRow("breaks only") << u"\r\n\n\r"_s << QStringList();
    QTest::newRow("header only") << u"Name\r\n"_s << QStringList();
    QTest::newRow("table column") << u"Name\r\nbracket.drw\r\n\r\nplate.prt"_s
                                  << QStringList{u"bracket.drw"_s, u"plate.prt"_s};
    QTest::newRow("header only when exact")
        << u"name\r\nNAME\r\n Name\r\nName \r\nName\tRev\r\nName\r\n"_s
        << QStringList{u"name"_s, u"NAME"_s, u" Name"_s, u"Name "_s, u"Name\tRev"_s};
    QTest::newRow("header anywhere")
        << u"a.drw\nName\nb.drw\n"_s << QStringList{u"a.drw"_s, u"b.drw"_s};
    QTest::newRow("blank line kept")
        << u"a.drw\r\n   \r\nb.drw"_s << QStringList{u"a.drw"_s, u"   "_s, u"b.drw"_s};
    QTest::newRow("columns keep their tabs")
        << u"a.drw\t3\tFreigegeben\r\n"_s << QStringList{u"a.drw\t3\tFreigegeben"_s};
    QTest::newRow("repeats kept") << u"a.drw\r\na.drw\r\n"_s << QStringList{u"a.drw"_s, u"a.drw"_s};
    QTest::newRow("LF ends") << u"a.drw\nb.prt\n"_s << QStringList{u"a.drw"_s, u"b.prt"_s};
    QTest::newRow("no trimming") << u"  E:\\x\\a.drw.3  \r\n"_s
                                 << QStringList{u"  E:\\x\\a.drw.3  "_s};
    // Characters that no 8-bit code page holds come through unchanged; the
    // writer of the batch file is the one to complain about them.
    QTest::newRow("beyond code page")
        << u"Träger€.drw\r\n零件.prt\r\n\U0001F600.asm"_s
        << QStringList{u"Träger€.drw"_s, u"零件.prt"_s, u"\U0001F600.asm"_s};
}

void ClipboardLinesTest::entries()
{
    QFETCH(QString, text);
    QFETCH(QStringList, entries);
    QCOMPARE(clipboardEntries(text), entries);
}

QTEST_APPLESS_MAIN(ClipboardLinesTest)
#include "tst_clipboardlines.moc"
