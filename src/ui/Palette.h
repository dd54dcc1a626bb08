#pragma once

#include <QColor>
#include <QString>

// The colours of the windows as designed, each named once.
namespace kettwerk::ui::palette {

inline const QColor kPaleYellow(255, 255, 192); // status line, menu, entry field, hint
inline const QColor kApricot(255, 224, 192);    // browser and construction panel
inline const QColor kTeal(0, 192, 192);         // file-list panel
inline const QColor kLightGrey(224, 224, 224);  // info window
inline const QColor kWarningRed(255, 128, 128); // the mapkey window's warning
inline const QColor kLinkBlue(0, 0, 255);       // the contact address
inline const QColor kExampleGrey(64, 64, 64);   // the example names

// A style sheet rule that gives a widget that background, and optionally
// that text colour; `selector` limits it to one object ("#Frame1").
inline QString backgroundStyle(const QColor& background, const QColor& text = QColor(),
                               const QString& selector = QString())
{
    QString rule = QStringLiteral("background-color: %1;").arg(background.name());
    if (text.isValid())
        rule += QStringLiteral(" color: %1;").arg(text.name());
    return selector.isEmpty() ? rule : QStringLiteral("%1 { %2 }").arg(selector, rule);
}

} // namespace kettwerk::ui::palette
