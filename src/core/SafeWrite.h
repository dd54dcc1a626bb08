#pragma once

#include <QByteArray>
#include <QString>

namespace kettwerk {

// Replaces the file at `path` with `bytes` atomically: the bytes go to a
// temporary file beside it that is renamed over the old file only when every
// byte is on disk, so a failure leaves the earlier file exactly as it was.
// A symbolic link is followed and its target written; the link stays.
// On failure `error` receives a German sentence naming the path and the
// system's reason.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// The German message for a file that could not be read.
QString readFailureMessage(const QString& path, const QString& reason);

} // namespace kettwerk
