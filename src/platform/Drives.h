#pragma once

#include "platform/Replaceable.h"

#include <QString>
#include <QStringList>

namespace kettwerk::platform {

// The drives the user can choose from in a drive box. On Windows a drive is
// a letter with its colon ("C:"); elsewhere it is a mounted volume, named by
// the folder it is mounted on ("/", "/media/usb").
//
// Everything that asks about drives goes through DriveSource::instance(), so
// that a test can install a source of its own, one that offers a drive that
// is never ready.
class DriveSource : public Replaceable<DriveSource>
{
public:
    virtual ~DriveSource() = default;

    // Every drive, in the order a drive box lists them.
    virtual QStringList drives() const = 0;
    // The drive that holds `path`; empty when no drive does.
    virtual QString driveOf(const QString& path) const = 0;
    // The top folder of `drive` ("C:\", or the mount folder).
    virtual QString rootOf(const QString& drive) const = 0;
    // True when the drive's contents can be read right now: a CD drive
    // without a disc, a vanished network share or an unmounted volume is
    // not ready.
    virtual bool isReady(const QString& drive) const = 0;
    // The folder a folder list shows when it is sent to `drive`: the current
    // folder of that drive as the system keeps it. Systems without a current
    // folder per drive give the process's current folder when it lies on the
    // drive, and the drive's root otherwise.
    virtual QString currentFolder(const QString& drive) const;

    // The system's own drives, whatever is installed.
    static DriveSource& system();
};

// Reading folders, for the folder and file lists.

// The names found in one folder, in no particular order, and whether the
// folder could be read at all. A folder that exists but may not be read
// (access denied) gives no names and ok false.
struct FolderListing
{
    QStringList names;
    bool ok = false;
};

// The plain files of `folder` that a user is meant to see: hidden files are
// left out, and on Windows system files too. A link counts as what it points
// to; a broken link is left out.
FolderListing listFiles(const QString& folder);

// The subfolders of `folder`, with the same rules as listFiles.
FolderListing listSubfolders(const QString& folder);

// Sorts names the way file and folder lists show them: by name, upper and
// lower case alike; names that differ only in case keep a fixed order.
void sortNames(QStringList& names);

// `path` as folder lists keep it: absolute, cleaned, in the system's
// separators, with no trailing separator except for a root ("/", "C:\").
QString fullFolderPath(const QString& path);

} // namespace kettwerk::platform
