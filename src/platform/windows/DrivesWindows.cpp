#include "platform/Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <iterator>
#include <string>

#include <windows.h>

namespace kettwerk::platform {
namespace {

bool isLetterDrive(const QString& drive)
{
    return drive.size() == 2 && drive.at(1) == QLatin1Char(':');
}

class LetterDrives final : public DriveSource
{
public:
    QStringList drives() const override
    {
        // Only the letters in use: asking a drive about itself can wait for a
        // floppy or a sleeping network share.
        QStringList letters;
        const DWORD used = ::GetLogicalDrives();
        for (int i = 0; i < 26; ++i) {
            if (used & (DWORD(1) << i))
                letters.append(QString(QChar(u'A' + i)) + QLatin1Char(':'));
        }
        return letters;
    }

    QString driveOf(const QString& path) const override
    {
        if (path.isEmpty())
            return {};
        const QString full = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        if (full.size() >= 2 && full.at(1) == QLatin1Char(':'))
            return full.left(2).toUpper();
        if (full.startsWith(QStringLiteral("\\\\"))) {
            // A network path: its drive is \\server\share.
            const qsizetype server = full.indexOf(QLatin1Char('\\'), 2);
            const qsizetype share = server < 0 ? -1 : full.indexOf(QLatin1Char('\\'), server + 1);
            return share < 0 ? full : full.left(share);
        }
        return {};
    }

    QString rootOf(const QString& drive) const override
    {
        return drive.endsWith(QLatin1Char('\\')) ? drive : drive + QLatin1Char('\\');
    }

    bool isReady(const QString& drive) const override
    {
        const QStorageInfo volume(rootOf(drive));
        return volume.isValid() && volume.isReady();
    }

    QString currentFolder(const QString& drive) const override
    {
        if (isLetterDrive(drive)) {
            // "C:" alone names the current folder that the system keeps for C:.
            wchar_t buffer[4 * MAX_PATH];
            const std::wstring relative = drive.toStdWString();
            const DWORD length =
                ::GetFullPathNameW(relative.c_str(), DWORD(std::size(buffer)), buffer, nullptr);
            if (length > 0 && length < std::size(buffer))
                return fullFolderPath(QString::fromWCharArray(buffer, int(length)));
        }
        return rootOf(drive);
    }
};

// One FindFirstFileEx walk: the attributes come with the names, so hidden
// and system entries are left out without asking for each file.
FolderListing listEntries(const QString& folder, bool wantFolders)
{
    FolderListing listing;
    QString pattern = QDir::toNativeSeparators(folder);
    if (!pattern.endsWith(QLatin1Char('\\')))
        pattern += QLatin1Char('\\');
    pattern += QLatin1Char('*');

    WIN32_FIND_DATAW found;
    const HANDLE search =
        ::FindFirstFileExW(reinterpret_cast<LPCWSTR>(pattern.utf16()), FindExInfoBasic, &found,
                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        // The root of an empty drive has not even "." to report.
        listing.ok = ::GetLastError() == ERROR_FILE_NOT_FOUND;
        return listing;
    }
    do {
        const DWORD attributes = found.dwFileAttributes;
        if (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
            continue;
        const bool isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder != wantFolders)
            continue;
        const QString name = QString::fromWCharArray(found.cFileName);
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        listing.names.append(name);
    } while (::FindNextFileW(search, &found));
    listing.ok = ::GetLastError() == ERROR_NO_MORE_FILES;
    ::FindClose(search);
    if (!listing.ok)
        listing.names.clear();
    return listing;
}

} // namespace

FolderListing listFiles(const QString& folder)
{
    return listEntries(folder, false);
}

FolderListing listSubfolders(const QString& folder)
{
    return listEntries(folder, true);
}

DriveSource& DriveSource::system()
{
    static LetterDrives source;
    return source;
}

} // namespace kettwerk::platform
