#include "FolderTest.h"

#include <QFileInfo>

namespace kettwerk {

bool IstVerzeichnis(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isDir();
}

} // namespace kettwerk
