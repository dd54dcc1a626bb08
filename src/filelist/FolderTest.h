#pragma once

#include <QString>

namespace kettwerk {

// True when the path names an existing folder. Any failure to look at the
// path (missing, drive not ready, empty text) gives false, never an error.
// A trailing separator is accepted.
bool IstVerzeichnis(const QString& path);

} // namespace kettwerk
