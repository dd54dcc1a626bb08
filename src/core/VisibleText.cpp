#include "core/VisibleText.h"

#include <QCoreApplication>

namespace kettwerk {
namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

} // namespace

QString characterName(QChar c)
{
    switch (c.unicode()) {
    case u'`':
        return QCoreApplication::translate("kettwerk::BatchJob", "Akzent `");
    case u'\t':
        return QCoreApplication::translate("kettwerk::BatchJob", "Tabulator");
    case u'\n':
    case u'\r':
        return QCoreApplication::translate("kettwerk::BatchJob", "Zeilenumbruch");
    default:
        return QCoreApplication::translate("kettwerk::BatchJob", "Steuerzeichen U+%1")
            .arg(QString::number(c.unicode(), 16).rightJustified(4, u'0').toUpper());
    }
}

QString visibleText(QStringView text)
{
    QString visible;
    visible.reserve(text.size());
    for (const QChar c : text)
        visible += isControl(c) ? QStringLiteral("<%1>").arg(characterName(c)) : QString(c);
    return visible;
}

} // namespace kettwerk
