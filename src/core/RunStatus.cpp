#include "core/RunStatus.h"

#include "core/RunLog.h"

#include <QCoreApplication>

namespace kettwerk {
namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(kettwerk::RunStatus)
};

} // namespace

QString durationText(qint64 seconds)
{
    if (seconds < 60)
        return Texts::tr("%1 s").arg(seconds);
    const qint64 minutes = seconds / 60;
    if (minutes < 60)
        return Texts::tr("%1 min").arg(minutes);
    return Texts::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString runStatusText(const RunLog& log, const QDateTime& lastChange, const QDateTime& now)
{
    const RunProgress progress = progressOf(log);
    if (progress.ended) {
        return Texts::tr("Lauf %1: fertig, %2 von %3 Dateien.")
            .arg(log.id)
            .arg(progress.finished)
            .arg(progress.total);
    }
    if (progress.current == 0) {
        return Texts::tr("Lauf %1: noch nicht begonnen, 0 von %2 Dateien.")
            .arg(log.id)
            .arg(progress.total);
    }
    const qint64 ago = std::max<qint64>(0, lastChange.secsTo(now));
    return Texts::tr("Lauf %1: %2 von %3 Dateien begonnen, %4 fertig.")
               .arg(log.id)
               .arg(progress.started)
               .arg(progress.total)
               .arg(progress.finished) +
           u'\n' +
           Texts::tr("Zuletzt begonnen: Nr. %1 %2, vor %3.")
               .arg(progress.current)
               .arg(log.files.at(progress.current - 1), durationText(ago));
}

QString unfinishedRunNotice(const RunLog& log)
{
    const RunProgress progress = progressOf(log);
    if (progress.ended || progress.current == 0)
        return {};
    return Texts::tr(
               "Der Lauf in doit.log ist bei Nr. %1 von %2 stehen geblieben – Strg+L zeigt ihn")
        .arg(progress.current)
        .arg(progress.total);
}

} // namespace kettwerk
