#include "HelpWindow.h"

#include "EscapeKey.h"
#include "Fonts.h"
#include "Painting.h"
#include "Shell.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kettwerk::ui {
namespace {

// The mapkey auto as the usage text shows it, wrapped for reading. The lines
// that go into config.pro are the same in every language, and so is this
// picture of them.
constexpr const char16_t* kAutoMapkeyLines[] = {
    u"! ***** Mapkey auto: *****",
    u"mapkey auto @MAPKEY_NAMEruft doit.pro auf und weist den mapkey doit ",
    u"zu;\\",
    u"mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1 `Utilities`;\\",
    u"mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\",
    u"mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_util_pref`;\\",
    u"mapkey(continued) ~ FocusOut `preferences` `InputOpt`;~ Activate ",
    u"`preferences` ",
    u"`Open`;\\",
    u"mapkey(continued) ~ Select `file_open` `Ph_list.Filelist`1 `doit.pro`;\\",
    u"mapkey(continued) ~ Activate `file_open` `Ph_list.Filelist`1 `doit.pro`;\\",
    u"mapkey(continued) ~ Activate `preferences` `ApplySave`;~ FocusOut ",
    u"`preferences` `InputOpt`;\\",
    u"mapkey(continued) ~ Activate `preferences` `Close`;%doit;",
};

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
    setFixedSize(px(6270), px(4800));
    setFont(sansSerif(8.25));
    fillBackground(this, QColor(224, 224, 224));
    closeOnEscape(this);

    addLabel(this, u"Label1", tr("Juni 2025, Kettwerk-Team"), twipsRect(240, 120, 1935, 255));

    auto* usage = new QPlainTextEdit(usageText(), this);
    usage->setObjectName(QStringLiteral("Text1"));
    usage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    usage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    usage->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    placeTwips(usage, 240, 360, 5895, 3735);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmd_ok"));
    placeTwips(ok, 2280, 4200, 1455, 495);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    addLabel(this, u"Label2", tr("Kontakt:"), twipsRect(3960, 4200, 1095, 255));

    m_contactLink = addLabel(this, u"Label6", contactAddress(), twipsRect(3960, 4440, 2415, 255));
    QFont link = sansSerif(8.25);
    link.setUnderline(true);
    m_contactLink->setFont(link);
    QPalette blue = m_contactLink->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_contactLink->setPalette(blue);
    m_contactLink->setCursor(Qt::PointingHandCursor);
    m_contactLink->setToolTip(tr("E-Mail an den Autor"));
    // A label has no click signal; its mouse release is watched instead.
    m_contactLink->installEventFilter(this);

    const int offset = px(kOffsetTwips);
    move(ownerFrame.topLeft() + QPoint(offset, offset));
}

QString HelpWindow::usageText()
{
    // The blanks at the ends of lines 1, 6, 11, 15, 20, 21, 25 and 29 belong
    // to the text, and the steps really are numbered 1, 2, 3, 5, 4.
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
    for (const char16_t* line : kAutoMapkeyLines)
        text += QString::fromUtf16(line) + u'\n';
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
    // A missing mail program shows nothing; the result is not looked at.
    platform::Shell::instance().open(QStringLiteral("mailto:") + contactAddress());
}

} // namespace kettwerk::ui
