#include "cli/BatchCommand.h"

#include "cli/BatchOptions.h"
#include "core/BatchJob.h"
#include "core/BatchRun.h"
#include "core/RunLog.h"
#include "core/RunResume.h"
#include "core/RunStatus.h"
#include "core/SafeWrite.h"
#include "filelist/ListText.h"
#include "filelist/NameRules.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace kettwerk::cli {
namespace {

void say(QIODevice& device, const QString& line)
{
    device.write((line + u'\n').toUtf8());
}

// A list cut short by a read error would make a batch of its first names.
Result<QString> readList(const QString& source, QIODevice& in)
{
    if (source != QStringLiteral("-")) {
        const Result<QByteArray> read = readWholeFile(source);
        if (!read.ok())
            return read.failure();
        return decodeListFile(read.value());
    }
    const Result<QByteArray> read = readToEnd(in);
    if (!read.ok()) {
        return Failure::file(QCoreApplication::translate(
                                 "kettwerk::cli::BatchCommand",
                                 "Die Standardeingabe konnte nicht gelesen werden.\nGrund: %1")
                                 .arg(read.error()));
    }
    return decodeListFile(read.value());
}

// Prints every finding as a line of its own.
void report(const QList<Finding>& findings, QIODevice& device)
{
    for (const Finding& finding : findings) {
        const bool error = finding.severity == Finding::Error;
        say(device,
            (error ? QCoreApplication::translate("kettwerk::cli::BatchCommand", "Fehler: %1")
                   : QCoreApplication::translate("kettwerk::cli::BatchCommand", "Warnung: %1"))
                .arg(finding.text));
    }
}

// The exit code for a failure: what the user gave, or a file.
int exitCodeFor(const Failure& failure)
{
    return failure.kind == FailureKind::BadInput ? kUsageError : kFileError;
}

int fail(QIODevice& err, const Failure& failure)
{
    say(err, failure.message);
    return exitCodeFor(failure);
}

// --status: how far the run in doit.log got; 0 when it has ended, 3 when not.
int reportStatus(const BatchJob& job, QIODevice& out, QIODevice& err)
{
    const Result<RunLog> log = readRunLog(job.runLogPath());
    if (!log.ok()) {
        say(err, log.error());
        return kFileError;
    }
    for (const QString& problem : log.value().problems)
        say(err,
            QCoreApplication::translate("kettwerk::cli::BatchCommand", "Warnung: %1").arg(problem));
    const QDateTime lastChange =
        QFileInfo(job.runLogPath()).fileTime(QFileDevice::FileModificationTime);
    say(out, runStatusText(log.value(), lastChange, QDateTime::currentDateTime()));
    return progressOf(log.value()).ended ? kSuccess : kRunNotFinished;
}

// --resume: the rest of a broken run as the new doit.pro.
int resume(const BatchJob& job, bool skipCurrent, QIODevice& out, QIODevice& err)
{
    const Result<Resumed> resumed = resumeRun(job, skipCurrent);
    if (!resumed.ok())
        return fail(err, resumed.failure());
    say(out, QCoreApplication::translate("kettwerk::cli::BatchCommand",
                                         "doit.pro enthält nun die %1 übrigen Dateien ab Nr. %2.")
                 .arg(resumed.value().files)
                 .arg(resumed.value().from));
    return kSuccess;
}

} // namespace

int runBatchCommand(const QStringList& arguments, QIODevice& in, QIODevice& out, QIODevice& err)
{
    const Result<BatchOptions> parsed = parseBatchOptions(arguments);
    if (!parsed.ok()) {
        say(err, QStringLiteral("kettwerk-batch: ") + parsed.error());
        say(err, QCoreApplication::translate("kettwerk::cli::BatchCommand",
                                             "Aufruf: kettwerk-batch --help"));
        return kUsageError;
    }
    const BatchOptions& options = parsed.value();
    if (options.help) {
        out.write(batchUsage().toUtf8());
        return kSuccess;
    }
    if (options.version) {
        say(out, QStringLiteral("kettwerk-batch ") + QCoreApplication::applicationVersion());
        return kSuccess;
    }

    // The window's stored values stand in for whatever is not given.
    BatchJob job;
    job.restore(platform::SettingsStore());
    if (options.outFolder)
        job.setWorkingFolder(*options.outFolder);
    if (options.mapkeys)
        job.setMapkeyNames(*options.mapkeys);
    job.setFurtherConfigFiles(job.furtherConfigFiles() + options.configFiles);
    // The window's choice does not reach scripts: they ask for the log.
    job.setLogProgress(options.log);
    if (options.status)
        return reportStatus(job, out, err);
    if (options.resume)
        return resume(job, options.skipCurrent, out, err);

    if (options.listSource) {
        const Result<QString> text = readList(*options.listSource, in);
        if (!text.ok())
            return fail(err, text.failure());
        job.setSelection(handOver(listEntries(text.value())));
        if (job.selection().isEmpty()) {
            say(err, QCoreApplication::translate("kettwerk::cli::BatchCommand",
                                                 "Bitte Dateien auswählen !"));
            return kUsageError;
        }
        const Result<ComposedBatch> batch = composeBatch(job);
        if (!batch.ok())
            return fail(err, batch.failure());
        if (options.check) {
            const Review review = reviewBatch(job, batch.value(), options.strict);
            report(review.findings, out);
            return review.verdict == Verdict::Refused ? kUsageError : kSuccess;
        }
        RunOptions run;
        run.strict = options.strict;
        run.print = options.print ? &out : nullptr;
        // Warnings are printed and the batch written all the same, unless strict.
        const Result<RunEnd> ran = runBatch(job, batch.value(), run, [&err](const Review& review) {
            report(review.findings, err);
            return true;
        });
        if (!ran.ok())
            return fail(err, ran.failure());
        if (ran.value() != RunEnd::Written)
            return kUsageError;
        const QString summary =
            QCoreApplication::translate("kettwerk::cli::BatchCommand", "%n Dateien gewählt.",
                                        nullptr, int(job.selection().size()));
        say(options.print ? err : out, summary);
    }

    if (options.installAuto) {
        const Result<ConfigInstalled> installed = job.installAutoMapkey();
        if (!installed.ok())
            return fail(err, installed.failure());
        // With --print, standard output carries doit.pro alone.
        QIODevice& notices = options.print ? err : out;
        if (installed.value() == ConfigInstalled::Created)
            say(notices, configCreatedNotice());
        say(notices, autoMapkeyAddedNotice());
    }
    return kSuccess;
}

} // namespace kettwerk::cli
