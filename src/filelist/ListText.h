#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

namespace kettwerk {

// Splits text into lines, as forEachLine cuts them.
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
