#include "ui/ConstructionPanel.h"

#include "core/BatchJob.h"
#include "core/TextReplace.h"
#include "ui/BlockField.h"
#include "ui/ClickableImage.h"
#include "ui/Fonts.h"
#include "ui/Painting.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace kettwerk::ui {
namespace {

BlockField* addBlock(QWidget* parent, const char16_t* name, const QString& caption,
                     const QString& text, int top, int height)
{
    auto* label = new QLabel(caption, parent);
    placeTwips(label, 120, top, 1800, 255);
    auto* field = new BlockField(parent);
    field->setObjectName(QString::fromUtf16(name));
    field->setText(text);
    placeTwips(field, 1920, top, 7575, height);
    return field;
}

} // namespace

ConstructionPanel::ConstructionPanel(BatchJob& job, QWidget* parent)
    // Wider than the main window, so it opens as a window of its own.
    : QFrame(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), m_job(job)
{
    setObjectName(QStringLiteral("Frame1"));
    setWindowTitle(tr("Mapkeykonstruktion"));
    fillBackground(this, QColor(255, 224, 192));
    setFont(sansSerif(8.25));
    placeTwips(this, 8400, 240, 9735, 6615);

    const BatchFrame& frame = job.frame();
    auto* header = addBlock(this, u"txt_kopf", tr("Kopf und Name"), frame.header, 120, 495);
    auto* openStep = addBlock(this, u"txt_open", tr("Datei aufrufen"), frame.openStep, 720, 975);
    m_functionBlockField =
        addBlock(this, u"txt_individ", tr("Funktionen"), job.functionBlock(), 1800, 3015);
    auto* closing = addBlock(this, u"txt_end", tr("Abschluss"), frame.closing, 4920, 495);
    buildSearchAndReplace();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmd_individ"));
    placeTwips(ok, 1920, 6000, 1335, 375);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmd_cancel"));
    placeTwips(cancel, 3360, 6000, 1335, 375);
    auto* close =
        new ClickableImage(QStringLiteral("img_ex1"), QStringLiteral(":/icons/close.png"), this);
    close->setToolTip(tr("Mapkeykonstruktion ausblenden"));
    placeTwips(close, 9120, 120, 480, 465);

    // The frame's blocks go into the job as the user edits them.
    for (const auto& [field, block] :
         {std::pair{header, &BatchFrame::header}, std::pair{openStep, &BatchFrame::openStep},
          std::pair{closing, &BatchFrame::closing}}) {
        connect(field, &BlockField::edited, this, [this, block](const QString& text) {
            BatchFrame edited = m_job.frame();
            edited.*block = text;
            m_job.setFrame(edited);
        });
    }
    connect(m_functionBlockField, &BlockField::edited, this,
            [this](const QString& block) { m_job.setFunctionBlock(block); });
    // Composition hides the panel; a refused one leaves it open for a fix.
    connect(ok, &QPushButton::clicked, this, &ConstructionPanel::composeRequested);
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    connect(close, &ClickableImage::clicked, this, &QWidget::hide);
}

void ConstructionPanel::buildSearchAndReplace()
{
    auto* searchLabel = new QLabel(QStringLiteral("search for"), this);
    placeTwips(searchLabel, 120, 5520, 1800, 255);
    m_searchField = new QLineEdit(this);
    m_searchField->setObjectName(QStringLiteral("txt_ers1"));
    placeTwips(m_searchField, 1920, 5520, 2400, 285);
    auto* replaceLabel = new QLabel(QStringLiteral("replace with"), this);
    placeTwips(replaceLabel, 4440, 5520, 1200, 255);
    m_replacementField = new QLineEdit(this);
    m_replacementField->setObjectName(QStringLiteral("txt_ers2"));
    placeTwips(m_replacementField, 5640, 5520, 2400, 285);
    auto* replace = new QPushButton(QStringLiteral("Replace"), this);
    replace->setObjectName(QStringLiteral("cmd_replace"));
    placeTwips(replace, 8160, 5520, 1335, 285);
    connect(replace, &QPushButton::clicked, this, &ConstructionPanel::onReplaceClicked);
}

void ConstructionPanel::onReplaceClicked()
{
    const QString current = m_job.functionBlock();
    const QString replaced = replaceAll(current, m_searchField->text(), m_replacementField->text());
    if (replaced == current)
        return;
    m_job.setFunctionBlock(replaced);
    m_functionBlockField->setText(replaced);
}

void ConstructionPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawOutline(painter, this);
}

} // namespace kettwerk::ui
