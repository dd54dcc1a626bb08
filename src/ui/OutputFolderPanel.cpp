#include "ui/OutputFolderPanel.h"

#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "ui/DriveBox.h"
#include "ui/FolderList.h"
#include "ui/Twips.h"

#include <QPushButton>

namespace kettwerk::ui {

OutputFolderPanel::OutputFolderPanel(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame6"));
    setTitle(tr("Speicherort doit.pro"));
    placeTwips(this, layout::outputFolderPanel::panel);

    m_driveBox = new DriveBox(QStringLiteral("Drive2"), this);
    placeTwips(m_driveBox, layout::outputFolderPanel::driveBox);
    m_folderList = new FolderList(QStringLiteral("Dir2"), this);
    placeTwips(m_folderList, layout::outputFolderPanel::folderList);
    m_okButton = new QPushButton(QStringLiteral("ok"), this);
    m_okButton->setObjectName(QStringLiteral("cmd_ok"));
    placeTwips(m_okButton, layout::outputFolderPanel::okButton);

    // The folder list has no handler of its own: choosing a folder changes
    // only its path, which "ok" takes over.
    connect(m_driveBox, &DriveBox::driveChanged, this, &OutputFolderPanel::onDriveChanged);
    connect(m_okButton, &QPushButton::clicked, this, &OutputFolderPanel::onOkClicked);
}

void OutputFolderPanel::restoreFolder(const QString& folder)
{
    if (!platform::isExistingFolder(folder))
        return;
    // The drive box only catches up: a change handled as such would move the
    // list on to that drive's current folder, and "ok" would then replace the
    // working folder with it.
    m_folderList->setPath(folder);
    m_driveBox->showDrive(platform::DriveSource::instance().driveOf(m_folderList->path()));
}

void OutputFolderPanel::openAbove(const QRect& bar)
{
    move(bar.left(), bar.top() - height());
    show();
}

void OutputFolderPanel::onDriveChanged()
{
    // The working folder stays as it is either way.
    if (!followDrive(m_driveBox, m_folderList))
        Q_EMIT statusMessage(tr("Laufwerk nicht verfügbar !"));
}

void OutputFolderPanel::onOkClicked()
{
    Q_EMIT folderChosen(m_folderList->path());
    hide();
}

} // namespace kettwerk::ui
