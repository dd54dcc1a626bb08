#pragma once

#include <QString>
#include <QStringList>

namespace kettwerk {

// The pieces that a batch text is joined from. They default to the stored
// blocks; the construction panel may hand in edited ones.
struct BatchPieces
{
    QString header;
    QString openStep;
    QString closing;

    static BatchPieces stored();
};

// Joins the complete text of doit.pro: the header, then for every selected
// file the open step without its last two characters (the CR LF after the
// opening backquote), the file name verbatim and the function block, and
// finally the closing line. No separator is added between the pieces.
//
// The caller must hand in an open step of at least two characters.
QString composeBatch(const BatchPieces& pieces, const QStringList& selection,
                     const QString& functionBlock);

} // namespace kettwerk
