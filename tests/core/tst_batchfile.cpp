#include "BatchFile.h"
#include "EightBitCodec.h"
#include "OutputPath.h"
#include "SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kettwerk;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestBatchFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void joinsFolderAndName_data();
    void joinsFolderAndName();
    void writesTextAndOneCrLf();
    void replacesAnExistingFile();
    void missingFolderIsReportedAndLeavesNothing();
    void pathThatIsAFolderIsReported();
    void unencodableEntryIsNamedAndNothingWritten();
    void unencodableMapkeyTextIsReported();
    void codecRoundTripsEveryByte();
    void codecMapsWindowsSpecials();
    void linkedFileKeepsItsLink();
};

void TestBatchFile::joinsFolderAndName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("backslash at end") << "C:\\temp\\"
                                      << "\\"
                                      << "C:\\temp\\doit.pro";
    QTest::newRow("no backslash") << "C:\\temp"
                                  << "\\"
                                  << "C:\\temp\\doit.pro";
    QTest::newRow("empty") << ""
                           << "\\"
                           << "\\doit.pro";
    QTest::newRow("drive only") << "C:"
                                << "\\"
                                << "C:\\doit.pro";
    QTest::newRow("slash is no backslash") << "C:\\temp/"
                                           << "\\"
                                           << "C:\\temp/\\doit.pro";
    QTest::newRow("blank at end") << "C:\\temp "
                                  << "\\"
                                  << "C:\\temp \\doit.pro";
    QTest::newRow("posix with slash") << "/home/u/"
                                      << "/"
                                      << "/home/u/doit.pro";
    QTest::newRow("posix without slash") << "/home/u"
                                         << "/"
                                         << "/home/u/doit.pro";
}

void TestBatchFile::joinsFolderAndName()
{
    QFETCH(QString, folder);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(joinFolderAndName(folder, QStringLiteral("doit.pro"), separator.at(0)), expected);
}

void TestBatchFile::writesTextAndOneCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doit.pro"));
    const QString text = QStringLiteral("mapkey doit ~ ;\\\r\nmapkey(continued) ~ ;\r\n");
    QString error;
    QVERIFY2(writeBatchFile(path, text, {}, Windows1252Codec(), &error), qPrintable(error));
    QCOMPARE(readAll(path), QByteArray("mapkey doit ~ ;\\\r\nmapkey(continued) ~ ;\r\n\r\n"));
}

void TestBatchFile::replacesAnExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doit.pro"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();
    QVERIFY(writeBatchFile(path, QStringLiteral("ä"), {}, Windows1252Codec(), nullptr));
    QCOMPARE(readAll(path), QByteArray("\xe4\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("doit.pro")});
}

void TestBatchFile::missingFolderIsReportedAndLeavesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/doit.pro"));
    QString error;
    QVERIFY(!writeBatchFile(path, QStringLiteral("x"), {}, Windows1252Codec(), &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("Grund:")), qPrintable(error));
    QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestBatchFile::pathThatIsAFolderIsReported()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("doit.pro")));
    QString error;
    QVERIFY(!writeFileAtomically(dir.filePath(QStringLiteral("doit.pro")), "x", &error));
    QVERIFY2(error.contains(QStringLiteral("Ordner")), qPrintable(error));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("doit.pro"))).isDir());
}

void TestBatchFile::unencodableEntryIsNamedAndNothingWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doit.pro"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("earlier");
    old.close();
    const QStringList selection = {QStringLiteral("gut.drw"), QStringLiteral("Łódź.drw"),
                                   QStringLiteral("日本.prt")};
    QString error;
    QVERIFY(!writeBatchFile(path, QStringLiteral("…`Łódź.drw`…`日本.prt`"), selection,
                            Windows1252Codec(), &error));
    QVERIFY2(error.contains(QStringLiteral("„Łódź.drw“")), qPrintable(error));
    QVERIFY2(!error.contains(QStringLiteral("日本")), qPrintable(error));
    QCOMPARE(readAll(path), QByteArray("earlier"));
}

void TestBatchFile::unencodableMapkeyTextIsReported()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doit.pro"));
    QString error;
    QVERIFY(!writeBatchFile(path, QStringLiteral("%ł;"), {QStringLiteral("a.drw")},
                            Windows1252Codec(), &error));
    QVERIFY2(error.contains(QStringLiteral("„ł“")), qPrintable(error));
    QVERIFY(!QFile::exists(path));
}

void TestBatchFile::codecRoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const Windows1252Codec codec;
    const QString text = codec.decode(all);
    QCOMPARE(text.size(), 256);
    QByteArray back;
    QCOMPARE(codec.encode(text, back), qsizetype(-1));
    QCOMPARE(back, all);
}

void TestBatchFile::codecMapsWindowsSpecials()
{
    const Windows1252Codec codec;
    QByteArray bytes;
    QCOMPARE(codec.encode(QStringLiteral("€ „“ ü ß"), bytes), qsizetype(-1));
    QCOMPARE(bytes, QByteArray("\x80 \x84\x93 \xfc \xdf"));
    QCOMPARE(codec.encode(QStringLiteral("ab\u0100"), bytes), qsizetype(2));
    QCOMPARE(codec.encode(QStringLiteral("a\U0001F600"), bytes), qsizetype(1));
}

void TestBatchFile::linkedFileKeepsItsLink()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("real.pro"));
    const QString link = dir.filePath(QStringLiteral("doit.pro"));
    QFile real(target);
    QVERIFY(real.open(QIODevice::WriteOnly));
    real.close();
    if (!QFile::link(target, link))
        QSKIP("This file system has no symbolic links");
    QVERIFY(writeFileAtomically(link, "new", nullptr));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readAll(target), QByteArray("new"));
}

QTEST_APPLESS_MAIN(TestBatchFile)
#include "tst_batchfile.moc"
