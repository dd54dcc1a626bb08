#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace kettwerk::ui {

// Takes drags from other programs onto a widget: files and folders from a
// file manager, or text with one file name a line. Everything else is
// refused, so that the pointer shows that it cannot be dropped there.
class DropTarget : public QObject
{
    Q_OBJECT
public:
    // Watches `target` and lives as long as it does.
    explicit DropTarget(QWidget* target);

    // The name filter that the files of a dropped folder must match.
    void setFolderFilter(const QString& filter);

Q_SIGNALS:
    // Files and folders were dropped: these are the entries they give, a
    // file's name as the browser lists it, a folder's matching files as the
    // browser would list them, in the order dropped.
    void filesDropped(const QStringList& entries);
    void textDropped(const QString& text);
    // A dropped folder could not be listed.
    void folderUnreadable(const QString& folder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_folderFilter;
};

} // namespace kettwerk::ui
