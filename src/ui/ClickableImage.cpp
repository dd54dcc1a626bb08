#include "ui/ClickableImage.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kettwerk::ui {

ClickableImage::ClickableImage(const QString& objectName, const QString& picture, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    m_drawings.append(QPixmap(picture));
    const QString stem = picture.left(picture.lastIndexOf(u'.'));
    for (const QString& larger :
         {stem + QStringLiteral("@2x.png"), stem + QStringLiteral("@4x.png")}) {
        const QPixmap drawing(larger);
        if (!drawing.isNull())
            m_drawings.append(drawing);
    }
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
    // A move over the picture is not one over the bare panel beneath it.
    event->accept();
}

void ClickableImage::paintEvent(QPaintEvent* /*event*/)
{
    const qreal ratio = devicePixelRatioF();
    const QSize onScreen = (QSizeF(size()) * ratio).toSize();
    if (m_shown.size() != onScreen || m_shown.devicePixelRatio() != ratio) {
        // Scaled down from the smallest drawing that has as many pixels as
        // the screen gives the control; only where none has is one enlarged.
        const auto covering =
            std::find_if(m_drawings.cbegin(), m_drawings.cend(), [&](const QPixmap& drawing) {
                return drawing.width() >= onScreen.width() && drawing.height() >= onScreen.height();
            });
        const QPixmap& source = covering != m_drawings.cend() ? *covering : m_drawings.last();
        m_shown = source.scaled(onScreen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_shown.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(0, 0, m_shown);
}

} // namespace kettwerk::ui
