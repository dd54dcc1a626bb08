#pragma once

#include "core/BatchJob.h"
#include "platform/SettingsStore.h"

#include <QPointer>
#include <QWidget>

namespace kettwerk {
class FileList;
}

namespace kettwerk::ui {

class BatchSteps;
class BottomBar;
class BrowserPanel;
class ClickableImage;
class ConstructionPanel;
class ExplanationLabel;
class FileListPanel;
class HelpWindow;
class OutputFolderPanel;
class RunWindow;

// Form1, "Kettwerk für Wildfire 2.0": the fixed-size window whose panels lead
// the user from a list of files to doit.pro. The batch job holds the work;
// the window builds the panels, moves them, and stores the job's values when
// it closes.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    BatchJob& job() { return m_job; }
    FileList& fileList() const;

    // Where a right click on the bare window at `click` (twips) puts the
    // file-list panel: at the pointer, pulled back inside the window's outer
    // width and above the bottom bar.
    static QPoint fileListPanelPlace(QPoint click);

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildWindow();
    void connectPanels();
    void orderTabStops();
    void placePanelsForStart();
    void storeAndCloseOthers();
    void reportSettingsNotStored(const QString& error);

    void onFilesImageClicked();
    void onInfoImageClicked();
    void onInstallAutoClicked();
    void showConstructionPanel();
    void showRunWindow();
    // At start: a run in doit.log that stopped halfway is worth a word.
    void tellOfUnfinishedRun();
    void closeTopPanel();
    void showStatus(const QString& text);

    platform::SettingsStore m_settings;
    BatchJob m_job;
    ClickableImage* m_filesImage = nullptr;
    ClickableImage* m_infoImage = nullptr;
    ExplanationLabel* m_explanation = nullptr;
    BatchSteps* m_batchSteps = nullptr;
    BottomBar* m_bottomBar = nullptr;
    ConstructionPanel* m_constructionPanel = nullptr;
    FileListPanel* m_fileListPanel = nullptr;
    OutputFolderPanel* m_outputFolderPanel = nullptr;
    BrowserPanel* m_browserPanel = nullptr;
    QPointer<HelpWindow> m_helpWindow;
    QPointer<RunWindow> m_runWindow;
    bool m_closed = false;
    bool m_settingsFailureReported = false;
};

} // namespace kettwerk::ui
