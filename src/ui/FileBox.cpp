#include "FileBox.h"

#include "Drives.h"
#include "NameFilter.h"

#include <QDir>
#include <QStringListModel>

namespace kettwerk::ui {

FileBox::FileBox(QWidget* parent)
    : QListView(parent), m_model(new QStringListModel(this)),
      m_path(platform::fullFolderPath(QDir::currentPath()))
{
    setObjectName(QStringLiteral("File1"));
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setStyleSheet(QStringLiteral("background-color: rgb(224, 224, 224);"));
}

void FileBox::setPath(const QString& folder)
{
    m_path = platform::fullFolderPath(folder);
    m_due = true;
}

void FileBox::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    m_due = true;
}

QStringList FileBox::files()
{
    readIfDue();
    return m_model->stringList();
}

bool FileBox::listFailed()
{
    readIfDue();
    return m_failed;
}

QStringList FileBox::matchingFiles(const QString& folder, const QString& pattern, bool* listed)
{
    platform::FolderListing listing = platform::listFiles(folder);
    if (listed)
        *listed = listing.ok;
    const NameFilter filter(pattern);
    listing.names.removeIf([&filter](const QString& name) { return !filter.matches(name); });
    platform::sortNames(listing.names);
    return listing.names;
}

void FileBox::readIfDue()
{
    if (!m_due)
        return;
    m_due = false;
    bool listed = false;
    m_model->setStringList(matchingFiles(m_path, m_pattern, &listed));
    m_failed = !listed;
}

} // namespace kettwerk::ui
