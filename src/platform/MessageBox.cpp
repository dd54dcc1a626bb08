#include "MessageBox.h"

#include <QMessageBox>

namespace kettwerk::platform {
namespace {

bool g_recording = false;
QStringList g_recorded;

} // namespace

void MessageBox::show(QWidget* parent, const QString& text)
{
    if (g_recording) {
        g_recorded.append(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kettwerk"), text, QMessageBox::Ok, parent);
    box.exec();
}

void MessageBox::setRecording(bool on)
{
    g_recording = on;
}

QStringList MessageBox::recorded()
{
    return g_recorded;
}

void MessageBox::clearRecorded()
{
    g_recorded.clear();
}

} // namespace kettwerk::platform
