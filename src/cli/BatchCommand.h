#pragma once

#include <QStringList>

class QIODevice;

namespace kettwerk::cli {

enum ExitCode { kSuccess = 0, kUsageError = 1, kFileError = 2, kRunNotFinished = 3 };

// Runs kettwerk-batch with `arguments` (without the program name): reads a
// list of file names, hands them over as the window does, composes doit.pro
// and writes it, byte for byte what the window writes for the same input.
// Messages are in the user's language; errors go to `err`.
int runBatchCommand(const QStringList& arguments, QIODevice& in, QIODevice& out, QIODevice& err);

} // namespace kettwerk::cli
