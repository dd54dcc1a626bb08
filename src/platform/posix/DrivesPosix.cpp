#include "platform/Drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kettwerk::platform {
namespace {

// The mounted volumes stand in for drives; each is named by its mount folder.
class MountedVolumes final : public DriveSource
{
public:
    QStringList drives() const override
    {
        QStringList roots;
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
            const QString root = volume.rootPath();
            // Containers bind-mount single files such as /etc/hosts; those are
            // no drives.
            if (root.isEmpty() || roots.contains(root) || !QFileInfo(root).isDir())
                continue;
            roots.append(root);
        }
        // "/" sorts first, and a volume mounted inside another follows it.
        std::sort(roots.begin(), roots.end());
        return roots;
    }

    QString driveOf(const QString& path) const override
    {
        if (path.isEmpty())
            return {};
        // A folder that has gone away still lies on the drive of its parent.
        QString existing = QFileInfo(path).absoluteFilePath();
        while (!QFileInfo::exists(existing)) {
            const QString parent = QFileInfo(existing).absolutePath();
            if (parent == existing)
                return {};
            existing = parent;
        }
        const QStorageInfo volume(existing);
        return volume.isValid() ? volume.rootPath() : QString();
    }

    QString rootOf(const QString& drive) const override { return drive; }

    bool isReady(const QString& drive) const override
    {
        const QStorageInfo volume(drive);
        // An unmounted volume leaves its empty mount folder behind, which
        // belongs to the volume around it.
        if (!volume.isValid() || !volume.isReady() || volume.rootPath() != drive)
            return false;
        return ::access(QFile::encodeName(drive).constData(), R_OK | X_OK) == 0;
    }
};

// Reads the folder with readdir: the entry types come with the names, so
// only links and file systems that do not report types cost a stat. A
// folder of 20,000 files is read in a few milliseconds, and a folder that
// may not be read is told apart from an empty one.
FolderListing listEntries(const QString& folder, unsigned char wanted)
{
    FolderListing listing;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return listing;
    const int fd = ::dirfd(dir);
    listing.ok = true;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            listing.ok = errno == 0;
            break;
        }
        // Hidden names; this also drops "." and "..".
        if (entry->d_name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat target;
            if (::fstatat(fd, entry->d_name, &target, 0) != 0)
                continue;
            type = S_ISREG(target.st_mode) ? DT_REG : S_ISDIR(target.st_mode) ? DT_DIR : DT_UNKNOWN;
        }
        if (type == wanted)
            listing.names.append(QFile::decodeName(entry->d_name));
    }
    ::closedir(dir);
    if (!listing.ok)
        listing.names.clear();
    return listing;
}

} // namespace

FolderListing listFiles(const QString& folder)
{
    return listEntries(folder, DT_REG);
}

FolderListing listSubfolders(const QString& folder)
{
    return listEntries(folder, DT_DIR);
}

DriveSource& DriveSource::system()
{
    static MountedVolumes source;
    return source;
}

} // namespace kettwerk::platform
