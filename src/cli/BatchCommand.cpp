#include "BatchCommand.h"

#include "BatchJob.h"
#include "BatchOptions.h"
#include "ListText.h"
#include "NameRules.h"
#include "SafeWrite.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QFile>

namespace kettwerk::cli {
namespace {

void say(QIODevice& device, const QString& line)
{
    device.write((line + u'\n').toUtf8());
}

// A list cut short by a read error would make a batch of its first names.
bool readList(const QString& source, QIODevice& in, QString* text, QString* error)
{
    QByteArray bytes;
    if (source == QStringLiteral("-")) {
        QString reason;
        if (!readToEnd(in, &bytes, &reason)) {
            *error = QCoreApplication::translate(
                         "kettwerk::cli::BatchCommand",
                         "Die Standardeingabe konnte nicht gelesen werden.\nGrund: %1")
                         .arg(reason);
            return false;
        }
    } else if (!readWholeFile(source, &bytes, error)) {
        return false;
    }
    *text = decodeListFile(bytes);
    return true;
}

// Prints every finding as a line of its own; true when one of them stops
// the batch.
bool report(const QList<Finding>& findings, bool strict, QIODevice& device)
{
    bool stops = false;
    for (const Finding& finding : findings) {
        const bool error = finding.severity == Finding::Error;
        say(device,
            (error ? QCoreApplication::translate("kettwerk::cli::BatchCommand", "Fehler: %1")
                   : QCoreApplication::translate("kettwerk::cli::BatchCommand", "Warnung: %1"))
                .arg(finding.text));
        stops = stops || error || strict;
    }
    return stops;
}

} // namespace

int runBatchCommand(const QStringList& arguments, QIODevice& in, QIODevice& out, QIODevice& err)
{
    BatchOptions options;
    QString problem;
    if (!parseBatchOptions(arguments, &options, &problem)) {
        say(err, QStringLiteral("kettwerk-batch: ") + problem);
        say(err, QCoreApplication::translate("kettwerk::cli::BatchCommand",
                                             "Aufruf: kettwerk-batch --help"));
        return kUsageError;
    }
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

    if (options.listSource) {
        QString text;
        QString error;
        if (!readList(*options.listSource, in, &text, &error)) {
            say(err, error);
            return kFileError;
        }
        job.setSelection(handOver(listEntries(text)));
        if (job.selection().isEmpty()) {
            say(err, QCoreApplication::translate("kettwerk::cli::BatchCommand",
                                                 "Bitte Dateien auswählen !"));
            return kUsageError;
        }
        job.composeCustomSequence();
        const QList<Finding> findings = job.check();
        if (options.check)
            return report(findings, options.strict, out) ? kUsageError : kSuccess;
        if (report(findings, options.strict, err))
            return kUsageError;
        const JobResult result = options.print ? job.printBatch(out) : job.writeBatchFile();
        if (!result.ok) {
            say(err, result.error);
            return result.badInput ? kUsageError : kFileError;
        }
        const QString summary =
            QCoreApplication::translate("kettwerk::cli::BatchCommand", "%n Dateien gewählt.",
                                        nullptr, int(job.selection().size()));
        say(options.print ? err : out, summary);
    }

    if (options.installAuto) {
        const ConfigInstallResult result = job.installAutoMapkey();
        if (!result.ok) {
            say(err, result.error);
            return kFileError;
        }
        // With --print, standard output carries doit.pro alone.
        QIODevice& notices = options.print ? err : out;
        if (result.created)
            say(notices, configCreatedNotice());
        say(notices, autoMapkeyAddedNotice());
    }
    return kSuccess;
}

} // namespace kettwerk::cli
