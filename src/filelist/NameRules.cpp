#include "filelist/NameRules.h"

#include <QSet>

namespace kettwerk {

namespace {

// The text that the name scan walks over: the entry without a drive. Only
// the second character decides, so "E:bracket.drw" loses its drive as well.
QStringView withoutDrive(const QString& entry)
{
    QStringView text(entry);
    if (text.size() >= 2 && text.at(1) == u':')
        text = text.mid(2);
    return text;
}

// Lists come from Windows and from POSIX systems alike ("find . > list"), and
// no model name holds a slash, so both end a folder.
bool isFolderSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

} // namespace

// Both routines walk from the end of the text towards its start. Every dot
// cuts the text off just before itself, so `end` moves left; the scan stops
// at the first backslash that has text between it and the current end, which
// is why dots in folder names are never looked at.

QString bareName(const QString& entry)
{
    const QStringView text = withoutDrive(entry);
    qsizetype end = text.size();
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const QChar c = text.at(i);
        if (c == u'.')
            end = i;
        else if (isFolderSeparator(c) && end > i + 1)
            return text.mid(i + 1, end - i - 1).toString();
    }
    return text.left(end).toString();
}

QString typeSuffix(const QString& entry)
{
    const QStringView text = withoutDrive(entry);
    QStringView suffix;
    qsizetype end = text.size();
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const QChar c = text.at(i);
        if (c == u'.') {
            // A trailing dot (or the second of two dots) has nothing behind
            // it and must not wipe out a suffix already found.
            if (end > i + 1)
                suffix = text.mid(i, end - i);
            end = i;
        } else if (isFolderSeparator(c) && end > i + 1) {
            break;
        }
    }
    return suffix.toString();
}

QStringList removeRepeats(const QStringList& texts)
{
    QStringList kept;
    kept.reserve(texts.size());
    QSet<QString> seen;
    seen.reserve(texts.size());
    for (const QString& text : texts) {
        if (text.isEmpty()) {
            kept.append(text);
            continue;
        }
        const auto before = seen.size();
        seen.insert(text);
        if (seen.size() != before)
            kept.append(text);
    }
    return kept;
}

QString reducedName(const QString& entry)
{
    const QString bare = bareName(entry);
    QStringView name(bare);
    // Deliberately not trimmed(): a tab copied from a table column is part
    // of the name the user sees and must reach the batch unchanged.
    while (!name.isEmpty() && name.front() == u' ')
        name = name.mid(1);
    while (!name.isEmpty() && name.back() == u' ')
        name.chop(1);
    return name.toString() + typeSuffix(entry);
}

QStringList handOver(const QStringList& markedEntries)
{
    QStringList reduced;
    reduced.reserve(markedEntries.size());
    for (const QString& entry : markedEntries)
        reduced.append(reducedName(entry));
    return removeRepeats(reduced);
}

} // namespace kettwerk
