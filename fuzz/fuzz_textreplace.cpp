// Replace-all with any text, search text and replacement: it always ends, in
// a time fit for a click, and afterwards no occurrence is left unless it
// gave up and replaced each original occurrence once.
#include "core/TextReplace.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Three texts, separated by a zero byte.
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    if (parts.size() != 3)
        return 0;
    const QString text = QString::fromUtf8(parts[0]);
    const QString search = QString::fromUtf8(parts[1]);
    const QString replacement = QString::fromUtf8(parts[2]);

    const QString first = kettwerk::replaceFirst(text, search, replacement);
    if (!text.isEmpty() && text.contains(search) &&
        first.size() != text.size() - search.size() + replacement.size())
        std::abort();
    // Either no occurrence is left, or the rewrite would have gone on too
    // long and every original occurrence was replaced once instead.
    const QString all = kettwerk::replaceAll(text, search, replacement);
    const QString eachOnce = QString(text).replace(search, replacement);
    if (!search.isEmpty() && replacement != search && all.contains(search) && all != eachOnce)
        std::abort();
    return 0;
}
