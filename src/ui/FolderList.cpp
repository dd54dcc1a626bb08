#include "ui/FolderList.h"

#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "ui/Twips.h"

#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

namespace kettwerk::ui {
namespace {

constexpr int kFolderRole = Qt::UserRole;

// The folders from the root down to `path`, root first.
QStringList ancestry(const QString& path)
{
    QStringList chain;
    QDir dir(path);
    do {
        chain.prepend(platform::fullFolderPath(dir.absolutePath()));
    } while (dir.cdUp());
    return chain;
}

QString lineText(const QString& folder)
{
    const QString name = QDir(folder).dirName();
    // A root has no name of its own and is shown as it is written.
    return name.isEmpty() ? folder : name;
}

} // namespace

FolderList::FolderList(const QString& objectName, QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(objectName);
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    // About one folder icon per level, as classic folder lists indent.
    setIndentation(px(layout::folderList::indentation));
    setSelectionMode(QAbstractItemView::SingleSelection);

    connect(this, &QTreeWidget::itemClicked, this, [this] { Q_EMIT lineClicked(); });

    m_path = platform::fullFolderPath(QDir::currentPath());
    refresh();
}

bool FolderList::setPath(const QString& folder)
{
    if (!platform::isExistingFolder(folder))
        return false;
    const QString path = platform::fullFolderPath(folder);
    if (path == m_path)
        return true;
    m_path = path;
    refresh();
    Q_EMIT pathChanged(m_path);
    return true;
}

QString FolderList::selectedPath() const
{
    const QTreeWidgetItem* line = currentItem();
    return line ? line->data(0, kFolderRole).toString() : m_path;
}

void FolderList::refresh()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QTreeWidgetItem* current = nullptr;
    for (const QString& folder : ancestry(m_path)) {
        auto* line = current ? new QTreeWidgetItem(current) : new QTreeWidgetItem(this);
        line->setText(0, lineText(folder));
        line->setIcon(0, open);
        line->setData(0, kFolderRole, folder);
        current = line;
    }

    // A folder that may not be read shows no subfolders; the browser says why.
    QStringList names = platform::listSubfolders(m_path).names;
    platform::sortNames(names);
    const QDir here(m_path);
    QList<QTreeWidgetItem*> children;
    children.reserve(names.size());
    for (const QString& name : names) {
        auto* line = new QTreeWidgetItem;
        line->setText(0, name);
        line->setIcon(0, closed);
        line->setData(0, kFolderRole, QDir::toNativeSeparators(here.filePath(name)));
        children.append(line);
    }
    current->addChildren(children);

    expandAll();
    setCurrentItem(current);
    scrollToItem(current);
}

void FolderList::openLine(const QTreeWidgetItem* line)
{
    if (line)
        setPath(line->data(0, kFolderRole).toString());
}

void FolderList::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Handled here rather than in the view: opening rebuilds every line,
    // and the view's own double-click handling would go on with lines that
    // are gone.
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    openLine(itemAt(event->position().toPoint()));
}

void FolderList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        openLine(currentItem());
        return;
    }
    const QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    if (currentItem() != before)
        Q_EMIT lineClicked();
}

} // namespace kettwerk::ui
