#include "platform/Drives.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kettwerk::platform {

QString DriveSource::currentFolder(const QString& drive) const
{
    const QString current = fullFolderPath(QDir::currentPath());
    return driveOf(current) == drive ? current : rootOf(drive);
}

void sortNames(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int caseless = a.compare(b, Qt::CaseInsensitive);
        return caseless != 0 ? caseless < 0 : a < b;
    });
}

QString fullFolderPath(const QString& path)
{
    if (path.isEmpty())
        return {};
    // cleanPath keeps the separator of a root and drops every other trailing one.
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

} // namespace kettwerk::platform
