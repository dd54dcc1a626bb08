#include "MarkStore.h"

#include <QSignalSpy>
#include <QStringListModel>
#include <QTest>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

using Flags = QItemSelectionModel::SelectionFlags;

// A step as a list view issues it: command letters (C clear, S select,
// D deselect, T toggle, c current), a blank, then rows such as "2-4,7".
struct Step
{
    QItemSelection selection;
    Flags command;
};

Step parse(const QString& text, const QAbstractItemModel* model)
{
    Step step{QItemSelection(), QItemSelectionModel::NoUpdate};
    const QStringList parts = text.split(u' ');
    const QString letters = u"CSDTc"_s;
    const QItemSelectionModel::SelectionFlag meanings[] = {
        QItemSelectionModel::Clear, QItemSelectionModel::Select, QItemSelectionModel::Deselect,
        QItemSelectionModel::Toggle, QItemSelectionModel::Current};
    for (const QChar letter : parts.at(0))
        step.command |= meanings[letters.indexOf(letter)];
    const QStringList ranges = parts.size() > 1 ? parts.at(1).split(u',') : QStringList();
    for (const QString& range : ranges) {
        const QStringList ends = range.split(u'-');
        step.selection.select(model->index(ends.first().toInt(), 0),
                              model->index(ends.last().toInt(), 0));
    }
    return step;
}

QList<bool> readBack(const QItemSelectionModel& marks, int rows)
{
    QList<bool> flags;
    for (int row = 0; row < rows; ++row)
        flags.append(marks.isSelected(marks.model()->index(row, 0)));
    return flags;
}

} // namespace

class MarkStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void behavesLikeQt_data();
    void behavesLikeQt();
    void setFlags();
    void followsTheModel();
};

void MarkStoreTest::behavesLikeQt_data()
{
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("click") << QStringList{u"CS 3"_s, u"CS 5"_s};
    QTest::newRow("ctrl clicks") << QStringList{u"CS 1"_s, u"T 4"_s, u"T 6"_s, u"T 4"_s};
    QTest::newRow("shift from anchor")
        << QStringList{u"CS 2"_s, u"Sc 2-6"_s, u"Sc 2-4"_s, u"Sc 0-2"_s};
    QTest::newRow("ctrl then shift")
        << QStringList{u"CS 0"_s, u"T 8"_s, u"Sc 5-8"_s, u"Sc 7-8"_s, u"T 1"_s};
    QTest::newRow("drag") << QStringList{u"CS 3"_s, u"CSc 3-5"_s, u"CSc 3-7"_s, u"CSc 1-3"_s};
    QTest::newRow("ctrl drag toggles")
        << QStringList{u"S 0-9"_s, u"T 2"_s, u"Tc 2-4"_s, u"Tc 2-6"_s, u"Tc 2-3"_s, u"S 9"_s};
    QTest::newRow("deselect across ranges") << QStringList{u"S 0-1,4-5,8-9"_s, u"D 1-8"_s};
    QTest::newRow("clear") << QStringList{u"S 0-9"_s, u"C"_s, u"T 2"_s};
    QTest::newRow("current without change")
        << QStringList{u"S 1-2"_s, u"Sc 4-5"_s, u"c"_s, u"S 7"_s};
}

void MarkStoreTest::behavesLikeQt()
{
    QFETCH(QStringList, steps);
    const int rows = 10;
    QStringListModel model(QStringList(rows, u"x"_s));
    MarkStore store(&model);
    QItemSelectionModel reference(&model);

    // Applying what the store announces must give what it holds.
    QList<bool> announced(rows, false);
    connect(&store, &QItemSelectionModel::selectionChanged,
            [&](const QItemSelection& selected, const QItemSelection& deselected) {
                for (const QModelIndex& index : deselected.indexes())
                    announced[index.row()] = false;
                for (const QModelIndex& index : selected.indexes())
                    announced[index.row()] = true;
            });

    for (const QString& text : steps) {
        const Step step = parse(text, &model);
        store.select(step.selection, step.command);
        reference.select(step.selection, step.command);
        const QList<bool> expected = readBack(reference, rows);
        QVERIFY2(store.flags() == expected, qPrintable(text));
        QVERIFY2(readBack(store, rows) == expected, qPrintable(text));
        QVERIFY2(announced == expected, qPrintable(text));
        QCOMPARE(store.selectedIndexes().size(), expected.count(true));
    }
}

void MarkStoreTest::setFlags()
{
    QStringListModel model(QStringList(6, u"x"_s));
    MarkStore store(&model);
    store.select(model.index(5, 0), QItemSelectionModel::Select);
    QSignalSpy changes(&store, &QItemSelectionModel::selectionChanged);

    store.setFlags({true, false, true, true});
    const QList<bool> expected{true, false, true, true, false, false};
    QCOMPARE(store.flags(), expected);
    QCOMPARE(readBack(store, 6), expected);
    QCOMPARE(changes.count(), 1);

    store.setFlags(expected);
    QCOMPARE(changes.count(), 1); // nothing changed, nothing announced

    // A Shift+click after a bulk change extends from the bulk marks.
    store.select(QItemSelection(model.index(4, 0), model.index(5, 0)),
                 QItemSelectionModel::SelectCurrent);
    QCOMPARE(store.flags(), (QList<bool>{true, false, true, true, true, true}));
}

void MarkStoreTest::followsTheModel()
{
    QStringListModel model(QStringList(4, u"x"_s));
    MarkStore store(&model);
    store.select(QItemSelection(model.index(1, 0), model.index(2, 0)), QItemSelectionModel::Select);

    model.insertRows(4, 1); // at the end
    model.insertRows(2, 2); // inside the marked range: new rows unmarked
    const QList<bool> expected{false, true, false, false, true, false, false};
    QCOMPARE(store.flags(), expected);
    QCOMPARE(readBack(store, 7), expected);

    model.removeRows(0, 2);
    QCOMPARE(store.flags(), (QList<bool>{false, false, true, false, false}));
    QCOMPARE(readBack(store, 5), store.flags());

    model.setStringList({u"a"_s, u"b"_s});
    QCOMPARE(store.flags(), (QList<bool>{false, false}));
    QVERIFY(!store.hasSelection());
}

QTEST_GUILESS_MAIN(MarkStoreTest)
#include "tst_markstore.moc"
