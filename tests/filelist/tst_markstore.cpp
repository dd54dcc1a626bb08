#include "MarkStore.h"

#include <QStringListModel>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

static QList<bool> readBack(const QItemSelectionModel& marks, int rows)
{
    QList<bool> flags;
    for (int row = 0; row < rows; ++row)
        flags.append(marks.isSelected(marks.model()->index(row, 0)));
    return flags;
}

class MarkStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Steps as a list view issues them, separated by "|": command letters
    // (C clear, S select, D deselect, T toggle, c current; the order of
    // Qt's flag bits), then rows such as "2-4,7".
    void behavesLikeQt_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("click, ctrl") << u"CS 3|CS 5|T 4|T 6|T 4"_s;
        QTest::newRow("shift from anchor") << u"CS 2|Sc 2-6|Sc 2-4|Sc 0-2"_s;
        QTest::newRow("ctrl then shift") << u"CS 0|T 8|Sc 5-8|Sc 7-8|T 1"_s;
        QTest::newRow("drag") << u"CS 3|CSc 3-5|CSc 3-7|CSc 1-3"_s;
        QTest::newRow("ctrl drag") << u"S 0-9|T 2|Tc 2-4|Tc 2-6|Tc 2-3|S 9"_s;
        QTest::newRow("ranges, clear") << u"S 0-1,4-5,8-9|D 1-8|S 0-9|C|T 2"_s;
        QTest::newRow("current alone") << u"S 1-2|Sc 4-5|c|S 7"_s;
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
            const QList<bool> expected = readBack(reference, 10);
            QVERIFY2(store.flags() == expected, qPrintable(step));
            QVERIFY2(readBack(store, 10) == expected, qPrintable(step));
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

QTEST_GUILESS_MAIN(MarkStoreTest)
#include "tst_markstore.moc"
