#include "core/Language.h"
#include "support/MainWindowFixture.h"
#include "ui/DriveBox.h"
#include "ui/FolderList.h"

#include <QClipboard>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>

using namespace kettwerk;
using namespace Qt::StringLiterals;

// Umlauts, ß, German quotation marks, words that German sentences can hardly
// do without, and German word forms (Datei..., ...ung, ...ktion, aus...en).
static bool looksGerman(const QString& line)
{
    static const QRegularExpression german(
        u"[äöüÄÖÜß„]|\\b(der|die|das|den|dem|des|und|oder|nicht|mit|für|von|zu|auf|im|ein|eine|"
        "einer|wird|werden|wurde|ist|sind|kann|nun|Sie|bitte|alle|Liste|Ordner|Laufwerk|Eintrag|"
        "Speicherort|eingeben|anlegen|zuweisen|Fehler|Kontakt|Juni|Abschluss|Funktionen|Menue|"
        "Grund|Aufruf|Datei\\w*|\\w+ungen?|\\w+ktion|aus\\w+en)\\b"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return german.match(line).hasMatch();
}

// The window in English: a whole batch, from a pasted list through a check
// with findings to doit.pro and config.pro, leaves no German on any control,
// in any explanation or message, and writes the same files as in German:
// the mapkey texts are never translated.
class TestEnglish : public QObject
{
    Q_OBJECT
    MainWindowFixture m_ui;
    QStringList m_seen;

    // What every window shows at this moment, the hidden panels included (the
    // messages are looked at once, at the end);
    // folder and drive lists show the disk's names, which no translation touches.
    void look()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (QWidget* widget : window->findChildren<QWidget*>() + QWidgetList{window}) {
                if (qobject_cast<ui::FolderList*>(widget) || qobject_cast<ui::DriveBox*>(widget))
                    continue;
                for (const char* property :
                     {"windowTitle", "toolTip", "accessibleName", "text", "placeholderText",
                      "plainText", "title", "currentText"})
                    m_seen << widget->property(property).toString();
            }
        }
    }
    void press(const char* button) { m_ui.press(button), look(); }

private Q_SLOTS:
    void noGermanIsLeftAndTheFilesStayTheSame()
    {
        qputenv("KETTWERK_LANG", "en");
        QVERIFY(installTranslation(userLanguage()));
        m_ui.open();
        look(); // the explanation label's first caption among them
        // Every explanation of the main window, brought up as the pointer would.
        for (QWidget* widget : m_ui.window->findChildren<QWidget*>()) {
            QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &move);
            m_seen << m_ui.find<QLabel>("Erklaer")->text();
        }
        m_ui.press("cmd_file"); // nothing marked yet
        QGuiApplication::clipboard()->setText(u"E:\\proj\\a b.drw.3\n"_s);
        m_ui.openMenu();
        press("cmd_paste");
        press("cmd_file");                   // the blank's finding is asked about at last
        m_ui.enterMapkeys(u"ds;%missing"_s); // the mapkey window stays, hidden, for a look
        look();
        press("cmd_fcreate"); // warnings about both, then the question; the completion window
        QCOMPARE(readBytes(m_ui.file(u"doit.pro"_s)), oneFileBatch("a b.drw", "ds;%missing"));
        m_ui.press("cmd_auto");
        QCOMPARE(readBytes(m_ui.file(u"config.pro"_s)), kAutoBlock);
        press("Image1");
        QCOMPARE(m_ui.messages().size(), 4);

        // What goes into config.pro is German in every language; the info
        // window's picture of it may be too.
        QStringList german;
        for (const QString& line : (m_seen + m_ui.messages()).join(u'\n').split(u'\n')) {
            if (looksGerman(line) && !QString::fromLatin1(kAutoBlock).contains(line.trimmed()))
                german << line;
        }
        QVERIFY2(german.isEmpty(), qPrintable(german.join(u'\n')));
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
