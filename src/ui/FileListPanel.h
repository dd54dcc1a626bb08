#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

namespace kettwerk {
class FileList;
}

namespace kettwerk::ui {

class ClickableImage;
class MenuPanel;

// Frame3, the file-list panel: the user's list of files with its right-click
// menu, the single-entry field and the "ok" that hands the marked entries
// over. Below its visible area lie the selection and the browser's file box,
// which the user never sees.
class FileListPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 6255;
    static constexpr int kHeightTwips = 4335;
    static constexpr int kListLeftTwips = 240;
    // The menu's left edge lies this far right of the pointer's X over the list.
    static constexpr int kMenuOffsetTwips = 220;

    explicit FileListPanel(QWidget* parent);

    FileList* fileList() const { return m_fileList; }
    QStringList selection() const;
    void setSelection(const QStringList& names);

    QLabel* Label6 = nullptr;
    QListView* List_File1 = nullptr;
    QPushButton* cmd_file = nullptr;
    ClickableImage* img_ex3 = nullptr;
    QLabel* lbl_count = nullptr;
    QLineEdit* txt_hand = nullptr;
    MenuPanel* kontextmenue = nullptr;
    QListView* List_Selection = nullptr;

    void cmd_all_Click();
    void cmd_paste_Click();

Q_SIGNALS:
    void statusMessage(const QString& text);
    // The hand-over filled the selection; the main window moves on.
    void handedOver();
    void browserRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void connectMenu();
    void List_File1_MouseMove(int xTwips);
    void List_File1_MouseDown(Qt::MouseButton button);
    void List_File1_Click();
    void cmd_nono_Click();
    void cmd_clearlist_Click();
    void cmd_einzel_Click();
    void cmd_quit_Click();
    void txt_hand_Enter();
    void img_ex3_Click();
    void Frame3_Click();
    void cmd_file_Click();

    FileList* m_fileList = nullptr;
    QStringListModel* m_selection = nullptr;
};

} // namespace kettwerk::ui
