#include "ClickableImage.h"

#include <QMouseEvent>
#include <QPixmap>

namespace kettwerk::ui {

ClickableImage::ClickableImage(const QString& objectName, const QString& picture, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setPixmap(QPixmap(picture));
    setScaledContents(true);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void ClickableImage::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (m_pressed && event->button() == Qt::LeftButton && inside)
        Q_EMIT clicked();
    m_pressed = false;
    event->accept();
}

void ClickableImage::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved();
    event->accept();
}

} // namespace kettwerk::ui
