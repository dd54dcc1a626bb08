#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kettwerk::cli {

struct BatchOptions
{
    std::optional<QString> listSource; // a path, or "-" for standard input
    std::optional<QString> mapkeys;
    std::optional<QString> outFolder;
    QStringList configFiles; // further files that define mapkeys
    bool check = false;      // report the findings, write nothing
    bool strict = false;     // warnings count as errors
    bool print = false;
    bool log = false;         // the batch notes its progress in doit.log
    bool status = false;      // report the run in doit.log
    bool resume = false;      // write the rest of a broken run as doit.pro
    bool skipCurrent = false; // the rest starts after the file it stopped at
    bool installAuto = false;
    bool help = false;
    bool version = false;
};

// False with a `problem` for arguments that make no sense.
bool parseBatchOptions(const QStringList& arguments, BatchOptions* options, QString* problem);

QString batchUsage();

} // namespace kettwerk::cli
