#include "ExpectedBatch.h"
#include "FileBytes.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

// doit.pro for one file and one set of mapkey names, spelt out.
static QByteArray oneFileBatch(const QByteArray& name, const QByteArray& names)
{
    return oneDrawingWithRt()
               .replace("`a.drw`", "`" + name + "`")
               .replace("%rt;", "%" + names + ";") +
           "\r\n";
}

// kettwerk-batch, run as a user's script would run it.
class TestBatchCommand : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::optional<QTemporaryDir> m_config; // fresh settings for every test
    QByteArray m_out;
    QString m_err;

    QString file(const QString& name) const { return m_dir.filePath(name); }
    // Runs the program; returns its exit code and keeps what it printed.
    int run(const QStringList& arguments, const QByteArray& input = {})
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_s, m_config->path());
        env.insert(u"HOME"_s, m_config->path());
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("KETTWERK_BATCH"), arguments);
        if (!process.waitForStarted())
            return -1;
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(30000);
        m_out = process.readAllStandardOutput();
        m_err = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

private Q_SLOTS:
    void init()
    {
        QFile::remove(file(u"doit.pro"_s));
        QFile::remove(file(u"config.pro"_s));
        m_config.emplace();
    }

    void printsAListInUtf8OrTheCodePage_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("utf-8") << QByteArray("Mühle.drw\n");
        QTest::newRow("utf-8 with bom") << QByteArray("\xef\xbb\xbfMühle.drw\n");
        QTest::newRow("code page") << QByteArray("M\xfchle.drw\n");
    }
    void printsAListInUtf8OrTheCodePage()
    {
        QFETCH(QByteArray, list);
        QCOMPARE(run({u"--list"_s, u"-"_s, u"--print"_s, u"--out"_s, m_dir.path()}, list), 0);
        QCOMPARE(m_out, oneFileBatch("M\xfchle.drw", "ds")); // nothing stored: ds
        QCOMPARE(m_err, u"1 Dateien gewählt.\n"_s);
        QVERIFY(!QFile::exists(file(u"doit.pro"_s)));
    }

    // "<dir>" stands for the test's folder.
    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // how stdout (exit 0) or stderr starts
        const QStringList stdIn = {u"--list"_s, u"-"_s};
        const QStringList fromInput = stdIn + QStringList{u"--out"_s, u"<dir>"_s};
        const QString usage = u"kettwerk-batch: "_s;
        const QString notWritten = u"“ konnte nicht geschrieben werden.\nGrund: "_s;
        const QString unencodable = u"Der Dateiname „Łódź.drw“"_s;
        QTest::newRow("help") << QStringList{u"--help"_s} << QByteArray() << 0
                              << u"Aufruf: kettwerk-batch"_s;
        QTest::newRow("no arguments") << QStringList() << QByteArray() << 1 << usage;
        QTest::newRow("unknown") << stdIn + QStringList{u"--bogus"_s} << QByteArray() << 1 << usage;
        QTest::newRow("no value") << QStringList{u"--list"_s} << QByteArray() << 1 << usage;
        QTest::newRow("twice") << stdIn + stdIn << QByteArray() << 1 << usage;
        QTest::newRow("no files") << fromInput << QByteArray("Name\n\n") << 1
                                  << u"Bitte Dateien auswählen !"_s;
        QTest::newRow("list missing")
            << QStringList{u"--list"_s, u"<dir>/none.txt"_s} << QByteArray() << 2
            << u"Die Datei „<dir>/none.txt“ konnte nicht gelesen werden.\nGrund: "_s;
        QTest::newRow("folder missing")
            << stdIn + QStringList{u"--out"_s, u"<dir>/no/such"_s} << QByteArray("a.drw\n") << 2
            << u"Die Datei „<dir>/no/such/doit.pro"_s + notWritten;
        QTest::newRow("unencodable name")
            << fromInput << QByteArray("Łódź.drw\n") << 2
            << u"Die Datei „<dir>/doit.pro“ wurde nicht geschrieben.\n"_s + unencodable;
        QTest::newRow("unencodable, printed")
            << stdIn + QStringList{u"--print"_s} << QByteArray("Łódź.drw\n") << 2
            << u"doit.pro wurde nicht ausgegeben.\n"_s + unencodable;
        QTest::newRow("config.pro not written")
            << QStringList{u"--install-auto"_s, u"--out"_s, u"<dir>/no/such"_s} << QByteArray() << 2
            << u"Die Datei „<dir>/no/such/config.pro"_s + notWritten;
    }
    // The message goes to one stream, the other stays empty; nothing is written.
    void exitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        arguments.replaceInStrings(u"<dir>"_s, m_dir.path());
        message = QDir::toNativeSeparators(message.replace(u"<dir>"_s, m_dir.path()));
        QCOMPARE(run(arguments, input), exitCode);
        const QString said = exitCode == 0 ? QString::fromUtf8(m_out) : m_err;
        QVERIFY2(said.startsWith(message), qPrintable(said));
        QVERIFY((exitCode == 0 ? m_err : QString::fromUtf8(m_out)).isEmpty());
        QVERIFY(!QFile::exists(file(u"doit.pro"_s)));
    }

    void writesDoitAndInstallsTheAutoMapkey()
    {
        const QByteArray added = "Der Mapkey auto wurde Ihrer config.pro hinzugefügt !\n";
        QCOMPARE(run({u"--install-auto"_s, u"--list"_s, u"-"_s, u"--mapkeys"_s, u"+;%bb;%00;"_s,
                      u"--out"_s, m_dir.path()},
                     "a.drw\n"),
                 0);
        QCOMPARE(m_out, "1 Dateien gewählt.\nEs wurde eine Datei config.pro angelegt\n" + added);
        QCOMPARE(readBytes(file(u"doit.pro"_s)), oneFileBatch("a.drw", "+;%bb;%00;"));
        QCOMPARE(readBytes(file(u"config.pro"_s)), kAutoBlock);

        // A list file, and without --out and --mapkeys what the window keeps.
        QVERIFY(writeBytes(file(u"list.txt"_s), "Name\r\nE:\\proj\\bracket.drw.3\r\n\r\n"
                                                "bracket.drw.4\nplate.prt\rplate.prt"));
        QVERIFY(QDir().mkpath(m_config->path() + u"/Kettwerk"_s));
        QVERIFY(writeBytes(m_config->path() + u"/Kettwerk/Kettwerk.ini"_s,
                           "[Optionen]\nfrm_mapkeyneu.txt_mapkeyname.Text=stored\ntxt_pro=" +
                               m_dir.path().toUtf8() + "\n"));
        QCOMPARE(run({u"--install-auto"_s, u"--list"_s, file(u"list.txt"_s)}), 0);
        QCOMPARE(m_out, "2 Dateien gewählt.\n" + added);
        QCOMPARE(readBytes(file(u"config.pro"_s)), kAutoBlock + kAutoBlock);
        const QByteArray both = readBytes(file(u"doit.pro"_s));
        QCOMPARE(both.count("\r\n"), 2 + 2 * 11 + 1);
        QCOMPARE(both.count("`Open`;%stored;\\\r\n"), 2);
        QVERIFY(both.contains("`Inputname` `bracket.drw`;") &&
                both.contains("`Inputname` `plate.prt`;"));
    }
};

QTEST_APPLESS_MAIN(TestBatchCommand)
#include "tst_batchcommand.moc"
