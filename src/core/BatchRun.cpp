#include "core/BatchRun.h"

#include "core/BatchJob.h"
#include "core/RunLogWriter.h"
#include "core/SafeWrite.h"
#include "core/VisibleText.h"
#include "platform/EightBitCodec.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <QDir>
#include <QFileDevice>

namespace kettwerk {
namespace {

// The first character of `text` that breaks the mapkey text, or 0.
QChar firstUnsafe(const QString& text, bool quoted)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || (quoted && c == u'`'))
            return c;
    }
    return QChar();
}

// Why `batch` may not be written at all: it holds text that would break
// doit.pro, or characters the code page cannot hold.
Result<> refusal(const ComposedBatch& batch, const QString& notWritten)
{
    if (const QStringList unsafe = unsafeText(batch); !unsafe.isEmpty()) {
        return Failure::badInput(
            BatchJob::tr("doit.pro wurde nicht angelegt: diese Angaben würden die "
                         "Mapkey-Zeilen zerbrechen.") +
            u'\n' + unsafe.join(u'\n'));
    }
    if (!batch.encodingProblem().isEmpty())
        return Failure::file(notWritten + u'\n' + batch.encodingProblem());
    return {};
}

Result<ComposedBatch> compose(const BatchJob& job, const QString& functionBlock,
                              const QString& mapkeyNames)
{
    if (job.frame().openStep.size() < 2) {
        return Failure::badInput(
            BatchJob::tr("Der Schritt „Datei aufrufen“ ist zu kurz: er muss mit dem öffnenden "
                         "Akzent und einem Zeilenende schließen. Es wurde nichts erstellt."));
    }
    return ComposedBatch(job.frame(), job.selection(), functionBlock, mapkeyNames,
                         platform::eightBitCodec());
}

} // namespace

Result<ComposedBatch> composeBatch(const BatchJob& job)
{
    return compose(job, job.customFunctionBlock(), job.mapkeyNames());
}

Result<ComposedBatch> composeBatch(const BatchJob& job, const QString& functionBlock)
{
    return compose(job, functionBlock, QString());
}

QStringList unsafeText(const ComposedBatch& batch)
{
    QStringList findings;
    for (const QString& name : batch.selection()) {
        if (const QChar c = firstUnsafe(name, true); !c.isNull())
            findings.append(
                BatchJob::tr("Dateiname „%1“: %2").arg(visibleText(name), characterName(c)));
    }
    if (const QChar c = firstUnsafe(batch.mapkeyNames(), false); !c.isNull()) {
        findings.append(BatchJob::tr("Mapkey-Namen „%1“: %2")
                            .arg(visibleText(batch.mapkeyNames()), characterName(c)));
    }
    return findings;
}

Verdict verdictOn(const QList<Finding>& findings, bool strict)
{
    if (findings.isEmpty())
        return Verdict::Go;
    for (const Finding& finding : findings) {
        if (finding.severity == Finding::Error || strict)
            return Verdict::Refused;
    }
    return Verdict::Ask;
}

Review reviewBatch(const BatchJob& job, const ComposedBatch& batch, bool strict)
{
    Review review;
    for (const QString& unsafe : unsafeText(batch))
        review.findings.append({Finding::Error, unsafe, -1});
    QStringList unreadable;
    const MapkeyDefinitions definitions = job.readDefinitions(&unreadable);
    for (const QString& warning : unreadable)
        review.findings.append({Finding::Warning, warning, -1});
    review.findings +=
        checkBatch(batch.selection(), batch.mapkeyNames(), definitions, job.lookupFiles());
    review.verdict = verdictOn(review.findings, strict);
    return review;
}

Result<> writeBatchFile(const BatchJob& job, const ComposedBatch& batch, bool withLog)
{
    const QString path = job.batchFilePath();
    const QString notWritten =
        BatchJob::tr("Die Datei „%1“ wurde nicht geschrieben.").arg(QDir::toNativeSeparators(path));
    if (Result<> refused = refusal(batch, notWritten); !refused.ok())
        return refused;
    if (job.workingFolder().isEmpty())
        return BatchJob::noWorkingFolder(QString::fromUtf16(kBatchFileName));
    FileLock lock(path);
    if (Result<> locked = lock.acquire(); !locked.ok())
        return locked;
    if (!withLog) {
        return writeFileAtomically(path,
                                   [&batch](QIODevice& device) { return batch.writeTo(device); });
    }
    // The log first: a doit.pro with markers never stands without its log.
    const QByteArray id = newRunId();
    RunLogInstall log(job.runLogPath());
    const QByteArray head =
        runLogHead(id, QDateTime::currentDateTime(), batch.selection(), platform::eightBitCodec());
    if (Result<> installed = log.install(head); !installed.ok())
        return installed;
    Result<> written = writeFileAtomically(
        path, [&batch, &id](QIODevice& device) { return batch.writeTo(device, id); });
    if (!written.ok()) {
        if (Result<> undone = log.undo(); !undone.ok())
            return Failure::file(written.error() + u'\n' + undone.error());
    }
    return written;
}

Result<> printBatch(const ComposedBatch& batch, QIODevice& out)
{
    if (Result<> refused = refusal(batch, BatchJob::tr("doit.pro wurde nicht ausgegeben."));
        !refused.ok())
        return refused;
    // A buffered device says whether its last bytes arrived only at a flush.
    auto* file = qobject_cast<QFileDevice*>(&out);
    if (!batch.writeTo(out) || (file && !file->flush())) {
        return Failure::file(BatchJob::tr("doit.pro konnte nicht ausgegeben werden.\nGrund: %1")
                                 .arg(failureReason(out)));
    }
    return {};
}

Result<RunEnd> runBatch(const BatchJob& job, const ComposedBatch& batch, const RunOptions& options,
                        const FindingsPresenter& present)
{
    const Review review = reviewBatch(job, batch, options.strict);
    if (review.verdict != Verdict::Go) {
        const bool goAhead = present(review);
        if (review.verdict == Verdict::Refused)
            return RunEnd::Refused;
        if (!goAhead)
            return RunEnd::Declined;
    }
    Result<> written = options.print ? printBatch(batch, *options.print)
                                     : writeBatchFile(job, batch, job.logProgress());
    if (!written.ok())
        return written.failure();
    return RunEnd::Written;
}

} // namespace kettwerk
