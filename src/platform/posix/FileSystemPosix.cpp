#include "platform/FileSystem.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace kettwerk::platform {

FileOwnership fileOwnership(const QString& path)
{
    FileOwnership ownership;
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return ownership;
    ownership.exists = true;
    ownership.owner = info.st_uid;
    ownership.group = info.st_gid;
    ownership.mode = info.st_mode & 07777;
    ownership.links = qint64(info.st_nlink);
    return ownership;
}

bool giveOwnership(int fd, const FileOwnership& original)
{
    struct stat made;
    if (::fstat(fd, &made) != 0)
        return false;
    if ((made.st_uid != original.owner || made.st_gid != original.group) &&
        ::fchown(fd, original.owner, original.group) != 0)
        return false;
    // After the owner, as changing it may clear set-id bits.
    return ::fchmod(fd, original.mode) == 0;
}

bool syncToDisk(int fd)
{
    return ::fsync(fd) == 0;
}

void reportBrokenPipes()
{
    std::signal(SIGPIPE, SIG_IGN);
}

void useBinaryStandardOutput()
{
    // Bytes are bytes here already.
}

void showUtf8InConsole()
{
    // Terminals here take UTF-8 as it is.
}

QString lastSystemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace kettwerk::platform
