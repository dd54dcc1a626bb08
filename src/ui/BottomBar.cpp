#include "ui/BottomBar.h"

#include "core/BatchJob.h"
#include "ui/ClickableImage.h"
#include "ui/ExplanationLabel.h"
#include "ui/Explanations.h"
#include "ui/Palette.h"
#include "ui/Twips.h"
#include "ui/WrapButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace kettwerk::ui {

BottomBar::BottomBar(BatchJob& job, QWidget* parent) : QGroupBox(parent), m_job(job)
{
    setObjectName(QStringLiteral("Frame4"));
    placeTwips(this, layout::bottomBar::panel);

    m_heading = new QLabel(tr("Speicherort der Ausgabedatei:"), this);
    m_heading->setObjectName(QStringLiteral("Label7"));
    placeTwips(m_heading, layout::bottomBar::heading);
    m_heading->installEventFilter(this);

    m_folderField = new QLineEdit(job.workingFolder(), this);
    m_folderField->setObjectName(QStringLiteral("txt_pro"));
    placeTwips(m_folderField, layout::bottomBar::folderField);

    m_installAutoButton = new WrapButton(tr("Mapkey \"auto\" der config.pro zuweisen"), this);
    m_installAutoButton->setObjectName(QStringLiteral("cmd_auto"));
    placeTwips(m_installAutoButton, layout::bottomBar::installAutoButton);

    m_loginLabel = new QLabel(QStringLiteral("USER"), this);
    m_loginLabel->setObjectName(QStringLiteral("lbl_user"));
    placeTwips(m_loginLabel, layout::bottomBar::loginLabel);

    m_statusLine = new QLineEdit(QStringLiteral("status"), this);
    m_statusLine->setObjectName(QStringLiteral("lbl_status"));
    m_statusLine->setReadOnly(true);
    m_statusLine->setStyleSheet(palette::backgroundStyle(palette::kPaleYellow));
    placeTwips(m_statusLine, layout::bottomBar::statusLine);

    m_exitImage =
        new ClickableImage(QStringLiteral("img_exit"), QStringLiteral(":/icons/close.png"), this);
    m_exitImage->setToolTip(QStringLiteral("EXIT"));
    placeTwips(m_exitImage, layout::bottomBar::exitImage);

    // Typed or set from code, the field is the job's working folder.
    connect(m_folderField, &QLineEdit::textChanged, this,
            [this](const QString& folder) { m_job.setWorkingFolder(folder); });
    connect(m_installAutoButton, &QPushButton::clicked, this, &BottomBar::installAutoClicked);
    connect(m_exitImage, &ClickableImage::clicked, this, &BottomBar::exitClicked);
}

QWidget* BottomBar::firstTabStop() const
{
    return m_folderField;
}

void BottomBar::showWorkingFolder(const QString& folder)
{
    m_folderField->setText(folder);
}

void BottomBar::setLoginName(const QString& name)
{
    m_loginLabel->setText(name);
}

void BottomBar::showStatus(const QString& text)
{
    m_statusLine->setText(text);
    m_statusLine->setCursorPosition(0);
}

void BottomBar::explainControls(ExplanationLabel& explanation)
{
    // The config.pro button names the working folder of the moment.
    explanation.explain(m_installAutoButton,
                        [this] { return explanations::autoButton(m_job.workingFolder()); });
    explanation.explain(m_statusLine, explanations::text(explanations::kStatusLine));
    explanation.explain(m_heading, explanations::text(explanations::kFolderHeading));
    explanation.explain(m_exitImage, explanations::text(explanations::kExitImage));
}

void BottomBar::mousePressEvent(QMouseEvent* event)
{
    // Presses on the labels arrive here too; only the bare bar counts. The
    // left button hides the config.pro button, the right one shows it again.
    if (!childAt(event->position().toPoint())) {
        if (event->button() == Qt::RightButton)
            m_installAutoButton->show();
        else if (event->button() == Qt::LeftButton)
            m_installAutoButton->hide();
    }
    event->accept(); // the window behind must not take it for its own surface
}

bool BottomBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_heading && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Q_EMIT headingClicked();
    return QGroupBox::eventFilter(watched, event);
}

} // namespace kettwerk::ui
