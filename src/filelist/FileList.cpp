#include "filelist/FileList.h"

namespace kettwerk {

FileListModel::FileListModel(QObject* parent) : QAbstractListModel(parent) {}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_entries.at(index.row());
    if (role == FindingRole || role == Qt::ToolTipRole) {
        const auto finding = m_findings.constFind(index.row());
        return finding == m_findings.constEnd() ? QVariant() : QVariant(*finding);
    }
    return QVariant();
}

void FileListModel::setFindings(const QHash<qsizetype, QString>& findings)
{
    if (m_findings.isEmpty() && findings.isEmpty())
        return;
    m_findings = findings;
    if (!m_entries.isEmpty())
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {FindingRole, Qt::ToolTipRole});
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

void FileListModel::replaceAll(const QStringList& entries)
{
    beginResetModel();
    m_entries = entries;
    m_findings.clear();
    endResetModel();
}

void FileListModel::appendAll(const QStringList& entries)
{
    if (entries.isEmpty())
        return;
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row + int(entries.size()) - 1);
    m_entries.append(entries);
    endInsertRows();
}

void FileListModel::setText(qsizetype row, const QString& text)
{
    m_entries[row] = text;
    m_findings.remove(row);
    const QModelIndex changed = index(int(row));
    Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole});
}

FileList::FileList(QObject* parent)
    : QObject(parent), m_model(new FileListModel(this)), m_marks(new MarkStore(m_model, this))
{
}

QModelIndex FileList::rowIndex(qsizetype i) const
{
    return m_model->index(int(i), 0);
}

void FileList::setMarked(qsizetype i, bool marked)
{
    m_marks->select(rowIndex(i),
                    marked ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void FileList::appendEntries(const QStringList& entries, bool marked)
{
    QList<bool> marks = m_marks->flags();
    m_model->appendAll(entries);
    marks.resize(count(), marked);
    m_marks->setFlags(marks);
}

void FileList::setText(qsizetype i, const QString& text)
{
    m_model->setText(i, text);
}

void FileList::clear()
{
    setEntries(QStringList(), false);
}

qsizetype FileList::removeMarked()
{
    const QList<bool>& flags = m_marks->flags();
    const QStringList& all = m_model->entries();
    QStringList kept;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (!flags.at(i))
            kept.append(all.at(i));
    }
    const qsizetype removed = all.size() - kept.size();
    // One reset rather than a removal per marked range: scattered marks in a
    // long list would otherwise cost time in proportion to rows × ranges.
    if (removed > 0)
        setEntries(kept, false);
    return removed;
}

void FileList::setEntries(const QStringList& entries, bool marked)
{
    // A model reset drops the marks without a word; clearing them first
    // tells whoever watches the marks that they are gone.
    m_marks->clearSelection();
    m_model->replaceAll(entries);
    if (marked)
        markAll();
}

void FileList::setFindings(const QHash<qsizetype, QString>& findings)
{
    m_model->setFindings(findings);
}

void FileList::markAll()
{
    m_marks->setFlags(QList<bool>(count(), true));
}

void FileList::unmarkAll()
{
    m_marks->clearSelection();
}

void FileList::setMarks(const QList<bool>& marks)
{
    m_marks->setFlags(marks);
}

QStringList FileList::markedEntries() const
{
    const QList<bool>& flags = m_marks->flags();
    const QStringList& all = m_model->entries();
    QStringList marked;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (flags.at(i))
            marked.append(all.at(i));
    }
    return marked;
}

void FileList::appendSuffix(const QString& suffix)
{
    if (suffix.isEmpty())
        return;
    m_model->setFindings({});
    m_model->rewriteAll([&suffix](QString& entry) {
        entry += suffix;
        return true;
    });
}

void FileList::stripSuffix(const QString& suffix)
{
    if (suffix.isEmpty())
        return;
    m_model->setFindings({});
    m_model->rewriteAll([&suffix](QString& entry) {
        if (!entry.endsWith(suffix, Qt::CaseSensitive))
            return false;
        entry.chop(suffix.size());
        return true;
    });
}

} // namespace kettwerk
