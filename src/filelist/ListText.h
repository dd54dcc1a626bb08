#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

namespace kettwerk {

// Splits text into lines. A line ends at CR LF, at a lone CR or at a lone
// LF, so text from Windows, old Mac and Linux programs alike splits into the
// lines the user sees; the break itself is not part of the line. A break at
// the very end does not start another (empty) line, and an empty text has no
// lines at all.
QStringList splitLines(QStringView text);

// The file-list entries that a pasted text or a list file gives: its lines
// in order, each unchanged (blanks and tabs included), without the empty
// lines and without lines that are exactly "Name", the column header that
// document-management tables copy along with the names. Repeats stay.
QStringList listEntries(QStringView text);

// The text of a list file. One from a Linux editor is UTF-8; one saved by an
// older Windows program is in the 8-bit code page, one saved as "Unicode"
// is UTF-16 with a byte-order mark. A byte-order mark decides; otherwise
// valid UTF-8 wins. The mark itself is dropped.
QString decodeListFile(QByteArrayView bytes);

} // namespace kettwerk
