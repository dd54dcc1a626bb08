#pragma once

#include <QItemSelectionModel>
#include <QList>
#include <QPair>

namespace kettwerk {

// The marks of a one-column list model, as a selection model that a list
// view can share.
//
// Qt's own selection model keeps two lists of ranges (the settled selection
// and the one being extended by the mouse) and compares them range by range
// on every change and every read; with tens of thousands of scattered marks
// a single Shift+click then takes seconds. This store mirrors Qt's rules for
// Select, Deselect, Toggle, Clear and Current on a plain flag per row, and
// hands the base class only the finished result, freshly cut into ranges, so
// that every change and every read costs time in proportion to the rows.
class MarkStore : public QItemSelectionModel
{
    Q_OBJECT

public:
    explicit MarkStore(QAbstractItemModel* model, QObject* parent = nullptr);

    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, SelectionFlags command) override;

    // The mark of every row, in row order.
    const QList<bool>& flags() const { return m_shown; }
    bool isMarked(qsizetype row) const { return m_shown.at(row); }
    // Replaces every mark at once; rows beyond `flags` end up unmarked.
    void setFlags(const QList<bool>& flags);

private:
    using Rows = QList<QPair<int, int>>; // first and last row of each range

    Rows rowsOf(const QItemSelection& selection) const;
    static void apply(QList<bool>& flags, const Rows& rows, SelectionFlags command);
    void publish(QList<bool> flags);
    void handToBase();
    void rowsInserted(int first, int last);
    void rowsRemoved(int first, int last);
    void restart();

    QList<bool> m_base; // settled marks, before the selection being extended
    Rows m_current;     // the selection being extended (Qt's "current" one)
    SelectionFlags m_currentCommand = NoUpdate;
    QList<bool> m_shown; // the marks as the user sees them
};

} // namespace kettwerk
