#include "core/ConfigInstaller.h"

#include "core/Lines.h"
#include "core/Paths.h"
#include "core/SafeWrite.h"
#include "core/Templates.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace kettwerk {
namespace {

constexpr char kLineEnd[] = "\r\n";

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
    forEachLine(bytes, [&out](QByteArrayView line, bool) { out.append(line).append(kLineEnd); });
}

QString configFilePath(const QString& workingFolder, const QString& programFolder, QChar separator)
{
    const QString name = QString::fromUtf16(kConfigFileName);
    if (workingFolder.isEmpty())
        return programFolder + separator + name;
    return joinFolderAndName(workingFolder, name, separator);
}

Result<ConfigInstalled> installAutoMapkey(const QString& path)
{
    // Another installation between this one's reading and writing would
    // lose its block.
    FileLock lock(path);
    if (Result<> locked = lock.acquire(); !locked.ok())
        return locked.failure();

    QByteArray earlier;
    const bool existed = platform::isExistingFile(path);
    if (existed) {
        Result<QByteArray> read = readWholeFile(path);
        if (!read.ok())
            return read.failure();
        earlier = std::move(read.value());
    } else {
        // A pipe or device is no config.pro; replacing it by a regular file
        // would destroy what the user set up there.
        const QFileInfo info(path);
        if (info.exists() && !info.isDir())
            return Failure::file(readFailureMessage(
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
    if (Result<> written = writeFileAtomically(path, bytes); !written.ok())
        return written.failure();
    return existed ? ConfigInstalled::Appended : ConfigInstalled::Created;
}

} // namespace kettwerk
