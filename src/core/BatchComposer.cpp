#include "BatchComposer.h"

#include "Templates.h"

#include <QtGlobal>

namespace kettwerk {

BatchPieces BatchPieces::stored()
{
    return {templates::headerBlock(), templates::openStep(), templates::closingLine()};
}

QString composeBatch(const BatchPieces& pieces, const QStringList& selection,
                     const QString& functionBlock)
{
    Q_ASSERT(pieces.openStep.size() >= 2);
    const QStringView openWithoutLineEnd = QStringView(pieces.openStep).chopped(2);

    qsizetype namesLength = 0;
    for (const QString& name : selection)
        namesLength += name.size();

    QString text;
    text.reserve(pieces.header.size() + pieces.closing.size() + namesLength +
                 selection.size() * (openWithoutLineEnd.size() + functionBlock.size()));
    text += pieces.header;
    for (const QString& name : selection) {
        text += openWithoutLineEnd;
        text += name;
        text += functionBlock;
    }
    text += pieces.closing;
    return text;
}

} // namespace kettwerk
