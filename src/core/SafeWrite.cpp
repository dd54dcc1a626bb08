#include "SafeWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace kettwerk {
namespace {

QString writeFailureMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.\nGrund: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// The file that a write to `path` must replace: the final target of a link.
QString resolvedTarget(const QString& path)
{
    QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    // A dangling link: write where it points, creating the target.
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    return writeFileAtomically(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); }, error);
}

bool writeFileAtomically(const QString& path, const ContentProducer& produce, QString* error)
{
    const QString target = resolvedTarget(path);
    if (QFileInfo(target).isDir()) {
        if (error)
            *error = writeFailureMessage(path, QStringLiteral("Der Pfad ist ein Ordner."));
        return false;
    }
    // Replacing by rename would go straight past a write protection that the
    // user set on purpose.
    QFileInfo existing(target);
    if (existing.exists() && !existing.isWritable()) {
        if (error)
            *error = writeFailureMessage(path, QStringLiteral("Die Datei ist schreibgeschützt."));
        return false;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = writeFailureMessage(path, file.errorString());
        return false;
    }
    // Flushed by hand: commit() does not report a buffered write that fails
    // on a full disk and would put a short file in place of the old one.
    if (!produce(file) || !file.flush() || !file.commit()) {
        if (error)
            *error = writeFailureMessage(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

QString readFailureMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Die Datei „%1“ konnte nicht gelesen werden.\nGrund: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace kettwerk
