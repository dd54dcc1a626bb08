#pragma once

#include <QPushButton>

namespace kettwerk::ui {

// A push button whose caption wraps onto several lines, for the narrow
// two-line buttons of the window ("Liste löschen", the config.pro button).
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    WrapButton(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kettwerk::ui
