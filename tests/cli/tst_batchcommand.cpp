#include "BatchComposer.h"
#include "Templates.h"
#include "TextReplace.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace kettwerk;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray expectedBatch(const QStringList& selection, const QString& names)
{
    const QString block =
        replaceAll(templates::customTemplate(), QString::fromUtf16(templates::kPlaceholder), names);
    return composeBatch(BatchPieces::stored(), selection, block).toLatin1() + "\r\n";
}

} // namespace

// kettwerk-batch, run as a user's script would run it.
class TestBatchCommand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void writesDoitFromAListFile();
    void readsStandardInputAndPrints();
    void decodesListsInUtf8OrTheCodePage_data();
    void decodesListsInUtf8OrTheCodePage();
    void usesStoredNamesAndFolderOrDs();
    void nothingToDoIsExitOne();
    void usageErrorsAreExitOne_data();
    void usageErrorsAreExitOne();
    void fileErrorsAreExitTwo();
    void installsTheAutoMapkey();
    void helpExplainsInGerman();

private:
    Run run(const QStringList& arguments, const QByteArray& input = {});
    QString file(const QString& name) const { return m_dir.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_dir;
    QTemporaryDir m_config;
};

void TestBatchCommand::init()
{
    QFile::remove(file(QStringLiteral("doit.pro")));
    QFile::remove(file(QStringLiteral("config.pro")));
    QDir(m_config.path()).removeRecursively();
    QDir().mkpath(m_config.path());
}

Run TestBatchCommand::run(const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    env.insert(QStringLiteral("HOME"), m_config.path());
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("KETTWERK_BATCH"), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

void TestBatchCommand::writeFile(const QString& name, const QByteArray& bytes)
{
    QFile out(file(name));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

void TestBatchCommand::writesDoitFromAListFile()
{
    writeFile(QStringLiteral("list.txt"), "Name\r\nE:\\proj\\bracket.drw.3\r\n\r\n"
                                          "bracket.drw.4\nplate.prt\rplate.prt");
    const Run result = run({QStringLiteral("--list"), file(QStringLiteral("list.txt")),
                            QStringLiteral("--mapkeys"), QStringLiteral("rt"),
                            QStringLiteral("--out"), m_dir.path()});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("2 Dateien gewählt.\n"));
    QCOMPARE(readAll(file(QStringLiteral("doit.pro"))),
             expectedBatch({QStringLiteral("bracket.drw"), QStringLiteral("plate.prt")},
                           QStringLiteral("rt")));
}

void TestBatchCommand::readsStandardInputAndPrints()
{
    const Run result =
        run({QStringLiteral("--list"), QStringLiteral("-"), QStringLiteral("--mapkeys"),
             QStringLiteral("+;%bb;%00;"), QStringLiteral("--print")},
            "a.drw\n");
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, expectedBatch({QStringLiteral("a.drw")}, QStringLiteral("+;%bb;%00;")));
    QVERIFY2(result.err.contains(QStringLiteral("1 Dateien gewählt.")), qPrintable(result.err));
    QVERIFY(!QFile::exists(file(QStringLiteral("doit.pro"))));
}

void TestBatchCommand::decodesListsInUtf8OrTheCodePage_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::newRow("utf-8") << QByteArray("Mühle.drw\n");
    QTest::newRow("utf-8 with bom") << QByteArray("\xef\xbb\xbfMühle.drw\n");
    QTest::newRow("code page") << QByteArray("M\xfchle.drw\n");
}

void TestBatchCommand::decodesListsInUtf8OrTheCodePage()
{
    QFETCH(QByteArray, list);
    const Run result =
        run({QStringLiteral("--list"), QStringLiteral("-"), QStringLiteral("--print")}, list);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains("`Inputname` `M\xfchle.drw`;\\\r\n"));
}

void TestBatchCommand::usesStoredNamesAndFolderOrDs()
{
    writeFile(QStringLiteral("list.txt"), "a.drw\n");
    // Nothing stored: "ds", and the folder is given.
    Run result = run({QStringLiteral("--list"), file(QStringLiteral("list.txt")),
                      QStringLiteral("--out"), m_dir.path()});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(readAll(file(QStringLiteral("doit.pro"))).contains("`Open`;%ds;\\"));

    QDir().mkpath(m_config.path() + QStringLiteral("/Kettwerk"));
    QFile ini(m_config.path() + QStringLiteral("/Kettwerk/Kettwerk.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Optionen]\nfrm_mapkeyneu.txt_mapkeyname.Text=stored\ntxt_pro=" +
              m_dir.path().toUtf8() + "\n");
    ini.close();
    QFile::remove(file(QStringLiteral("doit.pro")));
    result = run({QStringLiteral("--list"), file(QStringLiteral("list.txt"))});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(readAll(file(QStringLiteral("doit.pro"))).contains("`Open`;%stored;\\"));
}

void TestBatchCommand::nothingToDoIsExitOne()
{
    const Run result =
        run({QStringLiteral("--list"), QStringLiteral("-"), QStringLiteral("--out"), m_dir.path()},
            "Name\n\n");
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.contains(QStringLiteral("Bitte Dateien auswählen !")));
    QVERIFY(!QFile::exists(file(QStringLiteral("doit.pro"))));
}

void TestBatchCommand::usageErrorsAreExitOne_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown") << QStringList{QStringLiteral("--bogus")};
    QTest::newRow("missing value") << QStringList{QStringLiteral("--list")};
    QTest::newRow("twice") << QStringList{QStringLiteral("--list"), QStringLiteral("-"),
                                          QStringLiteral("--list"), QStringLiteral("-")};
}

void TestBatchCommand::usageErrorsAreExitOne()
{
    QFETCH(QStringList, arguments);
    const Run result = run(arguments);
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.startsWith(QStringLiteral("kettwerk-batch: ")));
    QVERIFY(result.out.isEmpty());
}

void TestBatchCommand::fileErrorsAreExitTwo()
{
    const QString missing = file(QStringLiteral("no-such-list.txt"));
    Run result = run({QStringLiteral("--list"), missing});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(missing), qPrintable(result.err));

    const QString noFolder = file(QStringLiteral("no/such/folder"));
    result = run({QStringLiteral("--list"), QStringLiteral("-"), QStringLiteral("--out"), noFolder},
                 "a.drw\n");
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(noFolder), qPrintable(result.err));
    QVERIFY2(result.err.contains(QStringLiteral("Grund:")), qPrintable(result.err));

    result =
        run({QStringLiteral("--list"), QStringLiteral("-"), QStringLiteral("--out"), m_dir.path()},
            "Łódź.drw\n");
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(QStringLiteral("Łódź.drw")), qPrintable(result.err));
    QVERIFY(!QFile::exists(file(QStringLiteral("doit.pro"))));
}

void TestBatchCommand::installsTheAutoMapkey()
{
    Run result = run({QStringLiteral("--install-auto"), QStringLiteral("--out"), m_dir.path()});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains("Es wurde eine Datei config.pro angelegt"));
    QByteArray block;
    for (const QString& line : templates::autoBlock())
        block += line.toLatin1() + "\r\n";
    QCOMPARE(readAll(file(QStringLiteral("config.pro"))), block);

    result = run({QStringLiteral("--install-auto"), QStringLiteral("--list"), QStringLiteral("-"),
                  QStringLiteral("--out"), m_dir.path()},
                 "a.drw\n");
    QCOMPARE(result.exitCode, 0);
    QVERIFY(!result.out.contains("angelegt"));
    QVERIFY(result.out.contains("Der Mapkey auto wurde Ihrer config.pro hinzugefügt !"));
    QCOMPARE(readAll(file(QStringLiteral("config.pro"))), block + block);
    QVERIFY(QFile::exists(file(QStringLiteral("doit.pro"))));
}

void TestBatchCommand::helpExplainsInGerman()
{
    const Run result = run({QStringLiteral("--help")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains("--install-auto"));
    QVERIFY(result.out.contains("Aufruf: kettwerk-batch"));
}

QTEST_APPLESS_MAIN(TestBatchCommand)
#include "tst_batchcommand.moc"
