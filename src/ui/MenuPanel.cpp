#include "MenuPanel.h"

#include "ClickableImage.h"
#include "Fonts.h"
#include "Painting.h"
#include "Twips.h"
#include "WrapButton.h"

#include <QPainter>
#include <QPushButton>

namespace kettwerk::ui {
namespace {

QPushButton* addButton(QWidget* parent, const char16_t* name, const char16_t* caption, QRect place,
                       bool struckThrough = false, bool wraps = false)
{
    const QString text = QString::fromUtf16(caption);
    QPushButton* button = wraps ? new WrapButton(text, parent) : new QPushButton(text, parent);
    button->setObjectName(QString::fromUtf16(name));
    QFont font = sansSerif(8.25);
    font.setStrikeOut(struckThrough);
    button->setFont(font);
    button->setGeometry(place);
    return button;
}

} // namespace

MenuPanel::MenuPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("kontextmenue"));
    setAccessibleName(QStringLiteral("Menue"));
    fillBackground(this, QColor(255, 255, 192));
    placeTwips(this, 2880, kTopTwips, 1215, 3735);

    cmd_paste = addButton(this, u"cmd_paste", u"<-- PASTE", twipsRect(120, 120, 975, 255));
    cmd_paste->setToolTip(QStringLiteral("Zwischenablage einfügen"));
    cmd_all = addButton(this, u"cmd_all", u"ALLE", twipsRect(120, 480, 975, 255));
    cmd_nono = addButton(this, u"cmd_nono", u"ALLE", twipsRect(120, 720, 975, 255), true);
    cmd_clearlist = addButton(this, u"cmd_clearlist", u"Liste löschen",
                              twipsRect(120, 1080, 975, 495), false, true);
    cmd_einzel = addButton(this, u"cmd_einzel", u"einzelner Eintrag",
                           twipsRect(120, 1680, 975, 495), false, true);
    cmd_Z = addButton(this, u"cmd_Z", u"drw", twipsRect(120, 2280, 495, 255));
    cmd_P = addButton(this, u"cmd_P", u"prt", twipsRect(600, 2280, 495, 255));
    cmd_ZZ = addButton(this, u"cmd_ZZ", u"drw", twipsRect(120, 2520, 495, 255), true);
    cmd_PP = addButton(this, u"cmd_PP", u"prt", twipsRect(600, 2520, 495, 255), true);
    filebrowser = new ClickableImage(QStringLiteral("filebrowser"),
                                     QStringLiteral(":/icons/filebrowser.png"), this);
    filebrowser->setToolTip(QStringLiteral("file bowser"));
    placeTwips(filebrowser, 240, 2880, 390, 360);
    cmd_quit = addButton(this, u"cmd_quit", u"quit", twipsRect(120, 3360, 975, 255));
}

void MenuPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawOutline(painter, this);
    const int y = px(3240);
    painter.drawLine(0, y, width(), y);
}

} // namespace kettwerk::ui
