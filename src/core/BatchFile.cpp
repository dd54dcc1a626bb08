#include "BatchFile.h"

#include "EightBitCodec.h"
#include "SafeWrite.h"

#include <QDir>

namespace kettwerk {

bool encodeBatchFile(const QString& batchText, const QStringList& selection,
                     const platform::EightBitCodec& codec, QByteArray* bytes, QString* problem)
{
    // Encoded in place and the line end added as bytes: the text of a long
    // batch is tens of megabytes, and a joined copy would double that.
    const qsizetype bad = codec.encode(batchText, *bytes);
    if (bad < 0) {
        bytes->append("\r\n", 2);
        return true;
    }
    if (problem) {
        QString culprit;
        for (const QString& name : selection) {
            if (!codec.canEncode(name)) {
                culprit = QStringLiteral("Der Dateiname „%1“").arg(name);
                break;
            }
        }
        if (culprit.isEmpty()) {
            const qsizetype width = batchText.at(bad).isHighSurrogate() ? 2 : 1;
            culprit =
                QStringLiteral("Der Mapkey-Text (Zeichen „%1“)").arg(batchText.mid(bad, width));
        }
        *problem = culprit + QStringLiteral(" enthält Zeichen, die in der Codepage der Datei nicht "
                                            "darstellbar sind.");
    }
    return false;
}

bool writeBatchFile(const QString& path, const QString& batchText, const QStringList& selection,
                    const platform::EightBitCodec& codec, QString* error)
{
    QByteArray bytes;
    QString problem;
    if (!encodeBatchFile(batchText, selection, codec, &bytes, &problem)) {
        if (error) {
            *error = QStringLiteral("Die Datei „%1“ wurde nicht geschrieben.\n%2")
                         .arg(QDir::toNativeSeparators(path), problem);
        }
        return false;
    }
    return writeFileAtomically(path, bytes, error);
}

} // namespace kettwerk
