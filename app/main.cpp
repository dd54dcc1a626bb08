#include "Language.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kettwerk"));
    QApplication::setOrganizationName(QStringLiteral("Kettwerk"));
    kettwerk::installTranslation(kettwerk::userLanguage());

    kettwerk::ui::MainWindow window;
    window.show();
    return app.exec();
}
