#include "ui/MainWindow.h"

#include "core/RunLog.h"
#include "core/RunStatus.h"
#include "filelist/FileList.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "ui/BatchSteps.h"
#include "ui/BottomBar.h"
#include "ui/BrowserPanel.h"
#include "ui/ClickableImage.h"
#include "ui/ConstructionPanel.h"
#include "ui/EscapeKey.h"
#include "ui/ExplanationLabel.h"
#include "ui/Explanations.h"
#include "ui/FileListPanel.h"
#include "ui/Fonts.h"
#include "ui/HelpWindow.h"
#include "ui/MessageBox.h"
#include "ui/OutputFolderPanel.h"
#include "ui/Painting.h"
#include "ui/RunWindow.h"
#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QShortcut>

// The pictures are compiled into this static library; the linker would drop
// their registration without a reference from code that is surely linked.
static void initResources()
{
    Q_INIT_RESOURCE(kettwerk);
}

namespace kettwerk::ui {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
{
    initResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Kettwerk für Wildfire 2.0"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kettwerk.png")));
    setFont(sansSerif(8.25));
    m_job.restore(m_settings);
    buildWindow();
    connectPanels();
    placePanelsForStart();
    centreOnScreen(this);
}

MainWindow::~MainWindow() = default;

FileList& MainWindow::fileList() const
{
    return m_fileListPanel->fileList();
}

void MainWindow::buildWindow()
{
    // Drawn on the window's surface first, so that every panel covers them.
    m_filesImage = new ClickableImage(QStringLiteral("img_files"),
                                      QStringLiteral(":/pictures/files.png"), this);
    placeTwips(m_filesImage, layout::mainWindow::filesImage);
    m_infoImage =
        new ClickableImage(QStringLiteral("Image1"), QStringLiteral(":/icons/info.png"), this);
    placeTwips(m_infoImage, layout::mainWindow::infoImage);
    m_explanation = new ExplanationLabel(this);

    // From the bottom of the stacking order to the top: the mapkey-sequence
    // panel, the bottom bar, the write button, the construction panel, the
    // file list, the output folder chooser, the browser.
    m_batchSteps = new BatchSteps(m_job, m_settings, this);
    m_bottomBar = new BottomBar(m_job, this);
    m_bottomBar->stackUnder(m_batchSteps->writeButton());
    m_constructionPanel = new ConstructionPanel(m_job, this);
    m_constructionPanel->hide();
    m_fileListPanel = new FileListPanel(m_job, this);
    m_outputFolderPanel = new OutputFolderPanel(this);
    m_browserPanel = new BrowserPanel(this);

    setMouseTracking(true);
    m_explanation->explain(m_infoImage, explanations::text(explanations::kInfoImage));
    m_explanation->explain(m_filesImage, explanations::text(explanations::kFilesImage));
    m_batchSteps->explainControls(*m_explanation);
    m_bottomBar->explainControls(*m_explanation);
}

void MainWindow::connectPanels()
{
    connect(m_filesImage, &ClickableImage::clicked, this, &MainWindow::onFilesImageClicked);
    connect(m_infoImage, &ClickableImage::clicked, this, &MainWindow::onInfoImageClicked);
    connect(m_batchSteps, &BatchSteps::statusMessage, this, &MainWindow::showStatus);
    connect(m_batchSteps, &BatchSteps::settingsNotStored, this,
            &MainWindow::reportSettingsNotStored);
    connect(m_batchSteps, &BatchSteps::composed, m_constructionPanel, &QWidget::hide);
    connect(m_bottomBar, &BottomBar::installAutoClicked, this, &MainWindow::onInstallAutoClicked);
    connect(m_bottomBar, &BottomBar::exitClicked, this, &QWidget::close);
    connect(m_bottomBar, &BottomBar::headingClicked, this,
            [this] { m_outputFolderPanel->openAbove(m_bottomBar->geometry()); });
    connect(m_constructionPanel, &ConstructionPanel::composeRequested, this,
            [this] { m_batchSteps->compose(m_job.functionBlock()); });
    auto* construction = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
    connect(construction, &QShortcut::activated, this, &MainWindow::showConstructionPanel);
    auto* run = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(run, &QShortcut::activated, this, &MainWindow::showRunWindow);
    connect(m_batchSteps, &BatchSteps::followRunRequested, this, &MainWindow::showRunWindow);
    onEscape(this, [this] { closeTopPanel(); });

    connect(m_fileListPanel, &FileListPanel::statusMessage, this, &MainWindow::showStatus);
    connect(m_fileListPanel, &FileListPanel::handedOver, m_batchSteps,
            &BatchSteps::showMapkeyPanel);
    connect(m_fileListPanel, &FileListPanel::browserRequested, m_browserPanel, &QWidget::show);
    connect(m_browserPanel, &BrowserPanel::filesListed, this,
            [this](const QStringList& names) { fileList().setEntries(names, false); });
    connect(m_browserPanel, &BrowserPanel::statusMessage, this, &MainWindow::showStatus);
    connect(m_browserPanel, &BrowserPanel::okPressed, m_fileListPanel, &FileListPanel::hideMenu);
    m_fileListPanel->setFolderFilter(m_browserPanel->filter());
    connect(m_browserPanel, &BrowserPanel::filterChanged, m_fileListPanel,
            &FileListPanel::setFolderFilter);
    connect(m_outputFolderPanel, &OutputFolderPanel::statusMessage, this, &MainWindow::showStatus);
    connect(m_outputFolderPanel, &OutputFolderPanel::folderChosen, m_bottomBar,
            &BottomBar::showWorkingFolder);
    orderTabStops();
}

void MainWindow::orderTabStops()
{
    // Tab follows the work: the list, "ok", "Mapkeys eingeben", the write
    // button, the working folder. Hidden ones are passed over.
    QList<QWidget*> stops = m_fileListPanel->tabStops() + m_batchSteps->tabStops();
    stops.append(m_bottomBar->firstTabStop());
    for (qsizetype i = 1; i < stops.size(); ++i)
        setTabOrder(stops.at(i - 1), stops.at(i));
}

void MainWindow::placePanelsForStart()
{
    m_bottomBar->setLoginName(platform::loginName());
    namespace place = layout::mainWindow;
    setFixedSize(px(place::outer.width - place::frame.width),
                 px(place::outer.height - place::frame.height));
    moveTwips(m_bottomBar, twips(m_bottomBar->x()), place::barTop);
    moveTwips(m_fileListPanel, place::fileListAtStart);
    m_fileListPanel->show();
    m_fileListPanel->setFocus(); // the work starts in the list
    m_outputFolderPanel->restoreFolder(m_job.workingFolder());
    showStatus(tr("Bitte Dateien wählen"));
    tellOfUnfinishedRun();
}

void MainWindow::tellOfUnfinishedRun()
{
    if (!platform::isExistingFile(m_job.runLogPath()))
        return;
    // An unreadable log is the progress window's to explain, not the start's.
    const Result<RunLog> log = readRunLog(m_job.runLogPath());
    if (!log.ok())
        return;
    if (const QString notice = unfinishedRunNotice(log.value()); !notice.isEmpty())
        showStatus(notice);
}

void MainWindow::showRunWindow()
{
    // The log of the working folder of this moment: a window that follows
    // another folder's log is replaced.
    if (isLoaded(m_runWindow) && m_runWindow->property("logPath") != m_job.runLogPath())
        m_runWindow->close();
    if (!isLoaded(m_runWindow)) {
        m_runWindow = new RunWindow(m_job, m_settings, this);
        m_runWindow->setProperty("logPath", m_job.runLogPath());
        connect(m_runWindow, &RunWindow::statusMessage, this, &MainWindow::showStatus);
        centreOnScreen(m_runWindow);
    }
    m_runWindow->show();
    m_runWindow->raise();
    m_runWindow->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    storeAndCloseOthers();
    event->accept();
}

void MainWindow::storeAndCloseOthers()
{
    if (m_closed)
        return;
    m_closed = true;
    // A mapkey window that was never opened leaves the stored names as they are.
    m_batchSteps->takeOpenMapkeyNames();
    if (const Result<> stored = m_job.store(m_settings); !stored.ok())
        reportSettingsNotStored(stored.error());
    m_batchSteps->closeWindows();
    for (QWidget* window :
         {static_cast<QWidget*>(m_helpWindow.data()), static_cast<QWidget*>(m_runWindow.data())}) {
        if (isLoaded(window))
            window->close();
    }
}

void MainWindow::reportSettingsNotStored(const QString& error)
{
    // Once per run: the user cannot do more about it than read it.
    if (m_settingsFailureReported)
        return;
    m_settingsFailureReported = true;
    inform(this, error);
}

void MainWindow::showStatus(const QString& text)
{
    m_bottomBar->showStatus(text);
}

void MainWindow::onInfoImageClicked()
{
    // Not modal and without an owner: it may stay open beside the main window.
    if (!isLoaded(m_helpWindow))
        m_helpWindow = new HelpWindow(frameGeometry());
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void MainWindow::onInstallAutoClicked()
{
    showStatus(tr("Datei lesen..."));
    const Result<ConfigInstalled> installed = m_job.installAutoMapkey();
    if (!installed.ok()) {
        inform(this, installed.error());
        return;
    }
    if (installed.value() == ConfigInstalled::Created)
        inform(this, configCreatedNotice());
    inform(this, autoMapkeyAddedNotice());
}

void MainWindow::showConstructionPanel()
{
    if (!m_constructionPanel->isVisible())
        centreOnScreen(m_constructionPanel);
    m_constructionPanel->show();
    m_constructionPanel->raise();
    m_constructionPanel->activateWindow();
}

void MainWindow::closeTopPanel()
{
    // One layer per Esc, the uppermost first, each as its own close picture
    // or button would put it away.
    if (m_browserPanel->isVisible())
        m_browserPanel->hide();
    else if (m_constructionPanel->isVisible())
        m_constructionPanel->hide();
    else
        m_fileListPanel->hideMenu();
}

void MainWindow::onFilesImageClicked()
{
    moveTwips(m_constructionPanel, twips(m_constructionPanel->x()),
              layout::mainWindow::constructionPanelParkedTop);
    m_constructionPanel->hide();
    m_fileListPanel->show();
    m_fileListPanel->setFocus();
    m_batchSteps->hideWriteButton();
    moveTwips(m_fileListPanel, layout::mainWindow::fileListReopened);
}

QPoint MainWindow::fileListPanelPlace(QPoint click)
{
    const layout::Place& panel = layout::fileListPanel::panel;
    QPoint place = click;
    if (place.x() + panel.width > layout::mainWindow::outer.width)
        place.setX(layout::mainWindow::outer.width - panel.width);
    if (place.y() + panel.height > layout::mainWindow::barTop)
        place.setY(layout::mainWindow::barTop - panel.height);
    return place;
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    // Only a right click on the bare surface moves the file-list panel, shown
    // or not.
    const QPoint at = event->position().toPoint();
    if (!childAt(at) && event->button() == Qt::RightButton) {
        const QPoint place = fileListPanelPlace(QPoint(twips(at.x()), twips(at.y())));
        moveTwips(m_fileListPanel, place.x(), place.y());
    }
    QWidget::mousePressEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    // Moves over controls without an explanation of their own reach the
    // window too; only the bare surface clears the label.
    if (!childAt(event->position().toPoint()))
        m_explanation->clear();
    QWidget::mouseMoveEvent(event);
}

} // namespace kettwerk::ui
