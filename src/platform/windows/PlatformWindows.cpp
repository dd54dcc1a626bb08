#include "platform/Platform.h"

#include "platform/EightBitCodec.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// windows.h first: the others build on its types.
#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

namespace kettwerk::platform {
namespace {

// The system's ANSI code page, without best-fit substitutes: a character
// that has no byte of its own is reported instead of written as "?".
class AnsiCodec final : public EightBitCodec
{
public:
    qsizetype encode(QStringView text, QByteArray& bytes) const override
    {
        bytes.clear();
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype width = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
            char buffer[8];
            BOOL usedDefault = FALSE;
            const int written = ::WideCharToMultiByte(
                CP_ACP, WC_NO_BEST_FIT_CHARS, reinterpret_cast<LPCWCH>(text.utf16() + i),
                int(width), buffer, int(sizeof buffer), nullptr, &usedDefault);
            if (written <= 0 || usedDefault)
                return i;
            bytes.append(buffer, written);
            i += width;
        }
        return -1;
    }

    QString decode(QByteArrayView bytes) const override
    {
        if (bytes.isEmpty())
            return {};
        const int length =
            ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
        QString text(length, Qt::Uninitialized);
        ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()),
                              reinterpret_cast<LPWSTR>(text.data()), length);
        return text;
    }
};

// ShellExecuteW's answers up to 32 are error codes; the common ones in words.
QString shellErrorText(INT_PTR code)
{
    switch (code) {
    case 0:
    case SE_ERR_OOM:
        return QCoreApplication::translate("kettwerk::platform::Shell", "Nicht genug Speicher.");
    case ERROR_FILE_NOT_FOUND:
        return QCoreApplication::translate("kettwerk::platform::Shell",
                                           "Die Datei wurde nicht gefunden.");
    case ERROR_PATH_NOT_FOUND:
        return QCoreApplication::translate("kettwerk::platform::Shell",
                                           "Der Pfad wurde nicht gefunden.");
    case SE_ERR_ACCESSDENIED:
        return QCoreApplication::translate("kettwerk::platform::Shell", "Zugriff verweigert.");
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE:
        return QCoreApplication::translate("kettwerk::platform::Shell",
                                           "Diesem Dateityp ist kein Programm zugeordnet.");
    default:
        return QCoreApplication::translate("kettwerk::platform::Shell",
                                           "Fehler %1 der Windows-Shell.")
            .arg(qint64(code));
    }
}

class WindowsShell final : public Shell
{
public:
    Result<> open(const QString& pathOrAddress) override
    {
        const INT_PTR result = reinterpret_cast<INT_PTR>(
            ::ShellExecuteW(nullptr, nullptr, reinterpret_cast<LPCWSTR>(pathOrAddress.utf16()),
                            nullptr, nullptr, SW_SHOWNORMAL));
        if (result > 32)
            return {};
        return Failure::file(QCoreApplication::translate("kettwerk::platform::Shell",
                                                         "„%1“ konnte nicht geöffnet werden: %2")
                                 .arg(pathOrAddress, shellErrorText(result)));
    }
};

} // namespace

Shell& Shell::system()
{
    static WindowsShell shell;
    return shell;
}

QString loginName()
{
    char buffer[256];
    DWORD size = 255;
    if (!::GetUserNameA(buffer, &size) || size == 0)
        return QStringLiteral("USER");
    const QString name = QString::fromLocal8Bit(buffer, int(size) - 1).trimmed();
    return name.isEmpty() ? QStringLiteral("USER") : name;
}

QString defaultWorkingFolder(const QString& login)
{
    return QStringLiteral("E:\\users\\") + login + QStringLiteral("\\ProEWildfire2\\");
}

QString homeFolder()
{
    // Pro/ENGINEER takes its home from HOME when that is set, as many sites
    // do to keep config.pro on a network drive; else the profile folder.
    const QString home = qEnvironmentVariable("HOME");
    return QDir::toNativeSeparators(home.isEmpty() ? QDir::homePath() : home);
}

QString fallbackWorkingFolder()
{
    // The archive is unpacked wherever the user chooses, and doit.pro
    // beside the program is where it has always been looked for. The
    // installer's folder (it leaves its uninstaller there) is the
    // program's, not the user's.
    const QString program = programFolder();
    if (QFileInfo::exists(program + QStringLiteral("\\uninstall.exe")))
        return homeFolder();
    return program;
}

bool fileNamesIgnoreCase()
{
    return true;
}

QString programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QStringList dataFolders()
{
    // The program is unpacked with its data beside it.
    return {QCoreApplication::applicationDirPath()};
}

QChar pathSeparator()
{
    return u'\\';
}

const EightBitCodec& eightBitCodec()
{
    static const AnsiCodec codec;
    return codec;
}

bool playSoundFile(const QString& path)
{
    // SND_NODEFAULT: a file that cannot be played reports failure instead of
    // playing the system's default sound, so the caller's beep is the only one.
    const QString native = QDir::toNativeSeparators(path);
    return ::PlaySoundW(reinterpret_cast<LPCWSTR>(native.utf16()), nullptr,
                        SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

} // namespace kettwerk::platform
