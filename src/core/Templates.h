#pragma once

#include <QString>
#include <QStringList>

// The fixed mapkey texts from which doit.pro and the auto mapkey are made.
// Every text block is one string whose lines all end in CR LF, the last one
// included; the auto block is a list of lines without line ends.
namespace kettwerk::templates {

// The word in the custom-sequence template that the user's mapkey names replace.
inline constexpr char16_t kPlaceholder[] = u"SCHWEINEREI";

QString headerBlock(); // "mapkey doit ~ ;\" — names the mapkey doit
QString openStep();    // opens one file; ends with the opening backquote and CR LF
QString closingLine(); // "mapkey(continued) ~ ;" — the only line without a backslash
QString
customSequenceTemplate();      // function block with the placeholder, erases each file afterwards
QString storedFunctionBlock(); // regenerate, save and erase; kept in the settings
QStringList autoBlock();       // the eleven lines appended to config.pro

} // namespace kettwerk::templates
