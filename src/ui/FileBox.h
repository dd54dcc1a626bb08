#pragma once

#include <QListView>

class QStringListModel;

namespace kettwerk::ui {

// The file box (File1): the files of one folder whose names match a filter,
// names only, sorted by name, hidden files (and on Windows system files)
// left out. The user never sees it; the browser copies its entries into the
// file list.
//
// Setting the folder or the filter only notes that the listing is due; it is
// read when files() is next asked. The browser's event chains set both
// several times before they copy the entries once or twice, and a folder of
// 20,000 files is then read once, not five times.
class FileBox : public QListView
{
    Q_OBJECT
public:
    explicit FileBox(QWidget* parent);

    QString path() const { return m_path; }
    void setPath(const QString& folder);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString& pattern);

    // The matching names, read again after every setPath or setPattern.
    QStringList files();
    // True when the last reading could not list the folder (access denied,
    // folder gone); the box is then empty.
    bool listFailed();

    // The whole work of one reading, for callers without a box.
    static QStringList matchingFiles(const QString& folder, const QString& pattern,
                                     bool* listed = nullptr);

private:
    void readIfDue();

    QStringListModel* m_model;
    QString m_path;
    QString m_pattern;
    bool m_due = true;
    bool m_failed = false;
};

} // namespace kettwerk::ui
