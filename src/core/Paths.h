#pragma once

#include <QChar>
#include <QString>

namespace kettwerk {

// Joins the working folder and a file name the way users type folders: when
// the folder already ends in the separator the name follows directly,
// otherwise (an empty folder included) one separator is put between. Only
// the last character is looked at; nothing is trimmed.
QString joinFolderAndName(const QString& folder, const QString& name, QChar separator);

// True when the path names an existing folder. Any failure to look at the
// path (missing, drive not ready, empty text) gives false, never an error.
// A trailing separator is accepted.
bool isExistingFolder(const QString& path);

// True when `path` names an existing regular file (through a link, too).
// Anything else, an empty path included, gives false. Looks only.
bool isExistingFile(const QString& path);

} // namespace kettwerk
