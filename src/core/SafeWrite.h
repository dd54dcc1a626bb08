#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace kettwerk {

// Replaces the file at `path` with `bytes` atomically: the bytes go to a
// temporary file beside it that is renamed over the old file only when every
// byte is on disk, so a failure leaves the earlier file exactly as it was.
// A symbolic link is followed and its target written; the link stays.
// On failure `error` receives a German sentence naming the path and the
// system's reason.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// The same for content that is produced while it is written: `produce` writes
// it to the device it is given and returns false when a write failed.
using ContentProducer = std::function<bool(QIODevice& device)>;
bool writeFileAtomically(const QString& path, const ContentProducer& produce, QString* error);

// The German message for a file that could not be read.
QString readFailureMessage(const QString& path, const QString& reason);

} // namespace kettwerk
