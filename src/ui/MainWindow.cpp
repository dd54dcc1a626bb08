#include "MainWindow.h"

#include "BlockField.h"
#include "BottomBar.h"
#include "BrowserPanel.h"
#include "ClickableImage.h"
#include "CompletionWindow.h"
#include "ConstructionPanel.h"
#include "FileListPanel.h"
#include "Paths.h"
#include "Fonts.h"
#include "HelpWindow.h"
#include "MapkeyWindow.h"
#include "OutputFolderPanel.h"
#include "Painting.h"
#include "Platform.h"
#include "SettingsKeys.h"
#include "Templates.h"
#include "Twips.h"
#include "WindowPlacement.h"
#include "WrapButton.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The pictures are compiled into this static library; the linker would drop
// their registration without a reference from code that is surely linked.
static void initResources()
{
    Q_INIT_RESOURCE(kettwerk);
}

namespace kettwerk::ui {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      txt_mapkeyneu(templates::customTemplate())
{
    initResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kettwerk für Wildfire 2.0"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kettwerk.png")));
    setFont(sansSerif(8.25));
    buildWindow();
    connectControls();
    watchForExplanations();
    Form_Load();
    centreOnScreen(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow()
{
    // Drawn on the window's surface first, so that every panel covers them.
    img_files = new ClickableImage(QStringLiteral("img_files"),
                                   QStringLiteral(":/pictures/files.png"), this);
    placeTwips(img_files, 240, 0, 870, 975);
    Image1 = new ClickableImage(QStringLiteral("Image1"), QStringLiteral(":/icons/info.png"), this);
    placeTwips(Image1, 7200, 240, 480, 480);
    Erklaer =
        new QLabel(QStringLiteral("Der Kettwerk dient zum Erstellen eines Mapkeys der Mapkeys "
                                  "ausführt und das über viele Dateien"),
                   this);
    Erklaer->setObjectName(QStringLiteral("Erklaer"));
    Erklaer->setWordWrap(true);
    Erklaer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Erklaer->setEnabled(false);
    Erklaer->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTwips(Erklaer, 2040, 1200, 4935, 2655);

    // From the bottom of the stacking order to the top.
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    placeTwips(Frame2, 1200, 0, 5775, 855);
    Frame2->hide();
    cmd_mapkey = new WrapButton(QStringLiteral("Mapkeys eingeben"), Frame2);
    cmd_mapkey->setObjectName(QStringLiteral("cmd_mapkey"));
    placeTwips(cmd_mapkey, 120, 240, 1215, 495);

    Frame4 = new BottomBar(this);

    cmd_fcreate = new QPushButton(QStringLiteral("doit.pro jetzt anlegen"), this);
    cmd_fcreate->setObjectName(QStringLiteral("cmd_fcreate"));
    cmd_fcreate->setFont(sansSerif(8.25, QFont::Bold));
    cmd_fcreate->setCursor(Qt::PointingHandCursor);
    placeTwips(cmd_fcreate, 2880, 2520, 2895, 375);
    cmd_fcreate->hide();

    Frame1 = new ConstructionPanel(this);
    Frame1->hide();

    Frame3 = new FileListPanel(this);
    Frame6 = new OutputFolderPanel(this);
    Frame5 = new BrowserPanel(this);
}

void MainWindow::Form_Load()
{
    Frame4->lbl_user->setText(platform::loginName());

    const QString defaultFolder = platform::defaultWorkingFolder(Frame4->lbl_user->text());
    Frame4->txt_pro->setText(isExistingFolder(defaultFolder) ? defaultFolder
                                                           : platform::programFolder());
    Frame4->txt_pro->setText(m_settings.get(settings::kWorkingFolder, Frame4->txt_pro->text()));
    Frame1->txt_individ->setText(
        m_settings.get(settings::kFunctionBlock, Frame1->txt_individ->text()));

    setFixedSize(px(kOuterWidthTwips - kFrameWidthTwips),
                 px(kOuterHeightTwips - kFrameHeightTwips));
    moveTwips(Frame4, twips(Frame4->x()), kBarTopTwips);
    moveTwips(Frame3, 1000, 600);
    Frame3->show();
    Frame6->restoreFolder(Frame4->txt_pro->text());

    setStatus(QStringLiteral("Bitte Dateien wählen"));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void MainWindow::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_settings.set(settings::kWorkingFolder, Frame4->txt_pro->text());
    m_settings.set(settings::kFunctionBlock, Frame1->txt_individ->text());
    // A window that was never opened hands back what is stored.
    const QString names = isLoaded(m_mapkeyWindow) ? m_mapkeyWindow->mapkeyNames()
                                                   : m_settings.get(settings::kMapkeyNames,
                                                                    settings::kDefaultMapkeyNames);
    m_settings.set(settings::kMapkeyNames, names);
    m_settings.sync();
    unloadall();
}

void MainWindow::unloadall()
{
    const QList<QPointer<QWidget>> others = {m_mapkeyWindow.data(), m_completionWindow.data(),
                                             m_helpWindow.data()};
    for (const QPointer<QWidget>& window : others) {
        if (isLoaded(window))
            window->close();
    }
}

void MainWindow::Image1_Click()
{
    // Not modal and without an owner: it may stay open beside the main window.
    if (!isLoaded(m_helpWindow))
        m_helpWindow = new HelpWindow(frameGeometry());
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void MainWindow::img_exit_Click()
{
    close();
}

QStringList MainWindow::selection() const
{
    return Frame3->selection();
}

void MainWindow::setSelection(const QStringList& names)
{
    Frame3->setSelection(names);
}

QString MainWindow::workingFolder() const
{
    return Frame4->txt_pro->text();
}

void MainWindow::setStatus(const QString& text)
{
    Frame4->lbl_status->setText(text);
    Frame4->lbl_status->setCursorPosition(0);
}

void MainWindow::cmd_mapkey_Click()
{
    if (!isLoaded(m_mapkeyWindow)) {
        m_mapkeyWindow = new MapkeyWindow(m_settings, this);
        connect(m_mapkeyWindow, &MapkeyWindow::namesEntered, this,
                &MainWindow::composeCustomSequence);
        centreOnScreen(m_mapkeyWindow);
    }
    m_mapkeyWindow->show();
    m_mapkeyWindow->raise();
    m_mapkeyWindow->activateWindow();
}

} // namespace kettwerk::ui
