#include "filelist/ListText.h"

#include "platform/EightBitCodec.h"
#include "platform/Platform.h"

#include <QStringDecoder>

namespace kettwerk {

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start).toString());
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start).toString());
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
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar::ByteOrderMark))
            text.remove(0, 1);
        return text;
    }
    return platform::eightBitCodec().decode(bytes);
}

} // namespace kettwerk
