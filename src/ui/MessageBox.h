#pragma once

#include "platform/Replaceable.h"

#include <QString>

class QWidget;

namespace kettwerk::ui {

// Every modal message of the program: one text, no icon, the title
// "Kettwerk". Tests install a substitute that records the texts and answers
// at once instead of showing a window.
class MessageBox : public platform::Replaceable<MessageBox>
{
public:
    virtual ~MessageBox() = default;

    // A notice with an OK button only.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A question with the buttons Ja and Nein; true for Ja.
    virtual bool ask(QWidget* parent, const QString& text, bool yesByDefault) = 0;

    static MessageBox& system();
};

// The notice or question through whichever message box is installed.
void inform(QWidget* parent, const QString& text);
bool ask(QWidget* parent, const QString& text, bool yesByDefault = true);

} // namespace kettwerk::ui
