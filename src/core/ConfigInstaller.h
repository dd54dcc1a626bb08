#pragma once

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

// Copies every line of `bytes` to `out` with CR LF after it. A line ends at
// CR LF, a lone CR or a lone LF, since config.pro files pass through editors
// of every system; a last line without a line end still counts as a line.
// The bytes of each line are copied as they are, whatever their encoding.
void appendLinesWithCrLf(QByteArrayView bytes, QByteArray& out);

struct ConfigInstallResult
{
    bool ok = false;
    bool created = false; // config.pro was missing and has been made
    QString error;        // names the path and the reason; empty when ok
};

// Appends the auto mapkey block to config.pro at `path`, creating the file
// when it is missing. The earlier lines are copied byte for byte, whatever
// their encoding, and each is written back with CR LF. The block is appended
// at every call, even when the file already holds it. On failure config.pro
// keeps its exact bytes and nothing else appears in its folder.
ConfigInstallResult installAutoMapkey(const QString& path);

} // namespace kettwerk
