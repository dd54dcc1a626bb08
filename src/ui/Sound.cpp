#include "ui/Sound.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace kettwerk::ui {

QString locateSound(const QString& fileName)
{
    for (const QString& folder : platform::dataFolders()) {
        const QString candidate = QDir(folder).filePath(fileName);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

} // namespace kettwerk::ui
