#include "BatchCommand.h"

#include "BatchComposer.h"
#include "BatchFile.h"
#include "BatchOptions.h"
#include "ClipboardLines.h"
#include "ConfigInstaller.h"
#include "EightBitCodec.h"
#include "Paths.h"
#include "NameRules.h"
#include "Paths.h"
#include "Platform.h"
#include "SafeWrite.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "Templates.h"
#include "TextReplace.h"

#include <QFile>
#include <QStringDecoder>

namespace kettwerk::cli {
namespace {

void say(QIODevice& device, const QString& line)
{
    device.write((line + u'\n').toUtf8());
}

// A list file from a Linux editor is UTF-8; one saved by an older Windows
// program is in the 8-bit code page. Valid UTF-8 wins.
QString decodeList(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar::ByteOrderMark))
            text.remove(0, 1);
        return text;
    }
    return platform::eightBitCodec().decode(bytes);
}

bool readList(const QString& source, QIODevice& in, QString* text, QString* error)
{
    if (source == QStringLiteral("-")) {
        *text = decodeList(in.readAll());
        return true;
    }
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = readFailureMessage(source, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = readFailureMessage(source, file.errorString());
        return false;
    }
    *text = decodeList(bytes);
    return true;
}

// The working folder as the window would start with it.
QString storedWorkingFolder(const platform::SettingsStore& settings)
{
    const QString proFolder = platform::defaultWorkingFolder(platform::loginName());
    const QString initial = isExistingFolder(proFolder) ? proFolder : platform::programFolder();
    return settings.get(settings::kWorkingFolder, initial);
}

} // namespace

int runBatchCommand(const QStringList& arguments, QIODevice& in, QIODevice& out, QIODevice& err)
{
    BatchOptions options;
    QString problem;
    if (!parseBatchOptions(arguments, &options, &problem)) {
        say(err, QStringLiteral("kettwerk-batch: ") + problem);
        say(err, QStringLiteral("Aufruf: kettwerk-batch --help"));
        return kUsageError;
    }
    if (options.help) {
        out.write(batchUsage().toUtf8());
        return kSuccess;
    }

    platform::SettingsStore settings;
    const QString folder = options.outFolder ? *options.outFolder : storedWorkingFolder(settings);
    QString error;

    if (options.listSource) {
        QString text;
        if (!readList(*options.listSource, in, &text, &error)) {
            say(err, error);
            return kFileError;
        }
        const QStringList selection = handOver(clipboardEntries(text));
        if (selection.isEmpty()) {
            say(err, QStringLiteral("Bitte Dateien auswählen !"));
            return kUsageError;
        }
        const QString names =
            options.mapkeys ? *options.mapkeys
                            : settings.get(settings::kMapkeyNames, settings::kDefaultMapkeyNames);
        const QString block = replaceAll(templates::customTemplate(),
                                         QString::fromUtf16(templates::kPlaceholder), names);
        const QString batch = composeBatch(BatchPieces::stored(), selection, block);
        const QString summary = QStringLiteral("%1 Dateien gewählt.").arg(selection.size());
        if (options.print) {
            QByteArray bytes;
            if (!encodeBatchFile(batch, selection, platform::eightBitCodec(), &bytes, &error)) {
                say(err, QStringLiteral("doit.pro wurde nicht ausgegeben.\n") + error);
                return kFileError;
            }
            out.write(bytes);
            say(err, summary);
        } else {
            const QString path = joinFolderAndName(folder, QString::fromUtf16(kBatchFileName),
                                                   platform::pathSeparator());
            if (!writeBatchFile(path, batch, selection, platform::eightBitCodec(), &error)) {
                say(err, error);
                return kFileError;
            }
            say(out, summary);
        }
    }

    if (options.installAuto) {
        const QString path =
            configFilePath(folder, platform::programFolder(), platform::pathSeparator());
        const ConfigInstallResult result = installAutoMapkey(path);
        if (!result.ok) {
            say(err, result.error);
            return kFileError;
        }
        QIODevice& notices = options.print ? err : out;
        if (result.created)
            say(notices, QString::fromUtf16(kConfigCreatedNotice));
        say(notices, QString::fromUtf16(kAutoMapkeyAddedNotice));
    }
    return kSuccess;
}

} // namespace kettwerk::cli
