#pragma once

#include <QChar>

// The one way the program cuts text into lines, for list files, config.pro
// and doit.log alike: a line ends at CR LF, at a lone CR or at a lone LF, so
// text from Windows, old Mac and Linux programs splits into the lines the
// user sees. The break itself is not part of the line. A break at the very
// end does not start another (empty) line, and an empty text has no lines.
namespace kettwerk {

namespace lines {
constexpr char16_t codeOf(QChar c)
{
    return c.unicode();
}
constexpr char16_t codeOf(char c)
{
    return char16_t(static_cast<unsigned char>(c));
}
} // namespace lines

// Calls `visit(line, ended)` for every line of `text`, a QStringView or a
// QByteArrayView; `ended` is false only for a last line without a break.
template <typename View, typename Visit> void forEachLine(View text, Visit&& visit)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = lines::codeOf(text[i]);
        if (c != u'\r' && c != u'\n')
            continue;
        visit(text.sliced(start, i - start), true);
        if (c == u'\r' && i + 1 < size && lines::codeOf(text[i + 1]) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        visit(text.sliced(start), false);
}

} // namespace kettwerk
