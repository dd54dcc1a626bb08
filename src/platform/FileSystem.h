#pragma once

#include <QString>

namespace kettwerk::platform {

// True when the path names an existing folder. Any failure to look at the
// path (missing, drive not ready, empty text) gives false, never an error.
// A trailing separator is accepted.
bool isExistingFolder(const QString& path);

// True when `path` names an existing regular file (through a link, too).
// Anything else, an empty path included, gives false. Looks only.
bool isExistingFile(const QString& path);

// Who owns a file and who may use it, as far as a rewrite must keep it.
struct FileOwnership
{
    bool exists = false;
    unsigned owner = 0;
    unsigned group = 0;
    unsigned mode = 0; // permission bits
    qint64 links = 1;  // names the file has (hard links)
};

// The ownership of the file at `path` (a link is followed).
FileOwnership fileOwnership(const QString& path);

// Gives the open file `fd` the owner, group and mode of `original`. False
// when the system refuses (only the superuser may give a file away); the
// file is then left as it was made.
bool giveOwnership(int fd, const FileOwnership& original);

// Makes sure the data written to `fd` are on the disk; false when not.
bool syncToDisk(int fd);

// From now on a write to a closed pipe fails with an error instead of ending
// the program, so that the failure can be reported.
void reportBrokenPipes();

// Standard input, output and error pass bytes on as they are: no line-end
// translation (on Windows the C runtime would turn every LF into CR LF, and
// take a UTF-16 list apart).
void useBinaryStandardOutput();

// Messages go out in UTF-8; a Windows console shows them with their umlauts
// only while it is switched to that code page. The console gets its own code
// page back when the program ends.
void showUtf8InConsole();

// The system's own words for the last failed call.
QString lastSystemError();

} // namespace kettwerk::platform
