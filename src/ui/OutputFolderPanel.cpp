#include "OutputFolderPanel.h"

#include "DriveBox.h"
#include "Drives.h"
#include "FolderList.h"
#include "Paths.h"
#include "Twips.h"

#include <QPushButton>

namespace kettwerk::ui {

OutputFolderPanel::OutputFolderPanel(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame6"));
    setTitle(QStringLiteral("Speicherort doit.pro"));
    // Outside the visible part of the running window until it is opened.
    placeTwips(this, 8760, 4440, kWidthTwips, kHeightTwips);

    Drive2 = new DriveBox(QStringLiteral("Drive2"), this);
    placeTwips(Drive2, 120, 240, 2175, 315);
    Dir2 = new FolderList(QStringLiteral("Dir2"), this);
    placeTwips(Dir2, 120, 600, 2175, 1665);
    cmd_ok = new QPushButton(QStringLiteral("ok"), this);
    cmd_ok->setObjectName(QStringLiteral("cmd_ok"));
    placeTwips(cmd_ok, 120, 2280, 2175, 255);

    // The folder list has no handler of its own: choosing a folder changes
    // only its path, which "ok" takes over.
    connect(Drive2, &DriveBox::driveChanged, this, &OutputFolderPanel::Drive2_Change);
    connect(cmd_ok, &QPushButton::clicked, this, &OutputFolderPanel::cmd_ok_Click);
}

void OutputFolderPanel::restoreFolder(const QString& folder)
{
    if (!isExistingFolder(folder))
        return;
    Dir2->setPath(folder);
    Drive2->setDrive(platform::DriveSource::instance().driveOf(Dir2->path()));
}

void OutputFolderPanel::openAbove(const QRect& bar)
{
    move(bar.left(), bar.top() - height());
    show();
}

void OutputFolderPanel::Drive2_Change()
{
    // The working folder stays as it is either way.
    if (!followDrive(Drive2, Dir2))
        Q_EMIT statusMessage(QStringLiteral("Laufwerk nicht verfügbar !"));
}

void OutputFolderPanel::cmd_ok_Click()
{
    Q_EMIT folderChosen(Dir2->path());
    hide();
}

} // namespace kettwerk::ui
