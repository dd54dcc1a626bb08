#include "Sound.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kettwerk::ui {

QString locateSound(const QString& fileName)
{
    const QString candidates[] = {
        QCoreApplication::applicationDirPath() + u'/' + fileName,
        QStringLiteral(KETTWERK_DATA_DIR) + u'/' + fileName,
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

} // namespace kettwerk::ui
