#include "ui/RunWindow.h"

#include "core/BatchJob.h"
#include "core/RunResume.h"
#include "core/RunStatus.h"
#include "core/SafeWrite.h"
#include "core/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "ui/EscapeKey.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/RunFilesModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace kettwerk::ui {
namespace {

constexpr int kPollMs = 1000;

QString orDash(const std::optional<qint64>& seconds)
{
    return seconds ? durationText(*seconds) : QStringLiteral("–");
}

} // namespace

RunWindow::RunWindow(const BatchJob& job, platform::SettingsStore& settings, QWidget* owner,
                     Clock clock)
    : QWidget(owner, Qt::Window), m_job(job), m_settings(settings),
      m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); })),
      m_path(job.runLogPath())
{
    setObjectName(QStringLiteral("frm_lauf"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Batchlauf"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kettwerk.png")));
    setFont(sansSerif(8.25));
    closeOnEscape(this);
    m_rule.factor = settings.get(settings::kStallFactor, QStringLiteral("10")).toInt();
    m_rule.minimumSeconds = 60 * settings.get(settings::kStallMinutes, QStringLiteral("5")).toInt();
    buildControls();
    resize(560, 600);

    // A log written anew replaces the file, and the watcher loses it: the
    // folder's notice brings it back.
    m_watcher.addPath(QFileInfo(m_path).absolutePath());
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &RunWindow::poll);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &RunWindow::poll);
    m_pollTimer.setInterval(kPollMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &RunWindow::poll);
    m_pollTimer.start();
    restart();
    poll();
}

RunWindow::~RunWindow() = default;

void RunWindow::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("lbl_lauf"));
    m_heading->setWordWrap(true);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("bar_lauf"));
    m_progressBar->setFormat(tr("%v von %m begonnen"));
    m_current = new QLabel(this);
    m_current->setObjectName(QStringLiteral("lbl_aktuell"));
    m_times = new QLabel(this);
    m_times->setObjectName(QStringLiteral("lbl_zeiten"));
    m_stall = new QLabel(this);
    m_stall->setObjectName(QStringLiteral("lbl_haenger"));
    m_stall->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    m_model = new RunFilesModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tbl_dateien"));
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    m_table->horizontalHeader()->setSectionResizeMode(RunFilesModel::Name, QHeaderView::Stretch);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (QWidget* widget : {static_cast<QWidget*>(m_heading), static_cast<QWidget*>(m_progressBar),
                            static_cast<QWidget*>(m_current), static_cast<QWidget*>(m_times),
                            static_cast<QWidget*>(m_stall), static_cast<QWidget*>(m_table)})
        layout->addWidget(widget);

    auto* stallRow = new QHBoxLayout;
    m_stallFactor = new QSpinBox(this);
    m_stallFactor->setObjectName(QStringLiteral("spin_faktor"));
    m_stallFactor->setRange(2, 100);
    m_stallFactor->setValue(m_rule.factor);
    m_stallMinutes = new QSpinBox(this);
    m_stallMinutes->setObjectName(QStringLiteral("spin_minuten"));
    m_stallMinutes->setRange(1, 600);
    m_stallMinutes->setValue(int(m_rule.minimumSeconds / 60));
    stallRow->addWidget(new QLabel(tr("Hängen geblieben nach dem"), this));
    stallRow->addWidget(m_stallFactor);
    stallRow->addWidget(new QLabel(tr("fachen der Medianzeit, frühestens nach"), this));
    stallRow->addWidget(m_stallMinutes);
    stallRow->addWidget(new QLabel(tr("min"), this));
    stallRow->addStretch();
    layout->addLayout(stallRow);

    auto* resumeRow = new QHBoxLayout;
    m_repeatCurrent = new QRadioButton(this);
    m_repeatCurrent->setObjectName(QStringLiteral("opt_wiederholen"));
    m_repeatCurrent->setChecked(true);
    m_skipCurrent = new QRadioButton(this);
    m_skipCurrent->setObjectName(QStringLiteral("opt_ueberspringen"));
    m_resumeButton = new QPushButton(tr("Rest als neue doit.pro"), this);
    m_resumeButton->setObjectName(QStringLiteral("cmd_rest"));
    resumeRow->addWidget(m_repeatCurrent);
    resumeRow->addWidget(m_skipCurrent);
    resumeRow->addStretch();
    resumeRow->addWidget(m_resumeButton);
    layout->addLayout(resumeRow);

    connect(m_stallFactor, &QSpinBox::valueChanged, this, &RunWindow::onStallRuleChanged);
    connect(m_stallMinutes, &QSpinBox::valueChanged, this, &RunWindow::onStallRuleChanged);
    connect(m_resumeButton, &QPushButton::clicked, this, &RunWindow::onResumeClicked);
}

void RunWindow::restart()
{
    // The list shows the reader's log; let go of it before the reader goes.
    m_model->show(nullptr, nullptr, false);
    m_reader = std::make_unique<RunLogReader>(m_path);
    m_timing = RunTiming();
    m_headLine.clear();
    m_size = -1;
    m_modified = QDateTime();
}

void RunWindow::poll()
{
    const QFileInfo info(m_path);
    if (!info.isFile()) {
        if (m_size != -2)
            showNoRun(tr("Im Speicherort gibt es keine doit.log: „%1“.")
                          .arg(QDir::toNativeSeparators(m_path)));
        restart();
        m_size = -2;
        return;
    }
    const QDateTime modified = info.lastModified();
    if (info.size() == m_size && modified == m_modified) {
        // Nothing new; time alone may turn a slow file into a stuck one.
        if (m_reader->state().ok() && m_size > 0)
            showRun();
        return;
    }
    if (!m_watcher.files().contains(m_path))
        m_watcher.addPath(m_path);
    readNew(modified);
}

void RunWindow::readNew(const QDateTime& modified)
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        showNoRun(readFailureMessage(m_path, file.errorString()));
        return;
    }
    // A log written anew (another first line, or shorter than what was read)
    // is read from its start.
    const QByteArray head = file.readLine(256);
    const bool wholeHead = head.endsWith('\n') || head.endsWith('\r');
    if (file.size() < m_reader->bytesFed() || (!m_headLine.isEmpty() && head != m_headLine))
        restart();
    if (wholeHead)
        m_headLine = head;
    const bool firstReading = m_reader->bytesFed() == 0;
    if (!file.seek(m_reader->bytesFed())) {
        showNoRun(readFailureMessage(m_path, file.errorString()));
        return;
    }
    const Result<QByteArray> appended = readToEnd(file);
    if (!appended.ok()) {
        showNoRun(readFailureMessage(m_path, appended.error()));
        return;
    }
    m_reader->append(appended.value());
    m_size = m_reader->bytesFed();
    m_modified = modified;
    if (const Result<> state = m_reader->state(); !state.ok()) {
        showNoRun(state.error());
        return;
    }
    // The markers found at the first reading came at the latest when the
    // file last changed; later ones when they are seen.
    m_timing.update(m_reader->log(), firstReading ? modified : m_clock());
    showRun();
}

void RunWindow::showRun()
{
    const RunLog& log = m_reader->log();
    const RunProgress progress = progressOf(log);
    const QDateTime now = m_clock();
    const bool stalled = m_timing.stalled(now, progress, m_rule);
    QString heading = tr("Lauf %1 vom %2 mit %3 Dateien: „%4“")
                          .arg(log.id, log.written.toString(QStringLiteral("dd.MM.yyyy HH:mm")))
                          .arg(progress.total)
                          .arg(QDir::toNativeSeparators(m_path));
    if (!log.problems.isEmpty())
        heading +=
            u'\n' + tr("%n Zeilen übergangen (siehe Tooltip)", nullptr, int(log.problems.size()));
    m_heading->setText(heading);
    m_heading->setToolTip(log.problems.join(u'\n'));
    m_progressBar->setRange(0, int(progress.total));
    m_progressBar->setValue(int(progress.started));
    const QString currentName =
        progress.current > 0 ? log.files.at(progress.current - 1) : QString();
    if (progress.ended)
        m_current->setText(tr("Fertig: alle %1 Dateien.").arg(progress.total));
    else if (progress.current == 0)
        m_current->setText(tr("Noch nicht begonnen."));
    else
        m_current->setText(tr("Jetzt: Nr. %1 %2").arg(progress.current).arg(currentName));
    const std::optional<QDateTime> first = m_timing.firstMarkerSeen();
    m_times->setText(
        tr("Seit dem Beginn: %1 · Median je Datei: %2 · Rest: etwa %3")
            .arg(orDash(first ? std::optional<qint64>(first->secsTo(now)) : std::nullopt),
                 orDash(m_timing.medianSeconds()), orDash(m_timing.secondsLeft(progress))));
    const std::optional<QDateTime> last = m_timing.lastMarkerSeen();
    m_stall->setText(stalled && last ? tr("Seit %1 keine Rückmeldung: Nr. %2 %3")
                                           .arg(durationText(last->secsTo(now)))
                                           .arg(progress.current)
                                           .arg(currentName)
                                     : QString());
    m_model->show(&log, &m_timing, stalled);

    const qsizetype resumeAt = std::max<qsizetype>(progress.current, 1);
    m_repeatCurrent->setText(tr("ab Nr. %1 wiederholen").arg(resumeAt));
    m_skipCurrent->setText(tr("Nr. %1 überspringen").arg(resumeAt));
    m_skipCurrent->setEnabled(progress.current > 0 && !progress.ended);
    if (!m_skipCurrent->isEnabled())
        m_repeatCurrent->setChecked(true);
    m_resumeButton->setEnabled(!progress.ended && progress.total > 0);
}

void RunWindow::showNoRun(const QString& why)
{
    m_heading->setText(why);
    m_heading->setToolTip(QString());
    m_progressBar->setRange(0, 1);
    m_progressBar->setValue(0);
    for (QLabel* label : {m_current, m_times, m_stall})
        label->clear();
    m_model->show(nullptr, nullptr, false);
    m_resumeButton->setEnabled(false);
    m_skipCurrent->setEnabled(false);
}

void RunWindow::onStallRuleChanged()
{
    m_rule.factor = m_stallFactor->value();
    m_rule.minimumSeconds = 60 * qint64(m_stallMinutes->value());
    m_settings.set(settings::kStallFactor, QString::number(m_rule.factor));
    m_settings.set(settings::kStallMinutes, QString::number(m_stallMinutes->value()));
    if (const Result<> stored = m_settings.sync(); !stored.ok())
        Q_EMIT statusMessage(stored.error());
    if (m_reader->state().ok() && m_size > 0)
        showRun();
}

void RunWindow::onResumeClicked()
{
    const Result<Resumed> resumed = resumeRun(m_job, m_skipCurrent->isChecked());
    if (!resumed.ok()) {
        inform(this, resumed.error());
        return;
    }
    const QString done =
        tr("doit.pro enthält nun die %1 übrigen Dateien ab Nr. %2. Der Mapkey auto in "
           "Pro/ENGINEER setzt den Lauf fort.")
            .arg(resumed.value().files)
            .arg(resumed.value().from);
    Q_EMIT statusMessage(done);
    inform(this, done);
    // From here on the new log is the one followed.
    poll();
}

} // namespace kettwerk::ui
