#pragma once

#include <QLabel>
#include <QList>
#include <QPixmap>

namespace kettwerk::ui {

// A picture that acts as a button: it reports clicks and pointer moves and
// shows the hand cursor. The picture fills the control; on a screen scaled
// by more than 1 it is painted from a larger drawing of it ("name@2x.png",
// "name@4x.png") where there is one, so that it stays sharp.
class ClickableImage : public QLabel
{
    Q_OBJECT
public:
    ClickableImage(const QString& objectName, const QString& picture, QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QPixmap> m_drawings; // smallest first
    QPixmap m_shown;           // the picture at the control's size on screen
    bool m_pressed = false;
};

} // namespace kettwerk::ui
