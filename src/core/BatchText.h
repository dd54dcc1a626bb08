#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace kettwerk {

namespace platform {
class EightBitCodec;
}

inline constexpr char16_t kBatchFileName[] = u"doit.pro";

// The steps a batch with a progress log holds: "S <number> <run id>" into
// doit.log before each file, "E <run id>" after the last. Pro/ENGINEER runs
// them with the system's shell in its working folder, where doit.pro lies.
inline constexpr char kRunStepStart[] = "mapkey(continued) @SYSTEM>>doit.log echo S ";
inline constexpr char kRunEndStepStart[] = "mapkey(continued) @SYSTEM>>doit.log echo E ";
inline constexpr char kRunStepEnd[] = ";\\\r\n";
QByteArray runStartStep(qsizetype number, QByteArrayView runId);
QByteArray runEndStep(QByteArrayView runId);

// The blocks that every batch is framed by. They start as the stored blocks;
// the construction panel may edit them.
struct BatchFrame
{
    QString header;
    QString openStep;
    QString closing;

    static BatchFrame stored();
};

// The content of doit.pro: the header, then for every selected file the open
// step without its last two characters (the CR LF after the opening
// backquote), the file name verbatim and the function block, then the
// closing line and one more CR LF. Nothing else is put between the pieces.
//
// The content is kept as its encoded pieces and joined only while it is
// written: the joined text of 100,000 files is some 70 MB, the names alone
// a few.
class ComposedBatch
{
public:
    ComposedBatch() = default;
    // The open step must have at least two characters. `mapkeyNames` are the
    // user's names that `functionBlock` was filled with, empty for a block
    // given whole; the check before writing looks them up.
    ComposedBatch(const BatchFrame& frame, const QStringList& selection,
                  const QString& functionBlock, const QString& mapkeyNames,
                  const platform::EightBitCodec& codec);

    // What the batch was composed of.
    const QStringList& selection() const { return m_selection; }
    const QString& mapkeyNames() const { return m_mapkeyNames; }

    // Empty when every character has a byte in the code page. Otherwise it
    // names the first selected file that holds one without (or the character
    // itself when it came from elsewhere, such as the mapkey names); nothing
    // may then be written.
    const QString& encodingProblem() const { return m_problem; }

    // A batch cut from a written doit.pro: its header, one segment per file
    // (from the open step to the end of the function block, as they were
    // written) and everything after the last file. `selection` names the
    // files of the segments.
    static ComposedBatch fromSegments(QByteArray header, const QList<QByteArray>& segments,
                                      QByteArray closing, const QStringList& selection);

    // Writes the whole content; false as soon as the device refuses a write.
    // With a `runId`, a step that notes its start in doit.log stands before
    // each file, and one that notes the end before the closing line.
    bool writeTo(QIODevice& device, QByteArrayView runId = {}) const;
    // The whole content at once, for short batches and for tests.
    QByteArray bytes(QByteArrayView runId = {}) const;

private:
    QStringList m_selection;
    QString m_mapkeyNames;
    QByteArray m_header;
    QByteArray m_openStep;
    QByteArray m_functionBlock;
    QByteArray m_closing;
    QByteArray m_tail = "\r\n";  // after the closing line
    QByteArray m_names;          // every encoded name, one after the other
    QList<qsizetype> m_nameEnds; // where each name ends in m_names
    QString m_problem;
};

} // namespace kettwerk
