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
    // the frame and the title bar.
    static constexpr int kOuterWidthTwips = 8000;
    static constexpr int kOuterHeightTwips = 6000;
    static constexpr int kFrameWidthTwips = 120;
    static constexpr int kFrameHeightTwips = 465;

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void Form_Load();
    void Form_Unload();
    void unloadall();

    void cmd_mapkey_Click();
    void cmd_fcreate_Click();
    bool fileout();
    void img_exit_Click();
    void composeCustomSequence(const QString& mapkeyNames);
    void setStatus(const QString& text);

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

    QPointer<MapkeyWindow> m_mapkeyWindow;
    QPointer<CompletionWindow> m_completionWindow;
    bool m_unloaded = false;
};

} // namespace kettwerk::ui
