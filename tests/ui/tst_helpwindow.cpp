#include "HelpWindow.h"
#include "Shell.h"
#include "Twips.h"
#include "WidgetLookup.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using kettwerk::ui::HelpWindow;
using kettwerk::ui::px;
namespace platform = kettwerk::platform;

// The info window: its usage text, the contact link and its lifetime.
class TestHelpWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanupTestCase();

    void usageTextIsAsDesigned();
    void shellExecFollowsTheShellsConvention_data();
    void shellExecFollowsTheShellsConvention();
    void contactLinkOpensANewMail();
    void opensBelowAndRightOfTheMainWindowsCorner();
    void okUnloadsAndAFreshWindowShowsTheDesignedText();

private:
    QStringList m_opened;
    int m_shellResult = 42;
};

void TestHelpWindow::init()
{
    m_opened.clear();
    m_shellResult = 42;
    platform::setShellOpenHook([this](const QString& path) {
        m_opened.append(path);
        return m_shellResult;
    });
}

void TestHelpWindow::cleanupTestCase()
{
    platform::setShellOpenHook({});
}

void TestHelpWindow::usageTextIsAsDesigned()
{
    const QString text = HelpWindow::usageText();
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    QCOMPARE(lines.size(), 30);
    for (const QString& line : lines) {
        QVERIFY2(!line.contains(u'\r') && !line.contains(u'\n'), qPrintable(line));
        QVERIFY2(!line.endsWith(QStringLiteral("  ")), qPrintable(line));
    }

    QList<int> blankEnded;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].endsWith(u' '))
            blankEnded.append(i + 1);
    }
    QCOMPARE(blankEnded, (QList<int>{1, 6, 11, 15, 20, 21, 25, 29}));

    QStringList steps;
    static const QRegularExpression step(QStringLiteral("^(\\d)\\.\\) "));
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = step.match(line);
        if (match.hasMatch())
            steps.append(match.captured(1));
    }
    QCOMPARE(steps.join(u','), QStringLiteral("1,2,3,5,4"));

    // Every character, umlauts and backquotes included.
    QCOMPARE(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex(),
             QByteArray("0c8b7064c34287ac41e6442f6fceff09a94d1af40d7130397e987cdad04c502e"));
}

void TestHelpWindow::shellExecFollowsTheShellsConvention_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("expected");
    QTest::newRow("33 is success") << 33 << true;
    QTest::newRow("32 is an error") << 32 << false;
    QTest::newRow("file not found") << 2 << false;
    QTest::newRow("zero") << 0 << false;
}

void TestHelpWindow::shellExecFollowsTheShellsConvention()
{
    QFETCH(int, result);
    QFETCH(bool, expected);
    m_shellResult = result;
    QCOMPARE(HelpWindow::ShellExec(QStringLiteral("C:\\temp\\doit.pro"), 1, QStringLiteral("open")),
             expected);
    QCOMPARE(m_opened, QStringList{QStringLiteral("C:\\temp\\doit.pro")});
}

void TestHelpWindow::contactLinkOpensANewMail()
{
    // A failure to open the link shows nothing.
    m_shellResult = 2;
    HelpWindow window(QRect(0, 0, 500, 400));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* link = control<QLabel>(&window, "Label6");
    QCOMPARE(link->text(), QStringLiteral("kettwerk@example.org"));
    click(link);
    QCOMPARE(m_opened, QStringList{QStringLiteral("mailto:kettwerk@example.org")});
    QVERIFY(window.isVisible());
}

void TestHelpWindow::opensBelowAndRightOfTheMainWindowsCorner()
{
    HelpWindow window(QRect(100, 50, 533, 400));
    QCOMPARE(window.pos(), QPoint(100 + px(400), 50 + px(400)));
    QCOMPARE(window.size(), QSize(px(6270), px(4800)));
}

void TestHelpWindow::okUnloadsAndAFreshWindowShowsTheDesignedText()
{
    QPointer<HelpWindow> window = new HelpWindow(QRect(0, 0, 500, 400));
    window->show();
    auto* text = control<QPlainTextEdit>(window, "Text1");
    text->setPlainText(QStringLiteral("edited"));
    click(control<QPushButton>(window, "cmd_ok"));
    QTRY_VERIFY(window.isNull());

    HelpWindow fresh(QRect(0, 0, 500, 400));
    QString shown = control<QPlainTextEdit>(&fresh, "Text1")->toPlainText();
    QCOMPARE(shown.replace(u'\n', QStringLiteral("\r\n")), HelpWindow::usageText());
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
