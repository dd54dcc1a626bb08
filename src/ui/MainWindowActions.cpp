// The main window's steps from a selection to doit.pro and config.pro, and
// the moves of its panels.
#include "BatchComposer.h"
#include "BatchFile.h"
#include "BlockField.h"
#include "BottomBar.h"
#include "BrowserPanel.h"
#include "ClickableImage.h"
#include "CompletionWindow.h"
#include "ConfigInstaller.h"
#include "ConstructionPanel.h"
#include "FileList.h"
#include "FileListPanel.h"
#include "MainWindow.h"
#include "MapkeyWindow.h"
#include "MenuPanel.h"
#include "MessageBox.h"
#include "OutputFolderPanel.h"
#include "Paths.h"
#include "Painting.h"
#include "Platform.h"
#include "Templates.h"
#include "TextReplace.h"
#include "Twips.h"
#include "WindowPlacement.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace kettwerk::ui {

void MainWindow::connectControls()
{
    connect(img_files, &ClickableImage::clicked, this, &MainWindow::img_files_Click);
    connect(cmd_mapkey, &QPushButton::clicked, this, &MainWindow::cmd_mapkey_Click);
    connect(cmd_fcreate, &QPushButton::clicked, this, &MainWindow::cmd_fcreate_Click);
    connect(Frame4->cmd_auto, &QPushButton::clicked, this, &MainWindow::cmd_auto_Click);
    connect(Frame4->img_exit, &ClickableImage::clicked, this, &MainWindow::img_exit_Click);
    connect(Frame4, &BottomBar::surfacePressed, this, &MainWindow::Frame4_MouseDown);
    connect(Frame1, &ConstructionPanel::composeRequested, this,
            [this](const QString& block) { CREATE(block); });
    auto* construction = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
    connect(construction, &QShortcut::activated, this, &MainWindow::showConstructionPanel);
    connect(Frame3, &FileListPanel::statusMessage, this, &MainWindow::setStatus);
    connect(Frame3, &FileListPanel::handedOver, Frame2, &QWidget::show);
    connect(Frame3, &FileListPanel::browserRequested, Frame5, &QWidget::show);
    connect(Frame5, &BrowserPanel::filesListed, this,
            [this](const QStringList& names) { Frame3->fileList()->setEntries(names, false); });
    connect(Frame5, &BrowserPanel::statusMessage, this, &MainWindow::setStatus);
    connect(Frame5, &BrowserPanel::okPressed, Frame3->kontextmenue, &QWidget::hide);
    connect(Frame6, &OutputFolderPanel::statusMessage, this, &MainWindow::setStatus);
    connect(Frame6, &OutputFolderPanel::folderChosen, Frame4->txt_pro, &QLineEdit::setText);
    connect(Frame4, &BottomBar::headingClicked, this, &MainWindow::Label7_Click);
    connect(Image1, &ClickableImage::clicked, this, &MainWindow::Image1_Click);
}

void MainWindow::Label7_Click()
{
    Frame6->openAbove(Frame4->geometry());
}

QString MainWindow::batchFilePath() const
{
    return joinFolderAndName(workingFolder(), QString::fromUtf16(kBatchFileName),
                             platform::pathSeparator());
}

void MainWindow::composeCustomSequence(const QString& mapkeyNames)
{
    // The template itself keeps its placeholder for the next use.
    const QString functionBlock =
        replaceAll(txt_mapkeyneu, QString::fromUtf16(templates::kPlaceholder), mapkeyNames);
    CREATE(functionBlock);
}

bool MainWindow::CREATE(const QString& functionBlock)
{
    const BatchPieces pieces{Frame1->txt_kopf->text(), Frame1->txt_open->text(),
                             Frame1->txt_end->text()};
    if (pieces.openStep.size() < 2) {
        inform(
            this, QStringLiteral("Der Schritt „Datei aufrufen“ ist zu kurz: er muss mit dem "
                                 "öffnenden Akzent und einem Zeilenende schließen. Es wurde "
                                 "nichts erstellt."));
        return false;
    }
    cmd_fcreate->show();
    Frame1->hide();
    mapkeytext = composeBatch(pieces, selection(), functionBlock);
    setStatus(QStringLiteral("Die Datei doit.pro kann nun erzeugt werden. Diese kann in Pro/E als "
                             "Konfigurationsdatei eingelesen werden"));
    return true;
}

void MainWindow::cmd_fcreate_Click()
{
    // After a failed write the button stays, so that the user can try again.
    if (fileout())
        cmd_fcreate->hide();
}

bool MainWindow::fileout()
{
    QString error;
    if (!writeBatchFile(batchFilePath(), mapkeytext, selection(), platform::eightBitCodec(),
                        &error)) {
        inform(this, error);
        return false;
    }
    setStatus(QStringLiteral("Datei doit.pro wurde gespeichert !"));
    if (!isLoaded(m_completionWindow)) {
        m_completionWindow = new CompletionWindow([this] { return batchFilePath(); }, this);
        centreOnScreen(m_completionWindow);
    }
    m_completionWindow->show();
    return true;
}

void MainWindow::cmd_auto_Click()
{
    const QString path =
        configFilePath(workingFolder(), platform::programFolder(), platform::pathSeparator());
    setStatus(QStringLiteral("Datei lesen..."));
    const ConfigInstallResult result = installAutoMapkey(path);
    if (!result.ok) {
        inform(this, result.error);
        return;
    }
    if (result.created)
        inform(this, QString::fromUtf16(kConfigCreatedNotice));
    inform(this, QString::fromUtf16(kAutoMapkeyAddedNotice));
}

void MainWindow::showConstructionPanel()
{
    if (!Frame1->isVisible())
        centreOnScreen(Frame1);
    Frame1->show();
    Frame1->raise();
    Frame1->activateWindow();
}

void MainWindow::img_files_Click()
{
    moveTwips(Frame1, twips(Frame1->x()), 7300);
    Frame1->hide();
    Frame3->show();
    cmd_fcreate->hide();
    moveTwips(Frame3, 240, 960);
}

QPoint MainWindow::fileListPanelPlace(QPoint click)
{
    QPoint place = click;
    if (place.x() + FileListPanel::kWidthTwips > kOuterWidthTwips)
        place.setX(kOuterWidthTwips - FileListPanel::kWidthTwips);
    if (place.y() + FileListPanel::kHeightTwips > kBarTopTwips)
        place.setY(kBarTopTwips - FileListPanel::kHeightTwips);
    return place;
}

void MainWindow::Form_MouseDown(Qt::MouseButton button, QPoint twipsPosition)
{
    if (button != Qt::RightButton)
        return;
    // Moved whether it is shown or not.
    const QPoint place = fileListPanelPlace(twipsPosition);
    moveTwips(Frame3, place.x(), place.y());
}

void MainWindow::Frame4_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        Frame4->cmd_auto->show();
    else if (button == Qt::LeftButton)
        Frame4->cmd_auto->hide();
}

} // namespace kettwerk::ui
