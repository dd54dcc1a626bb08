// What the file-list panel's buttons do.
#include "ClickableImage.h"
#include "ClipboardLines.h"
#include "FileList.h"
#include "FileListPanel.h"
#include "MenuPanel.h"
#include "MessageBox.h"
#include "NameRules.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>

namespace kettwerk::ui {

void FileListPanel::connectMenu()
{
    MenuPanel* menu = kontextmenue;
    connect(menu->cmd_paste, &QPushButton::clicked, this, &FileListPanel::cmd_paste_Click);
    connect(menu->cmd_all, &QPushButton::clicked, this, &FileListPanel::cmd_all_Click);
    connect(menu->cmd_nono, &QPushButton::clicked, this, &FileListPanel::cmd_nono_Click);
    connect(menu->cmd_clearlist, &QPushButton::clicked, this, &FileListPanel::cmd_clearlist_Click);
    connect(menu->cmd_einzel, &QPushButton::clicked, this, &FileListPanel::cmd_einzel_Click);
    connect(menu->cmd_quit, &QPushButton::clicked, this, &FileListPanel::cmd_quit_Click);
    // The suffix buttons rewrite every entry, marked or not, and leave the menu open.
    connect(menu->cmd_Z, &QPushButton::clicked, this,
            [this] { m_fileList->appendSuffix(QStringLiteral(".drw")); });
    connect(menu->cmd_P, &QPushButton::clicked, this,
            [this] { m_fileList->appendSuffix(QStringLiteral(".prt")); });
    connect(menu->cmd_ZZ, &QPushButton::clicked, this,
            [this] { m_fileList->stripSuffix(QStringLiteral(".drw")); });
    connect(menu->cmd_PP, &QPushButton::clicked, this,
            [this] { m_fileList->stripSuffix(QStringLiteral(".prt")); });
    connect(menu->filebrowser, &ClickableImage::clicked, this, &FileListPanel::browserRequested);
}

void FileListPanel::cmd_paste_Click()
{
    // Split in memory: nothing is written to disk, so a missing or read-only
    // working folder cannot cost the user the list.
    const QString text = QGuiApplication::clipboard()->text();
    m_fileList->setEntries(clipboardEntries(text), false);
    Q_EMIT statusMessage(QStringLiteral("Zwischenablage eingefügt"));
    cmd_all_Click();
}

void FileListPanel::cmd_all_Click()
{
    m_fileList->markAll();
    kontextmenue->hide();
}

void FileListPanel::cmd_nono_Click()
{
    m_fileList->unmarkAll();
    kontextmenue->hide();
}

void FileListPanel::cmd_clearlist_Click()
{
    // The selection of an earlier hand-over stays.
    m_fileList->clear();
    kontextmenue->hide();
}

void FileListPanel::cmd_einzel_Click()
{
    txt_hand->show();
    txt_hand->raise();
    txt_hand->setFocus();
    kontextmenue->hide();
}

void FileListPanel::cmd_quit_Click()
{
    kontextmenue->hide();
}

void FileListPanel::txt_hand_Enter()
{
    // The text stays in the field for the next entry.
    if (txt_hand->text().isEmpty())
        return;
    m_fileList->append(txt_hand->text());
    txt_hand->hide();
}

void FileListPanel::img_ex3_Click()
{
    hide();
    kontextmenue->hide();
}

void FileListPanel::cmd_file_Click()
{
    const QStringList marked = m_fileList->markedEntries();
    if (marked.isEmpty()) {
        m_selection->setStringList({});
        inform(this, QStringLiteral("Bitte Dateien auswählen !"));
        return;
    }
    m_selection->setStringList(handOver(marked));
    hide();
    kontextmenue->hide();
    lbl_count->setText(QString::number(m_selection->rowCount()));
    Q_EMIT statusMessage(lbl_count->text() +
                         QStringLiteral(" Dateien gewählt. Mapkey kann nun erstellt werden."));
    Q_EMIT handedOver();
}

} // namespace kettwerk::ui
