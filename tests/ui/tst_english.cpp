#include "core/Language.h"
#include "core/Templates.h"
#include "support/MainWindowFixture.h"
#include "ui/DriveBox.h"
#include "ui/FolderList.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QRegularExpression>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

// Umlauts, ß, German quotation marks, words that German sentences can hardly
// do without, and German word forms (Datei..., ...ung, ...ktion, aus...en).
bool looksGerman(const QString& line)
{
    static const QRegularExpression german(
        u"[äöüÄÖÜß„]|\\b(der|die|das|den|dem|des|und|oder|nicht|mit|für|von|zu|auf|im|ein|eine|"
        "einer|wird|werden|wurde|ist|sind|kann|nun|Sie|bitte|alle|Liste|Ordner|Laufwerk|Eintrag|"
        "Speicherort|eingeben|anlegen|zuweisen|Fehler|Kontakt|Juni|Abschluss|Funktionen|Menue|"
        "Grund|Aufruf|Datei\\w*|\\w+ungen?|\\w+ktion|aus\\w+en)\\b"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return german.match(line).hasMatch();
}

// What any of the windows shows of `widget`: its caption or text, tool tip
// and accessible name, and the entries of its lists. Folder and drive lists
// show the disk's names, which no translation touches.
QStringList shownTexts(QWidget* widget)
{
    QStringList texts{widget->windowTitle(), widget->toolTip(), widget->accessibleName()};
    // Labels, buttons, fields, text areas and group boxes.
    for (const char* property : {"text", "placeholderText", "plainText", "title"})
        texts << widget->property(property).toString();
    if (auto* combo = qobject_cast<QComboBox*>(widget);
        combo && !qobject_cast<ui::DriveBox*>(combo)) {
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    if (auto* list = qobject_cast<QListView*>(widget)) {
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            for (int role : {Qt::DisplayRole, Qt::ToolTipRole})
                texts << list->model()->index(row, 0).data(role).toString();
        }
    }
    return texts;
}

} // namespace

// The window in English: a whole batch, from a pasted list through a check
// with findings to doit.pro and config.pro, leaves no German on any control,
// in any explanation or message, and writes the same files as in German.
class TestEnglish : public QObject
{
    Q_OBJECT
    MainWindowFixture m_ui;
    QStringList m_seen;

    // Everything every window shows at this moment, the hidden panels included.
    void look()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            m_seen += shownTexts(window);
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!qobject_cast<ui::FolderList*>(widget))
                    m_seen += shownTexts(widget);
            }
        }
        m_seen += m_ui.messages();
    }
    // Every explanation of the main window, brought up as the pointer would.
    void lookAtExplanations()
    {
        for (QWidget* widget : m_ui.window->findChildren<QWidget*>()) {
            QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &move);
            m_seen << m_ui.find<QLabel>("Erklaer")->text();
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("KETTWERK_LANG", "en");
        QVERIFY(installTranslation(userLanguage()));
    }

    void noGermanIsLeftAndTheFilesStayTheSame()
    {
        m_ui.open();
        look(); // the explanation label's first caption among them
        lookAtExplanations();
        m_ui.press("cmd_file"); // nothing marked yet
        QGuiApplication::clipboard()->setText(u"E:\\proj\\a b.drw.3\n"_s);
        QTest::mouseClick(m_ui.find<QListView>("List_File1")->viewport(), Qt::RightButton);
        m_ui.press("cmd_paste");
        look();
        m_ui.press("cmd_file");
        look(); // the finding about the blank as the entry's tool tip
        m_ui.press("cmd_mapkey");
        look();
        auto* names = control<QLineEdit>(openWindow("frm_mapkeyneu"), "txt_mapkeyname");
        names->setText(u"ds;%missing"_s);
        click(control<QPushButton>(openWindow("frm_mapkeyneu"), "cmd_mapkeyok"));
        look();
        m_ui.press("cmd_fcreate"); // warnings about both, then the question
        look();                    // the completion window is open
        QCOMPARE(readBytes(m_ui.file(u"doit.pro"_s)), oneFileBatch("a b.drw", "ds;%missing"));
        m_ui.press("cmd_auto");
        QCOMPARE(readBytes(m_ui.file(u"config.pro"_s)), kAutoBlock);
        m_ui.press("Image1");
        look();
        QCOMPARE(m_ui.messages().size(), 4);

        // What goes into config.pro is German in every language; the info
        // window's picture of it may be too.
        const QString written = templates::autoBlock().join(u'\n');
        QStringList german;
        for (const QString& text : std::as_const(m_seen)) {
            for (const QString& line : text.split(u'\n')) {
                if (looksGerman(line) && !written.contains(line.trimmed()))
                    german << line;
            }
        }
        german.removeDuplicates();
        QVERIFY2(german.isEmpty(), qPrintable(german.join(u'\n')));
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
