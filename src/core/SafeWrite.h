#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;
class QLockFile;

namespace kettwerk {

// Why the last read or write on `device` failed, in the system's words.
QString failureReason(const QIODevice& device);

// Reads `device` until it reports its end. A read that fails partway fails
// with the system's reason alone; what came before is no file's content.
Result<QByteArray> readToEnd(QIODevice& device);

// The whole file at `path`; a failure names the path and the system's reason.
Result<QByteArray> readWholeFile(const QString& path);

// Replaces the file at `path` with `bytes` so that a failure leaves the
// earlier file exactly as it was:
// - normally the bytes go to a temporary file beside it, which takes the old
//   file's owner, group and mode and replaces it only when every byte is on
//   disk;
// - where that would change the file (it has further hard links, or its
//   owner cannot be given to a new file), the old bytes are copied beside it
//   first and the file is rewritten in place, and put back on any failure.
// A symbolic link is followed and its target written; the link stays. A
// read-only file is refused, whoever runs the program. A failure names the
// path and the system's reason.
Result<> writeFileAtomically(const QString& path, const QByteArray& bytes);

// The same for content that is produced while it is written: `produce` writes
// it to the device it is given and returns false when a write failed.
using ContentProducer = std::function<bool(QIODevice& device)>;
Result<> writeFileAtomically(const QString& path, const ContentProducer& produce);

// Keeps other Kettwerk processes from reading and rewriting the same file at
// the same time: a lock file beside it, held for the lifetime of this object.
class FileLock
{
public:
    explicit FileLock(const QString& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits up to `timeoutMs` for the lock; a failure names the file.
    Result<> acquire(int timeoutMs = 10000);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// The message for a file that could not be read.
QString readFailureMessage(const QString& path, const QString& reason);

} // namespace kettwerk
