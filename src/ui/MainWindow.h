#pragma once

#include "SettingsStore.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

namespace kettwerk::ui {

class BottomBar;
class BrowserPanel;
class HelpWindow;
class OutputFolderPanel;
class ClickableImage;
class CompletionWindow;
class ConstructionPanel;
class FileListPanel;
class MapkeyWindow;

// Form1, "Kettwerk für Wildfire 2.0": owns the lasting state (selection,
// batch text, working folder, status line) and the panels that lead the
// user from a list of files to doit.pro.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    // The window's outer size as designed; the client area is smaller by
    // the frame and the title bar. Panel moves are computed in twips against
    // the outer size, as the window was laid out.
    static constexpr int kOuterWidthTwips = 8000;
    static constexpr int kOuterHeightTwips = 6000;
    static constexpr int kFrameWidthTwips = 120;
    static constexpr int kFrameHeightTwips = 465;
    static constexpr int kBarTopTwips = 6000 - 1095 - 500;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    QString mapkeyText() const { return mapkeytext; }
    QStringList selection() const;
    void setSelection(const QStringList& names);
    QString workingFolder() const;
    QString batchFilePath() const;

    // Composes the batch text for the selection with `functionBlock`; false
    // (with a message) when the open step is too short to be joined.
    bool CREATE(const QString& functionBlock);

    // Where a right click on the bare window at `click` (twips) puts the
    // file-list panel: at the pointer, pulled back inside the window's outer
    // width and above the bottom bar.
    static QPoint fileListPanelPlace(QPoint click);

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void connectControls();
    void watchForExplanations();
    void Form_Load();
    void Form_Unload();
    void unloadall();

    void showConstructionPanel();
    void Label7_Click();
    void Image1_Click();
    void img_files_Click();
    void Form_MouseDown(Qt::MouseButton button, QPoint twipsPosition);
    void Form_MouseMove();
    void Frame4_MouseDown(Qt::MouseButton button);
    void cmd_mapkey_Click();
    void cmd_fcreate_Click();
    bool fileout();
    void cmd_auto_Click();
    void img_exit_Click();
    void composeCustomSequence(const QString& mapkeyNames);
    void setStatus(const QString& text);
    void explain(const QString& text);

    platform::SettingsStore m_settings;
    QString mapkeytext;
    QString txt_mapkeyneu; // the custom-sequence template

    ClickableImage* img_files = nullptr;
    ClickableImage* Image1 = nullptr;
    QLabel* Erklaer = nullptr;
    QPushButton* cmd_fcreate = nullptr;
    QGroupBox* Frame2 = nullptr;
    QPushButton* cmd_mapkey = nullptr;
    FileListPanel* Frame3 = nullptr;
    BottomBar* Frame4 = nullptr;
    ConstructionPanel* Frame1 = nullptr;
    OutputFolderPanel* Frame6 = nullptr;
    BrowserPanel* Frame5 = nullptr;

    QPointer<MapkeyWindow> m_mapkeyWindow;
    QPointer<CompletionWindow> m_completionWindow;
    QPointer<HelpWindow> m_helpWindow;
    bool m_unloaded = false;
};

} // namespace kettwerk::ui
