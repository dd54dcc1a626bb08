#pragma once

#include <QHash>
#include <QLabel>

#include <functional>

namespace kettwerk::ui {

// Erklaer: the label on the main window's surface that explains the control
// under the mouse pointer. Each explained control shows its text while the
// pointer moves over it; moves over anything else leave the text standing,
// and the window clears it when the pointer reaches its bare surface.
class ExplanationLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ExplanationLabel(QWidget* window);

    void explain(QWidget* control, const QString& text);
    // For a text that changes: asked anew at every move.
    void explain(QWidget* control, std::function<QString()> text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, std::function<QString()>> m_texts;
};

} // namespace kettwerk::ui
