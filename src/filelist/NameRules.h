#pragma once

#include <QString>
#include <QStringList>

namespace kettwerk {

// A file-list entry looks like "E:\proj\bracket.drw.3": an optional drive,
// optional folders ending in a backslash or slash, the bare name, the type suffix and
// optional further dot-suffixes such as Pro/ENGINEER's version number. The
// routines below cut an entry into these pieces without ever validating it,
// because entries come from wherever the user copied them.
//
// Folders end at a backslash or a slash, whatever system runs the program.

// The bare name: the file-name part up to its first dot.
// "E:\proj\bracket.drw.3" -> "bracket", "my.dir\bracket.drw" -> "bracket".
QString bareName(const QString& entry);

// The type suffix with its dot: the first non-empty dot-segment of the
// file-name part, or an empty text. "bracket.drw.3" -> ".drw",
// "bracket..drw" -> ".drw", "E:\a.b\bracket" -> "".
QString typeSuffix(const QString& entry);

// Keeps the first occurrence of every non-empty text, in order. Texts are
// compared exactly (case matters); empty texts are never repeats, so every
// one of them survives.
QStringList removeRepeats(const QStringList& texts);

// The name that Pro/ENGINEER is told to open: the bare name without leading
// and trailing blanks (only the space character; tabs stay) followed by the
// type suffix taken from the untouched entry, so blanks behind a suffix stay.
QString reducedName(const QString& entry);

// The selection that the batch runs through: every marked entry reduced, in
// list order, repeats removed.
QStringList handOver(const QStringList& markedEntries);

} // namespace kettwerk
