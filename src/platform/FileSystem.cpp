#include "platform/FileSystem.h"

#include <QFileInfo>

// The questions about paths that every system answers alike through Qt.
namespace kettwerk::platform {

bool isExistingFolder(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool isExistingFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace kettwerk::platform
