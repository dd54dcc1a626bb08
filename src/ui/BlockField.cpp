#include "ui/BlockField.h"

namespace kettwerk::ui {

BlockField::BlockField(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(this, &QPlainTextEdit::textChanged, this, &BlockField::takeEdit);
}

void BlockField::setText(const QString& text)
{
    m_text = text;
    m_settingText = true;
    // The editor turns CR LF, a lone CR and a lone LF alike into a paragraph.
    setPlainText(text);
    m_settingText = false;
}

void BlockField::takeEdit()
{
    if (m_settingText)
        return;
    m_text = toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    Q_EMIT edited(m_text);
}

} // namespace kettwerk::ui
