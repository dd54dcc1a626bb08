#include "filelist/FileList.h"
#include "filelist/ListText.h"
#include "filelist/MarkStore.h"
#include "filelist/NameFilter.h"
#include "filelist/NameRules.h"
#include "support/Rows.h"

#include <QSignalSpy>
#include <QStringListModel>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

static QStringList numbered(int count, const QString& suffix = QString())
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(u"plate%1"_s.arg(i) + suffix);
    return names;
}

static bool matches(const char* filter, const char* name)
{
    return NameFilter(QString::fromUtf8(filter)).matches(QString::fromUtf8(name));
}

static QList<bool> readBack(const QItemSelectionModel& marks, int rows)
{
    QList<bool> flags;
    for (int row = 0; row < rows; ++row)
        flags.append(marks.isSelected(marks.model()->index(row, 0)));
    return flags;
}

// The file list: entries from a pasted text, marks, suffixes, the browser's
// filter, and the names handed over to Pro/ENGINEER.
class FileListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entries()
    {
        QCOMPARE(listEntries(u"Name\r\nbracket.drw\r\n\r\nplate.prt\rName\nplate.prt"_s),
                 (QStringList{u"bracket.drw"_s, u"plate.prt"_s, u"plate.prt"_s}));
        // CR LF, a lone CR and a lone LF end a line. Only the exact header goes;
        // nothing is trimmed or re-encoded.
        const QString kept =
            u"name\nNAME\n Name\nName \nName\tRev\n   \n\tE:\\x\\Träger€\U0001F600.drw.3 "_s;
        QCOMPARE(listEntries(kept), kept.split(u'\n'));
    }
    // Masks with * and ?, case-insensitive, whole names only.
    void filter()
    {
        QVERIFY(matches("*.drw*", "bracket.drw.3"));
        QVERIFY(!matches("*.drw", "bracket.drw.3"));
        QVERIFY(!matches("*.drw.*", "bracket.drw"));
        QVERIFY(!matches("olt*", "bolt.prt"));
        QVERIFY(matches("öL*.Drw", "ÖlTank.dRW"));
        QVERIFY(matches("????.prt", "bolt.prt"));
        QVERIFY(!matches("?????.prt", "bolt.prt"));
        QVERIFY(matches("*a*b*c", "aXbYaZbc"));
        QVERIFY(matches("a[1].drw", "a[1].drw"));
        QVERIFY(matches("*.prt ; *.asm", "x.asm"));
        QVERIFY(matches("", "anything"));
        QVERIFY(matches(" ; ", "anything"));
        QVERIFY(matches("*.*", "README"));
    }
    // The row's name is the entry.
    void pieces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("reduced");
        row("E:\\proj\\bracket.drw.3", "bracket", ".drw", "bracket.drw");
        row("bracket.drw.3", "bracket", ".drw", "bracket.drw");
        row("my.dir\\bracket.drw", "bracket", ".drw", "bracket.drw");
        row("E:\\a.b\\bracket", "bracket", "", "bracket");
        // A dot with nothing behind it never replaces a suffix already found.
        row("bracket..drw", "bracket", ".drw", "bracket.drw");
        // The drive is told by the second character.
        row("E:bracket.drw", "bracket", ".drw", "bracket.drw");
        row("ab:c.prt", "ab:c", ".prt", "ab:c.prt");
        // A slash ends a folder too, as in lists made on POSIX systems.
        row("proj/bracket.drw", "bracket", ".drw", "bracket.drw");
        row("../x.asm.4", "x", ".asm", "x.asm");
        row("/home/u.v/q.drw.3", "q", ".drw", "q.drw");
        row("C:\\temp\\", "temp\\", "", "temp\\");
        row("E:", "", "", "");
        // Reducing drops blanks round the bare name only; tabs stay.
        row("  bracket  .drw", "  bracket  ", ".drw", "bracket.drw");
        row("bracket.drw  ", "bracket", ".drw  ", "bracket.drw  ");
        row("bracket.drw.3  ", "bracket", ".drw", "bracket.drw");
        row("\tbracket.drw\t", "\tbracket", ".drw\t", "\tbracket.drw\t");
    }
    void pieces()
    {
        const QString entry = QString::fromUtf8(QTest::currentDataTag());
        QFETCH(QString, name);
        QFETCH(QString, suffix);
        QFETCH(QString, reduced);
        QCOMPARE(bareName(entry), name);
        QCOMPARE(typeSuffix(entry), suffix);
        QCOMPARE(reducedName(entry), reduced);
    }
    void repeats()
    {
        // The first of each text stays, in order; case matters, empty texts are
        // never repeats, blanks are not empty.
        QCOMPARE(removeRepeats({u"b"_s, {}, u"a"_s, u" "_s, u"b"_s, {}, u" "_s, u"a"_s, u"B"_s}),
                 (QStringList{u"b"_s, {}, u"a"_s, u" "_s, {}, u"B"_s}));
        // The hand-over reduces first, then drops repeats.
        QCOMPARE(handOver({u"E:\\proj\\bracket.drw.3"_s, u"  "_s, u"bracket.drw.4"_s,
                           u"plate.prt"_s, u" "_s}),
                 (QStringList{u"bracket.drw"_s, {}, u"plate.prt"_s, {}}));
    }
    void marks()
    {
        FileList list;
        list.appendEntries({u"old.drw"_s}, false);
        list.setEntries(numbered(9), true);
        QCOMPARE(list.markedEntries(), numbered(9));
        list.setMarked(1, false);
        // Replaces every mark and what was being extended; the rest end up unmarked.
        list.setMarks({false, true, true, false, true, false, false, true});
        list.setMarked(3, true);
        list.setMarked(2, false);
        list.setText(1, u"x.prt"_s);               // keeps its mark
        list.appendEntries({u"new.drw"_s}, false); // comes unmarked
        QCOMPARE(list.model()->index(1, 0).data().toString(), u"x.prt"_s);
        QCOMPARE(list.markedEntries(),
                 (QStringList{u"x.prt"_s, u"plate3"_s, u"plate4"_s, u"plate7"_s}));

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
        // A finding of the check was about the old name.
        list.setFindings({{0, u"Modellname fehlt"_s}});
        list.appendSuffix(u".prt"_s);
        QVERIFY(!list.model()->index(0, 0).data(FileListModel::FindingRole).isValid());
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
        QCOMPARE(marked.at(16384), u"plate32768.prt"_s);
        QCOMPARE(marked.last(), u"plate99998.prt"_s);
        QCOMPARE(handOver(marked).size(), count / 2);
        // Removing the marked entries keeps the others in order, unmarked;
        // appended entries get their own mark, the others keep theirs.
        QCOMPARE(list.removeMarked(), count / 2);
        QCOMPARE(list.count(), count / 2);
        QCOMPARE(list.text(16383), u"plate32767.prt"_s);
        QVERIFY(!list.markFlags().contains(true));
        list.appendEntries(numbered(2), true);
        QCOMPARE(list.markedEntries(), numbered(2));
        QCOMPARE(list.removeMarked(), 2);
        QCOMPARE(list.removeMarked(), 0);
        QCOMPARE(list.count(), count / 2);
    }
    // Steps as a list view issues them, separated by "|": command letters
    // (C clear, S select, D deselect, T toggle, c current; the order of
    // Qt's flag bits), then rows such as "2-4,7"; "I 2" inserts a row at 2.
    void behavesLikeQt_data()
    {
        QTest::addColumn<QString>("steps");
        row("click, ctrl", "CS 3|CS 5|T 4|T 6|T 4");
        row("shift from anchor", "CS 2|Sc 2-6|Sc 2-4|Sc 0-2");
        row("ctrl then shift", "CS 0|T 8|Sc 5-8|Sc 7-8|T 1");
        row("drag", "CS 3|CSc 3-5|CSc 3-7|CSc 1-3");
        row("ctrl drag", "S 0-9|T 2|Tc 2-4|Tc 2-6|Tc 2-3|S 9");
        row("ranges, clear", "S 0-1,4-5,8-9|D 1-8|S 0-9|C|T 2");
        row("current alone", "S 1-2|Sc 4-5|c|S 7");
        row("rows inserted at a range being extended", "CS 2|Sc 2-4|I 2|S 8");
    }
    void behavesLikeQt()
    {
        QFETCH(QString, steps);
        QStringListModel model(QStringList(10, u"x"_s));
        MarkStore store(&model);
        QItemSelectionModel reference(&model);
        // Applying what the store announces must give what it holds.
        QList<bool> announced(10, false);
        connect(&store, &QItemSelectionModel::selectionChanged,
                [&](const QItemSelection& selected, const QItemSelection& deselected) {
                    for (const QModelIndex& index : deselected.indexes())
                        announced[index.row()] = false;
                    for (const QModelIndex& index : selected.indexes())
                        announced[index.row()] = true;
                });
        for (const QString& step : steps.split(u'|')) {
            const QStringList parts = step.split(u' ');
            if (parts.at(0) == u"I") {
                model.insertRows(parts.at(1).toInt(), 1);
                announced.insert(parts.at(1).toInt(), false);
                continue;
            }
            QItemSelectionModel::SelectionFlags command;
            for (const QChar letter : parts.at(0))
                command |= QItemSelectionModel::SelectionFlag(1 << u"CSDTc"_s.indexOf(letter));
            QItemSelection selection;
            for (const QString& range : parts.value(1).split(u',', Qt::SkipEmptyParts)) {
                const QStringList ends = range.split(u'-');
                selection.select(model.index(ends.first().toInt(), 0),
                                 model.index(ends.last().toInt(), 0));
            }
            store.select(selection, command);
            reference.select(selection, command);
            const QList<bool> expected = readBack(reference, model.rowCount());
            QVERIFY2(store.flags() == expected, qPrintable(step));
            QVERIFY2(readBack(store, model.rowCount()) == expected, qPrintable(step));
            QVERIFY2(announced == expected, qPrintable(step));
        }
    }
    void followsTheModel()
    {
        QStringListModel model(QStringList(4, u"x"_s));
        MarkStore store(&model);
        store.select(QItemSelection(model.index(1, 0), model.index(2, 0)),
                     QItemSelectionModel::Select);
        model.insertRows(2, 2); // inside the marked range: new rows unmarked
        QCOMPARE(store.flags(), (QList<bool>{false, true, false, false, true, false}));
        model.removeRows(0, 2);
        QCOMPARE(store.flags(), (QList<bool>{false, false, true, false}));
        QCOMPARE(readBack(store, 4), store.flags());
    }
};

QTEST_GUILESS_MAIN(FileListTest)
#include "tst_filelist.moc"
