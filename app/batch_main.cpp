#include "BatchCommand.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kettwerk"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kettwerk"));

    QFile in, out, err;
    in.open(stdin, QIODevice::ReadOnly);
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return kettwerk::cli::runBatchCommand(QCoreApplication::arguments().mid(1), in, out, err);
}
