#include "ui/CompletionWindow.h"

#include "platform/Shell.h"
#include "ui/ClickableImage.h"
#include "ui/EscapeKey.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Painting.h"
#include "ui/Sound.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace kettwerk::ui {
namespace {

void addLabel(QWidget* parent, const char16_t* name, const QString& text, QRect place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf16(name));
    label->setGeometry(place);
}

} // namespace

CompletionWindow::CompletionWindow(std::function<QString()> batchFilePath,
                                   std::function<void()> followRun, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      m_batchFilePath(std::move(batchFilePath))
{
    setObjectName(QStringLiteral("frm_ok"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ok"));
    setFixedSize(twipsSize(layout::completionWindow::client));
    setFont(sansSerif(8.25));
    fillBackground(this, Qt::white);
    closeOnEscape(this);

    addLabel(this, u"Label1", tr("Der Vorgang wurde erfolgreich abgeschlossen !"),
             twipsRect(layout::completionWindow::done));
    addLabel(this, u"Label2", tr("Datei kann nun in Pro/E unter"),
             twipsRect(layout::completionWindow::loadIn));
    addLabel(this, u"Label8", tr("-> Tools -> Optionen"),
             twipsRect(layout::completionWindow::menuPath));
    addLabel(this, u"Label3", tr("geladen werden."), twipsRect(layout::completionWindow::loaded));

    auto* picture = new ClickableImage(QStringLiteral("img_fertig"),
                                       QStringLiteral(":/pictures/fertig.png"), this);
    placeTwips(picture, layout::completionWindow::picture);
    connect(picture, &ClickableImage::clicked, this, &QWidget::close);

    auto* edit = new QPushButton(tr("Datei editieren"), this);
    edit->setObjectName(QStringLiteral("cmd_edit"));
    placeTwips(edit, layout::completionWindow::editButton);
    connect(edit, &QPushButton::clicked, this, &CompletionWindow::editBatchFile);

    if (followRun) {
        auto* follow = new QPushButton(tr("Lauf verfolgen"), this);
        follow->setObjectName(QStringLiteral("cmd_verfolgen"));
        placeTwips(follow, layout::completionWindow::followButton);
        connect(follow, &QPushButton::clicked, this, [this, followRun] {
            followRun();
            close();
        });
    }

    auto* closeIcon =
        new ClickableImage(QStringLiteral("img_ex6"), QStringLiteral(":/icons/close.png"), this);
    closeIcon->setToolTip(QStringLiteral("ok"));
    placeTwips(closeIcon, layout::completionWindow::closeImage);
    connect(closeIcon, &ClickableImage::clicked, this, &QWidget::close);

    auto* closeTimer = new QTimer(this);
    closeTimer->setObjectName(QStringLiteral("Timer1"));
    closeTimer->setSingleShot(true);
    connect(closeTimer, &QTimer::timeout, this, &QWidget::close);
    closeTimer->start(kCloseAfterMs);

    Sound::instance().play(QStringLiteral("MAPKEY.WAV"));
}

void CompletionWindow::editBatchFile()
{
    // Without an associated program nothing opens; the user learns why.
    const Result<> opened = platform::Shell::instance().open(m_batchFilePath());
    if (!opened.ok())
        inform(parentWidget(), opened.error());
    close();
}

void CompletionWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // A one-line frame along the four edges.
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(QPoint(0, 0), twipsSize(layout::completionWindow::outline)));
}

} // namespace kettwerk::ui
