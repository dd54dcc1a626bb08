#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>

namespace kettwerk {

inline constexpr char16_t kConfigFileName[] = u"config.pro";

// The two notices the user sees after an installation: the first only when
// config.pro had to be made, the second after every successful one.
QString configCreatedNotice();
QString autoMapkeyAddedNotice();

// config.pro lies in the working folder; with no working folder set, it lies
// beside the program.
QString configFilePath(const QString& workingFolder, const QString& programFolder, QChar separator);

// Copies every line of `bytes` to `out` with CR LF after it: config.pro files
// pass through editors of every system, and a last line without a line end
// still counts as a line. The bytes of each line are copied as they are,
// whatever their encoding.
void appendLinesWithCrLf(QByteArrayView bytes, QByteArray& out);

enum class ConfigInstalled {
    Appended, // to the config.pro that was there
    Created,  // config.pro was missing and has been made
};

// Appends the auto mapkey block to config.pro at `path`, creating the file
// when it is missing. The earlier lines are copied byte for byte, whatever
// their encoding, and each is written back with CR LF. The block is appended
// at every call, even when the file already holds it. On failure config.pro
// keeps its exact bytes and nothing else appears in its folder.
Result<ConfigInstalled> installAutoMapkey(const QString& path);

} // namespace kettwerk
