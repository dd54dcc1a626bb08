#pragma once

#include "core/BatchText.h"
#include "platform/Result.h"

#include <QByteArrayView>
#include <QString>

// Going on after a broken run: the files not yet done become a new doit.pro.
namespace kettwerk {

class BatchJob;
struct RunLog;

// The rest of the run that `log` records, cut from the doit.pro it belongs
// to: its header, the segments of the files not yet done, in order, and its
// closing, exactly as they were written, so that the user's mapkeys and any
// edited blocks stay as they were. From the current file on, or after it
// (`skipCurrent`). Fails when doit.pro no longer belongs to the log (another
// batch id, written again since, edited) or when nothing is left.
Result<ComposedBatch> restOfRun(QByteArrayView doitPro, const RunLog& log, bool skipCurrent,
                                const QString& doitPath);

struct Resumed
{
    qsizetype files = 0; // in the new doit.pro
    qsizetype from = 0;  // the number in the broken run of its first file
};

// For both front ends: reads doit.log and doit.pro of the job's working
// folder and writes the rest as a new doit.pro with a new log.
Result<Resumed> resumeRun(const BatchJob& job, bool skipCurrent);

} // namespace kettwerk
