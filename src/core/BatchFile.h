#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kettwerk {

namespace platform {
class EightBitCodec;
}

inline constexpr char16_t kBatchFileName[] = u"doit.pro";

// The bytes of doit.pro: the batch text followed by one CR LF, in the 8-bit
// code page. When a character has no byte there, returns false and `problem`
// says which selected file holds one (or the character itself when it came
// from elsewhere, such as the mapkey names); nothing may then be written.
bool encodeBatchFile(const QString& batchText, const QStringList& selection,
                     const platform::EightBitCodec& codec, QByteArray* bytes, QString* problem);

// Encodes and writes doit.pro, replacing any earlier file atomically. On
// failure `error` is a German message naming the path and the reason.
bool writeBatchFile(const QString& path, const QString& batchText, const QStringList& selection,
                    const platform::EightBitCodec& codec, QString* error);

} // namespace kettwerk
