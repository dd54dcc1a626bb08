#pragma once

#include "filelist/FolderFiles.h"

#include <QFrame>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kettwerk::ui {

class ClickableImage;
class DriveBox;
class FolderList;

// The browser panel "Dateiliste": fills the file list with the files of one
// folder that match a filter. It holds no file list of its own; each change
// of folder or filter hands the matching names over through filesListed, so
// the user sees the result in the file-list panel while browsing.
//
// The handlers call each other through the controls' change signals, nested
// and synchronously: a double click on a folder runs readOpenFolder, which
// sets the path field, which runs onPathEdited inside it, and so on. The
// folder list and the drive box signal only real changes, which ends each
// chain.
//
// Assigning the path field the text it already holds counts as a change
// here: "ok" and a click on a folder line then always read the folder again
// with the filter as it stands in the filter box, typed or picked.
class BrowserPanel : public QFrame
{
    Q_OBJECT
public:
    explicit BrowserPanel(QWidget* parent);

    // The name filter as it stands in the filter box, typed or picked.
    QString filter() const;

Q_SIGNALS:
    // The file list is to hold exactly these names, all unmarked.
    void filesListed(const QStringList& names);
    void statusMessage(const QString& text);
    // "ok" was pressed: the panel has closed, and the menu panel is to close too.
    void okPressed();
    // The filter box's text changed, by typing or by a pick.
    void filterChanged(const QString& filter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void setPathText(const QString& text);
    void copyFilesToList();

    void onFilterPicked();
    void readOpenFolder();
    void onPathEdited();
    void onDriveChanged();
    void onOkClicked();

    QLineEdit* m_pathField = nullptr;
    DriveBox* m_driveBox = nullptr;
    FolderList* m_folderList = nullptr;
    QComboBox* m_filterBox = nullptr;
    QPushButton* m_okButton = nullptr;
    ClickableImage* m_closeImage = nullptr;
    FolderFiles m_files;
};

} // namespace kettwerk::ui
