#include "MapkeyWindow.h"

#include "Fonts.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "Twips.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kettwerk::ui {

MapkeyWindow::MapkeyWindow(platform::SettingsStore& settings, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_settings(settings)
{
    setObjectName(QStringLiteral("frm_mapkeyneu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Mapkey ausführen"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kettwerk.png")));
    setFixedSize(px(3540), px(2985));
    setFont(sansSerif(8.25));

    auto* warning = new QLabel(
        QStringLiteral("bei der Ausführung dieses Mapkeys wird NICHT automatisch gespeichert !"),
        this);
    warning->setObjectName(QStringLiteral("Label3"));
    warning->setWordWrap(true);
    warning->setFont(sansSerif(8.25, QFont::Bold));
    warning->setAutoFillBackground(true);
    warning->setStyleSheet(QStringLiteral("background-color: rgb(255, 128, 128);"));
    placeTwips(warning, 120, 0, 3255, 495);

    auto* prompt = new QLabel(QStringLiteral("Name des Mapkeys eingeben:"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    placeTwips(prompt, 120, 600, 3255, 255);

    m_names = new QLineEdit(QStringLiteral("+;%rt;%00;"), this);
    m_names->setObjectName(QStringLiteral("txt_mapkeyname"));
    placeTwips(m_names, 120, 840, 3255, 375);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmd_mapkeyok"));
    ok->setDefault(true);
    placeTwips(ok, 960, 1320, 1815, 375);

    auto* hint = new QFrame(this);
    hint->setObjectName(QStringLiteral("Frame1"));
    hint->setFrameShape(QFrame::Box);
    hint->setStyleSheet(QStringLiteral("#Frame1 { background-color: rgb(255, 255, 192); }"));
    placeTwips(hint, 120, 1920, 3255, 855);
    auto* hintText =
        new QLabel(QStringLiteral("mehrere Mapkeys mit \";\" und \"%\" trennen, z.B.: "), hint);
    hintText->setObjectName(QStringLiteral("Label2"));
    hintText->setWordWrap(true);
    placeTwips(hintText, 120, 120, 2655, 495);
    auto* example = new QLineEdit(QStringLiteral("+;%bb;%00;"), hint);
    example->setObjectName(QStringLiteral("Text1"));
    example->setFont(sansSerif(13.5));
    example->setStyleSheet(
        QStringLiteral("background-color: rgb(255, 255, 192); color: rgb(64, 64, 64);"));
    placeTwips(example, 1440, 360, 1695, 405);

    setTabOrder(m_names, ok);
    connect(ok, &QPushButton::clicked, this, &MapkeyWindow::cmd_mapkeyok_Click);
    connect(m_names, &QLineEdit::returnPressed, this, &MapkeyWindow::cmd_mapkeyok_Click);

    Form_Load();
}

QString MapkeyWindow::mapkeyNames() const
{
    return m_names->text();
}

void MapkeyWindow::Form_Load()
{
    m_names->setText(m_settings.get(settings::kMapkeyNames, settings::kDefaultMapkeyNames));
    // Selected, so that typing replaces the last names and Enter keeps them.
    m_names->selectAll();
    m_names->setFocus();
}

void MapkeyWindow::cmd_mapkeyok_Click()
{
    const QString names = m_names->text();
    m_settings.set(settings::kMapkeyNames, names);
    m_settings.sync();
    Q_EMIT namesEntered(names);
    close();
}

} // namespace kettwerk::ui
