#pragma once

#include "core/RunLog.h"

#include <QAbstractTableModel>

namespace kettwerk {
class RunTiming;
}

namespace kettwerk::ui {

// The files of a run as the progress window's table shows them: number,
// name, state and the seconds each took, as far as Kettwerk saw it. Asked
// row by row, so that a run of 32,767 files costs nothing until shown.
class RunFilesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Number, Name, State, Seconds, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // `log` and `timing` stay with the caller and must outlive the next call.
    void show(const RunLog* log, const RunTiming* timing, bool stalled);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString stateText(qsizetype number, const RunProgress& progress, bool stalled);

private:
    const RunLog* m_log = nullptr;
    const RunTiming* m_timing = nullptr;
    RunProgress m_progress;
    bool m_stalled = false;
};

} // namespace kettwerk::ui
