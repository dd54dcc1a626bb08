#include "ui/MenuPanel.h"

#include "ui/ClickableImage.h"
#include "ui/Fonts.h"
#include "ui/Painting.h"
#include "ui/Palette.h"
#include "ui/Twips.h"
#include "ui/WrapButton.h"

#include <QPainter>
#include <QPushButton>

namespace kettwerk::ui {
namespace {

enum class Caption { Plain, StruckThrough, Wrapped };

QPushButton* addButton(QWidget* parent, const char16_t* name, const QString& text, QRect place,
                       Caption style = Caption::Plain)
{
    QPushButton* button =
        style == Caption::Wrapped ? new WrapButton(text, parent) : new QPushButton(text, parent);
    button->setObjectName(QString::fromUtf16(name));
    QFont font = sansSerif(8.25);
    // A struck-through caption marks the button that undoes its neighbour above.
    font.setStrikeOut(style == Caption::StruckThrough);
    button->setFont(font);
    button->setGeometry(place);
    return button;
}

// Captions that are the same in every language.
QPushButton* addButton(QWidget* parent, const char16_t* name, const char16_t* caption, QRect place,
                       Caption style = Caption::Plain)
{
    return addButton(parent, name, QString::fromUtf16(caption), place, style);
}

} // namespace

MenuPanel::MenuPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("kontextmenue"));
    setAccessibleName(tr("Menue"));
    fillBackground(this, palette::kPaleYellow);
    placeTwips(this, layout::menuPanel::panel);

    auto* paste = addButton(this, u"cmd_paste", u"<-- PASTE", twipsRect(layout::menuPanel::paste));
    paste->setToolTip(tr("Zwischenablage einfügen"));
    auto* markAll = addButton(this, u"cmd_all", tr("ALLE"), twipsRect(layout::menuPanel::markAll));
    auto* unmarkAll = addButton(this, u"cmd_nono", tr("ALLE"),
                                twipsRect(layout::menuPanel::unmarkAll), Caption::StruckThrough);
    auto* clear = addButton(this, u"cmd_clearlist", tr("Liste löschen"),
                            twipsRect(layout::menuPanel::clear), Caption::Wrapped);
    auto* single = addButton(this, u"cmd_einzel", tr("einzelner Eintrag"),
                             twipsRect(layout::menuPanel::singleEntry), Caption::Wrapped);
    auto* addDrawing = addButton(this, u"cmd_Z", u"drw", twipsRect(layout::menuPanel::addDrawing));
    auto* addPart = addButton(this, u"cmd_P", u"prt", twipsRect(layout::menuPanel::addPart));
    auto* stripDrawing =
        addButton(this, u"cmd_ZZ", u"drw", twipsRect(layout::menuPanel::stripDrawing),
                  Caption::StruckThrough);
    auto* stripPart = addButton(this, u"cmd_PP", u"prt", twipsRect(layout::menuPanel::stripPart),
                                Caption::StruckThrough);
    auto* browser = new ClickableImage(QStringLiteral("filebrowser"),
                                       QStringLiteral(":/icons/filebrowser.png"), this);
    browser->setToolTip(tr("file bowser"));
    placeTwips(browser, layout::menuPanel::browserImage);
    auto* quit = addButton(this, u"cmd_quit", u"quit", twipsRect(layout::menuPanel::quit));

    connect(paste, &QPushButton::clicked, this, &MenuPanel::pasteClicked);
    connect(markAll, &QPushButton::clicked, this, &MenuPanel::markAllClicked);
    connect(unmarkAll, &QPushButton::clicked, this, &MenuPanel::unmarkAllClicked);
    connect(clear, &QPushButton::clicked, this, &MenuPanel::clearClicked);
    connect(single, &QPushButton::clicked, this, &MenuPanel::singleEntryClicked);
    const QString drawing = QStringLiteral(".drw");
    const QString part = QStringLiteral(".prt");
    connect(addDrawing, &QPushButton::clicked, this,
            [this, drawing] { Q_EMIT appendSuffixClicked(drawing); });
    connect(addPart, &QPushButton::clicked, this,
            [this, part] { Q_EMIT appendSuffixClicked(part); });
    connect(stripDrawing, &QPushButton::clicked, this,
            [this, drawing] { Q_EMIT stripSuffixClicked(drawing); });
    connect(stripPart, &QPushButton::clicked, this,
            [this, part] { Q_EMIT stripSuffixClicked(part); });
    connect(browser, &ClickableImage::clicked, this, &MenuPanel::browserClicked);
    connect(quit, &QPushButton::clicked, this, &MenuPanel::quitClicked);
}

void MenuPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawOutline(painter, this);
    // The line across the panel above "quit".
    const int y = px(layout::menuPanel::dividerTop);
    painter.drawLine(0, y, width(), y);
}

} // namespace kettwerk::ui
