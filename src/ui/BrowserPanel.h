#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kettwerk::ui {

class ClickableImage;
class DriveBox;
class FileBox;
class FolderList;

// Frame5, the browser panel "Dateiliste": fills the file list with the files
// of one folder that match a filter. It holds no file list of its own; each
// change of folder or filter hands the file box's entries over through
// filesListed, so the user sees the result in the file-list panel while
// browsing.
//
// The handlers call each other through the controls' change signals, nested
// and synchronously: a double click on a folder runs Dir1_Change, which
// sets txt_path, which runs txt_path_Change inside it, and so on. The folder
// list and the drive box signal only real changes, which ends each chain.
//
// Assigning txt_path the text it already holds counts as a change here: "ok"
// and a click on a folder line then always read the folder again with the
// filter as it stands in Combo1, typed or picked.
class BrowserPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 5895;
    static constexpr int kHeightTwips = 3015;

    explicit BrowserPanel(QWidget* parent);

    QLineEdit* txt_path = nullptr;
    DriveBox* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* cmd_okfiles = nullptr;
    ClickableImage* Image_EXIT = nullptr;
    // Kept here, hidden, rather than below the file-list panel's visible area.
    FileBox* File1 = nullptr;

    // Copies the file box's entries into the file list.
    void Umspeichern();

Q_SIGNALS:
    // The file list is to hold exactly these names, all unmarked.
    void filesListed(const QStringList& names);
    void statusMessage(const QString& text);
    // "ok" was pressed: the panel has closed, and the menu panel is to close too.
    void okPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void setPathText(const QString& text);

    void Combo1_Click();
    void Dir1_Click();
    void Dir1_Change();
    void txt_path_Change();
    void Drive1_Change();
    void cmd_okfiles_Click();
    void Image_EXIT_Click();
};

} // namespace kettwerk::ui
