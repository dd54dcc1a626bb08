#include "filelist/ListText.h"

#include "core/Lines.h"
#include "platform/EightBitCodec.h"
#include "platform/Platform.h"

#include <QStringDecoder>

namespace kettwerk {

QStringList splitLines(QStringView text)
{
    QStringList lines;
    forEachLine(text, [&lines](QStringView line, bool) { lines.append(line.toString()); });
    return lines;
}

QStringList listEntries(QStringView text)
{
    QStringList entries = splitLines(text);
    entries.removeIf([](const QString& line) { return line.isEmpty() || line == u"Name"; });
    return entries;
}

QString decodeListFile(QByteArrayView bytes)
{
    // Windows editors save "Unicode" as UTF-16 with a byte-order mark.
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        QStringDecoder utf16(bytes.front() == '\xff' ? QStringDecoder::Utf16LE
                                                     : QStringDecoder::Utf16BE);
        return utf16(bytes.sliced(2));
    }
    // The decoder drops a byte-order mark at the start by itself.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return platform::eightBitCodec().decode(bytes);
}

} // namespace kettwerk
