#include "ui/BatchSteps.h"

#include "core/BatchJob.h"
#include "core/BatchRun.h"
#include "ui/CompletionWindow.h"
#include "ui/ExplanationLabel.h"
#include "ui/Explanations.h"
#include "ui/Fonts.h"
#include "ui/MapkeyWindow.h"
#include "ui/MessageBox.h"
#include "ui/Painting.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"
#include "ui/WrapButton.h"

#include <QGroupBox>
#include <QPushButton>

namespace kettwerk::ui {

BatchSteps::BatchSteps(BatchJob& job, platform::SettingsStore& settings, QWidget* window)
    : QObject(window), m_job(job), m_settings(settings), m_window(window)
{
    m_mapkeyPanel = new QGroupBox(window);
    m_mapkeyPanel->setObjectName(QStringLiteral("Frame2"));
    placeTwips(m_mapkeyPanel, layout::batchSteps::mapkeyPanel);
    m_mapkeyPanel->hide();
    m_mapkeyButton = new WrapButton(tr("Mapkeys eingeben"), m_mapkeyPanel);
    m_mapkeyButton->setObjectName(QStringLiteral("cmd_mapkey"));
    placeTwips(m_mapkeyButton, layout::batchSteps::mapkeyButton);

    m_writeButton = new QPushButton(tr("doit.pro jetzt anlegen"), window);
    m_writeButton->setObjectName(QStringLiteral("cmd_fcreate"));
    m_writeButton->setFont(sansSerif(8.25, QFont::Bold));
    m_writeButton->setCursor(Qt::PointingHandCursor);
    placeTwips(m_writeButton, layout::batchSteps::writeButton);
    m_writeButton->hide();

    connect(m_mapkeyButton, &QPushButton::clicked, this, &BatchSteps::onMapkeyButtonClicked);
    connect(m_writeButton, &QPushButton::clicked, this, &BatchSteps::onWriteClicked);
}

QList<QWidget*> BatchSteps::tabStops() const
{
    return {m_mapkeyButton, m_writeButton};
}

void BatchSteps::showMapkeyPanel()
{
    m_mapkeyPanel->show();
    // The next step, not the working folder next in line: a key typed now
    // must not replace the folder.
    m_mapkeyButton->setFocus();
}

void BatchSteps::hideWriteButton()
{
    m_writeButton->hide();
}

void BatchSteps::explainControls(ExplanationLabel& explanation)
{
    explanation.explain(m_writeButton, explanations::text(explanations::kWriteButton));
    explanation.explain(m_mapkeyButton, explanations::text(explanations::kMapkeyButton));
}

void BatchSteps::onMapkeyButtonClicked()
{
    // A second click shows the open window again, with what it holds.
    if (!isLoaded(m_mapkeyWindow)) {
        QStringList unreadable; // the check before writing names them
        m_mapkeyWindow = new MapkeyWindow(m_job.mapkeyNames(), m_job.logProgress(),
                                          m_job.readDefinitions(&unreadable), m_window);
        connect(m_mapkeyWindow, &MapkeyWindow::namesEntered, this, &BatchSteps::onNamesEntered);
        connect(m_mapkeyWindow, &MapkeyWindow::configFileAdded, this, [this](const QString& path) {
            QStringList files = m_job.furtherConfigFiles();
            if (!files.contains(path))
                m_job.setFurtherConfigFiles(files << path);
            if (const Result<> stored = m_job.storeMapkeyNames(m_settings); !stored.ok())
                Q_EMIT settingsNotStored(stored.error());
        });
        centreOnScreen(m_mapkeyWindow);
    }
    m_mapkeyWindow->show();
    m_mapkeyWindow->raise();
    m_mapkeyWindow->activateWindow();
}

void BatchSteps::onNamesEntered(const QString& names, bool logProgress)
{
    m_job.setMapkeyNames(names);
    m_job.setLogProgress(logProgress);
    if (const Result<> stored = m_job.storeMapkeyNames(m_settings); !stored.ok())
        Q_EMIT settingsNotStored(stored.error());
    showComposed(composeBatch(m_job));
}

bool BatchSteps::compose(const QString& functionBlock)
{
    return showComposed(composeBatch(m_job, functionBlock));
}

bool BatchSteps::showComposed(Result<ComposedBatch> batch)
{
    if (!batch.ok()) {
        inform(m_window, batch.error());
        return false;
    }
    m_composed = std::move(batch.value());
    m_writeButton->show();
    Q_EMIT composed();
    Q_EMIT statusMessage(tr("Die Datei doit.pro kann nun erzeugt werden. Diese kann in Pro/E als "
                            "Konfigurationsdatei eingelesen werden"));
    return true;
}

bool BatchSteps::presentFindings(const Review& review)
{
    QStringList errors;
    QStringList warnings;
    for (const Finding& finding : review.findings)
        (finding.severity == Finding::Error ? errors : warnings).append(finding.text);
    // Shortened once, by findings: the question below and the count of what
    // is left out always show.
    constexpr qsizetype kMostFindings = 20;
    QStringList lines;
    qsizetype room = kMostFindings;
    const auto add = [&](const QString& heading, const QStringList& found) {
        if (found.isEmpty() || room == 0)
            return;
        const QStringList shown = found.mid(0, room);
        lines << heading << shown;
        room -= shown.size();
    };
    add(tr("Fehler:"), errors);
    add(tr("Warnungen:"), warnings);
    if (const qsizetype left = errors.size() + warnings.size() - kMostFindings + room; left > 0)
        lines << tr("… und %1 weitere").arg(left);
    if (review.verdict == Verdict::Refused) {
        inform(m_window, tr("doit.pro wurde nicht angelegt.") + u'\n' + lines.join(u'\n'));
        return false;
    }
    return ask(m_window, lines.join(u'\n') + QStringLiteral("\n\n") + tr("Trotzdem anlegen?"),
               true);
}

void BatchSteps::onWriteClicked()
{
    if (!m_composed)
        return; // the button shows only once a batch is composed
    const Result<RunEnd> ran = runBatch(
        m_job, *m_composed, {}, [this](const Review& review) { return presentFindings(review); });
    if (!ran.ok()) {
        // The button stays, so that the user can put things right and try again.
        inform(m_window, ran.error());
        return;
    }
    if (ran.value() != RunEnd::Written)
        return;
    Q_EMIT statusMessage(tr("Datei doit.pro wurde gespeichert !"));
    if (!isLoaded(m_completionWindow)) {
        // "Datei editieren" opens doit.pro in the working folder of that moment.
        std::function<void()> followRun;
        if (m_job.logProgress())
            followRun = [this] { Q_EMIT followRunRequested(); };
        m_completionWindow =
            new CompletionWindow([this] { return m_job.batchFilePath(); }, followRun, m_window);
        centreOnScreen(m_completionWindow);
    }
    m_completionWindow->show();
    m_writeButton->hide();
}

void BatchSteps::takeOpenMapkeyNames()
{
    if (isLoaded(m_mapkeyWindow)) {
        m_job.setMapkeyNames(m_mapkeyWindow->mapkeyNames());
        m_job.setLogProgress(m_mapkeyWindow->logProgress());
    }
}

void BatchSteps::closeWindows()
{
    for (QWidget* window : {static_cast<QWidget*>(m_mapkeyWindow.data()),
                            static_cast<QWidget*>(m_completionWindow.data())}) {
        if (isLoaded(window))
            window->close();
    }
}

} // namespace kettwerk::ui
