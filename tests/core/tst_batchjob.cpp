#include "BatchJob.h"
#include "EightBitCodec.h"
#include "ExpectedBatch.h"
#include "Files.h"
#include "Paths.h"
#include "Platform.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "Templates.h"
#include "TestEnvironment.h"
#include "TextReplace.h"

#include <QBuffer>
#include <QDirIterator>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

ComposedBatch composed(const QStringList& selection, const QString& names)
{
    const QString block = replaceAll(templates::customSequenceTemplate(),
                                     QString::fromUtf16(templates::kPlaceholder), names);
    return ComposedBatch(BatchFrame::stored(), selection, block, platform::Windows1252Codec());
}

// Takes the first chunks of a long batch and then refuses, like a full disk.
struct FullDevice : QBuffer
{
    qint64 cap = 3 << 20;
    qint64 writeData(const char*, qint64 n) override { return n > cap ? -1 : (cap -= n, n); }
};

// Every entry below `folder`, sorted: its path, its kind and a file's bytes.
QStringList snapshot(const QString& folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString kind = info.isSymLink() ? u"-> "_s + info.symLinkTarget()
                             : info.isDir()   ? u"/"_s
                             : info.isFile()
                                 ? u"= "_s + QString::fromLatin1(readBytes(it.filePath()))
                                 : u"(pipe or device)"_s;
        entries.append(QDir(folder).relativeFilePath(it.filePath()) + u' ' + kind);
    }
    entries.sort();
    return entries;
}

enum Fault { MissingFolder, PathIsFolder, PathIsPipe, ReadOnlyFile, UnreadableFile, LockedFolder };

} // namespace

// The batch job behind both front ends, and kettwerk-batch run as a script would.
class TestBatchJob : public QObject
{
    Q_OBJECT
    TestSettings m_settings;
    QTemporaryDir m_home;

    std::optional<QTemporaryDir> m_work; // fresh for every test
    QByteArray m_out;
    QString m_err;

    QString file(const QString& name) const { return m_work->filePath(name); }
    // Runs the program; returns its exit code and keeps what it printed.
    int run(const QStringList& arguments, const QByteArray& input = {})
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_s, m_settings.folder()); // and HOME is the test's
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("KETTWERK_BATCH"), arguments);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(30000);
        m_out = process.readAllStandardOutput();
        m_err = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

    // Writes doit.pro with the custom sequence for `name` into `folder`.
    static JobResult write(const QString& folder, const QString& name)
    {
        BatchJob job;
        job.setWorkingFolder(folder);
        job.setSelection({name});
        job.composeCustomSequence();
        job.setSelection({u"later.drw"_s}); // composition has already taken the selection
        return job.writeBatchFile();
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The user's own config.pro defines the mapkeys the tests name.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QVERIFY(writeBytes(m_home.filePath(u"config.pro"_s), kDefinedMapkeys));
    }
    void init()
    {
        m_settings.clear();
        m_work.emplace();
    }

    void workingFolderAtStart_data()
    {
        QTest::addColumn<bool>("proFolderExists");
        QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
        QTest::addColumn<QString>("expected");
        const QString pro = m_home.path() + u"/ProEWildfire2/"_s;
        QTest::newRow("first run, folder exists") << true << QVariant() << pro;
        QTest::newRow("first run, no folder") << false << QVariant() << platform::programFolder();
        QTest::newRow("stored, gone") << true << QVariant(u"/no/such/"_s) << u"/no/such/"_s;
        QTest::newRow("stored empty") << true << QVariant(QString()) << QString();
    }
    void workingFolderAtStart()
    {
        QFETCH(bool, proFolderExists);
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        QDir(m_home.path()).rmdir(u"ProEWildfire2"_s);
        if (proFolderExists)
            QVERIFY(QDir(m_home.path()).mkdir(u"ProEWildfire2"_s));
        if (stored.isValid())
            storeSetting(settings::kWorkingFolder, stored.toString());
        BatchJob job;
        job.restore(platform::SettingsStore());
        QCOMPARE(job.workingFolder(), expected);
        QCOMPARE(job.mapkeyNames(), u"ds"_s);
        QCOMPARE(job.functionBlock(), templates::storedFunctionBlock());
    }
    void settingsThatCannotBeStoredAreReported()
    {
        // A folder where the settings file belongs stops every user, root too.
        const QString file = m_settings.file();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        BatchJob job;
        platform::SettingsStore store;
        const JobResult result = job.store(store);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(file)), qPrintable(result.error));
        QVERIFY(!job.storeMapkeyNames(store).ok);
        QVERIFY(QDir(file).removeRecursively());
    }
    // Only the separator at the very end counts and nothing is trimmed; with
    // no working folder, config.pro lies beside the program.
    void pathsFollowTheWorkingFolder()
    {
        QCOMPARE(configFilePath(u"E:\\pro"_s, u"C:\\prog"_s, u'\\'), u"E:\\pro\\config.pro"_s);
        QCOMPARE(configFilePath(u"/home/pro/"_s, u"/opt"_s, u'/'), u"/home/pro/config.pro"_s);
        QCOMPARE(configFilePath(QString(), u"C:\\prog"_s, u'\\'), u"C:\\prog\\config.pro"_s);
        const QChar separator = platform::pathSeparator();
        BatchJob job;
        job.setWorkingFolder(u"work"_s + separator);
        QCOMPARE(job.batchFilePath(), u"work"_s + separator + u"doit.pro"_s);
        job.setWorkingFolder(u"work "_s);
        QCOMPARE(job.batchFilePath(), u"work "_s + separator + u"doit.pro"_s);
        QVERIFY(!isExistingFile(QDir::tempPath()) && !isExistingFile(QString()));
    }
    void writesTheLastComposition()
    {
        const QString path = file(u"doit.pro"_s);
        QVERIFY(writeBytes(path, QByteArray(5000, 'x')));
        const JobResult result = write(m_work->path(), u"a.drw"_s);
        QVERIFY2(result.ok, qPrintable(result.error));
        const QByteArray written = readBytes(path);
        QVERIFY(written.contains("`Inputname` `a.drw`;") && written.endsWith(" ~ ;\r\n\r\n"));
        QCOMPARE(snapshot(m_work->path()),
                 QStringList{u"doit.pro = "_s + QString::fromLatin1(written)});
    }
    void failedWriteLeavesTheEarlierFile_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder missing") << u"gone"_s << u"a.drw"_s << u"\nGrund: "_s;
        QTest::newRow("doit.pro is a folder") << u"sub"_s << u"a.drw"_s << u"Ordner"_s;
        QTest::newRow("name outside the code page") << u"."_s << u"Żuraw.drw"_s << u"„Żuraw.drw“"_s;
    }
    void failedWriteLeavesTheEarlierFile()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QVERIFY(writeBytes(file(u"doit.pro"_s), "earlier"));
        QVERIFY(QDir().mkpath(file(u"sub/doit.pro"_s)));
        const QStringList before = snapshot(m_work->path());
        const JobResult result = write(file(folder), name);
        QVERIFY(!result.ok);
        const QString path = QDir::toNativeSeparators(file(folder + u"/doit.pro"_s));
        QVERIFY2(result.error.contains(path) && result.error.contains(reason),
                 qPrintable(result.error));
        QCOMPARE(snapshot(m_work->path()), before);
    }
    void fullDiskLeavesTheEarlierFile()
    {
#ifdef Q_OS_UNIX
        // A file size limit fails the write the way a full disk does, even for
        // root; one file is small enough to sit in the write buffer.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 200;
        const QString path = file(u"doit.pro"_s);
        QVERIFY(writeBytes(path, "earlier"));
        const QStringList before = snapshot(m_work->path());
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const JobResult result = write(m_work->path(), u"a.drw"_s);
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!result.ok);
        // The reason in the system's words, not "Unknown error".
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)) &&
                     result.error.contains(u"File too large"_s),
                 qPrintable(result.error));
        QCOMPARE(snapshot(m_work->path()), before);
#else
        QSKIP("File size limits are a POSIX feature");
#endif
    }
    void tooShortOpenStepIsRefused()
    {
        BatchJob job;
        BatchFrame frame = job.frame();
        frame.openStep = u"`"_s;
        job.setFrame(frame);
        QVERIFY(!job.compose(u"`;\\\r\n"_s).ok);
        QVERIFY(!job.batch());
        frame.openStep = u"`\r"_s; // two characters are enough to drop
        job.setFrame(frame);
        QVERIFY(job.compose(u"`;\\\r\n"_s).ok);
    }
    void createsThroughALinkAndAppendsEveryTime()
    {
        QVERIFY(QDir(m_work->path()).mkdir(u"work"_s) && QDir(m_work->path()).mkdir(u"shared"_s));
        const QString target = file(u"shared/real.pro"_s);
        const QString link = file(u"work/config.pro"_s);
        QVERIFY(QFile::link(target, link)); // dangling: config.pro is still missing
        ConfigInstallResult result = installAutoMapkey(link);
        QVERIFY2(result.ok && result.created && result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(readBytes(target), kAutoBlock);
        result = installAutoMapkey(link);
        QVERIFY2(result.ok && !result.created, qPrintable(result.error));
        QCOMPARE(
            snapshot(m_work->path()),
            (QStringList{u"shared /"_s,
                         u"shared/real.pro = "_s + QString::fromLatin1(kAutoBlock + kAutoBlock),
                         u"work /"_s, u"work/config.pro -> "_s + target}));
    }
    void linesAreCopiedWithCrLf_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("copied");
        QTest::newRow("empty file") << QByteArray() << QByteArray();
        QTest::newRow("lone LF") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QByteArray("a\r\nb\r\n");
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("mixed, empty lines, last without end")
            << QByteArray("a\r\n\r\nb\n\nc\r\rd") << QByteArray("a\r\n\r\nb\r\n\r\nc\r\n\r\nd\r\n");
        const QByteArray kept = "\xef\xbb\xbf a ;\\ \r\n\t\r\n";
        QTest::newRow("BOM, blanks and tabs") << kept << kept;
        QByteArray other; // every byte value but CR and LF, so none of them can end a line
        for (int b = 0; b < 256; ++b)
            other += b == '\r' || b == '\n' ? QByteArray() : QByteArray(1, char(b));
        QTest::newRow("every other byte value")
            << other + "\r\n" + other << other + "\r\n" + other + "\r\n";
    }
    void linesAreCopiedWithCrLf()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, copied);
        const QString path = file(u"config.pro"_s);
        QVERIFY(writeBytes(path, before));
        const ConfigInstallResult result = installAutoMapkey(path);
        QVERIFY2(result.ok && !result.created, qPrintable(result.error));
        QCOMPARE(readBytes(path), copied + kAutoBlock);
    }
    void failureLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("folder missing") << int(MissingFolder);
        QTest::newRow("path is a folder") << int(PathIsFolder);
#ifdef Q_OS_UNIX
        QTest::newRow("path is a pipe") << int(PathIsPipe);
#endif
        QTest::newRow("read-only file") << int(ReadOnlyFile);
        QTest::newRow("unreadable file") << int(UnreadableFile);
        QTest::newRow("unwritable folder") << int(LockedFolder);
    }
    void failureLeavesEverythingAsItWas()
    {
        QFETCH(int, fault);
        const QString folder = file(u"work"_s);
        QString path = folder + u"/config.pro"_s;
        QVERIFY(QDir().mkdir(folder) &&
                writeBytes(path, "! f\xfcr Pro/E\r\nmapkey a ~ ;\n\x80\xff"));
        if (fault == MissingFolder)
            path = file(u"gone/config.pro"_s);
        if (fault == PathIsFolder)
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));
#ifdef Q_OS_UNIX
        if (fault == PathIsPipe)
            QVERIFY(QFile::remove(path) &&
                    ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
#endif
        const QStringList before = snapshot(m_work->path());
        // Permissions go last, as the snapshot must read the file. The superuser
        // passes them by; only where the system says so is the case skipped.
        const QString locked = fault == LockedFolder ? folder : path;
        const auto unlock = [&] {
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        const auto guard = qScopeGuard(unlock);
        if (fault == ReadOnlyFile || fault == UnreadableFile || fault == LockedFolder) {
            QVERIFY(QFile::setPermissions(locked, fault == UnreadableFile
                                                      ? QFile::Permissions()
                                                      : QFile::ReadOwner | QFile::ExeOwner));
            const QFileInfo info(locked);
            if (fault == UnreadableFile ? info.isReadable() : info.isWritable())
                QSKIP("Permissions do not bind this user (superuser?)");
        }
        const ConfigInstallResult result = installAutoMapkey(path);
        QVERIFY(!result.ok && !result.created);
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)) &&
                     !result.error.section(u"Grund:"_s, 1).trimmed().isEmpty(),
                 qPrintable(result.error));
        unlock();
        QCOMPARE(snapshot(m_work->path()), before);
    }
    void linesAre2Plus11PerEntry_data()
    {
        QTest::addColumn<int>("entries");
        QTest::newRow("none") << 0;
        QTest::newRow("40000, no cap at 32767, several chunks") << 40000;
    }
    void linesAre2Plus11PerEntry()
    {
        QFETCH(int, entries);
        QStringList selection; // verbatim, in order, repeats kept
        for (int i = 0; i < entries; ++i)
            selection.append(u"E:\\proj dir\\b`%1.drw"_s.arg(i / 2));
        const ComposedBatch batch = composed(selection, {});
        QVERIFY(batch.encodingProblem().isEmpty());
        QList<QByteArray> lines = batch.bytes().split('\n');
        QCOMPARE(lines.takeLast(), QByteArray());
        QCOMPARE(lines.takeLast(), QByteArray("\r")); // the one CR LF after the closing line
        QCOMPARE(lines.size(), 2 + 11 * entries);
        QCOMPARE(lines.first(), QByteArray("mapkey doit ~ ;\\\r"));
        QCOMPARE(lines.last(), QByteArray("mapkey(continued) ~ ;\r"));
        const QString seam = u"mapkey(continued) ~ Update `file_open` `Inputname` `%1`;\\\r"_s;
        for (int i = 0; i < entries; ++i) {
            QCOMPARE(lines.at(3 + 11 * i), seam.arg(selection.at(i)).toLatin1());
            QCOMPARE(lines.at(4 + 11 * i),
                     "mapkey(continued) ~ Activate `file_open` `Open`;%;\\\r");
        }
    }
    void namesAreCopiedByteForByte()
    {
        // Blanks and tabs round a name belong to it; nothing is trimmed or quoted.
        const QByteArray bytes = composed({u" \t a b.drw\t "_s, u"ü.prt"_s}, u"rt"_s).bytes();
        QVERIFY(bytes.contains("`Inputname` ` \t a b.drw\t `;\\\r\n"));
        QVERIFY(bytes.contains("`Inputname` `\xfc.prt`;\\\r\n"));
    }
    void unencodableTextIsNamed_data()
    {
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("named"); // empty: nothing to complain about
        QTest::newRow("first of two file names")
            << QStringList{u"gut.drw"_s, u"Łódź.drw"_s, u"日本.prt"_s} << u"rt"_s
            << u"„Łódź.drw“"_s;
        QTest::newRow("mapkey names") << QStringList{u"a.drw"_s} << u"ł"_s << u"„ł“"_s;
        QTest::newRow("two code units")
            << QStringList{u"a.drw"_s} << u"\U0001F600"_s << u"„\U0001F600“"_s;
        // With no file the function block never reaches the file.
        QTest::newRow("mapkey names, no file") << QStringList() << u"ł"_s << QString();
    }
    void unencodableTextIsNamed()
    {
        QFETCH(QStringList, selection);
        QFETCH(QString, names);
        QFETCH(QString, named);
        const QString problem = composed(selection, names).encodingProblem();
        QVERIFY2(named.isEmpty() ? problem.isEmpty() : problem.contains(named),
                 qPrintable(problem));
    }
    void refusedWriteIsReported()
    {
        FullDevice full;
        full.open(QIODevice::WriteOnly);
        QVERIFY(!composed(QStringList(20000, u"bracket.drw"_s), u"rt"_s).writeTo(full));
    }
    void storedFunctionBlockClosesTheNameAndContinues()
    {
        const QString block = templates::storedFunctionBlock();
        QVERIFY(block.startsWith(u"`;\\\r\nmapkey(continued) ~ Activate `file_open` `Open`;"_s));
        QVERIFY(block.endsWith(u"`file_erase` `OK`;\\\r\n"_s));
        QCOMPARE(block.count(u"\r\n"_s), 14); // and no lone CR or LF:
        QCOMPARE(block.count(u'\r') + block.count(u'\n'), 28);
    }
    void replaceFirstAndAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("first"); // replaceFirst
        QTest::addColumn<QString>("all");   // replaceAll
        const auto row = [](const char* name, const char* text, const char* search,
                            const char* replacement, const char* first, const char* all) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(search)
                                << QString::fromUtf8(replacement) << QString::fromUtf8(first)
                                << QString::fromUtf8(all);
        };
        row("at the start, twice", "abcabc", "ab", "X", "Xcabc", "XcXc");
        row("at the very end", "xyzab", "ab", "Q", "xyzQ", "xyzQ");
        row("none", "xyz", "ab", "Q", "xyz", "xyz");
        row("case-sensitive", "ABAB", "ab", "rt", "ABAB", "ABAB");
        row("shrinks to empty", "ababab", "ab", "", "abab", "");
        // Pass after pass: a replacement that forms a new occurrence is replaced too.
        row("aa by a", "aaaa", "aa", "a", "aaa", "a");
        row("equal replacement ends", "abab", "ab", "ab", "abab", "abab");
        // Would grow forever: each original occurrence once.
        row("replacement holds search", "a-a", "a", "aa", "aa-a", "aa-aa");
        row("empty search at the start", "abc", "", "X", "Xabc", "Xabc");
        row("empty text stays empty", "", "", "X", "", "");
        row("grows and moves, short", "abbb", "ab", "baa", "baabb", "bbbaaaaaaaa");
        // Grows at every pass and keeps forming new occurrences through a long
        // text: too much work for a click, so each original occurrence once.
        const QString bs(5000, u'b');
        QTest::newRow("grows and moves, long")
            << u'a' + bs << u"ab"_s << u"baa"_s << u"baa"_s + bs.mid(1) << u"baa"_s + bs.mid(1);
    }
    void replaceFirstAndAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(QString, first);
        QFETCH(QString, all);
        QCOMPARE(replaceFirst(text, search, replacement), first);
        QCOMPARE(replaceAll(text, search, replacement), all);
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
        QCOMPARE(run({u"--list"_s, u"-"_s, u"--print"_s, u"--out"_s, m_work->path()}, list), 0);
        QCOMPARE(m_out, oneFileBatch("M\xfchle.drw", "ds")); // nothing stored: ds
        QCOMPARE(m_err,
                 u"Warnung: „Mühle.drw“: Zeichen „ü“ im Modellnamen\n1 Dateien gewählt.\n"_s);
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
        arguments.replaceInStrings(u"<dir>"_s, m_work->path());
        message = QDir::toNativeSeparators(message.replace(u"<dir>"_s, m_work->path()));
        QCOMPARE(run(arguments, input), exitCode);
        const QString said = exitCode == 0 ? QString::fromUtf8(m_out) : m_err;
        // Warnings of the check may come first.
        QVERIFY2(said.contains(message), qPrintable(said));
        QVERIFY((exitCode == 0 ? m_err : QString::fromUtf8(m_out)).isEmpty());
        QVERIFY(!QFile::exists(file(u"doit.pro"_s)));
    }
    void writesDoitAndInstallsTheAutoMapkey()
    {
        const QByteArray added = "Der Mapkey auto wurde Ihrer config.pro hinzugefügt !\n";
        QCOMPARE(run({u"--install-auto"_s, u"--list"_s, u"-"_s, u"--mapkeys"_s, u"+;%bb;%00;"_s,
                      u"--out"_s, m_work->path()},
                     "a.drw\n"),
                 0);
        QCOMPARE(m_out, "1 Dateien gewählt.\nEs wurde eine Datei config.pro angelegt\n" + added);
        QCOMPARE(readBytes(file(u"doit.pro"_s)), oneFileBatch("a.drw", "+;%bb;%00;"));
        QCOMPARE(readBytes(file(u"config.pro"_s)), kAutoBlock);
        // A list file, and without --out and --mapkeys what the window keeps.
        QVERIFY(writeBytes(file(u"list.txt"_s), "Name\r\nE:\\proj\\bracket.drw.3\r\n\r\n"
                                                "bracket.drw.4\nplate.prt\rplate.prt"));
        storeSetting(settings::kMapkeyNames, u"stored"_s);
        storeSetting(settings::kWorkingFolder, m_work->path());
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

QTEST_GUILESS_MAIN(TestBatchJob)
#include "tst_batchjob.moc"
