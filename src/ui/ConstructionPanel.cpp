#include "ConstructionPanel.h"

#include "BlockField.h"
#include "ClickableImage.h"
#include "Fonts.h"
#include "Painting.h"
#include "Templates.h"
#include "TextReplace.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace kettwerk::ui {
namespace {

BlockField* addBlock(QWidget* parent, const char16_t* name, const char16_t* caption,
                     const QString& text, int top, int height)
{
    auto* label = new QLabel(QString::fromUtf16(caption), parent);
    placeTwips(label, 120, top, 1800, 255);
    auto* field = new BlockField(parent);
    field->setObjectName(QString::fromUtf16(name));
    field->setText(text);
    placeTwips(field, 1920, top, 7575, height);
    return field;
}

} // namespace

ConstructionPanel::ConstructionPanel(QWidget* parent)
    // Wider than the main window, so it opens as a window of its own.
    : QFrame(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Frame1"));
    setWindowTitle(QStringLiteral("Mapkeykonstruktion"));
    fillBackground(this, QColor(255, 224, 192));
    setFont(sansSerif(8.25));
    placeTwips(this, 8400, 240, 9735, 6615);

    txt_kopf = addBlock(this, u"txt_kopf", u"Kopf und Name", templates::headerBlock(), 120, 495);
    txt_open = addBlock(this, u"txt_open", u"Datei aufrufen", templates::openStep(), 720, 975);
    txt_individ =
        addBlock(this, u"txt_individ", u"Funktionen", templates::storedFunctionBlock(), 1800, 3015);
    txt_end = addBlock(this, u"txt_end", u"Abschluss", templates::closingLine(), 4920, 495);

    auto* searchLabel = new QLabel(QStringLiteral("search for"), this);
    placeTwips(searchLabel, 120, 5520, 1800, 255);
    txt_ers1 = new QLineEdit(this);
    txt_ers1->setObjectName(QStringLiteral("txt_ers1"));
    placeTwips(txt_ers1, 1920, 5520, 2400, 285);
    auto* replaceLabel = new QLabel(QStringLiteral("replace with"), this);
    placeTwips(replaceLabel, 4440, 5520, 1200, 255);
    txt_ers2 = new QLineEdit(this);
    txt_ers2->setObjectName(QStringLiteral("txt_ers2"));
    placeTwips(txt_ers2, 5640, 5520, 2400, 285);
    auto* replace = new QPushButton(QStringLiteral("Replace"), this);
    replace->setObjectName(QStringLiteral("cmd_replace"));
    placeTwips(replace, 8160, 5520, 1335, 285);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmd_individ"));
    placeTwips(ok, 1920, 6000, 1335, 375);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmd_cancel"));
    placeTwips(cancel, 3360, 6000, 1335, 375);
    auto* close =
        new ClickableImage(QStringLiteral("img_ex1"), QStringLiteral(":/icons/close.png"), this);
    close->setToolTip(QStringLiteral("Mapkeykonstruktion ausblenden"));
    placeTwips(close, 9120, 120, 480, 465);

    connect(ok, &QPushButton::clicked, this, &ConstructionPanel::cmd_individ_Click);
    connect(cancel, &QPushButton::clicked, this, &ConstructionPanel::cmd_cancel_Click);
    connect(close, &ClickableImage::clicked, this, &ConstructionPanel::img_ex1_Click);
    connect(replace, &QPushButton::clicked, this, &ConstructionPanel::cmd_replace_Click);
}

void ConstructionPanel::cmd_individ_Click()
{
    // Composition hides the panel; a refused one leaves it open for a fix.
    Q_EMIT composeRequested(txt_individ->text());
}

void ConstructionPanel::cmd_cancel_Click()
{
    hide();
}

void ConstructionPanel::img_ex1_Click()
{
    hide();
}

void ConstructionPanel::cmd_replace_Click()
{
    const QString current = txt_individ->text();
    const QString replaced = replaceAll(current, txt_ers1->text(), txt_ers2->text());
    if (replaced != current)
        txt_individ->setText(replaced);
}

void ConstructionPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawOutline(painter, this);
}

} // namespace kettwerk::ui
