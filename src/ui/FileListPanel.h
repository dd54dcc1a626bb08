#pragma once

#include <QFrame>

class QLineEdit;
class QListView;

namespace kettwerk {
class BatchJob;
class FileList;
} // namespace kettwerk

namespace kettwerk::ui {

class MenuPanel;

// Frame3, the file-list panel: the user's list of files with its right-click
// menu, the single-entry field and the "ok" that hands the marked entries
// over to the job as its selection.
class FileListPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 6255;
    static constexpr int kHeightTwips = 4335;
    static constexpr int kListLeftTwips = 240;
    // The menu's left edge lies this far right of the pointer's X over the list.
    static constexpr int kMenuOffsetTwips = 220;

    FileListPanel(BatchJob& job, QWidget* parent);

    FileList& fileList() const { return *m_fileList; }
    // Puts the list's menu away, as the browser's "ok" does.
    void hideMenu();

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
    void placeMenuAt(int xTwips);
    void onListPressed(Qt::MouseButton button);
    void onPasteClicked();
    void onMarkAllClicked();
    void onSingleEntryClicked();
    void onSingleEntryEntered();
    void onCloseClicked();
    void onHandOverClicked();
    void markFindings();

    BatchJob& m_job;
    FileList* m_fileList = nullptr;
    QListView* m_listView = nullptr;
    QLineEdit* m_singleEntryField = nullptr;
    MenuPanel* m_menu = nullptr;
};

} // namespace kettwerk::ui
