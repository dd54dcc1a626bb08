#include "ui/ConstructionPanel.h"

#include "core/BatchJob.h"
#include "core/TextReplace.h"
#include "ui/BlockField.h"
#include "ui/ClickableImage.h"
#include "ui/Fonts.h"
#include "ui/Painting.h"
#include "ui/Palette.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace kettwerk::ui {
namespace {

BlockField* addBlock(QWidget* parent, const char16_t* name, const QString& caption,
                     const QString& text, layout::Band band)
{
    namespace place = layout::constructionPanel;
    auto* label = new QLabel(caption, parent);
    placeTwips(label, {place::captionLeft, band.top, place::captionWidth, place::captionHeight});
    auto* field = new BlockField(parent);
    field->setObjectName(QString::fromUtf16(name));
    field->setText(text);
    placeTwips(field, {place::fieldLeft, band.top, place::fieldWidth, band.height});
    return field;
}

} // namespace

ConstructionPanel::ConstructionPanel(BatchJob& job, QWidget* parent)
    // Wider than the main window, so it opens as a window of its own.
    : QFrame(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), m_job(job)
{
    setObjectName(QStringLiteral("Frame1"));
    setWindowTitle(tr("Mapkeykonstruktion"));
    fillBackground(this, palette::kApricot);
    setFont(sansSerif(8.25));
    placeTwips(this, layout::constructionPanel::panel);

    const BatchFrame& frame = job.frame();
    auto* header = addBlock(this, u"txt_kopf", tr("Kopf und Name"), frame.header,
                            layout::constructionPanel::header);
    auto* openStep = addBlock(this, u"txt_open", tr("Datei aufrufen"), frame.openStep,
                              layout::constructionPanel::openStep);
    m_functionBlockField = addBlock(this, u"txt_individ", tr("Funktionen"), job.functionBlock(),
                                    layout::constructionPanel::functionBlock);
    auto* closing = addBlock(this, u"txt_end", tr("Abschluss"), frame.closing,
                             layout::constructionPanel::closing);
    buildSearchAndReplace();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmd_individ"));
    placeTwips(ok, layout::constructionPanel::ok);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmd_cancel"));
    placeTwips(cancel, layout::constructionPanel::cancel);
    auto* close =
        new ClickableImage(QStringLiteral("img_ex1"), QStringLiteral(":/icons/close.png"), this);
    close->setToolTip(tr("Mapkeykonstruktion ausblenden"));
    placeTwips(close, layout::constructionPanel::closeImage);

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
    placeTwips(searchLabel, layout::constructionPanel::searchLabel);
    m_searchField = new QLineEdit(this);
    m_searchField->setObjectName(QStringLiteral("txt_ers1"));
    placeTwips(m_searchField, layout::constructionPanel::searchField);
    auto* replaceLabel = new QLabel(QStringLiteral("replace with"), this);
    placeTwips(replaceLabel, layout::constructionPanel::replaceLabel);
    m_replacementField = new QLineEdit(this);
    m_replacementField->setObjectName(QStringLiteral("txt_ers2"));
    placeTwips(m_replacementField, layout::constructionPanel::replacementField);
    auto* replace = new QPushButton(QStringLiteral("Replace"), this);
    replace->setObjectName(QStringLiteral("cmd_replace"));
    placeTwips(replace, layout::constructionPanel::replaceButton);
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
