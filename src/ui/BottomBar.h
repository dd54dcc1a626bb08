#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kettwerk::ui {

class ClickableImage;

// Frame4, the bar along the bottom of the main window: the working folder,
// the config.pro button, the login name, the status line and the exit image.
class BottomBar : public QGroupBox
{
    Q_OBJECT
public:
    static constexpr int kHeightTwips = 1095;

    explicit BottomBar(QWidget* parent);

    QLabel* Label7 = nullptr;
    QLineEdit* txt_pro = nullptr;
    QPushButton* cmd_auto = nullptr;
    QLabel* lbl_user = nullptr;
    QLineEdit* lbl_status = nullptr;
    ClickableImage* img_exit = nullptr;

Q_SIGNALS:
    // A mouse button was pressed on the bar's bare surface.
    void surfacePressed(Qt::MouseButton button);
    // The heading above the working folder was clicked.
    void headingClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kettwerk::ui
