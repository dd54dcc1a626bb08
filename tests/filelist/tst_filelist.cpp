#include "FileList.h"
#include "NameRules.h"

#include <QSignalSpy>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

static QStringList numbered(int count, const QString& suffix = QString())
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(u"part%1"_s.arg(i) + suffix);
    return names;
}

class FileListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void marks()
    {
        FileList list;
        list.append(u"old.drw"_s);
        list.setEntries(numbered(9), true);
        QCOMPARE(list.markedEntries(), numbered(9));
        list.setMarked(1, false);
        // Replaces every mark and what was being extended; the rest end up unmarked.
        list.setMarks({false, true, true, false, true, false, false, true});
        list.setMarked(3, true);
        list.setMarked(2, false);
        list.setText(1, u"x.prt"_s); // keeps its mark
        list.append(u"new.drw"_s);   // comes unmarked
        QCOMPARE(list.model()->index(1, 0).data().toString(), u"x.prt"_s);
        QCOMPARE(list.markedEntries(),
                 (QStringList{u"x.prt"_s, u"part3"_s, u"part4"_s, u"part7"_s}));

        list.unmarkAll();
        QVERIFY(list.markedEntries().isEmpty());
        list.markAll();
        QCOMPARE(list.markedEntries(), list.entries());
        list.setEntries({u"a.drw"_s, u"a.drw"_s}, false);
        QCOMPARE(list.markFlags(), (QList<bool>{false, false}));
    }

    // Suffix changes touch every entry that ends with exactly the suffix,
    // announce the whole list once, and leave the marks alone.
    void suffixes()
    {
        FileList list;
        list.setEntries({u"a.drw"_s, u"b.drw.3"_s, u"C.DRW"_s, u"d.drw.drw"_s, u"e.prt"_s}, false);
        const QList<bool> marks{true, false, true, false, true};
        list.setMarks(marks);
        QSignalSpy changes(list.model(), &QAbstractItemModel::dataChanged);
        list.stripSuffix(u".asm"_s);
        QCOMPARE(changes.count(), 0);
        list.stripSuffix(u".drw"_s);
        QCOMPARE(list.entries(),
                 (QStringList{u"a"_s, u"b.drw.3"_s, u"C.DRW"_s, u"d.drw"_s, u"e.prt"_s}));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0).at(0).toModelIndex().row(), 0);
        QCOMPARE(changes.at(0).at(1).toModelIndex().row(), 4);
        list.appendSuffix(u".prt"_s);
        QCOMPARE(list.markFlags(), marks);
        QCOMPARE(list.markedEntries(), (QStringList{u"a.prt"_s, u"C.DRW.prt"_s, u"e.prt.prt"_s}));
    }

    // Nothing is cut off at 32,767 entries.
    void longList()
    {
        const int count = 100000;
        QList<bool> everySecond(count, false);
        for (int i = 0; i < count; i += 2)
            everySecond[i] = true;
        FileList list;
        list.setEntries(numbered(count, u".drw"_s), false);
        list.setMarks(everySecond);
        list.stripSuffix(u".drw"_s);
        list.appendSuffix(u".prt"_s);
        QCOMPARE(list.model()->rowCount(), count);
        QCOMPARE(list.markFlags(), everySecond);
        const QStringList marked = list.markedEntries();
        QCOMPARE(marked.at(16384), u"part32768.prt"_s);
        QCOMPARE(marked.last(), u"part99998.prt"_s);
        QCOMPARE(handOver(marked).size(), count / 2);
    }
};

QTEST_GUILESS_MAIN(FileListTest)
#include "tst_filelist.moc"
