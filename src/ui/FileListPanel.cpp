#include "FileListPanel.h"

#include "ClickableImage.h"
#include "FileList.h"
#include "Fonts.h"
#include "MenuPanel.h"
#include "Painting.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStringListModel>

namespace kettwerk::ui {

FileListPanel::FileListPanel(QWidget* parent)
    : QFrame(parent), m_fileList(new FileList(this)), m_selection(new QStringListModel(this))
{
    setObjectName(QStringLiteral("Frame3"));
    fillBackground(this, QColor(0, 192, 192));
    placeTwips(this, 480, 1920, kWidthTwips, kHeightTwips);

    Label6 = new QLabel(QStringLiteral("klicken Sie mit der rechte Maustaste in das weiße Feld um "
                                       "die Liste zu bearbeiten. Es werden nur die markierten "
                                       "Einträge bearbeitet."),
                        this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label6, 240, 0, 3735, 615);

    // Hidden lists first, so that the visible controls lie above them.
    List_Selection = new QListView(this);
    List_Selection->setObjectName(QStringLiteral("List_Selection"));
    List_Selection->setModel(m_selection);
    List_Selection->setUniformItemSizes(true);
    List_Selection->setStyleSheet(QStringLiteral("background-color: rgb(224, 224, 224);"));
    placeTwips(List_Selection, 3000, 4680, 2655, 2400);

    List_File1 = new QListView(this);
    List_File1->setObjectName(QStringLiteral("List_File1"));
    List_File1->setModel(m_fileList->model());
    List_File1->setSelectionModel(m_fileList->marks());
    List_File1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List_File1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Uniform rows keep a list of 100,000 entries from measuring every row.
    List_File1->setUniformItemSizes(true);
    List_File1->setMouseTracking(true);
    List_File1->viewport()->setMouseTracking(true);
    List_File1->viewport()->installEventFilter(this);
    List_File1->installEventFilter(this);
    placeTwips(List_File1, kListLeftTwips, 600, 5295, 3375);

    cmd_file = new QPushButton(QStringLiteral("ok"), this);
    cmd_file->setObjectName(QStringLiteral("cmd_file"));
    cmd_file->setFont(sansSerif(9.75, QFont::Bold));
    placeTwips(cmd_file, 5640, 3720, 495, 495);

    img_ex3 =
        new ClickableImage(QStringLiteral("img_ex3"), QStringLiteral(":/icons/close.png"), this);
    img_ex3->setToolTip(QStringLiteral("Dateiauswahl ausblenden"));
    placeTwips(img_ex3, 5640, 120, 480, 465);

    lbl_count = new QLabel(this);
    lbl_count->setObjectName(QStringLiteral("lbl_count"));
    placeTwips(lbl_count, 4440, 120, 975, 255);
    lbl_count->hide();

    txt_hand = new QLineEdit(this);
    txt_hand->setObjectName(QStringLiteral("txt_hand"));
    txt_hand->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 192);"));
    placeTwips(txt_hand, 480, 1440, 5655, 285);
    txt_hand->hide();

    kontextmenue = new MenuPanel(this);
    kontextmenue->hide();

    connectMenu();
    connect(txt_hand, &QLineEdit::returnPressed, this, &FileListPanel::txt_hand_Enter);
    connect(img_ex3, &ClickableImage::clicked, this, &FileListPanel::img_ex3_Click);
    connect(cmd_file, &QPushButton::clicked, this, &FileListPanel::cmd_file_Click);
}

QStringList FileListPanel::selection() const
{
    return m_selection->stringList();
}

void FileListPanel::setSelection(const QStringList& names)
{
    m_selection->setStringList(names);
}

bool FileListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == List_File1->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            // X as the list itself measures it, from its own left edge.
            const QPoint inList =
                List_File1->viewport()->mapTo(List_File1, move->position().toPoint());
            List_File1_MouseMove(twips(inList.x()));
        } else if (event->type() == QEvent::MouseButtonPress ||
                   event->type() == QEvent::MouseButtonDblClick) {
            const auto button = static_cast<QMouseEvent*>(event)->button();
            List_File1_MouseDown(button);
            // Only the left button marks entries.
            return button != Qt::LeftButton;
        }
    } else if (watched == List_File1 && event->type() == QEvent::KeyPress) {
        List_File1_Click();
    }
    return QFrame::eventFilter(watched, event);
}

void FileListPanel::List_File1_MouseMove(int xTwips)
{
    if (kontextmenue->isVisible())
        return;
    // The list starts kListLeftTwips into the panel, so the menu opens just
    // left of the pointer. Nothing keeps it inside the panel.
    kontextmenue->move(px(xTwips + kMenuOffsetTwips), px(MenuPanel::kTopTwips));
}

void FileListPanel::List_File1_MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        kontextmenue->show();
        kontextmenue->raise();
    } else if (button == Qt::LeftButton) {
        kontextmenue->hide();
        txt_hand->hide();
    }
}

void FileListPanel::List_File1_Click()
{
    txt_hand->hide();
}

void FileListPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Frame3_Click();
    event->accept(); // the window behind must not take it for its own surface
}

void FileListPanel::Frame3_Click()
{
    txt_hand->hide();
}

void FileListPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawOutline(painter, this);
}

} // namespace kettwerk::ui
