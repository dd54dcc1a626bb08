// Mouse handling on the main window's own surface: the explanation label
// follows the pointer, and a right click moves the file-list panel.
#include "BottomBar.h"
#include "ClickableImage.h"
#include "Explanations.h"
#include "MainWindow.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace kettwerk::ui {

void MainWindow::watchForExplanations()
{
    setMouseTracking(true);
    const QList<QWidget*> explained = {cmd_fcreate,        cmd_mapkey,     Frame4->cmd_auto,
                                       Frame4->lbl_status, Frame4->Label7, Image1,
                                       Frame4->img_exit,   img_files};
    for (QWidget* control : explained) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove)
        return QWidget::eventFilter(watched, event);
    if (watched == cmd_fcreate)
        explain(explanations::kWriteButton);
    else if (watched == cmd_mapkey)
        explain(explanations::kMapkeyButton);
    else if (watched == Frame4->cmd_auto)
        explain(explanations::autoButton(workingFolder())); // the folder of this moment
    else if (watched == Frame4->lbl_status)
        explain(explanations::kStatusLine);
    else if (watched == Image1)
        explain(explanations::kInfoImage);
    else if (watched == Frame4->img_exit)
        explain(explanations::kExitImage);
    else if (watched == img_files)
        explain(explanations::kFilesImage);
    else if (watched == Frame4->Label7)
        explain(explanations::kFolderHeading);
    return QWidget::eventFilter(watched, event);
}

void MainWindow::explain(const QString& text)
{
    Erklaer->setText(text);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    // Moves over controls without an explanation of their own reach the
    // window too; only the bare surface clears the label.
    if (!childAt(event->position().toPoint()))
        Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void MainWindow::Form_MouseMove()
{
    explain(QString());
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!childAt(at))
        Form_MouseDown(event->button(), QPoint(twips(at.x()), twips(at.y())));
    QWidget::mousePressEvent(event);
}

} // namespace kettwerk::ui
