#pragma once

#include <QString>

namespace kettwerk {

// Replaces the first occurrence of `search` in `text` by `replacement`,
// comparing characters exactly. An empty text stays empty; an empty search
// text matches at the very start of a non-empty text.
QString replaceFirst(const QString& text, const QString& search, const QString& replacement);

// True when replacing again and again would never end: the replacement holds
// the search text and differs from it, or the search text is empty and the
// replacement is not.
bool replacementGrowsForever(const QString& search, const QString& replacement);

// Replace-all on a text: applies Ersetzen pass after pass, each pass searching
// from the start of the changed text, until a pass changes nothing (searching
// "aa" for "a" turns "aaaa" into "a"). For arguments that would never end it
// replaces each occurrence of the original text once, in a single pass.
QString replaceAll(const QString& text, const QString& search, const QString& replacement);

} // namespace kettwerk
