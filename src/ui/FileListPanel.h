#pragma once

#include <QFrame>

class QKeyEvent;
class QLineEdit;
class QListView;
class QPushButton;

namespace kettwerk {
class BatchJob;
class FileList;
} // namespace kettwerk

namespace kettwerk::ui {

class DropTarget;
class MenuPanel;

// Frame3, the file-list panel: the user's list of files with its right-click
// menu, the single-entry field and the "ok" that hands the marked entries
// over to the job as its selection.
class FileListPanel : public QFrame
{
    Q_OBJECT
public:
    FileListPanel(BatchJob& job, QWidget* parent);

    FileList& fileList() const { return *m_fileList; }
    // Puts the list's menu away, as the browser's "ok" does.
    void hideMenu();
    // The browser's name filter, which a folder dropped on the list obeys too.
    void setFolderFilter(const QString& filter);
    // The list, then "ok": where the keyboard goes through the panel.
    QList<QWidget*> tabStops() const;

Q_SIGNALS:
    void statusMessage(const QString& text);
    // The hand-over filled the job's selection; the window moves on.
    void handedOver();
    void browserRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void connectMenu();
    void connectDrops();
    void placeMenuAt(int xTwips);
    void onListPressed(Qt::MouseButton button);
    void onPasteClicked();
    // The clipboard import, fed a text from the clipboard or from a drop.
    void importText(const QString& text);
    // Ctrl+V, Ctrl+A, Del and Enter in the list run the menu's and "ok"'s
    // operations; false for any other key.
    bool runListKey(const QKeyEvent& key);
    void removeMarked();
    void onMarkAllClicked();
    void onSingleEntryClicked();
    void onSingleEntryEntered();
    void onCloseClicked();
    void onHandOverClicked();
    void markFindings();

    BatchJob& m_job;
    FileList* m_fileList = nullptr;
    QListView* m_listView = nullptr;
    QPushButton* m_handOverButton = nullptr;
    QLineEdit* m_singleEntryField = nullptr;
    MenuPanel* m_menu = nullptr;
    DropTarget* m_dropTarget = nullptr;
};

} // namespace kettwerk::ui
