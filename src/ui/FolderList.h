#pragma once

#include <QTreeWidget>

namespace kettwerk::ui {

// A classic folder list, as both browsers show one: the folders from the
// root down to the current one, each indented below its parent, then the
// subfolders of the current folder, sorted by name, hidden ones left out.
//
// A single click only selects a line. A double click, or Enter, opens the
// selected folder: the path changes. Setting the path from code behaves the
// same way: pathChanged is emitted at once, inside setPath, and only when
// the path really changes; the browsers' event chains rely on both.
class FolderList : public QTreeWidget
{
    Q_OBJECT
public:
    FolderList(const QString& objectName, QWidget* parent);

    // The current folder: absolute, in the system's separators, with no
    // trailing separator except for a root.
    QString path() const { return m_path; }
    // Moves to `folder`. A folder that does not exist is refused: false,
    // nothing changes. Setting the current path again changes nothing.
    bool setPath(const QString& folder);
    // The folder of the selected line; the current folder when none is selected.
    QString selectedPath() const;
    // Reads the subfolders again, keeping the path.
    void refresh();

Q_SIGNALS:
    // A line was selected with the mouse or the arrow keys.
    void lineClicked();
    void pathChanged(const QString& path);

protected:
    // The lines are always open; there is nothing to expand or collapse.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openLine(const QTreeWidgetItem* line);

    QString m_path;
};

} // namespace kettwerk::ui
