#include "ui/ExplanationLabel.h"

#include "ui/Twips.h"

#include <QEvent>

namespace kettwerk::ui {

ExplanationLabel::ExplanationLabel(QWidget* window)
    : QLabel(tr("Der Kettwerk dient zum Erstellen eines Mapkeys der Mapkeys ausführt und das über "
                "viele Dateien"),
             window)
{
    setObjectName(QStringLiteral("Erklaer"));
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Drawn greyed, as designed, and never in the way of a click.
    setEnabled(false);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTwips(this, layout::explanationLabel::label);
}

void ExplanationLabel::explain(QWidget* control, const QString& text)
{
    explain(control, [text] { return text; });
}

void ExplanationLabel::explain(QWidget* control, std::function<QString()> text)
{
    m_texts.insert(control, std::move(text));
    control->setMouseTracking(true);
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this, control] { m_texts.remove(control); });
}

bool ExplanationLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto text = m_texts.constFind(watched);
        if (text != m_texts.constEnd())
            setText((*text)());
    }
    return QLabel::eventFilter(watched, event);
}

} // namespace kettwerk::ui
