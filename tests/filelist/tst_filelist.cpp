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

// The file list: entries from a pasted text, marks, suffixes, the browser's
// filter, and the names handed over to Pro/ENGINEER.
class FileListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entriesAndRepeats()
    {
        QCOMPARE(listEntries(u"Name\r\nbracket.drw\r\n\r\nplate.prt\rName\nplate.prt"_s),
                 (QStringList{u"bracket.drw"_s, u"plate.prt"_s, u"plate.prt"_s}));
        // CR LF, a lone CR and a lone LF end a line. Only the exact header goes;
        // nothing is trimmed or re-encoded.
        const QString kept =
            u"name\nNAME\n Name\nName \nName\tRev\n   \n\tE:\\x\\Träger€\U0001F600.drw.3 "_s;
        QCOMPARE(listEntries(kept), kept.split(u'\n'));

        // The first of each text stays, in order; case matters, empty texts are
        // never repeats, blanks are not empty.
        QCOMPARE(removeRepeats({u"b"_s, {}, u"a"_s, u" "_s, u"b"_s, {}, u" "_s, u"a"_s, u"B"_s}),
                 (QStringList{u"b"_s, {}, u"a"_s, u" "_s, {}, u"B"_s}));
    }
    // Masks with * and ?, case-insensitive, whole names only.
    void filter()
    {
        // filter|name|1 when it matches
        const char* const cases[] = {
            "*.drw|bracket.drw.3|0", "*.drw.*|bracket.drw|0", "olt*|bolt.prt|0",
            "öL*.Drw|ÖlTank.dRW|1",  "????.prt|bolt.prt|1",   "?????.prt|bolt.prt|0",
            "*a*b*c|aXbYaZbc|1",     "a[1].drw|a[1].drw|1",   "*.prt ; *.asm|x.asm|1",
            "|anything|1",           " ; |anything|1",        "*.*|README|1",
        };
        for (const char* const text : cases) {
            const QStringList c = QString::fromUtf8(text).split(u'|');
            QVERIFY2(NameFilter(c[0]).matches(c[1]) == (c[2] == u"1"), text);
        }
    }
    void pieces()
    {
        // entry|bare name|type suffix|reduced name, apart by ";"
        const QStringList cases =
            QString::fromUtf8(
                // A dot with nothing behind it never replaces a suffix already found.
                "E:\\p\\b.drw.3|b|.drw|b.drw;E:\\a.b\\b|b||b;b..drw|b|.drw|b.drw;"
                // The drive is told by the second character.
                "E:b.drw|b|.drw|b.drw;ab:c.prt|ab:c|.prt|ab:c.prt;E:|||;"
                // A slash ends a folder too, as in lists made on POSIX systems.
                "../x.asm.4|x|.asm|x.asm;/home/u.v/q.drw.3|q|.drw|q.drw;C:\\t\\|t\\||t\\;"
                // Reducing drops blanks round the bare name only; tabs stay.
                "  b  .drw|  b  |.drw|b.drw;b.drw  |b|.drw  |b.drw  ;b.drw.3  |b|.drw|b.drw;"
                "\tb.drw\t|\tb|.drw\t|\tb.drw\t")
                .split(u';');
        for (const QString& text : cases) {
            const QString e = text.section(u'|', 0, 0); // the entry
            QCOMPARE(e + u'|' + bareName(e) + u'|' + typeSuffix(e) + u'|' + reducedName(e), text);
        }
    }
    void marks()
    {
        FileList list;
        list.appendEntries({u"old.drw"_s}, false);
        const QStringList nine = u"a b c d e f g h i"_s.split(u' ');
        list.setEntries(nine, true);
        list.setMarked(1, false);
        // Replaces every mark and what was being extended; the rest end up unmarked.
        list.setMarks({false, true, true, false, true, false, false, true});
        list.setMarked(3, true);
        list.setMarked(2, false);
        list.setText(1, u"x.prt"_s);               // keeps its mark
        list.appendEntries({u"new.drw"_s}, false); // comes unmarked
        QCOMPARE(list.markedEntries().join(u' '), u"x.prt d e h"_s);

        list.unmarkAll();
        QVERIFY(list.markedEntries().isEmpty());
        list.setEntries({u"a.drw"_s, u"a.drw"_s}, false);
        QCOMPARE(list.markFlags(), (QList<bool>{false, false}));
    }
    // Suffix changes touch every entry that ends with exactly the suffix,
    // announce the whole list once, and leave the marks alone; nothing is
    // cut off at 32,767 entries.
    void longListSuffixes()
    {
        const int count = 100005; // five odd names, then plate5.drw and on
        QStringList names = {u"a.drw"_s, u"b.drw.3"_s, u"C.DRW"_s, u"d.drw.drw"_s, u"e.prt"_s};
        QList<bool> marks;
        for (int i = 0; i < count; ++i) {
            marks.append(i % 2 == 0);
            if (i >= 5)
                names.append(u"plate%1.drw"_s.arg(i));
        }
        FileList list;
        list.setEntries(names, false);
        list.setMarks(marks);
        QSignalSpy changes(list.model(), &QAbstractItemModel::dataChanged);
        list.stripSuffix(u".asm"_s);
        QCOMPARE(changes.count(), 0);
        list.stripSuffix(u".drw"_s);
        QCOMPARE(list.entries().first(6).join(u' '), u"a b.drw.3 C.DRW d.drw e.prt plate5"_s);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0).at(0).toModelIndex().row(), 0);
        QCOMPARE(changes.at(0).at(1).toModelIndex().row(), count - 1);
        // A finding of the check was about the old name.
        list.setFindings({{0, u"Modellname fehlt"_s}});
        list.appendSuffix(u".prt"_s);
        QVERIFY(!list.model()->index(0, 0).data(FileListModel::FindingRole).isValid());
        QCOMPARE(list.markFlags(), marks);
        const QStringList marked = list.markedEntries();
        QCOMPARE(marked.first(3), (QStringList{u"a.prt"_s, u"C.DRW.prt"_s, u"e.prt.prt"_s}));
        QCOMPARE(marked.last(), u"plate100004.prt"_s);
        QCOMPARE(handOver(marked).size(), (count + 1) / 2);
        // Removing the marked entries keeps the others in order, unmarked;
        // appended entries get their own mark, the others keep theirs.
        QCOMPARE(list.removeMarked(), (count + 1) / 2);
        QCOMPARE(list.text(count / 2 - 1), u"plate100003.prt"_s);
        list.appendEntries({u"x"_s, u"y"_s}, true);
        QCOMPARE(list.markedEntries(), (QStringList{u"x"_s, u"y"_s}));
    }
    // Steps as a list view issues them, separated by "|": command letters
    // (C clear, S select, D deselect, T toggle, c current; the order of
    // Qt's flag bits), then rows such as "2-4,7"; "I 2" inserts a row at 2,
    // "R 2" removes it.
    void behavesLikeQt_data()
    {
        QTest::addColumn<QString>("steps");
        row("click, ctrl, shift from anchor", "CS 3|CS 5|T 4|T 6|T 4|CS 2|Sc 2-6|Sc 2-4|Sc 0-2");
        row("ctrl then shift, drag", "CS 0|T 8|Sc 5-8|Sc 7-8|T 1|CS 3|CSc 3-5|CSc 3-7|CSc 1-3");
        row("ctrl drag, ranges, clear",
            "S 0-9|T 2|Tc 2-4|Tc 2-6|Tc 2-3|S 9|S 0-1,4-5,8-9|D 1-8|C|T 2");
        row("current alone", "S 1-2|Sc 4-5|c|S 7");
        row("rows inserted at a range being extended", "CS 2|Sc 2-4|I 2|S 8");
        row("rows inserted into a range, rows removed", "S 1-2|I 2|I 2|R 0|R 0|Sc 1");
    }
    void behavesLikeQt()
    {
        QFETCH(QString, steps);
        QStringListModel model(QStringList(10, u"x"_s));
        MarkStore store(&model);
        QItemSelectionModel reference(&model);
        const auto readBack = [&model](const QItemSelectionModel& marks) {
            QList<bool> flags;
            for (int row = 0; row < model.rowCount(); ++row)
                flags.append(marks.isSelected(model.index(row, 0)));
            return flags;
        };
        // Applying what the store announces must give what it holds.
        QList<bool> announced(10, false);
        connect(&store, &QItemSelectionModel::selectionChanged,
                [&](const QItemSelection& selected, const QItemSelection& deselected) {
                    for (const QModelIndex& index : deselected.indexes() + selected.indexes())
                        announced[index.row()] = selected.contains(index);
                });
        for (const QString& step : steps.split(u'|')) {
            const QStringList parts = step.split(u' ');
            if (parts.at(0) == u"I" || parts.at(0) == u"R") {
                const int at = parts.at(1).toInt();
                parts.at(0) == u"I" ? model.insertRows(at, 1) : model.removeRows(at, 1);
                announced = store.flags(); // a view reads new rows afresh
            } else {
                QItemSelectionModel::SelectionFlags command;
                for (const QChar letter : parts.at(0))
                    command |= QItemSelectionModel::SelectionFlag(1 << u"CSDTc"_s.indexOf(letter));
                QItemSelection selection;
                for (const QString& range : parts.value(1).split(u',', Qt::SkipEmptyParts))
                    selection.select(model.index(range.section(u'-', 0, 0).toInt(), 0),
                                     model.index(range.section(u'-', -1).toInt(), 0));
                store.select(selection, command);
                reference.select(selection, command);
            }
            const QList<bool> expected = readBack(reference);
            QVERIFY2((QList{store.flags(), readBack(store), announced}) ==
                         QList<QList<bool>>(3, expected),
                     qPrintable(step));
        }
    }
};

QTEST_GUILESS_MAIN(FileListTest)
#include "tst_filelist.moc"
