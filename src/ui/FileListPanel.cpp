#include "ui/FileListPanel.h"

#include "core/BatchCheck.h"
#include "core/BatchJob.h"
#include "filelist/FileList.h"
#include "filelist/ListText.h"
#include "filelist/NameRules.h"
#include "ui/ClickableImage.h"
#include "ui/DropTarget.h"
#include "ui/Fonts.h"
#include "ui/MenuPanel.h"
#include "ui/MessageBox.h"
#include "ui/Painting.h"
#include "ui/Palette.h"
#include "ui/Twips.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace kettwerk::ui {
namespace {

// Draws the entries that the check found something about in red; the
// finding itself is the entry's tool tip.
class FindingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(FileListModel::FindingRole).isValid()) {
            for (const auto group : {QPalette::Active, QPalette::Inactive})
                option->palette.setColor(group, QPalette::Text, Qt::red);
        }
    }
};

} // namespace

FileListPanel::FileListPanel(BatchJob& job, QWidget* parent)
    : QFrame(parent), m_job(job), m_fileList(new FileList(this))
{
    setObjectName(QStringLiteral("Frame3"));
    fillBackground(this, palette::kTeal);
    placeTwips(this, layout::fileListPanel::panel);

    auto* instruction =
        new QLabel(tr("klicken Sie mit der rechte Maustaste in das weiße Feld um die Liste zu "
                      "bearbeiten. Es werden nur die markierten Einträge bearbeitet."),
                   this);
    instruction->setObjectName(QStringLiteral("Label6"));
    instruction->setWordWrap(true);
    instruction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(instruction, layout::fileListPanel::instruction);

    m_listView = new QListView(this);
    m_listView->setObjectName(QStringLiteral("List_File1"));
    m_listView->setModel(m_fileList->model());
    m_listView->setSelectionModel(m_fileList->marks());
    m_listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listView->setItemDelegate(new FindingDelegate(m_listView));
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Uniform rows keep a list of 100,000 entries from measuring every row.
    m_listView->setUniformItemSizes(true);
    m_listView->setMouseTracking(true);
    m_listView->viewport()->setMouseTracking(true);
    m_listView->viewport()->installEventFilter(this);
    m_dropTarget = new DropTarget(m_listView->viewport());
    m_listView->installEventFilter(this);
    placeTwips(m_listView, layout::fileListPanel::list);

    auto* handOver = new QPushButton(QStringLiteral("ok"), this);
    handOver->setObjectName(QStringLiteral("cmd_file"));
    handOver->setFont(sansSerif(9.75, QFont::Bold));
    placeTwips(handOver, layout::fileListPanel::handOverButton);
    m_handOverButton = handOver;

    auto* close =
        new ClickableImage(QStringLiteral("img_ex3"), QStringLiteral(":/icons/close.png"), this);
    close->setToolTip(tr("Dateiauswahl ausblenden"));
    placeTwips(close, layout::fileListPanel::closeImage);

    m_singleEntryField = new QLineEdit(this);
    m_singleEntryField->setObjectName(QStringLiteral("txt_hand"));
    m_singleEntryField->setStyleSheet(palette::backgroundStyle(palette::kPaleYellow));
    placeTwips(m_singleEntryField, layout::fileListPanel::singleEntryField);
    m_singleEntryField->hide();

    m_menu = new MenuPanel(this);
    m_menu->hide();

    setTabOrder(m_listView, handOver);
    // Whoever gives the panel the focus means the list.
    setFocusProxy(m_listView);

    connectMenu();
    connectDrops();
    connect(m_singleEntryField, &QLineEdit::returnPressed, this,
            &FileListPanel::onSingleEntryEntered);
    connect(close, &ClickableImage::clicked, this, &FileListPanel::onCloseClicked);
    connect(handOver, &QPushButton::clicked, this, &FileListPanel::onHandOverClicked);
}

void FileListPanel::connectMenu()
{
    connect(m_menu, &MenuPanel::pasteClicked, this, &FileListPanel::onPasteClicked);
    connect(m_menu, &MenuPanel::markAllClicked, this, &FileListPanel::onMarkAllClicked);
    connect(m_menu, &MenuPanel::unmarkAllClicked, this, [this] {
        m_fileList->unmarkAll();
        hideMenu();
    });
    connect(m_menu, &MenuPanel::clearClicked, this, [this] {
        // The selection of an earlier hand-over stays.
        m_fileList->clear();
        hideMenu();
    });
    connect(m_menu, &MenuPanel::singleEntryClicked, this, &FileListPanel::onSingleEntryClicked);
    // The suffix buttons rewrite every entry, marked or not, and leave the menu open.
    connect(m_menu, &MenuPanel::appendSuffixClicked, m_fileList, &FileList::appendSuffix);
    connect(m_menu, &MenuPanel::stripSuffixClicked, m_fileList, &FileList::stripSuffix);
    connect(m_menu, &MenuPanel::browserClicked, this, &FileListPanel::browserRequested);
    connect(m_menu, &MenuPanel::quitClicked, this, &FileListPanel::hideMenu);
}

void FileListPanel::connectDrops()
{
    // Text is imported as the clipboard is; files and folders are added,
    // marked as pasted entries are.
    connect(m_dropTarget, &DropTarget::textDropped, this, &FileListPanel::importText);
    connect(m_dropTarget, &DropTarget::filesDropped, this,
            [this](const QStringList& entries) { m_fileList->appendEntries(entries, true); });
    connect(m_dropTarget, &DropTarget::folderUnreadable, this, [this](const QString& folder) {
        Q_EMIT statusMessage(tr("Ordner nicht lesbar: %1").arg(QDir::toNativeSeparators(folder)));
    });
}

void FileListPanel::hideMenu()
{
    m_menu->hide();
}

void FileListPanel::setFolderFilter(const QString& filter)
{
    m_dropTarget->setFolderFilter(filter);
}

QList<QWidget*> FileListPanel::tabStops() const
{
    return {m_listView, m_handOverButton};
}

bool FileListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_listView->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            // X as the list itself measures it, from its own left edge.
            const QPoint inList =
                m_listView->viewport()->mapTo(m_listView, move->position().toPoint());
            placeMenuAt(twips(inList.x()));
        } else if (event->type() == QEvent::MouseButtonPress ||
                   event->type() == QEvent::MouseButtonDblClick) {
            const auto button = static_cast<QMouseEvent*>(event)->button();
            onListPressed(button);
            // Only the left button marks entries.
            return button != Qt::LeftButton;
        }
    } else if (watched == m_listView && event->type() == QEvent::KeyPress) {
        // Marks changed from the keyboard put the single-entry field away.
        m_singleEntryField->hide();
        if (runListKey(*static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QFrame::eventFilter(watched, event);
}

void FileListPanel::placeMenuAt(int xTwips)
{
    // A shown menu stays where it was shown.
    if (m_menu->isVisible())
        return;
    // The list starts a little way into the panel, so the menu opens just
    // left of the pointer. Nothing keeps it inside the panel.
    moveTwips(m_menu, xTwips + layout::fileListPanel::menuOffset, layout::menuPanel::panel.top);
}

void FileListPanel::onListPressed(Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        m_menu->show();
        m_menu->raise();
    } else if (button == Qt::LeftButton) {
        hideMenu();
        m_singleEntryField->hide();
    }
}

void FileListPanel::onPasteClicked()
{
    importText(QGuiApplication::clipboard()->text());
}

void FileListPanel::importText(const QString& text)
{
    // Split in memory: nothing is written to disk, so a missing or read-only
    // working folder cannot cost the user the list.
    m_fileList->setEntries(listEntries(text), false);
    Q_EMIT statusMessage(tr("Zwischenablage eingefügt"));
    onMarkAllClicked();
}

bool FileListPanel::runListKey(const QKeyEvent& key)
{
    const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.matches(QKeySequence::Paste))
        onPasteClicked();
    else if (key.matches(QKeySequence::SelectAll))
        onMarkAllClicked();
    else if (key.matches(QKeySequence::Delete))
        removeMarked();
    else if ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && !modifiers)
        onHandOverClicked();
    else
        return false;
    return true;
}

void FileListPanel::removeMarked()
{
    const qsizetype removed = m_fileList->removeMarked();
    if (removed == 0)
        return;
    hideMenu(); // as "Liste löschen" does
    Q_EMIT statusMessage(removed == 1 ? tr("1 Eintrag aus der Liste entfernt")
                                      : tr("%1 Einträge aus der Liste entfernt").arg(removed));
}

void FileListPanel::onMarkAllClicked()
{
    m_fileList->markAll();
    hideMenu();
}

void FileListPanel::onSingleEntryClicked()
{
    m_singleEntryField->show();
    m_singleEntryField->raise();
    m_singleEntryField->setFocus();
    hideMenu();
}

void FileListPanel::onSingleEntryEntered()
{
    // The text stays in the field for the next entry. Pasted lines become
    // entries of their own: a line break never goes into the list.
    const QString text = m_singleEntryField->text();
    if (text.isEmpty())
        return;
    QStringList entries = splitLines(text);
    entries.removeAll(QString());
    m_fileList->appendEntries(entries, false);
    m_singleEntryField->hide();
}

void FileListPanel::onCloseClicked()
{
    hide();
    hideMenu();
}

void FileListPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_singleEntryField->hide();
    event->accept(); // the window behind must not take it for its own surface
}

void FileListPanel::onHandOverClicked()
{
    const QStringList marked = m_fileList->markedEntries();
    if (marked.isEmpty()) {
        m_job.setSelection({});
        inform(this, tr("Bitte Dateien auswählen !"));
        return;
    }
    m_job.setSelection(handOver(marked));
    markFindings();
    hide();
    hideMenu();
    Q_EMIT statusMessage(tr("%n Dateien gewählt. Mapkey kann nun erstellt werden.", nullptr,
                            int(m_job.selection().size())));
    Q_EMIT handedOver();
}

void FileListPanel::markFindings()
{
    // The findings concern the reduced names; every marked entry that gave
    // such a name shows them.
    QHash<QString, QString> byName;
    for (const Finding& finding : checkFileNames(m_job.selection())) {
        QString& text = byName[m_job.selection().at(finding.entry)];
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + finding.text;
    }
    QHash<qsizetype, QString> byRow;
    if (!byName.isEmpty()) {
        for (qsizetype row = 0; row < m_fileList->count(); ++row) {
            if (!m_fileList->isMarked(row))
                continue;
            const auto found = byName.constFind(reducedName(m_fileList->text(row)));
            if (found != byName.constEnd())
                byRow.insert(row, *found);
        }
    }
    m_fileList->setFindings(byRow);
}

void FileListPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawOutline(painter, this);
}

} // namespace kettwerk::ui
