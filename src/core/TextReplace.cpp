#include "core/TextReplace.h"

namespace kettwerk {

QString replaceFirst(const QString& text, const QString& search, const QString& replacement)
{
    if (text.isEmpty())
        return text;
    const qsizetype at = text.indexOf(search, 0, Qt::CaseSensitive);
    if (at < 0)
        return text;
    QString result = text;
    result.replace(at, search.size(), replacement);
    return result;
}

bool replacementGrowsForever(const QString& search, const QString& replacement)
{
    if (search.isEmpty())
        return !replacement.isEmpty();
    return replacement != search && replacement.contains(search, Qt::CaseSensitive);
}

namespace {

// Every occurrence of the original text once, left to right; the inserted
// replacements are never searched again.
QString replaceEachOnce(const QString& text, const QString& search, const QString& replacement)
{
    if (text.isEmpty())
        return text;
    if (search.isEmpty())
        return replacement + text; // replaceFirst's one match of an empty search text
    QString result = text;
    return result.replace(search, replacement, Qt::CaseSensitive);
}

} // namespace

QString replaceAll(const QString& text, const QString& search, const QString& replacement)
{
    if (replacementGrowsForever(search, replacement))
        return replaceEachOnce(text, search, replacement);

    // The loop runs inside a click: a rewrite that keeps forming new
    // occurrences for longer than any real template could (bubbling "ab" to
    // "ba" through a long text, or "ab" to "baa", which also grows the text
    // at every pass) must not freeze the program. Every pass reads the whole
    // text, so what is bounded is the number of characters read.
    constexpr qsizetype maxCharactersRead = 20'000'000;
    qsizetype read = 0;
    QString current = text;
    while (read <= maxCharactersRead) {
        read += current.size();
        QString next = replaceFirst(current, search, replacement);
        if (next == current)
            return current;
        current = std::move(next);
    }
    return replaceEachOnce(text, search, replacement);
}

} // namespace kettwerk
