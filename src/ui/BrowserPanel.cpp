#include "ui/BrowserPanel.h"

#include "platform/FileSystem.h"
#include "ui/ClickableImage.h"
#include "ui/DriveBox.h"
#include "ui/FolderList.h"
#include "ui/Painting.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kettwerk::ui {

BrowserPanel::BrowserPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame5"));
    // The panel has no border, so its caption is never drawn; screen readers
    // still get it.
    setAccessibleName(tr("Dateiliste"));
    fillBackground(this, QColor(255, 224, 192));
    // Its top strip lies above the window's client area and is cut off.
    placeTwips(this, 1800, -120, kWidthTwips, kHeightTwips);

    buildControls();
    // Opened from the menu panel's picture.
    hide();

    connect(m_filterBox, &QComboBox::activated, this, &BrowserPanel::onFilterPicked);
    // A single click reads the folder that is open, not the clicked line.
    connect(m_folderList, &FolderList::lineClicked, this, &BrowserPanel::readOpenFolder);
    connect(m_folderList, &FolderList::pathChanged, this, &BrowserPanel::readOpenFolder);
    connect(m_pathField, &QLineEdit::textChanged, this, &BrowserPanel::onPathEdited);
    connect(m_driveBox, &DriveBox::driveChanged, this, &BrowserPanel::onDriveChanged);
    connect(m_okButton, &QPushButton::clicked, this, &BrowserPanel::onOkClicked);
    connect(m_closeImage, &ClickableImage::clicked, this, &QWidget::hide);
    connect(m_filterBox, &QComboBox::currentTextChanged, this, &BrowserPanel::filterChanged);
}

QString BrowserPanel::filter() const
{
    return m_filterBox->currentText();
}

void BrowserPanel::buildControls()
{
    m_pathField = new QLineEdit(QStringLiteral("C:\\temp"), this);
    m_pathField->setObjectName(QStringLiteral("txt_path"));
    placeTwips(m_pathField, 120, 240, 5535, 285);

    // Both start on the program's current folder; the path field catches up
    // with them at the first change.
    m_driveBox = new DriveBox(QStringLiteral("Drive1"), this);
    placeTwips(m_driveBox, 120, 600, 2655, 315);
    m_folderList = new FolderList(QStringLiteral("Dir1"), this);
    placeTwips(m_folderList, 120, 960, 2655, 1890);

    auto* filterLabel = new QLabel(QStringLiteral("Filter:"), this);
    filterLabel->setObjectName(QStringLiteral("Label1"));
    placeTwips(filterLabel, 2880, 600, 375, 255);
    // Substitutes for the design font run wider; the room up to the filter
    // box keeps the colon in sight.
    filterLabel->resize(qMax(filterLabel->width(), filterLabel->sizeHint().width()),
                        filterLabel->height());

    m_filterBox = new QComboBox(this);
    m_filterBox->setObjectName(QStringLiteral("Combo1"));
    m_filterBox->setEditable(true);
    m_filterBox->setInsertPolicy(QComboBox::NoInsert);
    m_filterBox->addItems(
        {QStringLiteral("*.drw*"), QStringLiteral("*.prt*"), QStringLiteral("*.asm*")});
    m_filterBox->setEditText(QStringLiteral("*.drw*"));
    // Enter in the edit field would count as picking a matching item; a typed
    // filter is to wait for the next folder click instead.
    m_filterBox->lineEdit()->installEventFilter(this);
    placeTwips(m_filterBox, 3360, 600, 2295, 315);

    auto* caption = new QLabel(tr("Erzeugung der Dateiliste"), this);
    caption->setObjectName(QStringLiteral("Label8"));
    placeTwips(caption, 3360, 1560, 1815, 255);

    m_okButton = new QPushButton(QStringLiteral("ok"), this);
    m_okButton->setObjectName(QStringLiteral("cmd_okfiles"));
    placeTwips(m_okButton, 3600, 2400, 1575, 375);

    m_closeImage =
        new ClickableImage(QStringLiteral("Image_EXIT"), QStringLiteral(":/icons/close.png"), this);
    m_closeImage->setToolTip(QStringLiteral("EXIT"));
    placeTwips(m_closeImage, 5280, 2400, 480, 480);

    // Not the filter box's text: every road to the file list takes that
    // first, except "ok" when the folder list's folder has gone meanwhile.
    m_files.setFolder(m_folderList->path());
    m_files.setPattern(QStringLiteral("*.drw.*"));
}

bool BrowserPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_filterBox->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QFrame::eventFilter(watched, event);
}

void BrowserPanel::setPathText(const QString& text)
{
    // QLineEdit keeps quiet about an unchanged text; this panel does not.
    if (m_pathField->text() == text)
        onPathEdited();
    else
        m_pathField->setText(text);
}

void BrowserPanel::copyFilesToList()
{
    Q_EMIT filesListed(m_files.names());
    if (m_files.listFailed()) {
        Q_EMIT statusMessage(
            tr("Ordner nicht lesbar, die Dateiliste bleibt leer: %1").arg(m_files.folder()));
    }
}

void BrowserPanel::onFilterPicked()
{
    m_files.setPattern(m_filterBox->currentText());
    copyFilesToList();
}

void BrowserPanel::readOpenFolder()
{
    m_files.setPattern(m_filterBox->currentText());
    setPathText(m_folderList->path());
    copyFilesToList();
}

void BrowserPanel::onPathEdited()
{
    const QString path = m_pathField->text();
    // Anything but an existing folder is a path still being typed.
    if (!platform::isExistingFolder(path))
        return;
    m_files.setFolder(path);
    m_folderList->setPath(path);
    m_files.setPattern(m_filterBox->currentText());
    copyFilesToList();
}

void BrowserPanel::onDriveChanged()
{
    if (!followDrive(m_driveBox, m_folderList))
        Q_EMIT statusMessage(tr("Laufwerk nicht verfügbar !"));
}

void BrowserPanel::onOkClicked()
{
    hide();
    setPathText(m_folderList->path());
    copyFilesToList();
    Q_EMIT okPressed();
}

} // namespace kettwerk::ui
