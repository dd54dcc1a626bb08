#include "platform/Console.h"

#include <cstdio>

#include <windows.h>

namespace kettwerk::platform {

void useParentConsole()
{
    // Output redirected to a file or a pipe is already open to write to.
    if (::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN)
        return;
    // Started from a shortcut or Explorer, there is no console to attach to,
    // and the answer goes nowhere, as with any window program.
    if (!::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}

} // namespace kettwerk::platform
