#include "Platform.h"

#include "EightBitCodec.h"

#include <QCoreApplication>
#include <QDir>

#include <pwd.h>
#include <unistd.h>

namespace kettwerk::platform {

QString loginName()
{
    const passwd* entry = ::getpwuid(::geteuid());
    if (!entry || !entry->pw_name)
        return QStringLiteral("USER");
    const QString name = QString::fromLocal8Bit(entry->pw_name).trimmed();
    return name.isEmpty() ? QStringLiteral("USER") : name;
}

QString defaultWorkingFolder(const QString& /*login: the home folder already belongs to it*/)
{
    return QDir::homePath() + QStringLiteral("/ProEWildfire2/");
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QChar pathSeparator()
{
    return u'/';
}

const EightBitCodec& eightBitCodec()
{
    // Pro/ENGINEER's files come from Windows machines; read and write them
    // in the Western European Windows code page.
    static const Windows1252Codec codec;
    return codec;
}

} // namespace kettwerk::platform
