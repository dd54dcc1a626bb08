#pragma once

#include "core/BatchText.h"
#include "platform/Result.h"

#include <QObject>
#include <QPointer>

#include <optional>

class QGroupBox;
class QPushButton;
class QWidget;

namespace kettwerk {
class BatchJob;
struct Review;
} // namespace kettwerk
namespace kettwerk::platform {
class SettingsStore;
}

namespace kettwerk::ui {

class CompletionWindow;
class ExplanationLabel;
class MapkeyWindow;

// The steps after the hand-over: "Mapkeys eingeben" opens the mapkey window,
// whose OK composes the batch and shows the write button; the write button
// writes doit.pro and opens the completion notice. Owns the mapkey-sequence
// panel (Frame2), the write button and the two small windows.
class BatchSteps : public QObject
{
    Q_OBJECT
public:
    BatchSteps(BatchJob& job, platform::SettingsStore& settings, QWidget* window);

    QPushButton* writeButton() const { return m_writeButton; }
    // "Mapkeys eingeben", then the write button, in the order of the work.
    QList<QWidget*> tabStops() const;
    void showMapkeyPanel();
    void hideWriteButton();
    void explainControls(ExplanationLabel& explanation);

    // Composes with `functionBlock`; false (with a message) when the job
    // refuses, and nothing changes.
    bool compose(const QString& functionBlock);
    // At shutdown: what an open mapkey window holds goes to the job.
    void takeOpenMapkeyNames();
    void closeWindows();

Q_SIGNALS:
    void statusMessage(const QString& text);
    // The mapkey names could not be stored; `error` names the store.
    void settingsNotStored(const QString& error);
    // A batch was composed: the construction panel, if open, goes away.
    void composed();
    // "Lauf verfolgen" in the completion notice.
    void followRunRequested();

private:
    void onMapkeyButtonClicked();
    void onNamesEntered(const QString& names, bool logProgress);
    void onWriteClicked();
    bool showComposed(Result<ComposedBatch> batch);
    // The findings of the check before writing: errors are shown and stop
    // it, warnings are shown with the question whether to write all the same.
    bool presentFindings(const Review& review);

    BatchJob& m_job;
    platform::SettingsStore& m_settings;
    QWidget* m_window;
    QGroupBox* m_mapkeyPanel = nullptr;
    QPushButton* m_mapkeyButton = nullptr;
    QPushButton* m_writeButton = nullptr;
    // What the write button writes: the last batch composed.
    std::optional<ComposedBatch> m_composed;
    QPointer<MapkeyWindow> m_mapkeyWindow;
    QPointer<CompletionWindow> m_completionWindow;
};

} // namespace kettwerk::ui
