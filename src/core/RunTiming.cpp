#include "core/RunTiming.h"

#include <algorithm>
#include <vector>

namespace kettwerk {

void RunTiming::update(const RunLog& log, const QDateTime& seenAt)
{
    if (m_updated &&
        (log.id != m_id || log.written != m_written || log.started.size() < m_startsSeen))
        *this = RunTiming();
    m_updated = true;
    m_id = log.id;
    m_written = log.written;
    if (m_seconds.size() < log.files.size())
        m_seconds.resize(log.files.size(), -1);

    const qsizetype newStarts = log.started.size() - m_startsSeen;
    // An E counts once; after new starts, an E stands behind them again.
    const bool newEnd = log.ended && (!m_endSeen || newStarts > 0);
    const qsizetype count = newStarts + (newEnd ? 1 : 0);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype number = i < newStarts ? log.started.at(m_startsSeen + i) : 0;
        const bool newest = i == count - 1;
        pass(number, newest ? std::optional(seenAt) : std::nullopt, log.files.size());
    }
    m_startsSeen = log.started.size();
    m_endSeen = log.ended;
}

void RunTiming::pass(qsizetype number, const std::optional<QDateTime>& seen, qsizetype total)
{
    // A file's time runs to the next marker of the same pass only: after a
    // break the batch starts again from the first file, and the pause
    // between is nobody's working time.
    const bool follows =
        m_previous > 0 && (number == 0 ? m_previous == total : number == m_previous + 1);
    if (follows && seen && m_previousSeen && m_previous <= m_seconds.size()) {
        const qint64 seconds = m_previousSeen->secsTo(*seen);
        if (seconds >= 0) { // a clock set back says nothing about the file
            m_seconds[m_previous - 1] = seconds;
            m_median.reset();
        }
    }
    if (m_markers == 0 && seen)
        m_firstSeen = seen;
    ++m_markers;
    m_previous = number;
    m_previousSeen = seen;
    if (seen)
        m_lastSeen = seen;
}

std::optional<qint64> RunTiming::secondsFor(qsizetype number) const
{
    if (number < 1 || number > m_seconds.size() || m_seconds.at(number - 1) < 0)
        return std::nullopt;
    return m_seconds.at(number - 1);
}

std::optional<qint64> RunTiming::medianSeconds() const
{
    if (m_median)
        return *m_median;
    std::vector<qint64> known;
    for (const qint64 seconds : m_seconds) {
        if (seconds >= 0)
            known.push_back(seconds);
    }
    if (known.empty()) {
        m_median = std::optional<qint64>();
        return std::nullopt;
    }
    const auto middle = known.begin() + qsizetype(known.size() / 2);
    std::nth_element(known.begin(), middle, known.end());
    qint64 median = *middle;
    if (known.size() % 2 == 0) // the mean of the two in the middle
        median = (*std::max_element(known.begin(), middle) + median) / 2;
    m_median = median;
    return median;
}

std::optional<qint64> RunTiming::secondsLeft(const RunProgress& progress) const
{
    const std::optional<qint64> median = medianSeconds();
    if (!median)
        return std::nullopt;
    return *median * qMax<qsizetype>(progress.total - progress.finished, 0);
}

bool RunTiming::stalled(const QDateTime& now, const RunProgress& progress,
                        const StallRule& rule) const
{
    if (progress.ended || progress.current == 0 || !m_lastSeen)
        return false;
    qint64 limit = rule.minimumSeconds;
    if (const std::optional<qint64> median = medianSeconds())
        limit = qMax(limit, rule.factor * *median);
    return m_lastSeen->secsTo(now) > limit;
}

} // namespace kettwerk
