#pragma once

#include <QColor>
#include <QPainter>
#include <QWidget>

namespace kettwerk::ui {

// Fills a panel or window with its own background colour.
inline void fillBackground(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

// The thin black line along the edges of a borderless panel.
inline void drawOutline(QPainter& painter, const QWidget* widget)
{
    painter.setPen(Qt::black);
    painter.drawRect(widget->rect().adjusted(0, 0, -1, -1));
}

// The small windows delete themselves on close, a little later; a closed one
// counts as unloaded at once.
inline bool isLoaded(const QWidget* window)
{
    return window && window->isVisible();
}

} // namespace kettwerk::ui
