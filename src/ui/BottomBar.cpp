#include "BottomBar.h"

#include "ClickableImage.h"
#include "Twips.h"
#include "WrapButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace kettwerk::ui {

BottomBar::BottomBar(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame4"));
    placeTwips(this, 120, 9360, 7695, kHeightTwips);

    Label7 = new QLabel(QStringLiteral("Speicherort der Ausgabedatei:"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    placeTwips(Label7, 120, 120, 2295, 255);
    Label7->installEventFilter(this);

    txt_pro = new QLineEdit(QStringLiteral("C:\\temp\\"), this);
    txt_pro->setObjectName(QStringLiteral("txt_pro"));
    placeTwips(txt_pro, 120, 330, 4935, 285);

    cmd_auto = new WrapButton(QStringLiteral("Mapkey \"auto\" der config.pro zuweisen"), this);
    cmd_auto->setObjectName(QStringLiteral("cmd_auto"));
    placeTwips(cmd_auto, 5160, 120, 1695, 495);

    lbl_user = new QLabel(QStringLiteral("USER"), this);
    lbl_user->setObjectName(QStringLiteral("lbl_user"));
    placeTwips(lbl_user, 120, 720, 1215, 255);

    lbl_status = new QLineEdit(QStringLiteral("status"), this);
    lbl_status->setObjectName(QStringLiteral("lbl_status"));
    lbl_status->setReadOnly(true);
    lbl_status->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 192);"));
    placeTwips(lbl_status, 1440, 720, 5415, 285);

    img_exit =
        new ClickableImage(QStringLiteral("img_exit"), QStringLiteral(":/icons/close.png"), this);
    img_exit->setToolTip(QStringLiteral("EXIT"));
    placeTwips(img_exit, 7200, 600, 480, 480);
}

void BottomBar::mousePressEvent(QMouseEvent* event)
{
    // Presses on the labels arrive here too; only the bare bar counts.
    if (!childAt(event->position().toPoint()))
        Q_EMIT surfacePressed(event->button());
    event->accept(); // the window behind must not take it for its own surface
}

bool BottomBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label7 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Q_EMIT headingClicked();
    return QGroupBox::eventFilter(watched, event);
}

} // namespace kettwerk::ui
