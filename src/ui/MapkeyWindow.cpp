#include "MapkeyWindow.h"

#include "Fonts.h"
#include "Twips.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kettwerk::ui {

MapkeyWindow::MapkeyWindow(const QString& names, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
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

    m_namesField = new QLineEdit(names, this);
    m_namesField->setObjectName(QStringLiteral("txt_mapkeyname"));
    placeTwips(m_namesField, 120, 840, 3255, 375);
    // Selected, so that typing replaces the last names and Enter keeps them.
    m_namesField->selectAll();
    m_namesField->setFocus();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmd_mapkeyok"));
    ok->setDefault(true);
    placeTwips(ok, 960, 1320, 1815, 375);

    buildHint();
    setTabOrder(m_namesField, ok);
    connect(ok, &QPushButton::clicked, this, &MapkeyWindow::onOkClicked);
    connect(m_namesField, &QLineEdit::returnPressed, this, &MapkeyWindow::onOkClicked);
}

void MapkeyWindow::buildHint()
{
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
    // An example only; nothing reads it.
    auto* example = new QLineEdit(QStringLiteral("+;%bb;%00;"), hint);
    example->setObjectName(QStringLiteral("Text1"));
    example->setFont(sansSerif(13.5));
    example->setStyleSheet(
        QStringLiteral("background-color: rgb(255, 255, 192); color: rgb(64, 64, 64);"));
    placeTwips(example, 1440, 360, 1695, 405);
}

QString MapkeyWindow::mapkeyNames() const
{
    return m_namesField->text();
}

void MapkeyWindow::onOkClicked()
{
    Q_EMIT namesEntered(m_namesField->text());
    close();
}

} // namespace kettwerk::ui
