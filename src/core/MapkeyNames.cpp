#include "core/MapkeyNames.h"

namespace kettwerk {

QList<NameSpan> mapkeyNameSpans(QStringView entered)
{
    QList<NameSpan> spans;
    qsizetype start = 0;
    for (;;) {
        qsizetype end = entered.indexOf(u';', start);
        if (end < 0)
            end = entered.size();
        // The template's own "%" stands before the first item.
        if (start == 0)
            spans.append({0, end});
        else if (start < end && entered.at(start) == u'%')
            spans.append({start + 1, end - start - 1});
        if (end == entered.size())
            return spans;
        start = end + 1;
    }
}

QStringList splitMapkeyNames(QStringView entered)
{
    QStringList names;
    for (const NameSpan& span : mapkeyNameSpans(entered)) {
        if (span.length > 0)
            names.append(entered.sliced(span.start, span.length).toString());
    }
    return names;
}

std::optional<NameSpan> nameSpanAt(QStringView entered, qsizetype position)
{
    for (const NameSpan& span : mapkeyNameSpans(entered)) {
        if (span.start <= position && position <= span.start + span.length)
            return span;
    }
    return std::nullopt;
}

} // namespace kettwerk
