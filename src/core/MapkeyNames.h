#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

#include <optional>

// The text the user enters for the mapkeys to run: the first name, then
// ";%" before every further one ("+;%bb;%00;"). The template puts a "%"
// before the text, so its items, separated by ";", call a mapkey when they
// start with "%": the first item always does. An item without "%" is keys,
// not a call, and an empty one (the last of "+;%bb;%00;") an Enter.
namespace kettwerk {

struct NameSpan
{
    qsizetype start = 0; // where the name begins in the entered text
    qsizetype length = 0;
};

// Every item of `entered` that calls a mapkey, empty names included, in order.
QList<NameSpan> mapkeyNameSpans(QStringView entered);

// The names of the mapkeys that `entered` calls, without the empty ones.
QStringList splitMapkeyNames(QStringView entered);

// The name that the cursor at `position` stands in or at the end of, for
// offering names while the user types; none when it stands in keys.
std::optional<NameSpan> nameSpanAt(QStringView entered, qsizetype position);

} // namespace kettwerk
