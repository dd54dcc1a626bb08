#include "ListText.h"

#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

class ListTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines()
    {
        QCOMPARE(splitLines(QString()), QStringList());
        QCOMPARE(splitLines(u"a\r\nb\rc\nd"_s), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
        // LF CR and CR CR LF are two breaks each; a break at the end opens no line.
        QCOMPARE(splitLines(u"a\n\rb\r\r\nc\r\n"_s),
                 (QStringList{u"a"_s, QString(), u"b"_s, QString(), u"c"_s}));
    }

    void entries()
    {
        QCOMPARE(listEntries(u"Name\r\nbracket.drw\r\n\r\nplate.prt\nName\nplate.prt"_s),
                 (QStringList{u"bracket.drw"_s, u"plate.prt"_s, u"plate.prt"_s}));
        // Only the exact header goes; nothing is trimmed or re-encoded.
        const QString kept =
            u"name\nNAME\n Name\nName \nName\tRev\n   \n\tE:\\x\\Träger€\U0001F600.drw.3 "_s;
        QCOMPARE(listEntries(kept), kept.split(u'\n'));
    }
};

QTEST_APPLESS_MAIN(ListTextTest)
#include "tst_listtext.moc"
