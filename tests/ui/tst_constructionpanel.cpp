#include "BlockField.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "Templates.h"
#include "TestEnvironment.h"
#include "WidgetLookup.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace kettwerk;
using kettwerk::ui::BlockField;
using kettwerk::ui::MainWindow;

// The construction panel, opened with Ctrl+K: edited blocks and replace-all.
class TestConstructionPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void shortcutOpensAndCancelHides();
    void okComposesWithTheEditedFunctionBlock();
    void replaceUsesRepeatedPassesButEndsForGrowingArguments_data();
    void replaceUsesRepeatedPassesButEndsForGrowingArguments();
    void tooShortOpenStepComposesNothing();

private:
    QWidget* panel() { return control<QWidget>(m_window.get(), "Frame1"); }
    BlockField* block(const char* name) { return control<BlockField>(m_window.get(), name); }

    TestSettings m_settings;
    std::unique_ptr<MainWindow> m_window;
};

void TestConstructionPanel::initTestCase()
{
    platform::MessageBox::setRecording(true);
}

void TestConstructionPanel::init()
{
    m_settings.clear();
    platform::MessageBox::clearRecorded();
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_K, Qt::ControlModifier);
    QVERIFY(panel()->isVisible());
}

void TestConstructionPanel::cleanup()
{
    m_window->close();
    m_window.reset();
}

void TestConstructionPanel::shortcutOpensAndCancelHides()
{
    QCOMPARE(block("txt_kopf")->text(), templates::headerBlock());
    QCOMPARE(block("txt_open")->text(), templates::openStep());
    QCOMPARE(block("txt_end")->text(), templates::closingLine());
    click(control<QPushButton>(panel(), "cmd_cancel"));
    QVERIFY(!panel()->isVisible());
    QVERIFY(!control<QWidget>(m_window.get(), "cmd_fcreate")->isVisible());
}

void TestConstructionPanel::okComposesWithTheEditedFunctionBlock()
{
    m_window->setSelection({QStringLiteral("a.drw")});
    block("txt_individ")->setText(QStringLiteral("`;\\\r\nmapkey(continued) ~ x;\\\r\n"));
    click(control<QPushButton>(panel(), "cmd_individ"));
    QVERIFY(!panel()->isVisible());
    QVERIFY(control<QWidget>(m_window.get(), "cmd_fcreate")->isVisible());
    QVERIFY(m_window->mapkeyText().contains(
        QStringLiteral("`a.drw`;\\\r\nmapkey(continued) ~ x;\\\r\nmapkey(continued) ~ ;\r\n")));
}

void TestConstructionPanel::replaceUsesRepeatedPassesButEndsForGrowingArguments_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("repeated passes") << "aaaa"
                                     << "aa"
                                     << "a"
                                     << "a";
    QTest::newRow("would grow forever") << "x-x"
                                        << "x"
                                        << "xx"
                                        << "xx-xx";
    QTest::newRow("empty search") << "abc"
                                  << ""
                                  << "X"
                                  << "Xabc";
}

void TestConstructionPanel::replaceUsesRepeatedPassesButEndsForGrowingArguments()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    block("txt_individ")->setText(text);
    control<QLineEdit>(panel(), "txt_ers1")->setText(search);
    control<QLineEdit>(panel(), "txt_ers2")->setText(replacement);
    click(control<QPushButton>(panel(), "cmd_replace"));
    QCOMPARE(block("txt_individ")->text(), expected);
}

void TestConstructionPanel::tooShortOpenStepComposesNothing()
{
    block("txt_open")->setPlainText(QStringLiteral("`"));
    QCOMPARE(block("txt_open")->text(), QStringLiteral("`"));
    click(control<QPushButton>(panel(), "cmd_individ"));
    QCOMPARE(platform::MessageBox::recorded().size(), 1);
    QVERIFY(m_window->mapkeyText().isEmpty());
    QVERIFY(!control<QWidget>(m_window.get(), "cmd_fcreate")->isVisible());
    QVERIFY(panel()->isVisible());
}

QTEST_MAIN(TestConstructionPanel)
#include "tst_constructionpanel.moc"
