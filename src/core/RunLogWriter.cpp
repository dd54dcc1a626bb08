#include "core/RunLogWriter.h"

#include "core/RunLogLine.h"
#include "core/SafeWrite.h"
#include "platform/EightBitCodec.h"
#include "platform/FileSystem.h"

#include <QFile>
#include <QRandomGenerator>

namespace kettwerk {
namespace {

// Puts `bytes` back at `path`, or removes what is there when there were none.
Result<> restore(const QString& path, const std::optional<QByteArray>& bytes)
{
    if (bytes)
        return writeFileAtomically(path, *bytes);
    QFile file(path);
    if (file.exists() && !file.remove())
        return Failure::file(file.errorString());
    return {};
}

std::optional<QByteArray> earlierBytes(const QString& path, Result<>& read)
{
    if (!platform::isExistingFile(path))
        return std::nullopt;
    Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes.ok()) {
        read = bytes.failure();
        return std::nullopt;
    }
    return std::move(bytes.value());
}

} // namespace

QByteArray newRunId()
{
    static constexpr char kCharacters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray id(runlog::kIdLength, '\0');
    for (char& c : id)
        c = kCharacters[QRandomGenerator::global()->bounded(int(sizeof kCharacters) - 1)];
    return id;
}

QByteArray runLogHead(QByteArrayView runId, const QDateTime& written, const QStringList& files,
                      const platform::EightBitCodec& codec)
{
    QByteArray head = runlog::kHeaderWord.toByteArray();
    head.append(runlog::kFormat).append(' ').append(runId);
    head += ' ' + written.toString(Qt::ISODate).toLatin1() + ' ' +
            QByteArray::number(files.size()) + "\r\n";
    QByteArray name;
    for (qsizetype i = 0; i < files.size(); ++i) {
        // The batch was refused before it came here if a name had no bytes.
        codec.encode(files.at(i), name);
        head += "F " + QByteArray::number(i + 1) + ' ' + name + "\r\n";
    }
    return head;
}

RunLogInstall::RunLogInstall(QString logPath)
    : m_path(std::move(logPath)), m_olderPath(m_path + QStringLiteral(".1"))
{
}

Result<> RunLogInstall::install(const QByteArray& head)
{
    Result<> read;
    m_earlier = earlierBytes(m_path, read);
    if (read.ok())
        m_older = earlierBytes(m_olderPath, read);
    if (!read.ok())
        return read;
    if (m_earlier) {
        if (Result<> kept = writeFileAtomically(m_olderPath, *m_earlier); !kept.ok())
            return kept;
    }
    if (Result<> written = writeFileAtomically(m_path, head); !written.ok()) {
        (void)restore(m_olderPath, m_older); // the write's failure is the one to tell
        return written;
    }
    return {};
}

Result<> RunLogInstall::undo()
{
    if (Result<> log = restore(m_path, m_earlier); !log.ok())
        return log;
    return restore(m_olderPath, m_older);
}

} // namespace kettwerk
