#include "core/SafeWrite.h"

#include "platform/FileSystem.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace kettwerk {
namespace {

QString writeFailureMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("kettwerk::SafeWrite",
                                       "Die Datei „%1“ konnte nicht geschrieben werden.\nGrund: %2")
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

// Read-only for everyone, the superuser included, who would pass by the
// system's own check: a protection the user set on purpose.
bool isWriteProtected(const QFileInfo& file)
{
    constexpr QFile::Permissions anyWrite =
        QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !file.isWritable() || !(file.permissions() & anyWrite);
}

bool produceInMemory(const ContentProducer& produce, QByteArray* bytes)
{
    QBuffer buffer(bytes);
    return buffer.open(QIODevice::WriteOnly) && produce(buffer);
}

bool writeAllAndSync(QFile& file, const QByteArray& bytes)
{
    return file.seek(0) && file.write(bytes) == bytes.size() && file.resize(bytes.size()) &&
           file.flush() && platform::syncToDisk(file.handle());
}

enum class Replaced { Yes, No, KeepsNotOwnership };

// The usual way: a new file that replaces the old one in one step.
Replaced replaceWithNewFile(const QString& target, const ContentProducer& produce,
                            const platform::FileOwnership& original, QString* reason)
{
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = failureReason(file);
        return Replaced::No;
    }
    // Flushed by hand: commit() does not report a buffered write that fails
    // on a full disk and would put a short file in place of the old one.
    if (!produce(file) || !file.flush()) {
        *reason = failureReason(file);
        file.cancelWriting();
        return Replaced::No;
    }
    if (original.exists && !platform::giveOwnership(file.handle(), original)) {
        file.cancelWriting();
        return Replaced::KeepsNotOwnership;
    }
    if (!file.commit()) {
        *reason = failureReason(file);
        return Replaced::No;
    }
    return Replaced::Yes;
}

// The careful way for a file that must stay the same file: its old bytes go
// beside it first, then it is rewritten where it is and restored on failure.
bool rewriteInPlace(const QString& target, const ContentProducer& produce, QString* reason)
{
    QByteArray after;
    QFile old(target);
    if (!old.open(QIODevice::ReadOnly)) {
        *reason = failureReason(old);
        return false;
    }
    const Result<QByteArray> read = readToEnd(old);
    if (!read.ok()) {
        *reason = read.error();
        return false;
    }
    const QByteArray& before = read.value();
    old.close();
    if (!produceInMemory(produce, &after)) {
        *reason = QCoreApplication::translate("kettwerk::SafeWrite",
                                              "Der neue Inhalt konnte nicht erzeugt werden.");
        return false;
    }
    const QString backupPath = target + QStringLiteral(".kettwerk-alt");
    QFile backup(backupPath);
    if (!backup.open(QIODevice::WriteOnly) || !writeAllAndSync(backup, before)) {
        *reason = failureReason(backup);
        backup.remove();
        return false;
    }
    backup.close();
    // Unbuffered, so that a failed write leaves nothing behind to be written
    // later, over the old bytes being put back.
    QFile file(target);
    if (file.open(QIODevice::ReadWrite | QIODevice::Unbuffered) && writeAllAndSync(file, after)) {
        backup.remove();
        return true;
    }
    *reason = failureReason(file);
    file.close();
    if (file.open(QIODevice::ReadWrite | QIODevice::Unbuffered) && writeAllAndSync(file, before)) {
        backup.remove();
    } else {
        *reason += u'\n' + QCoreApplication::translate("kettwerk::SafeWrite",
                                                       "Der frühere Inhalt liegt in „%1“.")
                               .arg(QDir::toNativeSeparators(backupPath));
    }
    return false;
}

} // namespace

QString failureReason(const QIODevice& device)
{
    // A failed flush on a full disk or a write to a closed pipe leaves Qt
    // without words of its own; the system's are right at hand.
    const QString said = device.errorString();
    return said.isEmpty() || said == QStringLiteral("Unknown error") ? platform::lastSystemError()
                                                                     : said;
}

Result<QByteArray> readToEnd(QIODevice& device)
{
    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 got = device.read(chunk, sizeof chunk);
        if (got < 0)
            return Failure::file(failureReason(device));
        if (got == 0)
            return bytes;
        bytes.append(chunk, got);
    }
}

Result<QByteArray> readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure::file(readFailureMessage(path, file.errorString()));
    Result<QByteArray> read = readToEnd(file);
    if (!read.ok())
        return Failure::file(readFailureMessage(path, read.error()));
    return read;
}

Result<> writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    return writeFileAtomically(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

Result<> writeFileAtomically(const QString& path, const ContentProducer& produce)
{
    const QString target = resolvedTarget(path);
    const QFileInfo existing(target);
    QString reason;
    if (existing.isDir())
        reason = QCoreApplication::translate("kettwerk::SafeWrite", "Der Pfad ist ein Ordner.");
    else if (existing.exists() && isWriteProtected(existing))
        reason =
            QCoreApplication::translate("kettwerk::SafeWrite", "Die Datei ist schreibgeschützt.");

    if (reason.isEmpty()) {
        const platform::FileOwnership original = platform::fileOwnership(target);
        // A new file would split a hard link from its other names.
        Replaced replaced = original.links > 1
                                ? Replaced::KeepsNotOwnership
                                : replaceWithNewFile(target, produce, original, &reason);
        if (replaced == Replaced::KeepsNotOwnership)
            replaced = rewriteInPlace(target, produce, &reason) ? Replaced::Yes : Replaced::No;
        if (replaced == Replaced::Yes)
            return {};
    }
    return Failure::file(writeFailureMessage(path, reason));
}

FileLock::FileLock(const QString& path) : m_path(path) {}

FileLock::~FileLock() = default;

Result<> FileLock::acquire(int timeoutMs)
{
    // Beside the real file, so that every link to it shares the one lock.
    const QString lockPath = resolvedTarget(m_path) + QStringLiteral(".lock");
    m_lock = std::make_unique<QLockFile>(lockPath);
    if (m_lock->tryLock(timeoutMs))
        return {};
    QString reason;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QFileInfo(folder).isDir())
        reason =
            QCoreApplication::translate("kettwerk::SafeWrite", "Der Ordner „%1“ existiert nicht.")
                .arg(QDir::toNativeSeparators(folder));
    else
        switch (m_lock->error()) {
        case QLockFile::LockFailedError:
            reason = QCoreApplication::translate(
                "kettwerk::SafeWrite", "Ein anderer Vorgang arbeitet gerade an dieser Datei. "
                                       "Bitte versuchen Sie es gleich noch einmal.");
            break;
        case QLockFile::PermissionError:
            reason = QCoreApplication::translate(
                "kettwerk::SafeWrite", "Im Ordner darf keine Sperrdatei angelegt werden (keine "
                                       "Schreibrechte, oder der Ordner fehlt).");
            break;
        default:
            reason = QCoreApplication::translate(
                         "kettwerk::SafeWrite", "Die Sperrdatei „%1“ konnte nicht angelegt werden.")
                         .arg(QDir::toNativeSeparators(lockPath));
            break;
        }
    m_lock.reset();
    return Failure::file(writeFailureMessage(m_path, reason));
}

QString readFailureMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("kettwerk::SafeWrite",
                                       "Die Datei „%1“ konnte nicht gelesen werden.\nGrund: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace kettwerk
