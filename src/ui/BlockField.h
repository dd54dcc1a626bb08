#pragma once

#include <QPlainTextEdit>

namespace kettwerk::ui {

// A multi-line field that holds a mapkey block. The editor itself knows only
// paragraph breaks, so the field keeps the exact text it was given, line
// ends and all, and only a real edit by the user replaces it; edited lines
// then end in CR LF, as mapkey blocks do.
class BlockField : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit BlockField(QWidget* parent);

    QString text() const { return m_text; }
    void setText(const QString& text);

Q_SIGNALS:
    // The user changed the text; setText does not count.
    void edited(const QString& text);

private:
    void takeEdit();

    QString m_text;
    bool m_settingText = false;
};

} // namespace kettwerk::ui
