#include "core/RunResume.h"

#include "core/BatchJob.h"
#include "core/BatchRun.h"
#include "core/Lines.h"
#include "core/RunLog.h"
#include "core/RunLogLine.h"
#include "core/SafeWrite.h"

#include <QDir>

namespace kettwerk {
namespace {

struct Marker
{
    qsizetype number = 0; // 0 for the end marker
    QByteArrayView id;
    qsizetype start = 0; // where its line starts in doit.pro
    qsizetype next = 0;  // where the line after it starts
};

// The step lines without their line end, and what follows their prefix.
std::optional<Marker> markerIn(QByteArrayView line)
{
    const QByteArrayView startStep = QByteArrayView(kRunStepStart);
    const QByteArrayView endStep = QByteArrayView(kRunEndStepStart);
    const QByteArrayView close = QByteArrayView(kRunStepEnd).chopped(2); // without CR LF
    if (!line.endsWith(close))
        return std::nullopt;
    line.chop(close.size());
    Marker marker;
    if (line.startsWith(endStep)) {
        marker.id = line.sliced(endStep.size());
        return marker;
    }
    if (!line.startsWith(startStep))
        return std::nullopt;
    line = line.sliced(startStep.size());
    const qsizetype blank = line.indexOf(' ');
    const std::optional<qsizetype> number =
        blank > 0 ? runlog::numberOf(line.first(blank)) : std::nullopt;
    if (!number || *number < 1)
        return std::nullopt;
    marker.number = *number;
    marker.id = line.sliced(blank + 1);
    return marker;
}

QList<Marker> markersIn(QByteArrayView doitPro)
{
    QList<Marker> markers;
    forEachLine(doitPro, [&](QByteArrayView line, bool) {
        const qsizetype start = line.data() - doitPro.data();
        if (!markers.isEmpty() && markers.last().next == 0)
            markers.last().next = start;
        if (std::optional<Marker> marker = markerIn(line)) {
            marker->start = start;
            markers.append(*marker);
        }
    });
    if (!markers.isEmpty() && markers.last().next == 0)
        markers.last().next = doitPro.size();
    return markers;
}

// Whether the markers are those of the batch the log describes: every file
// in order, then the end, all with the log's id.
bool belongsToLog(const QList<Marker>& markers, const RunLog& log)
{
    if (markers.size() != log.files.size() + 1)
        return false;
    const QByteArray id = log.id.toLatin1();
    for (qsizetype i = 0; i < markers.size(); ++i) {
        const qsizetype expected = i < log.files.size() ? i + 1 : 0;
        if (markers.at(i).number != expected || markers.at(i).id != id)
            return false;
    }
    return true;
}

} // namespace

Result<ComposedBatch> restOfRun(QByteArrayView doitPro, const RunLog& log, bool skipCurrent,
                                const QString& doitPath)
{
    const QList<Marker> markers = markersIn(doitPro);
    if (!belongsToLog(markers, log)) {
        return Failure::file(
            BatchJob::tr("„%1“ gehört nicht mehr zum Lauf %2 in doit.log: sie wurde seitdem neu "
                         "geschrieben oder geändert. Es wurde nichts geschrieben.")
                .arg(QDir::toNativeSeparators(doitPath), log.id));
    }
    const QList<qsizetype> rest = remainingFiles(log, skipCurrent);
    if (rest.isEmpty()) {
        return Failure::badInput(
            BatchJob::tr("Vom Lauf %1 in doit.log ist keine Datei mehr übrig. Es wurde nichts "
                         "geschrieben.")
                .arg(log.id));
    }
    QList<QByteArray> segments;
    QStringList files;
    segments.reserve(rest.size());
    for (const qsizetype number : rest) {
        const Marker& marker = markers.at(number - 1);
        const qsizetype end = markers.at(number).start;
        segments.append(doitPro.sliced(marker.next, end - marker.next).toByteArray());
        files.append(log.files.at(number - 1));
    }
    return ComposedBatch::fromSegments(doitPro.first(markers.first().start).toByteArray(), segments,
                                       doitPro.sliced(markers.last().next).toByteArray(), files);
}

Result<Resumed> resumeRun(const BatchJob& job, bool skipCurrent)
{
    // A log that cannot be read or is no Kettwerk log is no run to go on with.
    const Result<RunLog> log = readRunLog(job.runLogPath());
    if (!log.ok())
        return Failure::file(log.error());
    const Result<QByteArray> doitPro = readWholeFile(job.batchFilePath());
    if (!doitPro.ok())
        return doitPro.failure();
    const Result<ComposedBatch> rest =
        restOfRun(doitPro.value(), log.value(), skipCurrent, job.batchFilePath());
    if (!rest.ok())
        return rest.failure();
    if (Result<> written = writeBatchFile(job, rest.value(), true); !written.ok())
        return written.failure();
    return Resumed{rest.value().selection().size(),
                   remainingFiles(log.value(), skipCurrent).first()};
}

} // namespace kettwerk
