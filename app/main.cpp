#include "core/Language.h"
#include "platform/Console.h"
#include "ui/MainWindow.h"

#include <QApplication>

#include <cstdio>
#include <string_view>

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral(KETTWERK_VERSION));
    // Answered before any window or display is needed, so that it also works
    // on a machine without one (a build server, a remote shell).
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            kettwerk::platform::useParentConsole();
            std::printf("kettwerk %s\n", qPrintable(QCoreApplication::applicationVersion()));
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kettwerk"));
    QApplication::setOrganizationName(QStringLiteral("Kettwerk"));
    // Lets Wayland desktops find the desktop entry, and with it the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kettwerk"));
    kettwerk::installTranslation(kettwerk::userLanguage());

    kettwerk::ui::MainWindow window;
    window.show();
    return app.exec();
}
