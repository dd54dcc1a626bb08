#pragma once

#include <QGroupBox>

class QPushButton;

namespace kettwerk::ui {

class DriveBox;
class FolderList;

// "Speicherort doit.pro": a drive box and a folder list for picking the
// working folder. It lies outside the window's visible area until the
// heading above the working folder opens it; "ok" hands the folder list's
// path over and puts the panel away. The drive and folder stay as they are
// between openings.
class OutputFolderPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit OutputFolderPanel(QWidget* parent);

    // At start: when `folder` exists, the folder list moves there and the
    // drive box only shows its drive, without the move to that drive's
    // current folder that a drive change makes. A folder that does not exist
    // changes nothing.
    void restoreFolder(const QString& folder);

    // Shows the panel directly above the bar with the geometry `bar`, flush
    // with its left edge. Opening it again while it is shown only places it
    // again.
    void openAbove(const QRect& bar);

Q_SIGNALS:
    // "ok": the working folder is to become `folder`, as the folder list
    // gives it (no trailing separator except for a root).
    void folderChosen(const QString& folder);
    void statusMessage(const QString& text);

private:
    void onDriveChanged();
    void onOkClicked();

    DriveBox* m_driveBox = nullptr;
    FolderList* m_folderList = nullptr;
    QPushButton* m_okButton = nullptr;
};

} // namespace kettwerk::ui
