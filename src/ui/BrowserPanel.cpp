#include "ui/BrowserPanel.h"

#include "platform/FileSystem.h"
#include "ui/ClickableImage.h"
#include "ui/DriveBox.h"
#include "ui/FolderList.h"
#include "ui/Painting.h"
#include "ui/Palette.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace kettwerk::ui {

BrowserPanel::BrowserPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame5"));
    // The panel has no border, so its caption is never drawn; screen readers
    // still get it.
    setAccessibleName(tr("Dateiliste"));
    fillBackground(this, palette::kApricot);
    placeTwips(this, layout::browserPanel::panel);

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
    placeTwips(m_pathField, layout::browserPanel::pathField);

    // Both start on the program's current folder; the path field catches up
    // with them at the first change.
    m_driveBox = new DriveBox(QStringLiteral("Drive1"), this);
    placeTwips(m_driveBox, layout::browserPanel::driveBox);
    m_folderList = new FolderList(QStringLiteral("Dir1"), this);
    placeTwips(m_folderList, layout::browserPanel::folderList);

    auto* filterLabel = new QLabel(QStringLiteral("Filter:"), this);
    filterLabel->setObjectName(QStringLiteral("Label1"));
    placeTwips(filterLabel, layout::browserPanel::filterLabel);
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
    placeTwips(m_filterBox, layout::browserPanel::filterBox);

    auto* caption = new QLabel(tr("Erzeugung der Dateiliste"), this);
    caption->setObjectName(QStringLiteral("Label8"));
    placeTwips(caption, layout::browserPanel::caption);

    m_okButton = new QPushButton(QStringLiteral("ok"), this);
    m_okButton->setObjectName(QStringLiteral("cmd_okfiles"));
    placeTwips(m_okButton, layout::browserPanel::okButton);

    m_closeImage =
        new ClickableImage(QStringLiteral("Image_EXIT"), QStringLiteral(":/icons/close.png"), this);
    m_closeImage->setToolTip(QStringLiteral("EXIT"));
    placeTwips(m_closeImage, layout::browserPanel::closeImage);

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
    {
        // The folder list follows, but the field keeps what is being typed:
        // written back as a full path, a drive-relative "C:" would become the
        // drive's current folder under the user's fingers.
        const QSignalBlocker quiet(m_folderList);
        m_folderList->setPath(path);
    }
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
