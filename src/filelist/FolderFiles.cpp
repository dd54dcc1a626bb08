#include "filelist/FolderFiles.h"

#include "filelist/NameFilter.h"
#include "platform/Drives.h"

#include <QDir>

namespace kettwerk {

FolderFiles::FolderFiles() : m_folder(platform::fullFolderPath(QDir::currentPath())) {}

void FolderFiles::setFolder(const QString& folder)
{
    m_folder = platform::fullFolderPath(folder);
    m_due = true;
}

void FolderFiles::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    m_due = true;
}

QStringList FolderFiles::names()
{
    readIfDue();
    return m_names;
}

bool FolderFiles::listFailed()
{
    readIfDue();
    return m_failed;
}

bool FolderFiles::isListableName(const QString& name)
{
    // A name with a line break would become two entries, or break a line of
    // doit.pro; Pro/ENGINEER could not open such a file anyway.
    return !name.contains(u'\n') && !name.contains(u'\r');
}

QStringList FolderFiles::matchingFiles(const QString& folder, const QString& pattern, bool* listed)
{
    platform::FolderListing listing = platform::listFiles(folder);
    if (listed)
        *listed = listing.ok;
    const NameFilter filter(pattern);
    listing.names.removeIf(
        [&filter](const QString& name) { return !filter.matches(name) || !isListableName(name); });
    platform::sortNames(listing.names);
    return listing.names;
}

void FolderFiles::readIfDue()
{
    if (!m_due)
        return;
    m_due = false;
    bool listed = false;
    m_names = matchingFiles(m_folder, m_pattern, &listed);
    m_failed = !listed;
}

} // namespace kettwerk
