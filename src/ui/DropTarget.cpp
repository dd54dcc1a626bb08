#include "ui/DropTarget.h"

#include "filelist/FolderFiles.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <algorithm>

namespace kettwerk::ui {
namespace {

enum class DropKind { Refused, Files, Text };

bool isExistingLocalFile(const QUrl& url)
{
    return url.isLocalFile() && QFileInfo::exists(url.toLocalFile());
}

// Files win over text: a file manager puts the paths in as text too. Links
// that are no existing local files (a web address) are refused, even though
// they come with text.
DropKind dropKind(const QMimeData* data)
{
    if (!data)
        return DropKind::Refused;
    if (data->hasUrls()) {
        const QList<QUrl> urls = data->urls();
        return std::any_of(urls.begin(), urls.end(), isExistingLocalFile) ? DropKind::Files
                                                                          : DropKind::Refused;
    }
    return data->hasText() ? DropKind::Text : DropKind::Refused;
}

// Always a copy: a move would let the file manager or the editor delete what
// was dragged.
bool offerCopy(QDropEvent* event)
{
    if (dropKind(event->mimeData()) == DropKind::Refused ||
        !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

DropTarget::DropTarget(QWidget* target) : QObject(target)
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

void DropTarget::setFolderFilter(const QString& filter)
{
    m_folderFilter = filter;
}

bool DropTarget::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove) {
        offerCopy(static_cast<QDropEvent*>(event));
        return true;
    }
    if (type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    if (!offerCopy(drop))
        return true;
    const QMimeData* data = drop->mimeData();
    if (dropKind(data) == DropKind::Text) {
        Q_EMIT textDropped(data->text());
        return true;
    }
    QStringList entries;
    for (const QUrl& url : data->urls()) {
        if (!isExistingLocalFile(url))
            continue;
        const QFileInfo file(url.toLocalFile());
        if (file.isDir()) {
            bool listed = false;
            entries += FolderFiles::matchingFiles(file.filePath(), m_folderFilter, &listed);
            if (!listed)
                Q_EMIT folderUnreadable(file.filePath());
            continue;
        }
        if (FolderFiles::isListableName(file.fileName()))
            entries.append(file.fileName());
    }
    Q_EMIT filesDropped(entries);
    return true;
}

} // namespace kettwerk::ui
