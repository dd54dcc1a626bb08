#include "core/Language.h"
#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
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
