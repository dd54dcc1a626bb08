#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace kettwerk {

// The name of a character that a message must make visible: "Tabulator",
// "Zeilenumbruch", "Akzent `", or "Steuerzeichen U+0001" for the others.
QString characterName(QChar c);

// `text` as it can stand on one line of a message: every control character
// (C0 and C1) as its name in angle brackets, "a<Tabulator>b".
QString visibleText(QStringView text);

} // namespace kettwerk
