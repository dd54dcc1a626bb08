#pragma once

#include "core/BatchCheck.h"
#include "core/BatchText.h"
#include "platform/Result.h"

#include <QList>
#include <QStringList>

#include <functional>

class QIODevice;

// How a batch goes from the job to doit.pro, the same for the window and
// kettwerk-batch: compose, check, decide, write (or print). Each step takes
// values and returns values; the front ends only show the findings and ask.
namespace kettwerk {

class BatchJob;

// The selection with the user's mapkeys, or with `functionBlock` given whole
// (the construction panel's). Refused while the open step is too short to
// be joined.
Result<ComposedBatch> composeBatch(const BatchJob& job);
Result<ComposedBatch> composeBatch(const BatchJob& job, const QString& functionBlock);

// Each selected name and the mapkey names that would break doit.pro: a
// backquote ends a file name's quotes early, a control character (a line
// break above all) would put lines of its own into the file. One line each,
// naming the text and the character; empty when all is well.
QStringList unsafeText(const ComposedBatch& batch);

enum class Verdict {
    Go,      // nothing found
    Ask,     // warnings only: written if the user wants it all the same
    Refused, // an error, or with `strict` any warning: nothing is written
};

struct Review
{
    QList<Finding> findings;
    Verdict verdict = Verdict::Go;
};

// What could go wrong in Pro/ENGINEER with `batch`: text that would break
// doit.pro, unreadable config.pro files, its file names, the mapkeys and
// what they call; and what follows from that.
Review reviewBatch(const BatchJob& job, const ComposedBatch& batch, bool strict);
Verdict verdictOn(const QList<Finding>& findings, bool strict);

// Replaces doit.pro in the working folder with `batch`. `withLog`: the
// batch notes its progress in a new doit.log, written first.
Result<> writeBatchFile(const BatchJob& job, const ComposedBatch& batch, bool withLog);
// Writes `batch` to `out` instead, such as standard output.
Result<> printBatch(const ComposedBatch& batch, QIODevice& out);

struct RunOptions
{
    bool strict = false;        // warnings refuse the batch
    QIODevice* print = nullptr; // write here instead of doit.pro
};

enum class RunEnd {
    Written,
    Refused,  // the check found errors (or warnings, when strict)
    Declined, // the user did not want the batch with its warnings
};

// Shows the findings of a review that found something; for Verdict::Ask it
// answers whether to write all the same.
using FindingsPresenter = std::function<bool(const Review& review)>;

// The whole run of a composed batch: review, show, decide, write (with a
// progress log when the job says so) or print.
// Fails only when writing fails; a refused or declined batch writes nothing.
Result<RunEnd> runBatch(const BatchJob& job, const ComposedBatch& batch, const RunOptions& options,
                        const FindingsPresenter& present);

} // namespace kettwerk
