#pragma once

#include "ui/Layout.h"

#include <QRect>
#include <QWidget>

// Layout lengths are kept in twips, as the window was designed; one logical
// pixel is 15 twips and Qt's high-DPI scaling does the rest.
namespace kettwerk::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips)
{
    // Rounds half away from zero so that negative places (a panel above the
    // client area) mirror positive ones.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

inline void placeTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

inline void moveTwips(QWidget* widget, int left, int top)
{
    widget->move(px(left), px(top));
}

inline QRect twipsRect(const layout::Place& place)
{
    return twipsRect(place.left, place.top, place.width, place.height);
}

inline void placeTwips(QWidget* widget, const layout::Place& place)
{
    widget->setGeometry(twipsRect(place));
}

inline void moveTwips(QWidget* widget, const layout::Point& point)
{
    moveTwips(widget, point.left, point.top);
}

inline QSize twipsSize(const layout::Size& size)
{
    return {px(size.width), px(size.height)};
}

} // namespace kettwerk::ui
