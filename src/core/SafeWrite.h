#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;
class QLockFile;

namespace kettwerk {

// Why the last read or write on `device` failed, in the system's words.
QString failureReason(const QIODevice& device);

// Reads `device` until it reports its end. A read that fails partway gives
// false with the system's reason; what came before is no file's content.
bool readToEnd(QIODevice& device, QByteArray* bytes, QString* reason);

// The whole file at `path`; on failure a message naming the path and
// the system's reason.
bool readWholeFile(const QString& path, QByteArray* bytes, QString* error);

// Replaces the file at `path` with `bytes` so that a failure leaves the
// earlier file exactly as it was:
// - normally the bytes go to a temporary file beside it, which takes the old
//   file's owner, group and mode and replaces it only when every byte is on
//   disk;
// - where that would change the file (it has further hard links, or its
//   owner cannot be given to a new file), the old bytes are copied beside it
//   first and the file is rewritten in place, and put back on any failure.
// A symbolic link is followed and its target written; the link stays. A
// read-only file is refused, whoever runs the program. On failure `error`
// receives a sentence naming the path and the system's reason.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// The same for content that is produced while it is written: `produce` writes
// it to the device it is given and returns false when a write failed.
using ContentProducer = std::function<bool(QIODevice& device)>;
bool writeFileAtomically(const QString& path, const ContentProducer& produce, QString* error);

// Keeps other Kettwerk processes from reading and rewriting the same file at
// the same time: a lock file beside it, held for the lifetime of this object.
class FileLock
{
public:
    explicit FileLock(const QString& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits up to `timeoutMs` for the lock; on failure a message.
    bool acquire(QString* error, int timeoutMs = 10000);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// The message for a file that could not be read.
QString readFailureMessage(const QString& path, const QString& reason);

} // namespace kettwerk
