#pragma once

#include <QLabel>

namespace kettwerk::ui {

// A picture that acts as a button: it reports clicks and pointer moves and
// shows the hand cursor.
class ClickableImage : public QLabel
{
    Q_OBJECT
public:
    ClickableImage(const QString& objectName, const QString& picture, QWidget* parent);

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace kettwerk::ui
