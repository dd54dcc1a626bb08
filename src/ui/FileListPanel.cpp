#include "FileListPanel.h"

#include "Twips.h"

#include <QListView>
#include <QPainter>
#include <QStringListModel>

namespace kettwerk::ui {

FileListPanel::FileListPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame3"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 192, 192));
    setPalette(colours);
    placeTwips(this, 480, 1920, kWidthTwips, kHeightTwips);

    selectionModel = new QStringListModel(this);
    List_Selection = new QListView(this);
    List_Selection->setObjectName(QStringLiteral("List_Selection"));
    List_Selection->setModel(selectionModel);
    List_Selection->setUniformItemSizes(true);
    List_Selection->setStyleSheet(QStringLiteral("background-color: rgb(224, 224, 224);"));
    placeTwips(List_Selection, 3000, 4680, 2655, 2400);
}

void FileListPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kettwerk::ui
