// A list file or pasted text, as bytes in any encoding, through decoding,
// line splitting, the name rules and the hand-over.
#include "filelist/ListText.h"
#include "filelist/NameRules.h"

#include <QSet>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = kettwerk::decodeListFile(bytes);
    const QStringList entries = kettwerk::listEntries(text);
    for (const QString& entry : entries) {
        // No entry keeps a line break, and none is empty.
        if (entry.isEmpty() || entry.contains(u'\n') || entry.contains(u'\r'))
            std::abort();
        const QString bare = kettwerk::bareName(entry);
        const QString suffix = kettwerk::typeSuffix(entry);
        // The bare name holds no dot; the suffix is empty or one dot-segment.
        if (bare.contains(u'.') ||
            (!suffix.isEmpty() && (!suffix.startsWith(u'.') || suffix.lastIndexOf(u'.') != 0)))
            std::abort();
    }
    const QStringList selection = kettwerk::handOver(entries);
    QSet<QString> seen;
    for (const QString& name : selection) {
        // No name comes twice; empty ones may.
        if (!name.isEmpty() && seen.contains(name))
            std::abort();
        seen.insert(name);
    }
    if (selection.size() > entries.size())
        std::abort();
    return 0;
}
