#include "core/RunLog.h"

#include "core/Lines.h"
#include "core/RunLogLine.h"
#include "core/SafeWrite.h"
#include "platform/EightBitCodec.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>
#include <utility>

namespace kettwerk {

using namespace runlog;

namespace {

// A file full of foreign lines would otherwise fill the window with them.
constexpr qsizetype kMostProblemsListed = 100;

QString notALogMessage(const QString& shownPath)
{
    return QCoreApplication::translate("kettwerk::RunLog",
                                       "Die Datei „%1“ ist kein Protokoll von Kettwerk (Zeile 1).")
        .arg(shownPath);
}

} // namespace

RunLogReader::RunLogReader(QString path) : m_shownPath(QDir::toNativeSeparators(path)) {}

void RunLogReader::append(QByteArrayView bytes)
{
    m_bytesFed += bytes.size();
    if (!m_failure.isEmpty() || bytes.isEmpty())
        return;
    if (m_afterCr && bytes.front() == '\n') {
        ++m_bytesRead;
        bytes = bytes.sliced(1);
    }
    m_afterCr = bytes.endsWith('\r');
    QByteArray joined;
    QByteArrayView text = bytes;
    if (!m_pending.isEmpty()) {
        m_pending.append(bytes);
        joined = std::exchange(m_pending, QByteArray());
        text = joined;
    }
    forEachLine(text, [&](QByteArrayView line, bool ended) {
        if (!ended) {
            m_pending = line.toByteArray();
            return;
        }
        if (!m_failure.isEmpty())
            return;
        const qsizetype end = line.data() - text.data() + line.size();
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        takeLine(line);
        if (m_failure.isEmpty())
            m_bytesRead += line.size() + (crLf ? 2 : 1);
    });
    // Another program's file shows itself before its first line is complete,
    // even when it has no line end at all.
    if (m_lines == 0 && m_failure.isEmpty()) {
        const qsizetype compared = qMin(m_pending.size(), kHeaderWord.size());
        if (QByteArrayView(m_pending).first(compared) != kHeaderWord.first(compared))
            fail(notALogMessage(m_shownPath));
    }
}

void RunLogReader::finish()
{
    if (m_finished || !m_failure.isEmpty())
        return;
    m_finished = true;
    const QByteArray last = std::exchange(m_pending, QByteArray());
    if (!last.isEmpty()) {
        if (m_lines > 0 && markerOf(last)) {
            takeLine(last);
            if (m_failure.isEmpty())
                m_bytesRead += last.size();
        } else if (++m_lines == 1) {
            fail(notALogMessage(m_shownPath));
        } else if (!withoutTrailingBlanks(last).isEmpty()) {
            note(QCoreApplication::translate(
                     "kettwerk::RunLog", "„%1“, Zeile %2: unvollständige letzte Zeile übergangen")
                     .arg(m_shownPath)
                     .arg(m_lines));
        }
    }
    if (m_lines == 0)
        fail(notALogMessage(m_shownPath));
    else if (m_failure.isEmpty() && m_listOpen)
        closeList();
}

Result<> RunLogReader::state() const
{
    if (m_failure.isEmpty())
        return {};
    return Failure::badInput(m_failure);
}

void RunLogReader::takeLine(QByteArrayView line)
{
    ++m_lines;
    if (m_lines == 1)
        return takeHeader(withoutTrailingBlanks(line));
    // An echo's stray CR before the line end leaves an empty line behind.
    if (withoutTrailingBlanks(line).isEmpty())
        return;
    if (line.startsWith("S ") || line.startsWith("E "))
        return takeMarker(line);
    if (m_listOpen && line.startsWith("F "))
        return takeFile(line);
    noteUnknownLine();
}

void RunLogReader::takeHeader(QByteArrayView line)
{
    const auto fields = fieldsOf(line, 6);
    if (fields.size() >= 2 && fields[0] == kHeaderWord.chopped(1) && fields[1] != "1") {
        // A later Kettwerk may write its log differently; saying so spares
        // the user a search for the program that wrote it.
        if (const auto version = numberOf(fields[1]); version && *version > 1)
            return fail(QCoreApplication::translate(
                            "kettwerk::RunLog",
                            "Die Datei „%1“ ist ein Protokoll einer neueren Version von Kettwerk "
                            "(Format %2).")
                            .arg(m_shownPath)
                            .arg(*version));
    }
    const auto count = fields.size() == 5 ? numberOf(fields[4]) : std::nullopt;
    const QDateTime written =
        count ? QDateTime::fromString(QString::fromLatin1(fields[3]), Qt::ISODate) : QDateTime();
    if (!count || fields[0] != kHeaderWord.chopped(1) || fields[1] != "1" ||
        !isBatchId(fields[2]) || !written.isValid())
        return fail(notALogMessage(m_shownPath));
    m_id = fields[2].toByteArray();
    m_log.id = QString::fromLatin1(m_id);
    m_log.written = written;
    m_announced = *count;
    // The header is not trusted with the memory: a wrong count costs nothing.
    m_log.files.reserve(qMin<qsizetype>(m_announced, 1 << 16));
}

void RunLogReader::takeFile(QByteArrayView line)
{
    const auto fields = fieldsOf(line, 3);
    const auto number =
        fields.size() == 3 && !fields[2].isEmpty() ? numberOf(fields[1]) : std::nullopt;
    if (!number)
        return noteUnknownLine();
    const qsizetype expected = m_log.files.size() + 1;
    if (*number != expected)
        return fail(
            QCoreApplication::translate(
                "kettwerk::RunLog", "„%1“, Zeile %2: Nr. %3 in der Dateiliste, erwartet war Nr. %4")
                .arg(m_shownPath)
                .arg(m_lines)
                .arg(*number)
                .arg(expected));
    m_log.files.append(platform::eightBitCodec().decode(fields[2]));
}

void RunLogReader::takeMarker(QByteArrayView line)
{
    const std::optional<Marker> marker = markerOf(line);
    if (!marker)
        return noteUnknownLine();
    qsizetype number = 0;
    if (marker->start) {
        const std::optional<qsizetype> written = numberOf(marker->number);
        if (!written)
            return noteUnknownLine();
        number = *written;
    }
    if (marker->id != m_id) {
        ++m_log.otherBatchLines;
        return;
    }
    // The batch runs only once Kettwerk has written the whole list.
    if (m_listOpen && !closeList())
        return;
    if (!marker->start) {
        m_log.ended = true;
        return;
    }
    if (number < 1 || number > m_log.files.size())
        return note(QCoreApplication::translate("kettwerk::RunLog",
                                                "„%1“, Zeile %2: Nr. %3 liegt außerhalb der Liste "
                                                "(1 bis %4)")
                        .arg(m_shownPath)
                        .arg(m_lines)
                        .arg(number)
                        .arg(m_log.files.size()));
    m_log.started.append(number);
    m_log.ended = false;
}

bool RunLogReader::closeList()
{
    m_listOpen = false;
    if (m_log.files.size() == m_announced)
        return true;
    fail(QCoreApplication::translate("kettwerk::RunLog",
                                     "„%1“: der Kopf nennt %2 Dateien, die Liste hat %3 (Zeile %4)")
             .arg(m_shownPath)
             .arg(m_announced)
             .arg(m_log.files.size())
             .arg(m_lines));
    return false;
}

void RunLogReader::fail(QString message)
{
    m_failure = std::move(message);
}

void RunLogReader::note(QString problem)
{
    if (m_log.problems.size() < kMostProblemsListed) {
        m_log.problems.append(std::move(problem));
        return;
    }
    ++m_problemsLeftOut;
    const int leftOut = int(std::min(m_problemsLeftOut, qsizetype(INT_MAX)));
    const QString summary =
        QCoreApplication::translate("kettwerk::RunLog", "„%1“: %n weitere Zeilen übergangen",
                                    nullptr, leftOut)
            .arg(m_shownPath);
    if (m_problemsLeftOut == 1)
        m_log.problems.append(summary);
    else
        m_log.problems.last() = summary;
}

void RunLogReader::noteUnknownLine()
{
    note(QCoreApplication::translate("kettwerk::RunLog",
                                     "„%1“, Zeile %2: unbekannte Zeile übergangen")
             .arg(m_shownPath)
             .arg(m_lines));
}

Result<RunLog> readRunLog(const QString& path)
{
    const Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes.ok())
        return bytes.failure();
    RunLogReader reader(path);
    reader.append(bytes.value());
    reader.finish();
    if (const Result<> state = reader.state(); !state.ok())
        return state.failure();
    return reader.log();
}

RunProgress progressOf(const RunLog& log)
{
    RunProgress progress;
    progress.total = log.files.size();
    progress.ended = log.ended;
    progress.current = log.started.isEmpty() ? 0 : log.started.last();
    QList<bool> seen(log.files.size() + 1, false);
    for (const qsizetype number : log.started) {
        if (number > 0 && number < seen.size() && !seen[number]) {
            seen[number] = true;
            ++progress.started;
        }
    }
    progress.finished = log.ended ? progress.total : qMax<qsizetype>(progress.started - 1, 0);
    return progress;
}

QList<qsizetype> remainingFiles(const RunLog& log, bool skipCurrent)
{
    if (log.ended)
        return {};
    const qsizetype current = log.started.isEmpty() ? 0 : log.started.last();
    const qsizetype first = log.started.isEmpty() ? 1 : current + (skipCurrent ? 1 : 0);
    QList<qsizetype> numbers;
    numbers.reserve(qMax<qsizetype>(log.files.size() - first + 1, 0));
    for (qsizetype number = first; number <= log.files.size(); ++number)
        numbers.append(number);
    return numbers;
}

} // namespace kettwerk
