#include "WindowHarness.h"

#include "core/BatchJob.h"
#include "filelist/FileList.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace bench {
namespace {

// Messages are not shown while timing; a benchmark never expects one.
class QuietMessageBox : public kettwerk::ui::MessageBox
{
public:
    void inform(QWidget*, const QString&) override {}
    bool ask(QWidget*, const QString&, bool) override { return true; }
};

struct Harness
{
    QTemporaryDir settingsDir;
    QTemporaryDir workDir;
    std::unique_ptr<kettwerk::ui::MainWindow> window;
    QuietMessageBox messages;
};

std::unique_ptr<Harness> g_harness;

template <typename T> T& named(const QString& name)
{
    T* found = window().findChild<T*>(name);
    if (!found)
        qFatal("control %s not found", qPrintable(name));
    return *found;
}

} // namespace

void startHarness()
{
    g_harness = std::make_unique<Harness>();
    if (!g_harness->settingsDir.isValid() || !g_harness->workDir.isValid())
        qFatal("no temporary folder");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, g_harness->settingsDir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       g_harness->settingsDir.path());
    kettwerk::ui::MessageBox::install(&g_harness->messages);

    g_harness->window = std::make_unique<kettwerk::ui::MainWindow>();
    named<QLineEdit>(QStringLiteral("txt_pro")).setText(g_harness->workDir.path());
    g_harness->window->show();
    settle();
}

void stopHarness()
{
    closeCompletionWindows();
    g_harness->window->close();
    settle();
    g_harness.reset();
}

kettwerk::ui::MainWindow& window()
{
    return *g_harness->window;
}

kettwerk::BatchJob& job()
{
    return window().job();
}

kettwerk::FileList& fileList()
{
    return window().fileList();
}

void showFileListPanel()
{
    named<QWidget>(QStringLiteral("Frame3")).show();
}

QString workFolder()
{
    return g_harness->workDir.path();
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void press(const QString& name)
{
    named<QAbstractButton>(name).click();
}

void enterMapkeys(const QString& names)
{
    press(QStringLiteral("cmd_mapkey"));
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("frm_mapkeyneu") && top->isVisible()) {
            top->findChild<QLineEdit*>(QStringLiteral("txt_mapkeyname"))->setText(names);
            top->findChild<QAbstractButton*>(QStringLiteral("cmd_mapkeyok"))->click();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle();
}

void closeCompletionWindows()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("frm_ok") && top->isVisible())
            top->close();
    }
    // The windows delete themselves a little later.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle();
}

QList<bool> everySecond(int n)
{
    QList<bool> marks(n, false);
    for (int i = 0; i < n; i += 2)
        marks[i] = true;
    return marks;
}

double peakMiB()
{
#ifdef __linux__
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            // "VmHWM:     123456 kB"
            const QByteArray kib = line.mid(6).trimmed().split(' ').value(0);
            return kib.toDouble() / 1024.0;
        }
    }
#endif
    return -1;
}

} // namespace bench
