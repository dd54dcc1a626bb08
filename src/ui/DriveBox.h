#pragma once

#include <QComboBox>

namespace kettwerk::ui {

class FolderList;

// A drive box, as both browsers show one: the drives of the system,
// starting on the drive of the program's current folder. driveChanged is
// emitted when the user picks another drive and when setDrive changes it,
// at once and only on a real change.
class DriveBox : public QComboBox
{
    Q_OBJECT
public:
    DriveBox(const QString& objectName, QWidget* parent);

    QString drive() const { return m_drive; }
    void setDrive(const QString& drive);
    // Shows `drive` as the current one without running the change handler:
    // for a folder list that is already where it should be.
    void showDrive(const QString& drive);
    // Reads the drives again, keeping the current one.
    void refresh();

Q_SIGNALS:
    void driveChanged(const QString& drive);

protected:
    // Drives come and go (USB sticks, network shares): the list is read
    // again each time it opens.
    void showPopup() override;

private:
    void onIndexChanged(int index);

    QString m_drive;
};

// What a drive change does to the folder list beside the drive box. When the
// chosen drive can be read, the folder list moves to the drive's current
// folder (its root, should that folder be gone). Otherwise the drive box
// goes back to the drive of the folder list's path, which is itself a drive
// change and runs the caller's handler again, and the result is false: the
// caller reports the drive as not available.
bool followDrive(DriveBox* driveBox, FolderList* folderList);

} // namespace kettwerk::ui
