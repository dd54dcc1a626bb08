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
    bool print = false;
    bool installAuto = false;
    bool help = false;
};

// False with a German `problem` for arguments that make no sense.
bool parseBatchOptions(const QStringList& arguments, BatchOptions* options, QString* problem);

QString batchUsage();

} // namespace kettwerk::cli
