#include "BatchFile.h"
#include "EightBitCodec.h"
#include "Paths.h"
#include "SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestBatchFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void joinsFolderAndName();
    void replacesTheFileWithTextAndOneCrLf();
    void failureWritesNothing_data();
    void failureWritesNothing();
    void codecRoundTripsEveryByteAndReportsTheFirstStranger();
    void fullDiskLeavesTheEarlierFile();
};

void TestBatchFile::joinsFolderAndName()
{
    const auto join = [](const QString& folder) {
        return joinFolderAndName(folder, u"doit.pro"_s, u'\\');
    };
    QCOMPARE(join(u"C:\\temp\\"_s), u"C:\\temp\\doit.pro"_s);
    QCOMPARE(join(u"C:\\temp"_s), u"C:\\temp\\doit.pro"_s);
    QCOMPARE(join(QString()), u"\\doit.pro"_s);
    QCOMPARE(join(u"C:\\temp/"_s), u"C:\\temp/\\doit.pro"_s); // only the separator counts
    QCOMPARE(join(u"C:\\temp "_s), u"C:\\temp \\doit.pro"_s); // nothing is trimmed
}

void TestBatchFile::replacesTheFileWithTextAndOneCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"doit.pro"_s);
    QVERIFY(writeAll(path, QByteArray(5000, 'x')));
    QString error;
    QVERIFY2(
        writeBatchFile(path, u"mapkey doit ~ ;\\\r\nä ~ ;\r\n"_s, {}, platform::Windows1252Codec(), &error),
        qPrintable(error));
    QCOMPARE(readAll(path), QByteArray("mapkey doit ~ ;\\\r\n\xe4 ~ ;\r\n\r\n"));
    QCOMPARE(entries(dir.path()), QStringList{u"doit.pro"_s});
}

void TestBatchFile::failureWritesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing")
        << u"gone/doit.pro"_s << u"x"_s << QStringList() << u"\nGrund: "_s;
    QTest::newRow("path is a folder") << u"sub.pro"_s << u"x"_s << QStringList() << u"Ordner"_s;
    QTest::newRow("unencodable entry")
        << u"doit.pro"_s << u"…`Łódź.drw`…`日本.prt`"_s
        << QStringList{u"gut.drw"_s, u"Łódź.drw"_s, u"日本.prt"_s} << u"„Łódź.drw“"_s;
    QTest::newRow("unencodable mapkey text")
        << u"doit.pro"_s << u"%ł;"_s << QStringList{u"a.drw"_s} << u"„ł“"_s;
}

void TestBatchFile::failureWritesNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QStringList, selection);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath(u"doit.pro"_s), "earlier") &&
            QDir(dir.path()).mkdir(u"sub.pro"_s));
    const QString path = dir.filePath(name);
    QString error;
    QVERIFY(!writeBatchFile(path, text, selection, platform::Windows1252Codec(), &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)) && error.contains(reason),
             qPrintable(error));
    QCOMPARE(readAll(dir.filePath(u"doit.pro"_s)), QByteArray("earlier"));
    QCOMPARE(entries(dir.path()), (QStringList{u"doit.pro"_s, u"sub.pro"_s}));
    QVERIFY(entries(dir.filePath(u"sub.pro"_s)).isEmpty());
}

void TestBatchFile::codecRoundTripsEveryByteAndReportsTheFirstStranger()
{
    const platform::Windows1252Codec codec;
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QByteArray back;
    QCOMPARE(codec.encode(codec.decode(all), back), qsizetype(-1));
    QCOMPARE(back, all);
    QCOMPARE(codec.encode(u"€ „“ ü ß"_s, back), qsizetype(-1));
    QCOMPARE(back, QByteArray("\x80 \x84\x93 \xfc \xdf"));
    QCOMPARE(codec.encode(u"ab\u0100"_s, back), qsizetype(2));
    QCOMPARE(codec.encode(u"a\U0001F600"_s, back), qsizetype(1));
}

void TestBatchFile::fullDiskLeavesTheEarlierFile()
{
#ifdef Q_OS_UNIX
    // A file size limit fails the write the way a full disk does, even for root.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.pro"));
    QVERIFY(writeFileAtomically(path, "earlier", nullptr));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    // Small enough to sit in the write buffer until the file is committed.
    const bool written = writeFileAtomically(path, QByteArray(2000, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &old);
    QVERIFY(!written);
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("earlier"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("config.pro")});
#else
    QSKIP("File size limits are a POSIX feature");
#endif
}

QTEST_APPLESS_MAIN(TestBatchFile)
#include "tst_batchfile.moc"
