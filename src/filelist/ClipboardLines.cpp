#include "ClipboardLines.h"

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

QStringList clipboardEntries(QStringView text)
{
    QStringList entries = splitLines(text);
    entries.removeIf([](const QString& line) { return line.isEmpty() || line == u"Name"; });
    return entries;
}

} // namespace kettwerk
