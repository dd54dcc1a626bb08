#include "ui/RunFilesModel.h"

#include "core/RunTiming.h"

#include <QBrush>

namespace kettwerk::ui {

void RunFilesModel::show(const RunLog* log, const RunTiming* timing, bool stalled)
{
    const auto assign = [&] {
        m_log = log;
        m_timing = timing;
        m_progress = log ? progressOf(*log) : RunProgress();
        m_stalled = stalled;
    };
    const int rowsBefore = rowCount();
    const int rowsAfter = log ? int(log->files.size()) : 0;
    // Only a new log changes the list of files; otherwise states and times.
    if (rowsBefore != rowsAfter || !log) {
        beginResetModel();
        assign();
        endResetModel();
        return;
    }
    assign();
    if (rowsAfter > 0)
        Q_EMIT dataChanged(index(0, State), index(rowsAfter - 1, Seconds));
}

int RunFilesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_log ? 0 : int(m_log->files.size());
}

int RunFilesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString RunFilesModel::stateText(qsizetype number, const RunProgress& progress, bool stalled)
{
    if (progress.ended || number < progress.current)
        return tr("fertig");
    if (number == progress.current)
        return stalled ? tr("vermutlich hängen geblieben") : tr("läuft");
    return tr("wartet");
}

QVariant RunFilesModel::data(const QModelIndex& index, int role) const
{
    if (!m_log || !index.isValid())
        return {};
    const qsizetype number = index.row() + 1;
    if (role == Qt::ForegroundRole && index.column() == State && m_stalled &&
        number == m_progress.current && !m_progress.ended)
        return QBrush(Qt::red);
    if (role == Qt::TextAlignmentRole && (index.column() == Number || index.column() == Seconds))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Number:
        return qlonglong(number);
    case Name:
        return m_log->files.at(index.row());
    case State:
        return stateText(number, m_progress, m_stalled);
    case Seconds:
        if (const std::optional<qint64> seconds = m_timing->secondsFor(number))
            return qlonglong(*seconds);
        return {};
    default:
        return {};
    }
}

QVariant RunFilesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Number:
        return tr("Nr.");
    case Name:
        return tr("Datei");
    case State:
        return tr("Zustand");
    case Seconds:
        return tr("Sekunden");
    default:
        return {};
    }
}

} // namespace kettwerk::ui
