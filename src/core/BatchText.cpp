#include "core/BatchText.h"

#include "core/Templates.h"
#include "platform/EightBitCodec.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>

namespace kettwerk {
namespace {

constexpr qsizetype kChunkBytes = 1 << 20;

QString unencodableCharacter(const QString& text, qsizetype at)
{
    const qsizetype width = text.at(at).isHighSurrogate() ? 2 : 1;
    return QCoreApplication::translate("kettwerk::ComposedBatch",
                                       "Der Mapkey-Text (Zeichen „%1“) enthält Zeichen, die in der "
                                       "Codepage der Datei nicht darstellbar sind.")
        .arg(text.mid(at, width));
}

} // namespace

BatchFrame BatchFrame::stored()
{
    return {templates::headerBlock(), templates::openStep(), templates::closingLine()};
}

ComposedBatch::ComposedBatch(const BatchFrame& frame, const QStringList& selection,
                             const QString& functionBlock, const QString& mapkeyNames,
                             const platform::EightBitCodec& codec)
    : m_selection(selection), m_mapkeyNames(mapkeyNames)
{
    Q_ASSERT(frame.openStep.size() >= 2);
    QByteArray encoded;
    m_nameEnds.reserve(selection.size());
    for (const QString& name : selection) {
        if (codec.encode(name, encoded) >= 0) {
            if (m_problem.isEmpty())
                m_problem = QCoreApplication::translate(
                                "kettwerk::ComposedBatch",
                                "Der Dateiname „%1“ enthält Zeichen, die in der Codepage der "
                                "Datei nicht darstellbar sind.")
                                .arg(name);
            encoded.clear();
        }
        m_names += encoded;
        m_nameEnds.append(m_names.size());
    }

    const QString openWithoutLineEnd = frame.openStep.chopped(2);
    // The open step and the function block reach the file only with a file.
    const bool repeated = !selection.isEmpty();
    const struct
    {
        const QString& text;
        QByteArray& bytes;
        bool written;
    } blocks[] = {
        {frame.header, m_header, true},
        {openWithoutLineEnd, m_openStep, repeated},
        {functionBlock, m_functionBlock, repeated},
        {frame.closing, m_closing, true},
    };
    for (const auto& block : blocks) {
        const qsizetype bad = codec.encode(block.text, block.bytes);
        if (bad >= 0 && block.written && m_problem.isEmpty())
            m_problem = unencodableCharacter(block.text, bad);
    }
}

ComposedBatch ComposedBatch::fromSegments(QByteArray header, const QList<QByteArray>& segments,
                                          QByteArray closing, const QStringList& selection)
{
    // The segments take the names' place; there is no open step or function
    // block around them.
    ComposedBatch batch;
    batch.m_selection = selection;
    batch.m_header = std::move(header);
    batch.m_closing = std::move(closing);
    batch.m_tail.clear();
    batch.m_nameEnds.reserve(segments.size());
    for (const QByteArray& segment : segments) {
        batch.m_names += segment;
        batch.m_nameEnds.append(batch.m_names.size());
    }
    return batch;
}

bool ComposedBatch::writeTo(QIODevice& device, QByteArrayView runId) const
{
    // Joined a chunk at a time: few writes, and never the whole text in memory.
    QByteArray chunk;
    chunk.reserve(kChunkBytes + m_openStep.size() + m_functionBlock.size() + 4096);
    const auto flush = [&device, &chunk] {
        const bool written = device.write(chunk) == chunk.size();
        chunk.clear();
        return written;
    };
    chunk += m_header;
    qsizetype nameStart = 0;
    qsizetype number = 0;
    for (const qsizetype nameEnd : m_nameEnds) {
        if (!runId.isEmpty())
            chunk += runStartStep(++number, runId);
        chunk += m_openStep;
        chunk.append(m_names.constData() + nameStart, nameEnd - nameStart);
        chunk += m_functionBlock;
        nameStart = nameEnd;
        if (chunk.size() >= kChunkBytes && !flush())
            return false;
    }
    if (!runId.isEmpty())
        chunk += runEndStep(runId);
    chunk += m_closing;
    chunk += m_tail;
    return flush();
}

QByteArray ComposedBatch::bytes(QByteArrayView runId) const
{
    QByteArray all;
    QBuffer buffer(&all);
    buffer.open(QIODevice::WriteOnly);
    writeTo(buffer, runId);
    return all;
}

QByteArray runStartStep(qsizetype number, QByteArrayView runId)
{
    // The redirection first: cmd.exe would take the digit before ">>" for a
    // handle number. No ";" (ends the step), "%" (calls a mapkey) or "\".
    return QByteArray(kRunStepStart)
        .append(QByteArray::number(number))
        .append(' ')
        .append(runId)
        .append(kRunStepEnd);
}

QByteArray runEndStep(QByteArrayView runId)
{
    return QByteArray(kRunEndStepStart).append(runId).append(kRunStepEnd);
}

} // namespace kettwerk
