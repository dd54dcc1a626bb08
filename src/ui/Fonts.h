#pragma once

#include <QFont>
#include <QStringList>

namespace kettwerk::ui {

// The window's design font. Systems without "MS Sans Serif" get their own
// sans-serif at the same point size.
inline QFont sansSerif(qreal pointSize, int weight = QFont::Normal)
{
    QFont font;
    // Liberation Sans has Arial's metrics, the closest to the design font.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Weight(weight));
    return font;
}

} // namespace kettwerk::ui
