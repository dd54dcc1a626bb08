#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// What the program needs to know about the system it runs on. Each system
// has its own implementation file; the rest of the program sees only this.
namespace kettwerk::platform {

class EightBitCodec;

// The login name of the user running the program, trimmed of blanks, or
// "USER" when the system does not tell.
QString loginName();

// The folder in which Pro/ENGINEER usually works for this user, ending in
// the separator. It may not exist.
QString defaultWorkingFolder(const QString& login);

// The working folder of a first run when Pro/ENGINEER's usual folder is
// missing: somewhere the user may write and will find the file again, never
// the folder of an installed program.
QString fallbackWorkingFolder();

// True when the system takes two file names that differ only in case for
// the same file.
bool fileNamesIgnoreCase();

// The user's home folder, where Pro/ENGINEER reads the user's own
// config.pro, in the system's own form and without a trailing separator.
QString homeFolder();

// The folder that holds the program's executable, without a trailing
// separator.
QString programFolder();

// The folders that may hold the program's data files (the completion sound),
// in the order they are searched: the program's folder first, so that a
// build or an unpacked archive finds its own, then wherever an installation
// puts them, found from the executable so that a moved one still does.
QStringList dataFolders();

// The separator that joins the working folder and a file name.
QChar pathSeparator();

// The 8-bit code page of text files on this system.
const EightBitCodec& eightBitCodec();

// Starts playing the sound file at `path` with the system's own player and
// returns at once. False when the system has no such player or cannot play
// the file; the caller then sounds the beep.
bool playSoundFile(const QString& path);

} // namespace kettwerk::platform
