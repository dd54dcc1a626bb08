#include "platform/FileSystem.h"

#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <io.h>

#include <windows.h>

namespace kettwerk::platform {

// Files on Windows carry their rights in access lists that a replacement in
// the same folder inherits; only the read-only attribute is the file's own.
FileOwnership fileOwnership(const QString& path)
{
    FileOwnership ownership;
    const QFileInfo info(path);
    if (!info.exists())
        return ownership;
    ownership.exists = true;
    ownership.mode = info.isWritable() ? 0666 : 0444;
    return ownership;
}

bool giveOwnership(int /*fd*/, const FileOwnership& /*original*/)
{
    return true;
}

bool syncToDisk(int fd)
{
    return ::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(fd))) != 0;
}

void reportBrokenPipes() {}

void useBinaryStandardOutput()
{
    // The list and the batch file carry their own CR LF; text mode would
    // add a second CR before each LF. Messages on standard error end in LF,
    // as on every other system.
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

void showUtf8InConsole()
{
    // Without a console the code page is 0, and there is nothing to switch.
    static const UINT original = ::GetConsoleOutputCP();
    if (original == 0 || original == CP_UTF8)
        return;
    if (::SetConsoleOutputCP(CP_UTF8))
        std::atexit([] { ::SetConsoleOutputCP(original); });
}

QString lastSystemError()
{
    return qt_error_string(int(::GetLastError()));
}

} // namespace kettwerk::platform
