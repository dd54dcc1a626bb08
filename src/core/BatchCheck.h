#pragma once

#include "core/MapkeyDefinitions.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kettwerk {

// Something that would make Pro/ENGINEER stop, fail or do the wrong thing
// during an unattended batch, found before doit.pro is written.
struct Finding
{
    enum Severity { Warning, Error };
    Severity severity = Warning;
    QString text;         // one line, starting with the thing concerned
    qsizetype entry = -1; // index into the selection when it concerns one file
};

// The names of the user's mapkeys in the text entered for the template: the
// first name, then ";%" before every further one. An empty item (as the
// last one of "+;%bb;%00;") is an Enter, not a mapkey, and so is left out;
// so is an item without "%", which Pro/ENGINEER takes as keys, not a call.
QStringList splitMapkeyNames(const QString& mapkeyNames);

// The findings for a batch that opens every name of `selection` (already
// reduced to bare name and type suffix) and runs the mapkeys named in
// `mapkeyNames` on it. `definitions` holds what `searchedFiles` define; the
// files are named when a mapkey is missing. Mapkey findings come first, then
// the file findings in the order of the selection. Backquotes, control
// characters and characters outside the code page are left to the batch job,
// which refuses them.
QList<Finding> checkBatch(const QStringList& selection, const QString& mapkeyNames,
                          const MapkeyDefinitions& definitions, const QStringList& searchedFiles);

} // namespace kettwerk
