#include "ui/MapkeyWindow.h"

#include "core/MapkeyDefinitions.h"
#include "ui/EscapeKey.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"
#include "ui/Twips.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>

namespace kettwerk::ui {

namespace {

constexpr int kNameRole = Qt::UserRole + 1;

} // namespace

MapkeyWindow::MapkeyWindow(const QString& names, bool logProgress,
                           const MapkeyDefinitions& definitions, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frm_mapkeyneu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Mapkey ausführen"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kettwerk.png")));
    setFixedSize(twipsSize(layout::mapkeyWindow::client));
    setFont(sansSerif(8.25));
    closeOnEscape(this);

    auto* warning = new QLabel(
        tr("bei der Ausführung dieses Mapkeys wird NICHT automatisch gespeichert !"), this);
    warning->setObjectName(QStringLiteral("Label3"));
    warning->setWordWrap(true);
    warning->setFont(sansSerif(8.25, QFont::Bold));
    warning->setAutoFillBackground(true);
    warning->setStyleSheet(palette::backgroundStyle(palette::kWarningRed));
    placeTwips(warning, layout::mapkeyWindow::warning);

    auto* prompt = new QLabel(tr("Name des Mapkeys eingeben:"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    placeTwips(prompt, layout::mapkeyWindow::prompt);

    m_namesField = new QLineEdit(names, this);
    m_namesField->setObjectName(QStringLiteral("txt_mapkeyname"));
    placeTwips(m_namesField, layout::mapkeyWindow::namesField);
    // Selected, so that typing replaces the last names and Enter keeps them.
    m_namesField->selectAll();
    m_namesField->setFocus();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmd_mapkeyok"));
    ok->setDefault(true);
    placeTwips(ok, layout::mapkeyWindow::ok);

    buildHint();
    m_logProgress = new QCheckBox(tr("Fortschritt in doit.log protokollieren"), this);
    m_logProgress->setObjectName(QStringLiteral("chk_protokoll"));
    m_logProgress->setChecked(logProgress);
    m_logProgress->setToolTip(tr("Der Batch notiert beim Lauf in doit.log, welche Datei er "
                                 "gerade öffnet. Strg+L im Hauptfenster zeigt den Lauf."));
    placeTwips(m_logProgress, layout::mapkeyWindow::logCheckBox);
    offerNames(definitions);
    setTabOrder(m_namesField, ok);
    setTabOrder(ok, m_logProgress);
    connect(ok, &QPushButton::clicked, this, &MapkeyWindow::onOkClicked);
    connect(m_namesField, &QLineEdit::returnPressed, this, [this] {
        // Enter in the offered names picks one; only a plain Enter means OK.
        if (!m_completer->popup()->isVisible())
            onOkClicked();
    });
}

void MapkeyWindow::offerNames(const MapkeyDefinitions& definitions)
{
    m_offered = new QStandardItemModel(this);
    for (const QString& name : definitions.names()) {
        const Definition* definition = definitions.find(name);
        auto* item =
            new QStandardItem(definition->description.isEmpty()
                                  ? name
                                  : name + QStringLiteral("  –  ") + definition->description);
        item->setData(name, kNameRole);
        m_offered->appendRow(item);
    }
    m_completer = new QCompleter(m_offered, this);
    m_completer->setCompletionRole(kNameRole);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setWidget(m_namesField);
    connect(m_namesField, &QLineEdit::textEdited, this, &MapkeyWindow::onTextEdited);
    connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { onNamePicked(index.data(kNameRole).toString()); });
    // The field's own menu gains a way to name further config.pro files.
    m_namesField->installEventFilter(this);
}

std::optional<NameSpan> MapkeyWindow::nameAtCursor() const
{
    return nameSpanAt(m_namesField->text(), m_namesField->cursorPosition());
}

void MapkeyWindow::onTextEdited()
{
    const std::optional<NameSpan> name = nameAtCursor();
    const QString typed =
        name ? m_namesField->text().mid(name->start, m_namesField->cursorPosition() - name->start)
             : QString();
    m_completer->setCompletionPrefix(typed);
    if (typed.isEmpty() || m_completer->completionCount() == 0) {
        m_completer->popup()->hide();
        return;
    }
    m_completer->complete();
}

void MapkeyWindow::onNamePicked(const QString& name)
{
    // The picked name takes the place of the one being typed, up to the next item.
    const std::optional<NameSpan> typed = nameAtCursor();
    if (!typed)
        return;
    QString text = m_namesField->text();
    text.replace(typed->start, typed->length, name);
    m_namesField->setText(text);
    m_namesField->setCursorPosition(int(typed->start + name.size()));
}

bool MapkeyWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_namesField && event->type() == QEvent::ContextMenu) {
        QMenu* menu = m_namesField->createStandardContextMenu();
        menu->addSeparator();
        menu->addAction(tr("Weitere config.pro mit Mapkeys hinzufügen …"), this,
                        &MapkeyWindow::onAddConfigFile);
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        delete menu;
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MapkeyWindow::onAddConfigFile()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("config.pro mit Mapkeys"), QString(),
                                     tr("Pro/ENGINEER-Konfiguration (*.pro);;Alle Dateien (*)"));
    if (!path.isEmpty())
        Q_EMIT configFileAdded(path);
}

void MapkeyWindow::buildHint()
{
    auto* hint = new QFrame(this);
    hint->setObjectName(QStringLiteral("Frame1"));
    hint->setFrameShape(QFrame::Box);
    hint->setStyleSheet(
        palette::backgroundStyle(palette::kPaleYellow, QColor(), QStringLiteral("#Frame1")));
    placeTwips(hint, layout::mapkeyWindow::hint);
    auto* hintText = new QLabel(tr("mehrere Mapkeys mit \";\" und \"%\" trennen, z.B.: "), hint);
    hintText->setObjectName(QStringLiteral("Label2"));
    hintText->setWordWrap(true);
    placeTwips(hintText, layout::mapkeyWindow::hintText);
    // An example only; nothing reads it.
    auto* example = new QLineEdit(QStringLiteral("+;%bb;%00;"), hint);
    example->setObjectName(QStringLiteral("Text1"));
    example->setFont(sansSerif(13.5));
    example->setStyleSheet(palette::backgroundStyle(palette::kPaleYellow, palette::kExampleGrey));
    placeTwips(example, layout::mapkeyWindow::example);
}

QString MapkeyWindow::mapkeyNames() const
{
    return m_namesField->text();
}

bool MapkeyWindow::logProgress() const
{
    return m_logProgress->isChecked();
}

void MapkeyWindow::onOkClicked()
{
    Q_EMIT namesEntered(m_namesField->text(), m_logProgress->isChecked());
    close();
}

} // namespace kettwerk::ui
