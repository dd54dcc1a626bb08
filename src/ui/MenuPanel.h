#pragma once

#include <QFrame>

class QPushButton;

namespace kettwerk::ui {

class ClickableImage;

// kontextmenue, the small menu that pops up over the file list on a right
// click: paste, mark all or none, clear, single entry, suffixes, browser.
class MenuPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kTopTwips = 240;

    explicit MenuPanel(QWidget* parent);

    QPushButton* cmd_paste = nullptr;
    QPushButton* cmd_all = nullptr;
    QPushButton* cmd_nono = nullptr;
    QPushButton* cmd_clearlist = nullptr;
    QPushButton* cmd_einzel = nullptr;
    QPushButton* cmd_Z = nullptr;
    QPushButton* cmd_P = nullptr;
    QPushButton* cmd_ZZ = nullptr;
    QPushButton* cmd_PP = nullptr;
    ClickableImage* filebrowser = nullptr;
    QPushButton* cmd_quit = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kettwerk::ui
