#include "filelist/MarkStore.h"

#include <QSignalBlocker>

namespace kettwerk {

namespace {

// Cuts the rows for which `wanted(row)` holds into contiguous ranges.
template <typename Wanted>
QItemSelection rangesWhere(qsizetype rowCount, const QAbstractItemModel* model, Wanted wanted)
{
    QItemSelection ranges;
    qsizetype row = 0;
    while (row < rowCount) {
        if (!wanted(row)) {
            ++row;
            continue;
        }
        const qsizetype first = row;
        while (row < rowCount && wanted(row))
            ++row;
        ranges.append(
            QItemSelectionRange(model->index(int(first), 0), model->index(int(row - 1), 0)));
    }
    return ranges;
}

} // namespace

MarkStore::MarkStore(QAbstractItemModel* model, QObject* parent)
    : QItemSelectionModel(model, parent)
{
    restart();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rowsInserted(first, last); });
    connect(model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { rowsRemoved(first, last); });
    connect(model, &QAbstractItemModel::modelReset, this, &MarkStore::restart);
}

void MarkStore::restart()
{
    m_base = QList<bool>(model()->rowCount(), false);
    m_shown = m_base;
    m_current.clear();
    m_currentCommand = NoUpdate;
}

// The same steps, in the same order, as QItemSelectionModel::select.
void MarkStore::select(const QItemSelection& selection, SelectionFlags command)
{
    if (command == NoUpdate)
        return;
    if (command & Clear) {
        m_base.fill(false);
        m_current.clear();
    }
    if (!(command & Current)) {
        apply(m_base, m_current, m_currentCommand);
        m_current.clear();
    }
    if (command & (Toggle | Select | Deselect)) {
        m_current = rowsOf(selection);
        m_currentCommand = command;
    }
    QList<bool> shown = m_base;
    apply(shown, m_current, m_currentCommand);
    publish(shown);
}

void MarkStore::setFlags(const QList<bool>& flags)
{
    QList<bool> shown = flags.mid(0, m_base.size());
    shown.resize(m_base.size(), false);
    m_base = shown;
    m_current.clear();
    m_currentCommand = NoUpdate;
    publish(shown);
}

MarkStore::Rows MarkStore::rowsOf(const QItemSelection& selection) const
{
    Rows rows;
    rows.reserve(selection.size());
    for (const QItemSelectionRange& range : selection) {
        if (range.isValid() && range.model() == model() && !range.parent().isValid())
            rows.append({range.top(), range.bottom()});
    }
    return rows;
}

void MarkStore::apply(QList<bool>& flags, const Rows& rows, SelectionFlags command)
{
    for (const auto& [first, last] : rows) {
        for (int row = first; row <= last && row < flags.size(); ++row) {
            if (command & Deselect)
                flags[row] = false;
            else if (command & Toggle)
                flags[row] = !flags.at(row);
            else if (command & Select)
                flags[row] = true;
        }
    }
}

void MarkStore::publish(QList<bool> flags)
{
    const qsizetype n = flags.size();
    const auto nowOn = [&](qsizetype row) { return flags.at(row) && !m_shown.at(row); };
    const auto nowOff = [&](qsizetype row) { return !flags.at(row) && m_shown.at(row); };
    const QItemSelection selected = rangesWhere(n, model(), nowOn);
    const QItemSelection deselected = rangesWhere(n, model(), nowOff);
    m_shown = std::move(flags);
    handToBase();
    if (!selected.isEmpty() || !deselected.isEmpty())
        Q_EMIT selectionChanged(selected, deselected);
}

// The base class gets the marks as one fresh selection on an empty one: the
// only way through it whose cost does not grow with the product of old and
// new ranges. Its own signals would describe that detour, so they are held
// back; publish() announces the real difference.
void MarkStore::handToBase()
{
    const QSignalBlocker quiet(this);
    QItemSelectionModel::select(QItemSelection(), Clear);
    const QItemSelection all =
        rangesWhere(m_shown.size(), model(), [this](qsizetype row) { return m_shown.at(row); });
    if (!all.isEmpty())
        QItemSelectionModel::select(all, Select);
}

void MarkStore::rowsInserted(int first, int last)
{
    const int count = last - first + 1;
    m_base.insert(first, count, false);
    m_shown.insert(first, count, false);
    for (auto& [top, bottom] : m_current) {
        if (top >= first)
            top += count;
        if (bottom >= first)
            bottom += count;
    }
}

void MarkStore::rowsRemoved(int first, int last)
{
    // Qt has already dropped the removed rows from its ranges; the selection
    // being extended settles with what is left.
    m_shown.remove(first, last - first + 1);
    m_base = m_shown;
    m_current.clear();
    m_currentCommand = NoUpdate;
}

} // namespace kettwerk
