#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// Writing the head of doit.log before a run (see core/RunLog.h for the
// format and its reading).
namespace kettwerk {

namespace platform {
class EightBitCodec;
}

// A new batch id: five random letters and digits. It tells this batch's
// markers from those that an older batch appends to the same log.
QByteArray newRunId();

// doit.log as Kettwerk writes it before the run: the header line and one
// "F <number> <name>" line per file, each ending in CR LF.
QByteArray runLogHead(QByteArrayView runId, const QDateTime& written, const QStringList& files,
                      const platform::EightBitCodec& codec);

// Puts the log of a new run in place of doit.log. An earlier doit.log is
// kept as doit.log.1 (which it replaces), so that a run's history is never
// lost without a word. When doit.pro cannot be written after all, undo()
// puts both files back as they were.
class RunLogInstall
{
public:
    explicit RunLogInstall(QString logPath);
    Result<> install(const QByteArray& head);
    Result<> undo();

private:
    QString m_path;
    QString m_olderPath;
    std::optional<QByteArray> m_earlier; // doit.log before, if there was one
    std::optional<QByteArray> m_older;   // doit.log.1 before, if there was one
};

} // namespace kettwerk
