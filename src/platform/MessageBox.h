#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kettwerk::platform {

// Every modal message of the program: one text, an OK button, no icon, the
// title "Kettwerk". Tests switch on recording, which keeps the texts and
// answers at once instead of showing a window.
class MessageBox
{
public:
    static void show(QWidget* parent, const QString& text);

    static void setRecording(bool on);
    static QStringList recorded();
    static void clearRecorded();
};

} // namespace kettwerk::platform
