#pragma once

#include <QString>
#include <QStringList>

namespace kettwerk {

// The files of one folder whose names match a filter, names only, sorted by
// name, hidden files (and on Windows system files) left out: what the
// browser hands over to the file list.
//
// Setting the folder or the filter only notes that the listing is due; it is
// read when the names are next asked for. The browser's event chains set both
// several times before they hand the names over once or twice, and a folder
// of 20,000 files is then read once, not five times.
class FolderFiles
{
public:
    // Starts on the program's current folder with an empty filter.
    FolderFiles();

    QString folder() const { return m_folder; }
    void setFolder(const QString& folder);
    void setPattern(const QString& pattern);

    // The matching names, read again after every setFolder or setPattern,
    // even when the value set is the one already held.
    QStringList names();
    // True when the last reading could not list the folder (access denied,
    // folder gone); there are then no names.
    bool listFailed();

    // Whether a file of this name may become a list entry at all.
    static bool isListableName(const QString& name);
    // The whole work of one reading, for callers that keep no listing.
    static QStringList matchingFiles(const QString& folder, const QString& pattern,
                                     bool* listed = nullptr);

private:
    void readIfDue();

    QString m_folder;
    QString m_pattern;
    QStringList m_names;
    bool m_due = true;
    bool m_failed = false;
};

} // namespace kettwerk
