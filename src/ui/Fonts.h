#pragma once

#include <QFont>

namespace kettwerk::ui {

// The window's design font. Systems without "MS Sans Serif" get their own
// sans-serif at the same point size.
inline QFont sansSerif(qreal pointSize, int weight = QFont::Normal)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Weight(weight));
    return font;
}

} // namespace kettwerk::ui
