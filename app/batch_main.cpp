#include "cli/BatchCommand.h"
#include "core/Language.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kettwerk"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kettwerk"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KETTWERK_VERSION));
    kettwerk::installTranslation(kettwerk::userLanguage());
    // A reader that goes away is a failed write, reported like any other.
    kettwerk::platform::reportBrokenPipes();
    // The batch file goes out byte for byte, its CR LF line ends included.
    kettwerk::platform::useBinaryStandardOutput();
    kettwerk::platform::showUtf8InConsole();

    // Unbuffered, on the descriptors themselves: every failed read or write
    // shows at once, where it happened.
    QFile in, out, err;
    in.open(fileno(stdin), QIODevice::ReadOnly | QIODevice::Unbuffered);
    out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(fileno(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered);
    return kettwerk::cli::runBatchCommand(QCoreApplication::arguments().mid(1), in, out, err);
}
