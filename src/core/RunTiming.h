#pragma once

#include "core/RunLog.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Time as Kettwerk saw a batch run. The log holds no times, so Kettwerk
// notes when it sees each marker. Of the markers that came between two readings
// only the newest gets that time: the others came at some unknown moment
// before, and a time taken for them would make files look instant. So the
// markers already in the log at the first reading give only the newest one
// a time, the file's last change.
namespace kettwerk {

// When a run counts as stuck; both settable by the user.
struct StallRule
{
    int factor = 10;
    qint64 minimumSeconds = 300;
};

class RunTiming
{
public:
    // Call after each read. The first call is the first reading: pass the
    // file's modification time. A log of another batch, or one with fewer
    // markers than before (rewritten), starts the timing over.
    void update(const RunLog& log, const QDateTime& seenAt);

    // How long that file took, when both its start and the next marker of
    // the same pass (the next file's start, or the end after the last file)
    // were seen; of a file run more than once, the latest such time.
    std::optional<qint64> secondsFor(qsizetype number) const;
    // The median over the files whose time is known.
    std::optional<qint64> medianSeconds() const;
    // When the run's first marker was seen, if it was seen with a time.
    std::optional<QDateTime> firstMarkerSeen() const { return m_firstSeen; }
    std::optional<QDateTime> lastMarkerSeen() const { return m_lastSeen; }
    // The median times the files not yet finished.
    std::optional<qint64> secondsLeft(const RunProgress& progress) const;
    // No new marker for longer than factor × median and at least
    // minimumSeconds (only the minimum while there is no median); never once
    // ended or before the first marker.
    bool stalled(const QDateTime& now, const RunProgress& progress, const StallRule& rule) const;

private:
    void pass(qsizetype number, const std::optional<QDateTime>& seen, qsizetype total);

    bool m_updated = false;
    QString m_id;
    QDateTime m_written;
    qsizetype m_startsSeen = 0;
    bool m_endSeen = false;
    qsizetype m_markers = 0;
    qsizetype m_previous = 0; // the number of the newest marker; 0 for none or for E
    std::optional<QDateTime> m_previousSeen;
    std::optional<QDateTime> m_firstSeen;
    std::optional<QDateTime> m_lastSeen;
    QList<qint64> m_seconds;                               // per file, -1 while unknown
    mutable std::optional<std::optional<qint64>> m_median; // computed once per change
};

} // namespace kettwerk
