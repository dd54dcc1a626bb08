#include "ConfigInstaller.h"
#include "Templates.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace kettwerk;

namespace {

const QString kName = QStringLiteral("config.pro");

QByteArray blockBytes()
{
    QByteArray bytes;
    for (const QString& line : templates::autoBlock())
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList listing(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// Every byte value except the line-end bytes, so that none of them can be
// mistaken for a line break.
QByteArray allOtherBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            bytes += char(b);
    }
    return bytes;
}

enum Fault {
    MissingFolder,
    PathIsFolder,
    FolderIsAFile,
    PathIsPipe,
    ReadOnlyFile,
    UnreadableFile,
    UnwritableFolder,
    MissingFileInUnwritableFolder,
};

constexpr QFile::Permissions kOwnerAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;

} // namespace

class TestConfigInstaller : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pathRules_data();
    void pathRules();
    void folderWithAndWithoutSeparatorIsTheSameFile();
    void fileTest_data();
    void fileTest();
    void missingFileIsCreatedWithTheBlockOnly();
    void linesAreCopiedWithCrLf_data();
    void linesAreCopiedWithCrLf();
    void nLinesGiveNPlusEleven_data();
    void nLinesGiveNPlusEleven();
    void everyInstallationAppendsTheBlock();
    void linkKeepsItsPlaceAndTargetIsWritten_data();
    void linkKeepsItsPlaceAndTargetIsWritten();
    void failureLeavesEverythingAsItWas_data();
    void failureLeavesEverythingAsItWas();
};

void TestConfigInstaller::pathRules_data()
{
    QTest::addColumn<QString>("working");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("expected");
    const QChar bs = u'\\';
    const QChar sl = u'/';
    QTest::newRow("backslash, none at end")
        << QStringLiteral("E:\\pro\\work") << QStringLiteral("C:\\prog") << bs
        << QStringLiteral("E:\\pro\\work\\config.pro");
    QTest::newRow("backslash at end")
        << QStringLiteral("E:\\pro\\work\\") << QStringLiteral("C:\\prog") << bs
        << QStringLiteral("E:\\pro\\work\\config.pro");
    QTest::newRow("slash, none at end") << QStringLiteral("/home/pro") << QStringLiteral("/opt/k")
                                        << sl << QStringLiteral("/home/pro/config.pro");
    QTest::newRow("slash at end") << QStringLiteral("/home/pro/") << QStringLiteral("/opt/k") << sl
                                  << QStringLiteral("/home/pro/config.pro");
    QTest::newRow("empty uses program folder")
        << QString() << QStringLiteral("C:\\prog") << bs << QStringLiteral("C:\\prog\\config.pro");
}

void TestConfigInstaller::pathRules()
{
    QFETCH(QString, working);
    QFETCH(QString, program);
    QFETCH(QChar, separator);
    QFETCH(QString, expected);
    QCOMPARE(configFilePath(working, program, separator), expected);
}

void TestConfigInstaller::folderWithAndWithoutSeparatorIsTheSameFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path();
    const QString bare = configFilePath(folder, QStringLiteral("/nowhere"), u'/');
    const QString slashed = configFilePath(folder + u'/', QStringLiteral("/nowhere"), u'/');
    const QString fromProgram = configFilePath(QString(), folder, u'/');
    QVERIFY(installAutoMapkey(bare).created);
    QVERIFY(installAutoMapkey(slashed).ok);
    QVERIFY(installAutoMapkey(fromProgram).ok);
    QCOMPARE(listing(folder), QStringList{kName});
    QCOMPARE(readBytes(bare), blockBytes() + blockBytes() + blockBytes());
}

void TestConfigInstaller::fileTest_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("expected");
    QTest::newRow("file with text") << QStringLiteral("text.pro") << true;
    QTest::newRow("empty file") << QStringLiteral("empty.pro") << true;
    QTest::newRow("link to file") << QStringLiteral("link.pro") << true;
    QTest::newRow("missing file") << QStringLiteral("missing.pro") << false;
    QTest::newRow("missing folder") << QStringLiteral("gone/text.pro") << false;
    QTest::newRow("folder") << QStringLiteral("sub") << false;
    QTest::newRow("dangling link") << QStringLiteral("dangling.pro") << false;
    QTest::newRow("below a file") << QStringLiteral("text.pro/x") << false;
    QTest::newRow("empty path") << QString() << false;
}

void TestConfigInstaller::fileTest()
{
    QFETCH(QString, relative);
    QFETCH(bool, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.path() + u'/';
    QVERIFY(writeBytes(root + QStringLiteral("text.pro"), "x\r\n"));
    QVERIFY(writeBytes(root + QStringLiteral("empty.pro"), QByteArray()));
    QVERIFY(QDir(root).mkdir(QStringLiteral("sub")));
    QVERIFY(QFile::link(root + QStringLiteral("text.pro"), root + QStringLiteral("link.pro")));
    QVERIFY(QFile::link(root + QStringLiteral("nil.pro"), root + QStringLiteral("dangling.pro")));
    const QStringList before = listing(root);

    QCOMPARE(IstDatei(relative.isEmpty() ? QString() : root + relative), expected);
    QCOMPARE(listing(root), before);
    QCOMPARE(readBytes(root + QStringLiteral("text.pro")), QByteArray("x\r\n"));
}

void TestConfigInstaller::missingFileIsCreatedWithTheBlockOnly()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(kName);
    const ConfigInstallResult result = installAutoMapkey(path);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(result.created);
    QVERIFY(result.error.isEmpty());
    QCOMPARE(listing(dir.path()), QStringList{kName});

    const QByteArray bytes = readBytes(path);
    QCOMPARE(bytes, blockBytes());
    QVERIFY(bytes.startsWith("! Mapkey zum ausfuehren der doit.pro\r\nmapkey auto @MAPKEY_NAME"));
    QVERIFY(bytes.endsWith("`Close`;%doit;\r\n!\r\n"));
    QCOMPARE(bytes.count("\r\n"), 11);
    QCOMPARE(bytes.count('\r'), 11);
    QCOMPARE(bytes.count('\n'), 11);
}

void TestConfigInstaller::linesAreCopiedWithCrLf_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("copied");
    QTest::newRow("empty file") << QByteArray() << QByteArray();
    QTest::newRow("CR LF kept") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("LF only") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
    QTest::newRow("CR only") << QByteArray("a\rb\r") << QByteArray("a\r\nb\r\n");
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("mixed and empty lines")
        << QByteArray("a\r\n\r\nb\n\nc\r\rd") << QByteArray("a\r\n\r\nb\r\n\r\nc\r\n\r\nd\r\n");
    QTest::newRow("last line without end")
        << QByteArray("! x\r\nmapkey y ~ ;") << QByteArray("! x\r\nmapkey y ~ ;\r\n");
    QTest::newRow("one line without end") << QByteArray("z") << QByteArray("z\r\n");
    QTest::newRow("one empty line") << QByteArray("\r\n") << QByteArray("\r\n");
    QTest::newRow("ends in lone CR") << QByteArray("a\r\nb\r") << QByteArray("a\r\nb\r\n");
    QTest::newRow("blanks and tabs kept")
        << QByteArray("  mapkey a ;\\  \r\n\t\r\n") << QByteArray("  mapkey a ;\\  \r\n\t\r\n");
    QTest::newRow("Windows-1252 comment") << QByteArray("! \xc4nderung f\xfcr Ma\xdf \x80\x9f\r\n")
                                          << QByteArray("! \xc4nderung f\xfcr Ma\xdf \x80\x9f\r\n");
    QTest::newRow("UTF-8 and broken UTF-8")
        << QByteArray("! \xc3\xa4\xc3\r\n\xef\xbb\xbf!\xff\xfe\n")
        << QByteArray("! \xc3\xa4\xc3\r\n\xef\xbb\xbf!\xff\xfe\r\n");
    const QByteArray binary = allOtherBytes();
    QTest::newRow("every other byte value")
        << binary + "\r\n" + binary << binary + "\r\n" + binary + "\r\n";
    QTest::newRow("NUL and Ctrl-Z mid-file")
        << QByteArray("a\0b\x1aZ\r\nd", 8) << QByteArray("a\0b\x1aZ\r\nd\r\n", 10);
}

void TestConfigInstaller::linesAreCopiedWithCrLf()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, copied);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(kName);
    QVERIFY(writeBytes(path, before));
    const ConfigInstallResult result = installAutoMapkey(path);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(!result.created);
    QCOMPARE(readBytes(path), copied + blockBytes());
}

void TestConfigInstaller::nLinesGiveNPlusEleven_data()
{
    QTest::addColumn<int>("count");
    for (int n : {1, 2, 11, 1000, 40000})
        QTest::addRow("%d lines", n) << n;
}

void TestConfigInstaller::nLinesGiveNPlusEleven()
{
    QFETCH(int, count);
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i)
        lines.append(i % 7 == 0 ? QByteArray() : "mapkey m" + QByteArray::number(i) + " ~ ;\\");
    QByteArray before = lines.join("\r\n") + "\r\n";
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(kName);
    QVERIFY(writeBytes(path, before));
    QVERIFY(installAutoMapkey(path).ok);

    QList<QByteArray> after = readBytes(path).split('\n');
    QCOMPARE(after.takeLast(), QByteArray());
    QCOMPARE(after.size(), count + 11);
    for (int i = 0; i < count; ++i)
        QCOMPARE(after.at(i), lines.at(i) + '\r');
    const QStringList block = templates::autoBlock();
    for (int i = 0; i < 11; ++i)
        QCOMPARE(after.at(count + i), block.at(i).toLatin1() + '\r');
}

void TestConfigInstaller::everyInstallationAppendsTheBlock()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(kName);
    QVERIFY(writeBytes(path, "! eigene Zeile\nmapkey x ~ ;"));
    const QByteArray earlier = "! eigene Zeile\r\nmapkey x ~ ;\r\n";
    QVERIFY(installAutoMapkey(path).ok);
    QCOMPARE(readBytes(path), earlier + blockBytes());
    const ConfigInstallResult second = installAutoMapkey(path);
    QVERIFY(second.ok);
    QVERIFY(!second.created);
    QCOMPARE(readBytes(path), earlier + blockBytes() + blockBytes());
    QCOMPARE(listing(dir.path()), QStringList{kName});
}

void TestConfigInstaller::linkKeepsItsPlaceAndTargetIsWritten_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("link to a file") << QByteArray("! alt\n") << true;
    QTest::newRow("link to a missing file") << QByteArray() << false;
}

void TestConfigInstaller::linkKeepsItsPlaceAndTargetIsWritten()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, targetExists);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("work")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("shared")));
    const QString target = dir.filePath(QStringLiteral("shared/real.pro"));
    const QString link = dir.filePath(QStringLiteral("work/config.pro"));
    if (targetExists)
        QVERIFY(writeBytes(target, before));
    QVERIFY(QFile::link(target, link));

    const ConfigInstallResult result = installAutoMapkey(link);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.created, !targetExists);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    const QByteArray copied = targetExists ? QByteArray("! alt\r\n") : QByteArray();
    QCOMPARE(readBytes(target), copied + blockBytes());
    QCOMPARE(listing(dir.filePath(QStringLiteral("work"))), QStringList{kName});
    QCOMPARE(listing(dir.filePath(QStringLiteral("shared"))),
             QStringList{QStringLiteral("real.pro")});
}

void TestConfigInstaller::failureLeavesEverythingAsItWas_data()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("folder missing") << int(MissingFolder);
    QTest::newRow("path is a folder") << int(PathIsFolder);
    QTest::newRow("folder is a file") << int(FolderIsAFile);
#ifdef Q_OS_UNIX
    QTest::newRow("path is a pipe") << int(PathIsPipe);
#endif
    QTest::newRow("read-only file") << int(ReadOnlyFile);
    QTest::newRow("unreadable file") << int(UnreadableFile);
    QTest::newRow("unwritable folder") << int(UnwritableFolder);
    QTest::newRow("missing file, unwritable folder") << int(MissingFileInUnwritableFolder);
}

void TestConfigInstaller::failureLeavesEverythingAsItWas()
{
    QFETCH(int, fault);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("work"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("work")));
    QString path = folder + u'/' + kName;
    const QByteArray original = "! Einstellungen f\xfcr Pro/E\r\nmapkey a ~ ;\n\x80\xff";
    QVERIFY(writeBytes(path, original));
    QString watched = folder; // the folder whose entries must not change
    QString locked;           // restored afterwards so that the folder can be removed
    auto unlock = [&locked] {
        if (!locked.isEmpty())
            QFile::setPermissions(locked, kOwnerAll);
        locked.clear();
    };
    const auto guard = qScopeGuard(unlock);

    switch (fault) {
    case MissingFolder:
        path = dir.filePath(QStringLiteral("gone/config.pro"));
        watched = dir.path();
        break;
    case PathIsFolder:
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir(folder).mkdir(kName));
        break;
    case FolderIsAFile:
        path += QStringLiteral("/config.pro");
        break;
    case PathIsPipe:
#ifdef Q_OS_UNIX
        QVERIFY(QFile::remove(path));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
#endif
        break;
    case ReadOnlyFile:
        locked = path;
        QVERIFY(
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        // Write protection is honoured only where the system reports it;
        // for the superuser it does not.
        if (QFileInfo(path).isWritable())
            QSKIP("The file stays writable for this user (superuser?)");
        break;
    case UnreadableFile: {
        locked = path;
        QVERIFY(QFile::setPermissions(path, QFile::Permissions()));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("Permissions do not stop this user from reading (superuser?)");
        break;
    }
    case MissingFileInUnwritableFolder:
        QVERIFY(QFile::remove(path));
        Q_FALLTHROUGH();
    case UnwritableFolder: {
        locked = folder;
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("Permissions do not stop this user from writing (superuser?)");
        }
        break;
    }
    }
    const QStringList entries = listing(watched);
    const bool hadFile = QFileInfo(path).isFile();

    const ConfigInstallResult result = installAutoMapkey(path);
    QVERIFY(!result.ok);
    QVERIFY(!result.created);
    QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
    QVERIFY2(!result.error.section(QStringLiteral("Grund:"), 1).trimmed().isEmpty(),
             qPrintable(result.error));

    unlock();
    QCOMPARE(listing(watched), entries);
    if (hadFile)
        QCOMPARE(readBytes(path), original);
    if (fault == PathIsFolder)
        QVERIFY(listing(path).isEmpty());
    if (fault == PathIsPipe)
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
    if (fault == FolderIsAFile)
        QCOMPARE(readBytes(folder + u'/' + kName), original);
}

QTEST_GUILESS_MAIN(TestConfigInstaller)
#include "tst_configinstaller.moc"
