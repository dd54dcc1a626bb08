#pragma once

#include <QApplication>
#include <QShortcut>
#include <QWidget>

namespace kettwerk::ui {

// Esc anywhere in `window` runs `close`. An open popup list (the offered
// mapkey names, a combo box's list) takes the Esc first and closes alone,
// as it would without the shortcut.
//
// Only the keyboard focus inside `window` counts: Qt lets a window's
// shortcuts work in its tool windows too, and two Esc shortcuts at once
// would cancel each other out.
template <typename Close> void onEscape(QWidget* window, Close close)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, window, [close] {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        else
            close();
    });
}

// Esc closes a small window, as its own close button would.
inline void closeOnEscape(QWidget* window)
{
    onEscape(window, [window] { window->close(); });
}

} // namespace kettwerk::ui
