#include "ui/HelpWindow.h"

#include "core/Templates.h"
#include "platform/Shell.h"
#include "ui/EscapeKey.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Painting.h"
#include "ui/Palette.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kettwerk::ui {
namespace {

QLabel* addLabel(QWidget* parent, const char16_t* name, const QString& text, QRect place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf16(name));
    label->setGeometry(place);
    return label;
}

} // namespace

HelpWindow::HelpWindow(const QRect& ownerFrame, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_help"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The version goes into the title: the window's designed face has no
    // place for it.
    setWindowTitle(tr("Kettwerk Info – Version %1").arg(QCoreApplication::applicationVersion()));
    setWindowIcon(QIcon(QStringLiteral(":/icons/info.png")));
    setFixedSize(twipsSize(layout::helpWindow::client));
    setFont(sansSerif(8.25));
    fillBackground(this, palette::kLightGrey);
    closeOnEscape(this);

    addLabel(this, u"Label1", tr("Juni 2025, Kettwerk-Team"),
             twipsRect(layout::helpWindow::dateAndAuthor));

    auto* usage = new QPlainTextEdit(usageText(), this);
    usage->setObjectName(QStringLiteral("Text1"));
    usage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    usage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    usage->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    placeTwips(usage, layout::helpWindow::usage);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmd_ok"));
    placeTwips(ok, layout::helpWindow::ok);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    addLabel(this, u"Label2", tr("Kontakt:"), twipsRect(layout::helpWindow::contactCaption));

    m_contactLink =
        addLabel(this, u"Label6", contactAddress(), twipsRect(layout::helpWindow::contactLink));
    QFont link = sansSerif(8.25);
    link.setUnderline(true);
    m_contactLink->setFont(link);
    QPalette blue = m_contactLink->palette();
    blue.setColor(QPalette::WindowText, palette::kLinkBlue);
    m_contactLink->setPalette(blue);
    m_contactLink->setCursor(Qt::PointingHandCursor);
    m_contactLink->setToolTip(tr("E-Mail an den Autor"));
    // A label has no click signal; its mouse release is watched instead.
    m_contactLink->installEventFilter(this);

    const int offset = px(layout::helpWindow::offset);
    move(ownerFrame.topLeft() + QPoint(offset, offset));
}

QString HelpWindow::usageText()
{
    // The blanks at the ends of some lines belong to the text, and the steps
    // really are numbered 1, 2, 3, 5, 4.
    QString text =
        tr("Mit dem Kettwerk können mehrere Mapkeys für viele Dateien \n"
           "ausgeführt werden.\n"
           "Die Funktionsweise ist wie folgt:\n"
           "1.) Liste der zu bearbeitenden Dateien in die Zwischenablage\n"
           "2.) Einfügen in die Liste von Kettwerk\n"
           "3.) Abzuarbeitende Mapkeys einstellen. Es wird eine Datei mit Namen doit.pro \n"
           "erzeugt. Ablageort kann im Programm eingestellt werden.\n"
           "5.) Starten von Pro/ENGINEER\n"
           "4.) führen Sie den Mapkey auto in Pro/ENGINEER aus.\n"
           "\n"
           "Der Mapkey auto muß in der config.pro definiert sein. Er kann auch über einen \n"
           "einfachen Klick in diesem Tool in die Konfiguration implementiert werden.");
    text += QStringLiteral("\n\n");
    // The lines exactly as config.pro receives them, so that they can be
    // copied from here; the field wraps them for reading.
    for (const QString& line : templates::autoBlock())
        text += line + u'\n';
    text += u'\n';
    text += tr("Der Autor übernimmt keine Garantie für die Funktionsweise des Programms \n"
               "oder eventuellen Datenverlust der durch die Verwendung des Programms enstanden "
               "ist.");
    text += u'\n';
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

QString HelpWindow::contactAddress()
{
    return QStringLiteral("kettwerk@example.org");
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_contactLink && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton &&
            m_contactLink->rect().contains(release->position().toPoint())) {
            openContactMail();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::openContactMail()
{
    const Result<> opened =
        platform::Shell::instance().open(QStringLiteral("mailto:") + contactAddress());
    if (!opened.ok())
        inform(this, opened.error());
}

} // namespace kettwerk::ui
