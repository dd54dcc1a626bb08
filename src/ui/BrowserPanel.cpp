#include "BrowserPanel.h"

#include "ClickableImage.h"
#include "DriveBox.h"
#include "FileBox.h"
#include "FolderList.h"
#include "Paths.h"
#include "Painting.h"
#include "Twips.h"

#include <QComboBox>
#include <QDir>
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
    setAccessibleName(QStringLiteral("Dateiliste"));
    fillBackground(this, QColor(255, 224, 192));
    // Its top strip lies above the window's client area and is cut off.
    placeTwips(this, 1800, -120, kWidthTwips, kHeightTwips);

    buildControls();
    // Opened from the menu panel's picture.
    hide();

    connect(Combo1, &QComboBox::activated, this, &BrowserPanel::Combo1_Click);
    connect(Dir1, &FolderList::lineClicked, this, &BrowserPanel::Dir1_Click);
    connect(Dir1, &FolderList::pathChanged, this, &BrowserPanel::Dir1_Change);
    connect(txt_path, &QLineEdit::textChanged, this, &BrowserPanel::txt_path_Change);
    connect(Drive1, &DriveBox::driveChanged, this, &BrowserPanel::Drive1_Change);
    connect(cmd_okfiles, &QPushButton::clicked, this, &BrowserPanel::cmd_okfiles_Click);
    connect(Image_EXIT, &ClickableImage::clicked, this, &BrowserPanel::Image_EXIT_Click);
}

void BrowserPanel::buildControls()
{
    txt_path = new QLineEdit(QStringLiteral("C:\\temp"), this);
    txt_path->setObjectName(QStringLiteral("txt_path"));
    placeTwips(txt_path, 120, 240, 5535, 285);

    // Both start on the program's current folder; txt_path catches up with
    // them at the first change.
    Drive1 = new DriveBox(QStringLiteral("Drive1"), this);
    placeTwips(Drive1, 120, 600, 2655, 315);
    Dir1 = new FolderList(QStringLiteral("Dir1"), this);
    placeTwips(Dir1, 120, 960, 2655, 1890);

    Label1 = new QLabel(QStringLiteral("Filter:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(Label1, 2880, 600, 375, 255);
    // Substitutes for the design font run wider; the room up to the combo
    // box keeps the colon in sight.
    Label1->resize(qMax(Label1->width(), Label1->sizeHint().width()), Label1->height());

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems(
        {QStringLiteral("*.drw*"), QStringLiteral("*.prt*"), QStringLiteral("*.asm*")});
    Combo1->setEditText(QStringLiteral("*.drw*"));
    // Enter in the edit field would count as picking a matching item; a typed
    // filter is to wait for the next folder click instead.
    Combo1->lineEdit()->installEventFilter(this);
    placeTwips(Combo1, 3360, 600, 2295, 315);

    Label8 = new QLabel(QStringLiteral("Erzeugung der Dateiliste"), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    placeTwips(Label8, 3360, 1560, 1815, 255);

    cmd_okfiles = new QPushButton(QStringLiteral("ok"), this);
    cmd_okfiles->setObjectName(QStringLiteral("cmd_okfiles"));
    placeTwips(cmd_okfiles, 3600, 2400, 1575, 375);

    Image_EXIT =
        new ClickableImage(QStringLiteral("Image_EXIT"), QStringLiteral(":/icons/close.png"), this);
    Image_EXIT->setToolTip(QStringLiteral("EXIT"));
    placeTwips(Image_EXIT, 5280, 2400, 480, 480);

    File1 = new FileBox(this);
    File1->setPath(Dir1->path());
    File1->setPattern(QStringLiteral("*.drw.*"));
    File1->hide();
}

bool BrowserPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Combo1->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QFrame::eventFilter(watched, event);
}

void BrowserPanel::setPathText(const QString& text)
{
    // QLineEdit keeps quiet about an unchanged text; this panel does not.
    if (txt_path->text() == text)
        txt_path_Change();
    else
        txt_path->setText(text);
}

void BrowserPanel::Umspeichern()
{
    const QStringList names = File1->files();
    Q_EMIT filesListed(names);
    if (File1->listFailed()) {
        Q_EMIT statusMessage(QStringLiteral("Ordner nicht lesbar, die Dateiliste bleibt leer: ") +
                             File1->path());
    }
}

void BrowserPanel::Combo1_Click()
{
    File1->setPattern(Combo1->currentText());
    Umspeichern();
}

void BrowserPanel::Dir1_Click()
{
    // Reads Dir1's path, not the clicked line: a single click reloads the
    // folder that is open.
    File1->setPattern(Combo1->currentText());
    setPathText(Dir1->path());
    Umspeichern();
}

void BrowserPanel::Dir1_Change()
{
    File1->setPattern(Combo1->currentText());
    setPathText(Dir1->path());
    Umspeichern();
}

void BrowserPanel::txt_path_Change()
{
    const QString path = txt_path->text();
    // Anything but an existing folder is a path still being typed.
    if (!isExistingFolder(path))
        return;
    File1->setPath(path);
    Dir1->setPath(path);
    File1->setPattern(Combo1->currentText());
    Umspeichern();
}

void BrowserPanel::Drive1_Change()
{
    if (!followDrive(Drive1, Dir1))
        Q_EMIT statusMessage(QStringLiteral("Laufwerk nicht verfügbar !"));
}

void BrowserPanel::cmd_okfiles_Click()
{
    hide();
    setPathText(Dir1->path());
    Umspeichern();
    Q_EMIT okPressed();
}

void BrowserPanel::Image_EXIT_Click()
{
    hide();
}

} // namespace kettwerk::ui
