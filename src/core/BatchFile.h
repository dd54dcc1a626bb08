#pragma once

#include <QString>
#include <QStringList>

namespace kettwerk {

class EightBitCodec;

inline constexpr char16_t kBatchFileName[] = u"doit.pro";

// Writes doit.pro: the batch text followed by one CR LF, in the 8-bit code
// page, replacing any earlier file atomically. Nothing is written when a
// character has no byte in the code page; the message then names the first
// selected file that holds one (or the character itself when it came from
// elsewhere, such as the mapkey names).
bool writeBatchFile(const QString& path, const QString& batchText, const QStringList& selection,
                    const EightBitCodec& codec, QString* error);

} // namespace kettwerk
