#pragma once

#include <QString>

#include <functional>

namespace kettwerk::platform {

// Opens a document, or an address such as "mailto:…", in the program that
// the system associates with it. Returns a value in the manner of the
// Windows shell: greater than 32 on success, an error code up to 32 otherwise.
int shellOpen(const QString& pathOrAddress);

// The shell's convention for its results.
inline bool shellSucceeded(int result)
{
    return result > 32;
}

// Tests replace the real opening; an empty function restores it.
void setShellOpenHook(std::function<int(const QString&)> hook);

} // namespace kettwerk::platform
