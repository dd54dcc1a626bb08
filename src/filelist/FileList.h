#pragma once

#include "filelist/MarkStore.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace kettwerk {

// The entries of the file list as a list view shows them: one row per entry,
// the entry's text as its display text. Rows are only selected, never edited
// in the view; every change goes through FileList.
class FileListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit FileListModel(QObject* parent = nullptr);

    // The finding of the check about an entry, for a view to mark it.
    static constexpr int FindingRole = Qt::UserRole + 1;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const QStringList& entries() const { return m_entries; }
    void replaceAll(const QStringList& entries);
    // Adds all of `entries` at the end in one step, so that a view hears of
    // one insertion, not of thousands.
    void appendAll(const QStringList& entries);
    void setText(qsizetype row, const QString& text);
    // Replaces every finding; rows not named have none.
    void setFindings(const QHash<qsizetype, QString>& findings);

    // Calls `rewrite` on every entry in order; it returns true when it changed
    // the entry. One dataChanged covers the whole list, because row-by-row
    // signals cost more than the rewrite itself on long lists.
    template <typename Rewrite> void rewriteAll(Rewrite rewrite)
    {
        bool changed = false;
        for (QString& entry : m_entries)
            changed = rewrite(entry) || changed;
        if (changed)
            Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
    }

private:
    QStringList m_entries;
    QHash<qsizetype, QString> m_findings;
};

// The user's working list of files: ordered entries (repeats allowed), each
// with a mark. The marks live in a selection model so that a list view given
// model() and marks() lets the user mark with clicks, Shift and Ctrl.
//
// Lists of 100,000 entries must stay quick, so nothing here marks or reads
// row by row through Qt's selection calls, whose cost grows with the number
// of marked ranges: every bulk change is one selection of whole ranges.
class FileList : public QObject
{
    Q_OBJECT

public:
    explicit FileList(QObject* parent = nullptr);

    QAbstractItemModel* model() const { return m_model; }
    QItemSelectionModel* marks() const { return m_marks; }

    qsizetype count() const { return m_model->entries().size(); }
    QString text(qsizetype i) const { return m_model->entries().at(i); }
    QStringList entries() const { return m_model->entries(); }

    bool isMarked(qsizetype i) const { return m_marks->isMarked(i); }
    void setMarked(qsizetype i, bool marked);

    // Adds entries at the end; they all get `marked`, earlier entries keep
    // their marks.
    void appendEntries(const QStringList& entries, bool marked);
    // Rewrites one entry; its mark stays.
    void setText(qsizetype i, const QString& text);
    void clear();
    // Removes every marked entry; the others keep their order and end up
    // unmarked. Returns how many went.
    qsizetype removeMarked();
    // Replaces every entry; all new entries get the same mark.
    void setEntries(const QStringList& entries, bool marked);

    void markAll();
    void unmarkAll();
    // Marks entries with what the check found about them; every change of
    // the entries takes the findings away.
    void setFindings(const QHash<qsizetype, QString>& findings);

    // Sets every mark at once: entry i is marked when marks[i] is true.
    // Entries beyond the end of `marks` end up unmarked.
    void setMarks(const QList<bool>& marks);
    // The mark of every entry, in list order.
    QList<bool> markFlags() const { return m_marks->flags(); }
    // The texts of the marked entries, in list order.
    QStringList markedEntries() const;

    // Appends `suffix` to every entry, marked or not, even when it already
    // ends with it. Marks stay where they are.
    void appendSuffix(const QString& suffix);
    // Removes `suffix` from every entry that ends with exactly that text
    // (case matters); other entries and all marks stay as they are.
    void stripSuffix(const QString& suffix);

private:
    QModelIndex rowIndex(qsizetype i) const;

    FileListModel* m_model;
    MarkStore* m_marks;
};

} // namespace kettwerk
