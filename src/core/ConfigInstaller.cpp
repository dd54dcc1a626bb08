#include "core/ConfigInstaller.h"

#include "core/Paths.h"
#include "core/SafeWrite.h"
#include "core/Templates.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace kettwerk {
namespace {

constexpr char kLineEnd[] = "\r\n";

ConfigInstallResult failure(QString message)
{
    ConfigInstallResult result;
    result.error = std::move(message);
    return result;
}

} // namespace

QString configCreatedNotice()
{
    return QCoreApplication::translate("kettwerk::ConfigInstaller",
                                       "Es wurde eine Datei config.pro angelegt");
}

QString autoMapkeyAddedNotice()
{
    return QCoreApplication::translate("kettwerk::ConfigInstaller",
                                       "Der Mapkey auto wurde Ihrer config.pro hinzugefügt !");
}

void appendLinesWithCrLf(QByteArrayView bytes, QByteArray& out)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        out.append(bytes.sliced(start, i - start)).append(kLineEnd);
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        out.append(bytes.sliced(start)).append(kLineEnd);
}

QString configFilePath(const QString& workingFolder, const QString& programFolder, QChar separator)
{
    const QString name = QString::fromUtf16(kConfigFileName);
    if (workingFolder.isEmpty())
        return programFolder + separator + name;
    return joinFolderAndName(workingFolder, name, separator);
}

ConfigInstallResult installAutoMapkey(const QString& path)
{
    // Another installation between this one's reading and writing would
    // lose its block.
    FileLock lock(path);
    QString error;
    if (!lock.acquire(&error))
        return failure(error);

    QByteArray earlier;
    const bool existed = isExistingFile(path);
    if (existed) {
        if (!readWholeFile(path, &earlier, &error))
            return failure(error);
    } else {
        // A pipe or device is no config.pro; replacing it by a regular file
        // would destroy what the user set up there.
        const QFileInfo info(path);
        if (info.exists() && !info.isDir())
            return failure(readFailureMessage(
                path, QCoreApplication::translate("kettwerk::ConfigInstaller",
                                                  "Der Pfad ist keine gewöhnliche Datei.")));
    }

    QByteArray bytes;
    bytes.reserve(earlier.size() + 1024);
    appendLinesWithCrLf(earlier, bytes);
    for (const QString& line : templates::autoBlock())
        bytes.append(line.toLatin1()).append(kLineEnd);

    // One write of the whole result: the file is either the old one or the
    // finished one, never empty or half written.
    ConfigInstallResult result;
    if (!writeFileAtomically(path, bytes, &result.error))
        return result;
    result.ok = true;
    result.created = !existed;
    return result;
}

} // namespace kettwerk
