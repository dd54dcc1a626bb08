#include "ui/DriveBox.h"

#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "ui/FolderList.h"

#include <QDir>
#include <QSignalBlocker>

namespace kettwerk::ui {

DriveBox::DriveBox(const QString& objectName, QWidget* parent) : QComboBox(parent)
{
    setObjectName(objectName);
    m_drive = platform::DriveSource::instance().driveOf(QDir::currentPath());
    refresh();
    connect(this, &QComboBox::currentIndexChanged, this, &DriveBox::onIndexChanged);
}

void DriveBox::refresh()
{
    const QSignalBlocker quiet(this);
    clear();
    addItems(platform::DriveSource::instance().drives());
    // A drive that the list no longer offers (or never did, such as a
    // network path) stays shown while it is the current one.
    if (!m_drive.isEmpty() && findText(m_drive) < 0)
        addItem(m_drive);
    setCurrentIndex(findText(m_drive));
}

void DriveBox::setDrive(const QString& drive)
{
    if (drive == m_drive || drive.isEmpty())
        return;
    if (findText(drive) < 0) {
        const QSignalBlocker quiet(this);
        addItem(drive);
    }
    // Runs onIndexChanged, and with it the change handler, before returning.
    setCurrentIndex(findText(drive));
}

void DriveBox::showDrive(const QString& drive)
{
    if (drive.isEmpty())
        return;
    m_drive = drive;
    refresh();
}

void DriveBox::onIndexChanged(int index)
{
    if (index < 0 || itemText(index) == m_drive)
        return;
    m_drive = itemText(index);
    Q_EMIT driveChanged(m_drive);
}

void DriveBox::showPopup()
{
    refresh();
    QComboBox::showPopup();
}

bool followDrive(DriveBox* driveBox, FolderList* folderList)
{
    const platform::DriveSource& source = platform::DriveSource::instance();
    const QString drive = driveBox->drive();
    if (platform::isExistingFolder(source.rootOf(drive)) && source.isReady(drive)) {
        if (!folderList->setPath(source.currentFolder(drive)))
            folderList->setPath(source.rootOf(drive));
        return true;
    }
    driveBox->setDrive(source.driveOf(folderList->path()));
    return false;
}

} // namespace kettwerk::ui
