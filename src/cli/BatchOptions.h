#pragma once

#include "platform/Result.h"

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

// The options of `arguments`; arguments that make no sense fail, saying why.
Result<BatchOptions> parseBatchOptions(const QStringList& arguments);

QString batchUsage();

} // namespace kettwerk::cli
