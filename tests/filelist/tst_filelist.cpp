#include "FileList.h"
#include "NameRules.h"

#include <QSignalSpy>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

QStringList numbered(int count, const QString& suffix = QString())
{
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names.append(u"part%1"_s.arg(i) + suffix);
    return names;
}

QList<bool> everySecond(qsizetype count)
{
    QList<bool> marks(count, false);
    for (qsizetype i = 0; i < count; i += 2)
        marks[i] = true;
    return marks;
}

} // namespace

class FileListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entriesInOrderWithRepeats();
    void setEntriesReplacesEverything();
    void markAllAndNone();
    void singleMarks();
    void fragmentedMarks();
    void setTextKeepsMark();
    void suffix_data();
    void suffix();
    void suffixKeepsMarks();
    void suffixSignalsOnce();
    void beyondSixteenBits();
};

void FileListTest::entriesInOrderWithRepeats()
{
    FileList list;
    QCOMPARE(list.count(), 0);
    list.append(u"b.drw"_s);
    list.append(u"a.drw"_s);
    list.append(u"b.drw"_s);
    QCOMPARE(list.entries(), (QStringList{u"b.drw"_s, u"a.drw"_s, u"b.drw"_s}));
    QCOMPARE(list.text(2), u"b.drw"_s);
    QCOMPARE(list.model()->rowCount(), 3);
    QCOMPARE(list.model()->index(1, 0).data().toString(), u"a.drw"_s);
    QVERIFY(list.markedEntries().isEmpty());
}

void FileListTest::setEntriesReplacesEverything()
{
    FileList list;
    list.append(u"old.drw"_s);
    const QStringList names{u"a.drw"_s, u"a.drw"_s, u"b.prt"_s};
    list.setEntries(names, true);
    QCOMPARE(list.markedEntries(), names);

    QSignalSpy resets(list.model(), &QAbstractItemModel::modelReset);
    list.setEntries({u"x.prt"_s, u"y.prt"_s}, false);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(list.entries(), (QStringList{u"x.prt"_s, u"y.prt"_s}));
    QVERIFY(!list.marks()->hasSelection());
    QCOMPARE(list.markFlags(), (QList<bool>{false, false}));

    list.clear();
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.model()->rowCount(), 0);
    QVERIFY(list.markedEntries().isEmpty());
}

void FileListTest::markAllAndNone()
{
    FileList list;
    list.markAll();
    list.unmarkAll();
    QCOMPARE(list.count(), 0);

    list.setEntries(numbered(4), false);
    list.setMarked(1, true);
    list.markAll();
    QCOMPARE(list.markedEntries(), numbered(4));
    list.unmarkAll();
    QVERIFY(list.markedEntries().isEmpty());
    QVERIFY(!list.isMarked(0));
}

void FileListTest::singleMarks()
{
    FileList list;
    list.setEntries(numbered(5), false);
    list.setMarked(3, true);
    list.setMarked(0, true);
    list.setMarked(4, true);
    list.setMarked(4, false);
    QVERIFY(list.isMarked(0));
    QVERIFY(!list.isMarked(1));
    QVERIFY(list.isMarked(3));
    QVERIFY(!list.isMarked(4));
    QCOMPARE(list.markedEntries(), (QStringList{u"part0"_s, u"part3"_s}));

    list.append(u"new.drw"_s);
    QVERIFY(!list.isMarked(5));
    QCOMPARE(list.markedEntries(), (QStringList{u"part0"_s, u"part3"_s}));
}

void FileListTest::fragmentedMarks()
{
    FileList list;
    list.setEntries(numbered(9), true);
    const QList<bool> marks{false, true, true, false, true, false, false, true, true};
    list.setMarks(marks);
    QCOMPARE(list.markFlags(), marks);
    QCOMPARE(list.markedEntries(),
             (QStringList{u"part1"_s, u"part2"_s, u"part4"_s, u"part7"_s, u"part8"_s}));
    for (qsizetype i = 0; i < marks.size(); ++i)
        QCOMPARE(list.isMarked(i), marks.at(i));

    // A second pattern replaces the first one completely; entries it does
    // not reach end up unmarked.
    list.setMarks(everySecond(5));
    QCOMPARE(list.markFlags(), everySecond(5) + QList<bool>(4, false));
}

void FileListTest::setTextKeepsMark()
{
    FileList list;
    list.setEntries({u"a.drw"_s, u"b.drw"_s}, false);
    list.setMarked(1, true);
    list.setText(1, u"c.prt"_s);
    list.setText(0, u"d.prt"_s);
    QCOMPARE(list.model()->index(1, 0).data().toString(), u"c.prt"_s);
    QCOMPARE(list.markedEntries(), QStringList{u"c.prt"_s});
}

void FileListTest::suffix_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("steps"); // "+x" appends x, "-x" strips x
    QTest::addColumn<QString>("result");

    QTest::newRow("drawing to part")
        << u"a.drw"_s << QStringList{u"-.drw"_s, u"+.prt"_s} << u"a.prt"_s;
    QTest::newRow("append twice") << u"a.drw"_s << QStringList{u"+.drw"_s} << u"a.drw.drw"_s;
    QTest::newRow("append to version")
        << u"a.drw.3"_s << QStringList{u"+.drw"_s} << u"a.drw.3.drw"_s;
    QTest::newRow("append to empty") << QString() << QStringList{u"+.prt"_s} << u".prt"_s;
    QTest::newRow("version not stripped")
        << u"a.drw.3"_s << QStringList{u"-.drw"_s} << u"a.drw.3"_s;
    QTest::newRow("case matters") << u"A.DRW"_s << QStringList{u"-.drw"_s} << u"A.DRW"_s;
    QTest::newRow("only the suffix") << u".drw"_s << QStringList{u"-.drw"_s} << QString();
    QTest::newRow("too short") << u"drw"_s << QStringList{u"-.drw"_s} << u"drw"_s;
    QTest::newRow("other type") << u"a.prt"_s << QStringList{u"-.drw"_s} << u"a.prt"_s;
    QTest::newRow("strip part") << u"a.prt"_s << QStringList{u"-.prt"_s} << u"a"_s;
    QTest::newRow("strip once") << u"a.drw.drw"_s << QStringList{u"-.drw"_s} << u"a.drw"_s;
    QTest::newRow("blank behind") << u"a.drw "_s << QStringList{u"-.drw"_s} << u"a.drw "_s;
}

void FileListTest::suffix()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, steps);
    QFETCH(QString, result);

    FileList list;
    list.setEntries({entry}, false);
    for (const QString& step : steps) {
        const QString suffix = step.mid(1);
        if (step.startsWith(u'+'))
            list.appendSuffix(suffix);
        else
            list.stripSuffix(suffix);
    }
    QCOMPARE(list.entries(), QStringList{result});
}

void FileListTest::suffixKeepsMarks()
{
    FileList list;
    list.setEntries({u"a.drw"_s, u"b.drw"_s, u"c.prt"_s, u"d.drw"_s}, false);
    const QList<bool> marks{true, false, true, false};
    list.setMarks(marks);

    list.stripSuffix(u".drw"_s);
    QCOMPARE(list.entries(), (QStringList{u"a"_s, u"b"_s, u"c.prt"_s, u"d"_s}));
    QCOMPARE(list.markFlags(), marks);

    list.appendSuffix(u".prt"_s);
    QCOMPARE(list.entries(), (QStringList{u"a.prt"_s, u"b.prt"_s, u"c.prt.prt"_s, u"d.prt"_s}));
    QCOMPARE(list.markedEntries(), (QStringList{u"a.prt"_s, u"c.prt.prt"_s}));
}

void FileListTest::suffixSignalsOnce()
{
    FileList list;
    QSignalSpy changes(list.model(), &QAbstractItemModel::dataChanged);
    list.appendSuffix(u".drw"_s);
    list.stripSuffix(u".drw"_s);
    QCOMPARE(changes.count(), 0); // empty list: nothing happens

    list.setEntries(numbered(3), false);
    list.stripSuffix(u".drw"_s);
    QCOMPARE(changes.count(), 0); // nothing matched

    list.appendSuffix(u".drw"_s);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toModelIndex().row(), 0);
    QCOMPARE(changes.at(0).at(1).toModelIndex().row(), 2);
}

void FileListTest::beyondSixteenBits()
{
    const int count = 100000;
    FileList list;
    list.setEntries(numbered(count, u".drw"_s), false);
    QCOMPARE(list.count(), count);
    QCOMPARE(list.model()->rowCount(), count);
    QCOMPARE(list.text(count - 1), u"part99999.drw"_s);

    list.setMarks(everySecond(count));
    list.stripSuffix(u".drw"_s);
    list.appendSuffix(u".prt"_s);
    QCOMPARE(list.markFlags(), everySecond(count));
    const QStringList marked = list.markedEntries();
    QCOMPARE(marked.size(), count / 2);
    QCOMPARE(marked.at(16384), u"part32768.prt"_s);
    QCOMPARE(marked.last(), u"part99998.prt"_s);
    QCOMPARE(handOver(marked).size(), count / 2);

    list.markAll();
    QCOMPARE(list.markedEntries().size(), count);
    QVERIFY(list.isMarked(count - 1));
}

QTEST_GUILESS_MAIN(FileListTest)
#include "tst_filelist.moc"
