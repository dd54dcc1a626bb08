#include "platform/Platform.h"

#include "platform/EightBitCodec.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QUrl>

#include <pwd.h>
#include <unistd.h>

namespace kettwerk::platform {
namespace {

// Desktops on these systems agree on xdg-open as the way to open a document
// or an address with the user's chosen program.
class XdgOpen final : public Shell
{
public:
    Result<> open(const QString& pathOrAddress) override
    {
        const QString target = looksLikeAddress(pathOrAddress)
                                   ? pathOrAddress
                                   : QUrl::fromLocalFile(pathOrAddress).toString();
        if (QProcess::startDetached(QStringLiteral("xdg-open"), {target}))
            return {};
        return Failure::file(
            QCoreApplication::translate("kettwerk::platform::Shell",
                                        "„%1“ konnte nicht geöffnet werden: xdg-open "
                                        "ließ sich nicht starten.")
                .arg(pathOrAddress));
    }

private:
    static bool looksLikeAddress(const QString& text)
    {
        const QUrl url(text);
        return url.isValid() && url.scheme().size() > 1;
    }
};

} // namespace

Shell& Shell::system()
{
    static XdgOpen shell;
    return shell;
}

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

QString homeFolder()
{
    return QDir::homePath();
}

QString fallbackWorkingFolder()
{
    // The program lies in a system folder such as /usr/bin here.
    return homeFolder();
}

bool fileNamesIgnoreCase()
{
    return false;
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QStringList dataFolders()
{
    // The relative way from the installed executable to the installed data
    // (usually ../share/kettwerk), fixed when the program is configured.
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(),
            QDir::cleanPath(program.filePath(QStringLiteral(KETTWERK_DATA_FROM_PROGRAM)))};
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

bool playSoundFile(const QString& /*path*/)
{
    // No player every desktop has; Qt Multimedia plays the sound where it is
    // built in.
    return false;
}

} // namespace kettwerk::platform
