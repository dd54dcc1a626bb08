#include "core/BatchRun.h"
#include "support/MainWindowFixture.h"
#include "ui/RunWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QTableView>

using namespace kettwerk;
using namespace Qt::StringLiterals;

// The progress window as the user follows a run in it, and the ways there.
class TestRunWindow : public QObject
{
    Q_OBJECT
    MainWindowFixture m_ui;

    // Writes the batch of `names` with its progress log into the test's folder.
    QByteArray writeRun(const QString& names)
    {
        BatchJob job;
        job.setWorkingFolder(m_ui.folder());
        job.setSelection(names.split(u' '));
        // A batch that cannot be composed throws here.
        const bool written = writeBatchFile(job, composeBatch(job).value(), true).ok();
        return written ? readBytes(m_ui.file(u"doit.log"_s)).mid(16, 5) : QByteArray();
    }

private Q_SLOTS:
    void followsTheLogFlagsAStallAndWritesTheRest()
    {
        m_ui.open();
        const QByteArray id = writeRun(u"a.drw b.drw c.drw d.drw e.drw"_s);
        QDateTime now(QDate(2026, 12, 7), QTime(8, 0));
        platform::SettingsStore settings;
        ui::RunWindow window(m_ui.job(), settings, nullptr, [&now] { return now; });
        auto* bar = control<QProgressBar>(&window, "bar_lauf");
        auto* table = control<QTableView>(&window, "tbl_dateien");
        auto* stall = control<QLabel>(&window, "lbl_haenger");
        const auto cell = [table](int row, int column) {
            return table->model()->index(row, column).data().toString();
        };
        // Appends to the log, lets time pass and checks how many files are done.
        const auto step = [&](const QByteArray& bytes, int seconds, int done) {
            QFile log(m_ui.file(u"doit.log"_s));
            QVERIFY(log.open(QIODevice::Append) && log.write(bytes) == bytes.size() && log.flush());
            now = now.addSecs(seconds);
            window.poll();
            QCOMPARE(bar->value(), done);
        };
        QCOMPARE(bar->maximum(), 5);
        QCOMPARE(cell(0, 2), u"wartet"_s);
        step("S 1 " + id + "\r\n", 30, 1);
        QCOMPARE(cell(0, 2), u"läuft"_s);
        // A half-written last line waits for its end.
        step("S 2 " + id + "\nS 3", 40, 2);
        QCOMPARE(cell(0, 2) + cell(0, 3), u"fertig40"_s);
        step(" " + id + "\r\n", 20, 3);
        QCOMPARE(cell(1, 3), u"20"_s);
        // The median is 30 s, so 300 s (the minimum) without a marker is
        // still fine, and one more second is not.
        step("", 300, 3);
        QVERIFY(stall->text().isEmpty());
        step("", 1, 3);
        QCOMPARE(stall->text(), u"Seit 5 min keine Rückmeldung: Nr. 3 c.drw"_s);
        QCOMPARE(cell(2, 2), u"vermutlich hängen geblieben"_s);

        control<QRadioButton>(&window, "opt_ueberspringen")->setChecked(true);
        click(control<QPushButton>(&window, "cmd_rest"));
        QCOMPARE(m_ui.messages().value(0).left(52),
                 u"doit.pro enthält nun die 2 übrigen Dateien ab Nr. 4."_s);
        const QByteArray rest = readBytes(m_ui.file(u"doit.pro"_s));
        QVERIFY(!rest.contains("`c.drw`") && rest.contains("`d.drw`") && rest.contains("`e.drw`"));
        QCOMPARE(bar->maximum(), 2); // the new log is followed
        QCOMPARE(bar->value(), 0);

        // A new run, longer than the one followed, is read from its start.
        writeRun(u"f.drw g.drw h.drw i.drw j.drw k.drw"_s);
        window.poll();
        QCOMPARE(bar->maximum(), 6);
        QCOMPARE(cell(0, 1) + cell(5, 1), u"f.drwk.drw"_s);

        QVERIFY(QFile::remove(m_ui.file(u"doit.log"_s)));
        window.poll();
        QVERIFY(control<QLabel>(&window, "lbl_lauf")->text().contains(u"keine doit.log"_s));
        QCOMPARE(table->model()->rowCount(), 0);
    }
    // From the check box to the completion notice's button; and at start.
    void waysToTheRun()
    {
        m_ui.open();
        m_ui.job().setSelection({u"a.drw"_s});
        m_ui.enterMapkeys(u"ds"_s); // without the log, nothing to follow
        m_ui.press("cmd_fcreate");
        QVERIFY(!openWindow("frm_ok")->findChild<QWidget*>(u"cmd_verfolgen"_s));
        openWindow("frm_ok")->close();
        m_ui.press("cmd_mapkey");
        control<QCheckBox>(openWindow("frm_mapkeyneu"), "chk_protokoll")->setChecked(true);
        click(control<QPushButton>(openWindow("frm_mapkeyneu"), "cmd_mapkeyok"));
        QCOMPARE(platform::SettingsStore().get(settings::kLogProgress, {}), u"1"_s);
        m_ui.press("cmd_fcreate");
        QVERIFY(readBytes(m_ui.file(u"doit.log"_s)).contains("F 1 a.drw"));
        click(control<QPushButton>(openWindow("frm_ok"), "cmd_verfolgen"));
        QVERIFY(openWindow("frm_lauf"));

        // Written, not yet started: nothing to say at start.
        m_ui.open({settings::kLogProgress, u"1"_s});
        QCOMPARE(m_ui.text("lbl_status"), u"Bitte Dateien wählen"_s);
        m_ui.press("cmd_mapkey"); // the stored choice is ticked
        QVERIFY(control<QCheckBox>(openWindow("frm_mapkeyneu"), "chk_protokoll")->isChecked());
        const QByteArray log = readBytes(m_ui.file(u"doit.log"_s));
        QVERIFY(writeBytes(m_ui.file(u"doit.log"_s), log + "S 1 " + log.mid(16, 5) + "\r\n"));
        m_ui.open({settings::kLogProgress, u"1"_s});
        QCOMPARE(m_ui.text("lbl_status"),
                 u"Der Lauf in doit.log ist bei Nr. 1 von 1 stehen geblieben – Strg+L zeigt ihn"_s);
        QVERIFY(!openWindow("frm_lauf"));
        QTest::keyClick(m_ui.window.get(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(openWindow("frm_lauf"));
    }
};

QTEST_MAIN(TestRunWindow)
#include "tst_runwindow.moc"
