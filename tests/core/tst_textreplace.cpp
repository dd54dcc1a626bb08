#include "TextReplace.h"

#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

class TestTextReplace : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void replaceFirstAndAll_data();
    void replaceFirstAndAll();
};

void TestTextReplace::replaceFirstAndAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("first"); // Ersetzen
    QTest::addColumn<QString>("all");   // replaceAll
    QTest::newRow("at the start, twice")
        << u"abcabc"_s << u"ab"_s << u"X"_s << u"Xcabc"_s << u"XcXc"_s;
    QTest::newRow("at the very end") << u"xyzab"_s << u"ab"_s << u"Q"_s << u"xyzQ"_s << u"xyzQ"_s;
    QTest::newRow("none") << u"xyz"_s << u"ab"_s << u"Q"_s << u"xyz"_s << u"xyz"_s;
    QTest::newRow("case-sensitive")
        << u"SCHWEINEREI"_s << u"schweinerei"_s << u"rt"_s << u"SCHWEINEREI"_s << u"SCHWEINEREI"_s;
    QTest::newRow("shrinks to empty")
        << u"ababab"_s << u"ab"_s << QString() << u"abab"_s << QString();
    // Pass after pass: a replacement that forms a new occurrence is replaced too.
    QTest::newRow("aa by a") << u"aaaa"_s << u"aa"_s << u"a"_s << u"aaa"_s << u"a"_s;
    QTest::newRow("equal replacement ends")
        << u"abab"_s << u"ab"_s << u"ab"_s << u"abab"_s << u"abab"_s;
    // Would grow forever: each original occurrence once.
    QTest::newRow("replacement holds search")
        << u"a-a"_s << u"a"_s << u"aa"_s << u"aa-a"_s << u"aa-aa"_s;
    QTest::newRow("empty search at the start")
        << u"abc"_s << QString() << u"X"_s << u"Xabc"_s << u"Xabc"_s;
    QTest::newRow("empty text stays empty")
        << QString() << QString() << u"X"_s << QString() << QString();
}

void TestTextReplace::replaceFirstAndAll()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(QString, first);
    QFETCH(QString, all);
    QCOMPARE(replaceFirst(text, search, replacement), first);
    QCOMPARE(replaceAll(text, search, replacement), all);
}

QTEST_APPLESS_MAIN(TestTextReplace)
#include "tst_textreplace.moc"
