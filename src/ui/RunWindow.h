#pragma once

#include "core/RunLog.h"
#include "core/RunTiming.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace kettwerk {
class BatchJob;
}
namespace kettwerk::platform {
class SettingsStore;
}

namespace kettwerk::ui {

class RunFilesModel;

// "Batchlauf": the run that doit.log of the working folder records, followed
// live while Pro/ENGINEER works through it: how far it got, how long the
// files take, whether it seems stuck, and the rest of a broken run as a new
// doit.pro. Modeless; created when shown and destroyed when closed.
class RunWindow : public QWidget
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // `clock` tells the time; tests pass their own.
    RunWindow(const BatchJob& job, platform::SettingsStore& settings, QWidget* owner,
              Clock clock = {});
    ~RunWindow() override;

    // Looks whether the log has changed and reads what is new. The window
    // does so on the system's notice and, since notices go astray on network
    // shares, once a second.
    void poll();

Q_SIGNALS:
    void statusMessage(const QString& text);

private:
    void buildControls();
    void restart();
    void readNew(const QDateTime& modified);
    void showRun();
    void showNoRun(const QString& why);
    void onStallRuleChanged();
    void onResumeClicked();

    const BatchJob& m_job;
    platform::SettingsStore& m_settings;
    Clock m_clock;
    QString m_path;
    std::unique_ptr<RunLogReader> m_reader;
    RunTiming m_timing;
    StallRule m_rule;
    QByteArray m_headLine; // the log's first line: a new one means a new log
    qint64 m_size = -1;
    QDateTime m_modified;
    QFileSystemWatcher m_watcher;
    QTimer m_pollTimer;

    QLabel* m_heading = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QLabel* m_current = nullptr;
    QLabel* m_times = nullptr;
    QLabel* m_stall = nullptr;
    QTableView* m_table = nullptr;
    RunFilesModel* m_model = nullptr;
    QSpinBox* m_stallFactor = nullptr;
    QSpinBox* m_stallMinutes = nullptr;
    QRadioButton* m_repeatCurrent = nullptr;
    QRadioButton* m_skipCurrent = nullptr;
    QPushButton* m_resumeButton = nullptr;
};

} // namespace kettwerk::ui
