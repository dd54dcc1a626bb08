#include "BatchFile.h"

#include "EightBitCodec.h"
#include "SafeWrite.h"

#include <QDir>

namespace kettwerk {
namespace {

QString unencodableMessage(const QString& path, const QString& culprit)
{
    return QStringLiteral("Die Datei „%1“ wurde nicht geschrieben.\n%2 enthält Zeichen, die in der "
                          "Codepage der Datei nicht darstellbar sind.")
        .arg(QDir::toNativeSeparators(path), culprit);
}

} // namespace

bool writeBatchFile(const QString& path, const QString& batchText, const QStringList& selection,
                    const EightBitCodec& codec, QString* error)
{
    QByteArray bytes;
    const qsizetype bad = codec.encode(QString(batchText + QStringLiteral("\r\n")), bytes);
    if (bad >= 0) {
        if (error) {
            QString culprit;
            for (const QString& name : selection) {
                if (!codec.canEncode(name)) {
                    culprit = QStringLiteral("Der Dateiname „%1“").arg(name);
                    break;
                }
            }
            if (culprit.isEmpty())
                culprit = QStringLiteral("Der Mapkey-Text (Zeichen „%1“)")
                              .arg(batchText.mid(bad, batchText.at(bad).isHighSurrogate() ? 2 : 1));
            *error = unencodableMessage(path, culprit);
        }
        return false;
    }
    return writeFileAtomically(path, bytes, error);
}

} // namespace kettwerk
