#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// Finds a control by its name below `root`, failing the test when it is missing.
template <typename T> T* control(QObject* root, const char* name)
{
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("control %s not found", name);
    return found;
}

// The top-level window of that name that is currently open, or nullptr.
inline QWidget* openWindow(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    }
    return nullptr;
}

// Clicks a control as the user would.
inline void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(widget, button, {}, widget->rect().center());
}
