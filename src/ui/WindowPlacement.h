#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kettwerk::ui {

// Places a window in the middle of the screen it will appear on.
inline void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), window->frameGeometry().size().expandedTo(window->size()));
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace kettwerk::ui
