#include "Templates.h"
#include "TextReplace.h"

#include <QTest>

using namespace kettwerk;

class TestTextReplace : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ersetzen_data();
    void ersetzen();
    void replaceAll_data();
    void replaceAll();
    void placeholderIsReplacedOnceAndTemplateKeepsOthers_data();
    void placeholderIsReplacedOnceAndTemplateKeepsOthers();
};

void TestTextReplace::ersetzen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("at the start") << "abcabc"
                                  << "ab"
                                  << "X"
                                  << "Xcabc";
    QTest::newRow("in the middle") << "xxabyy"
                                   << "ab"
                                   << "--"
                                   << "xx--yy";
    QTest::newRow("at the very end") << "xyzab"
                                     << "ab"
                                     << "Q"
                                     << "xyzQ";
    QTest::newRow("none") << "xyz"
                          << "ab"
                          << "Q"
                          << "xyz";
    QTest::newRow("case-sensitive") << "SCHWEINEREI"
                                    << "schweinerei"
                                    << "rt"
                                    << "SCHWEINEREI";
    QTest::newRow("empty search at start") << "abc"
                                           << ""
                                           << "X"
                                           << "Xabc";
    QTest::newRow("empty text") << ""
                                << ""
                                << "X"
                                << "";
    QTest::newRow("empty text, search") << ""
                                        << "a"
                                        << "X"
                                        << "";
    QTest::newRow("whole text") << "ab"
                                << "ab"
                                << ""
                                << "";
    QTest::newRow("beyond 32767") << QString(40000, u'x') + QStringLiteral("ab") << "ab"
                                  << "!" << QString(40000, u'x') + QStringLiteral("!");
}

void TestTextReplace::ersetzen()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QCOMPARE(Ersetzen(text, search, replacement), expected);
}

void TestTextReplace::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    // Repeated passes: a replacement that forms a new occurrence is replaced too.
    QTest::newRow("aa by a") << "aaaa"
                             << "aa"
                             << "a"
                             << "a";
    QTest::newRow("every occurrence") << "x-x-x"
                                      << "x"
                                      << "y"
                                      << "y-y-y";
    QTest::newRow("equal replacement") << "abab"
                                       << "ab"
                                       << "ab"
                                       << "abab";
    QTest::newRow("no occurrence") << "abc"
                                   << "z"
                                   << "y"
                                   << "abc";
    QTest::newRow("shrinks to empty") << "ababab"
                                      << "ab"
                                      << ""
                                      << "";
    // Arguments that would grow forever: each original occurrence once.
    QTest::newRow("replacement holds search") << "a-a"
                                              << "a"
                                              << "aa"
                                              << "aa-aa";
    QTest::newRow("wrapped search") << "x SCHWEINEREI y"
                                    << "SCHWEINEREI"
                                    << "[SCHWEINEREI]"
                                    << "x [SCHWEINEREI] y";
    QTest::newRow("empty search") << "abc"
                                  << ""
                                  << "X"
                                  << "Xabc";
    QTest::newRow("empty search, empty text") << ""
                                              << ""
                                              << "X"
                                              << "";
    QTest::newRow("empty search and replacement") << "abc"
                                                  << ""
                                                  << ""
                                                  << "abc";
}

void TestTextReplace::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QCOMPARE(kettwerk::replaceAll(text, search, replacement), expected);
}

void TestTextReplace::placeholderIsReplacedOnceAndTemplateKeepsOthers_data()
{
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("line");
    QTest::newRow("rt") << "rt"
                        << "~ Activate `file_open` `Open`;%rt;\\";
    QTest::newRow("several") << "+;%bb;%00;"
                             << "~ Activate `file_open` `Open`;%+;%bb;%00;;\\";
    QTest::newRow("empty") << ""
                           << "~ Activate `file_open` `Open`;%;\\";
    QTest::newRow("a word of the template") << "OK"
                                            << "~ Activate `file_open` `Open`;%OK;\\";
    QTest::newRow("holds the placeholder") << "xSCHWEINEREIx"
                                           << "~ Activate `file_open` `Open`;%xSCHWEINEREIx;\\";
    QTest::newRow("is the placeholder") << "SCHWEINEREI"
                                        << "~ Activate `file_open` `Open`;%SCHWEINEREI;\\";
}

void TestTextReplace::placeholderIsReplacedOnceAndTemplateKeepsOthers()
{
    QFETCH(QString, names);
    QFETCH(QString, line);
    const QString stored = templates::customTemplate();
    const QString filled =
        kettwerk::replaceAll(stored, QString::fromUtf16(templates::kPlaceholder), names);
    QStringList storedLines = stored.split(QStringLiteral("\r\n"));
    QStringList filledLines = filled.split(QStringLiteral("\r\n"));
    QCOMPARE(filledLines.size(), storedLines.size());
    QCOMPARE(filledLines.at(1), QStringLiteral("mapkey(continued) ") + line);
    filledLines.removeAt(1);
    storedLines.removeAt(1);
    QCOMPARE(filledLines, storedLines);
    // The stored template itself is never changed.
    QCOMPARE(templates::customTemplate(), stored);
}

QTEST_APPLESS_MAIN(TestTextReplace)
#include "tst_textreplace.moc"
