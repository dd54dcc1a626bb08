#include "core/Paths.h"

#include <QFileInfo>

namespace kettwerk {

QString joinFolderAndName(const QString& folder, const QString& name, QChar separator)
{
    if (!folder.isEmpty() && folder.back() == separator)
        return folder + name;
    return folder + separator + name;
}

bool isExistingFolder(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool isExistingFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace kettwerk
