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

// The findings for a batch that opens every name of `selection` (already
// reduced to bare name and type suffix) and runs the mapkeys named in
// `mapkeyNames` on it. `definitions` holds what `searchedFiles` define; the
// files are named when a mapkey is missing. Mapkey findings come first, then
// the file findings in the order of the selection. Backquotes, control
// characters and characters outside the code page are left to the run,
// which refuses them.
QList<Finding> checkBatch(const QStringList& selection, const QString& mapkeyNames,
                          const MapkeyDefinitions& definitions, const QStringList& searchedFiles);

// The findings about the file names alone, which need no config.pro.
QList<Finding> checkFileNames(const QStringList& selection);

} // namespace kettwerk
