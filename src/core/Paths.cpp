#include "core/Paths.h"

namespace kettwerk {

QString joinFolderAndName(const QString& folder, const QString& name, QChar separator)
{
    if (!folder.isEmpty() && folder.back() == separator)
        return folder + name;
    return folder + separator + name;
}

} // namespace kettwerk
