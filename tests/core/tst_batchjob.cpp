#include "core/BatchJob.h"
#include "core/BatchRun.h"
#include "core/ConfigInstaller.h"
#include "core/SafeWrite.h"
#include "core/SettingsKeys.h"
#include "core/Templates.h"
#include "core/TextReplace.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "support/BatchFixture.h"
#include "support/Rows.h"

#include <QBuffer>
#include <QDirIterator>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <array>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

ComposedBatch composed(const QStringList& selection, const QString& names)
{
    BatchJob job;
    job.setSelection(selection);
    job.setMapkeyNames(names);
    return composeBatch(job).value();
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

#ifdef Q_OS_UNIX
struct stat statOf(const QString& path)
{
    struct stat info = {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

// Runs `write` with the file size limited to `bytes`: a write then fails the
// way it does on a full disk, even for the superuser.
template <typename Write> auto withFileSizeLimit(rlim_t bytes, Write write)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    return result;
}
#endif

enum Fault {
    MissingFolder,
    PathIsFolder,
    PathIsPipe,
    ReadOnlyFile,
    UnreadableFile,
    LockedFolder,
    FullDisk,
    Unencodable
};

} // namespace

// The batch job behind both front ends, and kettwerk-batch run as a script would.
class TestBatchJob : public QObject, BatchFixture
{
    Q_OBJECT

    // Writes doit.pro with the custom sequence for `name` into `folder`.
    static Result<> write(const QString& folder, const QString& name)
    {
        BatchJob job;
        job.setWorkingFolder(folder);
        job.setSelection({name});
        return writeBatchFile(job, composeBatch(job).value(), false);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(setUpHome()); }
    void init() { startAfresh(); }

    void workingFolderAtStart_data()
    {
        QTest::addColumn<bool>("proFolderExists");
        QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
        QTest::addColumn<QString>("expected");
#ifdef Q_OS_WIN
        const QString pro =
            u"E:\\users\\"_s + qEnvironmentVariable("USERNAME") + u"\\ProEWildfire2\\"_s;
#else
        const QString pro = m_home.path() + u"/ProEWildfire2/"_s;
#endif
        QTest::newRow("first run, folder exists") << true << QVariant() << pro;
#ifdef Q_OS_WIN // the unpacked archive's folder
        const QString fallback = platform::programFolder();
#else // never the folder of an installed program, such as /usr/bin
        const QString fallback = m_home.path();
#endif
        QTest::newRow("first run, no folder") << false << QVariant() << fallback;
        QTest::newRow("stored, gone") << true << QVariant(u"/no/such/"_s) << u"/no/such/"_s;
        QTest::newRow("stored empty") << true << QVariant(QString()) << QString();
    }
    void workingFolderAtStart()
    {
        QFETCH(bool, proFolderExists);
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        const QString pro = platform::defaultWorkingFolder(platform::loginName());
        QDir().rmdir(pro);
        if (proFolderExists && !QDir().mkpath(pro))
            QSKIP("This machine has no drive for the usual Pro/ENGINEER folder.");
        const auto removeProFolder = qScopeGuard([&pro] { QDir().rmdir(pro); });
        if (stored.isValid())
            storeSetting(settings::kWorkingFolder, stored.toString());
        BatchJob job;
        job.restore(platform::SettingsStore());
        QCOMPARE(job.workingFolder(), expected);
        QCOMPARE(job.mapkeyNames(), u"ds"_s);
        QCOMPARE(job.functionBlock(), templates::storedFunctionBlock());
    }
    // Only the separator at the very end counts and nothing is trimmed.
    void pathsFollowTheWorkingFolder()
    {
        QCOMPARE(configFilePath(u"E:\\pro"_s, u"C:\\prog"_s, u'\\'), u"E:\\pro\\config.pro"_s);
        QCOMPARE(configFilePath(u"/home/pro/"_s, u"/opt"_s, u'/'), u"/home/pro/config.pro"_s);
        const QChar separator = platform::pathSeparator();
        BatchJob job;
        job.setWorkingFolder(u"work"_s + separator);
        QCOMPARE(job.batchFilePath(), u"work"_s + separator + u"doit.pro"_s);
        job.setWorkingFolder(u"work "_s);
        QCOMPARE(job.batchFilePath(), u"work "_s + separator + u"doit.pro"_s);
    }
    // A rewrite leaves no file other than it was or as it should be, its
    // owner and links included, also when it fails.
    void rewriteKeepsOwnerModeAndHardLinks()
    {
#ifdef Q_OS_UNIX
        const QString path = file(u"config.pro"_s);
        const QString other = file(u"other-name.pro"_s);
        QVERIFY(writeBytes(path, "alt\r\n"));
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
        // Only the superuser can hand a file to someone else, as a shared
        // project folder has it (alice's file, bob's installation).
        const bool root = ::geteuid() == 0;
        if (root)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 4242, 4343), 0);
        QVERIFY(writeFileAtomically(path, "neu\r\n").ok());
        QCOMPARE(statOf(path).st_mode & 07777, mode_t(0640));
        if (root) {
            QCOMPARE(statOf(path).st_uid, uid_t(4242));
            QCOMPARE(statOf(path).st_gid, gid_t(4343));
            // The group alone differs from a new file's.
            QCOMPARE(::chown(QFile::encodeName(path).constData(), ::geteuid(), 4343), 0);
            QVERIFY(writeFileAtomically(path, "neu\r\n").ok());
            QCOMPARE(statOf(path).st_gid, gid_t(4343));
        }

        // A second name of the same file sees the new bytes: the link holds.
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()),
                 0);
        const Result<ConfigInstalled> installed = installAutoMapkey(path);
        QVERIFY2(installed.ok(), qPrintable(installed.error()));
        QVERIFY(readBytes(other).startsWith("neu\r\n! Mapkey zum ausfuehren der doit.pro\r\n"));
        // A rewrite in place that fails partway puts the old bytes back.
        const QByteArray before = readBytes(path);
        const Result<> failed = withFileSizeLimit(
            2000, [&] { return writeFileAtomically(path, QByteArray(5000, 'x')); });
        QVERIFY2(!failed.ok() && failed.error().contains(QDir::toNativeSeparators(path)),
                 qPrintable(failed.error()));
        QCOMPARE(readBytes(path), before);
        QCOMPARE(statOf(path).st_ino, statOf(other).st_ino);
        QCOMPARE(entries(m_work->path()), (QStringList{u"config.pro"_s, u"other-name.pro"_s}));
#else
        QSKIP("Owners, hard links and file size limits as POSIX keeps them");
#endif
    }
    // Someone else's config.pro in a shared folder: the new file could not
    // be given to its owner, so the file is rewritten where it is.
    void ownerIsKeptWhenANewFileCannotGetIt()
    {
#ifdef Q_OS_UNIX
        if (::geteuid() != 0)
            QSKIP("Needs the superuser to make a file that another user may write but not own");
        const QString folder = file(u"shared"_s);
        const QString path = folder + u"/config.pro"_s;
        QVERIFY(QDir().mkdir(folder) && writeBytes(path, "! alt\r\n"));
        QCOMPARE(::chmod(QFile::encodeName(m_work->path()).constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
        QCOMPARE(::chown(QFile::encodeName(path).constData(), 4242, 4343), 0);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0666), 0);
        const ino_t inode = statOf(path).st_ino;
        // kettwerk-batch as a user of its own, who may not give files away.
        QProcess process;
        process.setChildProcessModifier([] {
            if (::setgid(5555) != 0 || ::setuid(5555) != 0)
                ::_exit(99);
        });
        process.start(qEnvironmentVariable("KETTWERK_BATCH"),
                      {u"--install-auto"_s, u"--out"_s, folder});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(readBytes(path), "! alt\r\n" + kAutoBlock);
        QCOMPARE(statOf(path).st_uid, uid_t(4242));
        QCOMPARE(statOf(path).st_gid, gid_t(4343));
        QCOMPARE(statOf(path).st_ino, inode);
        QCOMPARE(entries(folder), QStringList{u"config.pro"_s});
#else
        QSKIP("Owners and users as POSIX keeps them");
#endif
    }
    void tooShortOpenStepIsRefused()
    {
        BatchJob job;
        BatchFrame frame = job.frame();
        frame.openStep = u"`"_s;
        job.setFrame(frame);
        QVERIFY(!composeBatch(job, u"`;\\\r\n"_s).ok());
        frame.openStep = u"`\r"_s; // two characters are enough to drop
        job.setFrame(frame);
        QVERIFY(composeBatch(job, u"`;\\\r\n"_s).ok());
    }
    void createsThroughALinkAndAppendsEveryTime()
    {
#ifdef Q_OS_WIN
        QSKIP("QFile::link makes a shortcut (.lnk) on Windows, which no program follows.");
#endif
        QVERIFY(QDir(m_work->path()).mkdir(u"work"_s) && QDir(m_work->path()).mkdir(u"shared"_s));
        const QString target = file(u"shared/real.pro"_s);
        const QString link = file(u"work/config.pro"_s);
        QVERIFY(QFile::link(target, link)); // dangling: config.pro is still missing
        Result<ConfigInstalled> result = installAutoMapkey(link);
        QVERIFY2(result.ok() && result.value() == ConfigInstalled::Created,
                 qPrintable(result.error()));
        QCOMPARE(readBytes(target), kAutoBlock);
        result = installAutoMapkey(link);
        QVERIFY2(result.ok() && result.value() == ConfigInstalled::Appended,
                 qPrintable(result.error()));
        QCOMPARE(readBytes(target), kAutoBlock + kAutoBlock);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(entries(file(u"work"_s)) + entries(file(u"shared"_s)),
                 (QStringList{u"config.pro"_s, u"real.pro"_s}));
    }
    void linesAreCopiedWithCrLf_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("copied");
        row("empty file", ""_ba, ""_ba);
        row("lone LF", "a\nb\n"_ba, "a\r\nb\r\n"_ba);
        row("lone CR", "a\rb\r"_ba, "a\r\nb\r\n"_ba);
        row("LF CR is two ends", "a\n\rb"_ba, "a\r\n\r\nb\r\n"_ba);
        row("mixed, empty lines, last without end", "a\r\n\r\nb\n\nc\r\rd"_ba,
            "a\r\n\r\nb\r\n\r\nc\r\n\r\nd\r\n"_ba);
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
        const Result<ConfigInstalled> result = installAutoMapkey(path);
        QVERIFY2(result.ok() && result.value() == ConfigInstalled::Appended,
                 qPrintable(result.error()));
        QCOMPARE(readBytes(path), copied + kAutoBlock);
    }
    // A failed write of doit.pro or config.pro names the path and a reason
    // and leaves every file as it was.
    void failureLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("name"); // doit.pro is written, config.pro gets `auto`
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("reason");
        for (const char* name : {"doit.pro", "config.pro"}) {
            const auto add = [name](const char* tag, Fault fault, const char* reason) {
                QTest::addRow("%s, %s", name, tag)
                    << QString::fromLatin1(name) << int(fault) << QString::fromUtf8(reason);
            };
            add("folder missing", MissingFolder, "Grund: ");
            add("path is a folder", PathIsFolder, "Ordner");
            add("read-only file", ReadOnlyFile, "schreibgeschützt");
#ifdef Q_OS_UNIX // Windows keeps only a read-only flag, which folders ignore
            add("unwritable folder", LockedFolder, "Grund: ");
            // The last bytes sit in the write buffer until the flush; the
            // reason is the system's, not "Unknown error".
            add("full disk", FullDisk, "File too large");
#endif
        }
#ifdef Q_OS_UNIX
        row("config.pro, path is a pipe", "config.pro", int(PathIsPipe), "Grund: ");
        row("config.pro, unreadable file", "config.pro", int(UnreadableFile), "Grund: ");
#endif
        row("doit.pro, name outside the code page", "doit.pro", int(Unencodable), "„Żuraw.drw“");
    }
    void failureLeavesEverythingAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(int, fault);
        QFETCH(QString, reason);
        const QString folder = file(u"work"_s);
        QString path = folder + u'/' + name;
        QVERIFY(QDir().mkdir(folder) &&
                writeBytes(path, "! f\xfcr Pro/E\r\nmapkey a ~ ;\n\x80\xff"));
        if (fault == MissingFolder)
            path = file(u"gone/"_s + name);
        if (fault == PathIsFolder)
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));
#ifdef Q_OS_UNIX
        if (fault == PathIsPipe)
            QVERIFY(QFile::remove(path) &&
                    ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
#endif
        const QStringList before = snapshot(m_work->path());
        // Permissions go last, as the snapshot must read the file. A read-only
        // file is refused to everyone; the system's own checks let the
        // superuser pass, and only where it says so is the case skipped.
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
            if (fault == UnreadableFile ? info.isReadable()
                                        : fault == LockedFolder && info.isWritable())
                QSKIP("Permissions do not bind this user (superuser?)");
        }
        const auto attempt = [&]() -> Result<> {
            if (name == u"doit.pro"_s)
                return write(QFileInfo(path).path(),
                             fault == Unencodable ? u"Żuraw.drw"_s : u"a.drw"_s);
            const Result<ConfigInstalled> installed = installAutoMapkey(path);
            if (installed.ok())
                return {};
            return Failure::file(installed.error());
        };
#ifdef Q_OS_UNIX // with a file size limit a write fails as on a full disk
        const Result<> result = fault == FullDisk ? withFileSizeLimit(200, attempt) : attempt();
#else
        const Result<> result = attempt();
#endif
        QVERIFY(!result.ok());
        QVERIFY2(result.error().contains(QDir::toNativeSeparators(path)) &&
                     result.error().contains(reason) &&
                     !result.error().trimmed().endsWith(u"Grund:"_s),
                 qPrintable(result.error()));
        unlock();
        QCOMPARE(snapshot(m_work->path()), before);
    }
    void linesAre2Plus11PerEntry()
    {
        // Verbatim, in order, repeats kept: blanks and tabs round a name belong
        // to it, nothing is trimmed or quoted; ü is the code page's byte. No
        // cap at 32767, and 40000 entries take several chunks.
        for (const int entries : {0, 40000}) {
            QStringList selection;
            for (int i = 0; i < entries; ++i)
                selection.append(u" \t E:\\proj dir\\b`ü%1.drw\t "_s.arg(i / 2));
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
    }
    void refusedWriteIsReported()
    {
#ifdef Q_OS_LINUX
        // A buffered device takes the bytes and refuses them only at its flush.
        QFile devFull(u"/dev/full"_s);
        QVERIFY(devFull.open(QIODevice::WriteOnly));
        QVERIFY(!printBatch(composed({u"a.drw"_s}, u"rt"_s), devFull).ok());
#endif
        FullDevice full;
        full.open(QIODevice::WriteOnly);
        QVERIFY(!composed(QStringList(20000, u"bracket.drw"_s), u"rt"_s).writeTo(full));
    }
    void replaceFirstAndAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("first"); // replaceFirst
        QTest::addColumn<QString>("all");   // replaceAll
        row("at the very end", "xyzab", "ab", "Q", "xyzQ", "xyzQ");
        row("case-sensitive", "ABAB", "ab", "rt", "ABAB", "ABAB");
        row("shrinks to empty", "ababab", "ab", "", "abab", "");
        // Pass after pass: a replacement that forms a new occurrence is replaced too.
        row("aa by a", "aaaa", "aa", "a", "aaa", "a");
        row("equal replacement ends", "abab", "ab", "ab", "abab", "abab");
        // Would grow forever: each original occurrence once.
        row("replacement holds search", "a-a-A", "a", "aa", "aa-a-A", "aa-aa-A");
        row("empty search at the start", "abc", "", "X", "Xabc", "Xabc");
        row("empty text stays empty", "", "", "X", "", "");
        row("grows and moves, short", "abbb", "ab", "baa", "baabb", "bbbaaaaaaaa");
        // Grows at every pass and keeps forming new occurrences through a long
        // text: too much work for a click, so each original occurrence once.
        const QString bs(5000, u'b');
        row("grows and moves, long", u'a' + bs, "ab", "baa", u"baa"_s + bs.mid(1),
            u"baa"_s + bs.mid(1));
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
    // kettwerk-batch as a script calls it, with the arguments split at blanks
    // and "<dir>" for the test's folder. An empty expected stream stays empty;
    // any other holds the text (warnings of the check may come first).
    void commandLine_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err");
        const char* usage = "kettwerk-batch: ";
        const QString notWritten = u"“ konnte nicht geschrieben werden.\nGrund: "_s;
        const QString unencodable = u"Der Dateiname „Łódź.drw“"_s;
        row("help", "--help", ""_ba, 0, "Aufruf: kettwerk-batch"_ba, "");
        row("no arguments", "", ""_ba, 1, ""_ba, usage);
        row("unknown", "--list - --bogus", ""_ba, 1, ""_ba, usage);
        row("log with print", "--list - --log --print", "a.drw\n"_ba, 1, ""_ba, usage);
        row("status with resume", "--status --resume", ""_ba, 1, ""_ba, usage);
        row("no files", "--list - --out <dir>", "Name\n\n"_ba, 1, ""_ba,
            "Bitte Dateien auswählen !");
        row("list missing", "--list <dir>/none.txt", ""_ba, 2, ""_ba,
            "Die Datei „<dir>/none.txt“ konnte nicht gelesen werden.\nGrund: ");
        row("folder missing", "--list - --out <dir>/no/such", "a.drw\n"_ba, 2, ""_ba,
            u"Die Datei „<dir>/no/such/doit.pro"_s + notWritten);
        row("unencodable name", "--list - --out <dir>", "Łódź.drw\n"_ba, 2, ""_ba,
            u"Die Datei „<dir>/doit.pro“ wurde nicht geschrieben.\n"_s + unencodable);
        row("unencodable, printed", "--list - --print", "Łódź.drw\n"_ba, 2, ""_ba,
            u"doit.pro wurde nicht ausgegeben.\n"_s + unencodable);
        row("first of two unencodable names", "--list - --out <dir>",
            "gut.drw\nŁódź.drw\n日本.prt\n"_ba, 2, ""_ba, unencodable);
        row("unencodable mapkey names", "--list - --out <dir> --mapkeys ł", "a.drw\n"_ba, 2, ""_ba,
            "„ł“");
        row("two code units", "--list - --out <dir> --mapkeys \U0001F600", "a.drw\n"_ba, 2, ""_ba,
            "„\U0001F600“");
        // Text that would break the batch is refused by name.
        const QString out = u"--list - --out <dir>"_s;
        row("accent", out, "gut.drw\na`b.drw\n"_ba, 1, ""_ba, "„a`b.drw“: Akzent `");
        row("tab", out, "c\td.prt\n"_ba, 1, ""_ba, "„c<Tabulator>d.prt“: Tabulator");
        row("U+001F", out, "e\x1f.asm\n"_ba, 1, ""_ba, "„e<Steuerzeichen U+001F>.asm“");
        row("line break in mapkey names", out + u" --mapkeys rt\r\nmapkey"_s, "a.drw\n"_ba, 1,
            ""_ba, "Mapkey-Namen „rt<Zeilenumbruch><Zeilenumbruch>mapkey“: Zeilenumbruch");
        // What --check, --strict and --config do.
        const QByteArray blank = "Warnung: „a b.drw“: Zeichen „ “ im Modellnamen\n"_ba;
        const QString rt = u"--list - --mapkeys rt --out <dir>"_s;
        row("check", rt + u" --check"_s, "a b.drw\n"_ba, 0, blank, "");
        row("check, strict", rt + u" --check --strict"_s, "a b.drw\n"_ba, 1, blank, "");
        row("check, error", rt + u" --check"_s, "a`b.drw\n"_ba, 1,
            "Fehler: Dateiname „a`b.drw“: Akzent `\n"_ba, "");
        row("write, strict", rt + u" --strict"_s, "a b.drw\n"_ba, 1, ""_ba,
            QString::fromUtf8(blank));
        row("write", rt, "a b.drw\n"_ba, 0, "1 Dateien gewählt.\n"_ba, QString::fromUtf8(blank));
        row("named config.pro missing", rt + u" --check --config <dir>/no/such.pro"_s, "a.drw\n"_ba,
            0,
            "Warnung: „<dir>/no/such.pro“: nicht lesbar (nicht gefunden), ihre Mapkeys bleiben "
            "ungeprüft\n"_ba,
            "");
        // A list in every encoding; with nothing stored the mapkey is ds.
        const QByteArray printed = oneFileBatch("M\xfchle.drw", "ds");
        const char* umlaut =
            "Warnung: „Mühle.drw“: Zeichen „ü“ im Modellnamen\n1 Dateien gewählt.\n";
        const QString print = u"--list - --print --out <dir>"_s;
        row("utf-8", print, "Mühle.drw\n"_ba, 0, printed, umlaut);
        row("utf-8 with bom", print, "\xef\xbb\xbfMühle.drw\n"_ba, 0, printed, umlaut);
        row("code page", print, "M\xfchle.drw\n"_ba, 0, printed, umlaut);
        row("UTF-16 LE", print, QByteArray("\xff\xfeM\0\xfc\0h\0l\0e\0.\0d\0r\0w\0\r\0\n\0", 24), 0,
            printed, umlaut);
        row("UTF-16 BE", print, QByteArray("\xfe\xff\0M\0\xfc\0h\0l\0e\0.\0d\0r\0w\0\n", 22), 0,
            printed, umlaut);
    }
    void commandLine()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        const QString dir = m_work->path();
        const auto place = [&dir](QString text) {
            return QDir::toNativeSeparators(text.replace(u"<dir>"_s, dir));
        };
        const QStringList arguments =
            command.split(u' ', Qt::SkipEmptyParts).replaceInStrings(u"<dir>"_s, dir);
        QCOMPARE(m_batch.run(arguments, input), exitCode);
        if (out.contains("<dir>"))
            out = place(QString::fromUtf8(out)).toUtf8();
        QVERIFY2(out.isEmpty() ? m_batch.out.isEmpty() : m_batch.out.contains(out),
                 m_batch.out.constData());
        QVERIFY2(err.isEmpty() ? m_batch.err.isEmpty() : m_batch.err.contains(place(err)),
                 qPrintable(m_batch.err));
        QCOMPARE(QFile::exists(file(u"doit.pro"_s)),
                 exitCode == 0 && command.contains(u"--out"_s) && !command.contains(u"--check"_s) &&
                     !command.contains(u"--print"_s));
    }
    // A list file, and without --out and --mapkeys what the window keeps. The
    // language changes what kettwerk-batch says, never a byte of what it writes.
    void listFileWithStoredValues_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("unreadable");
        row("de", "de",
            "1 Dateien gewählt.\nEs wurde eine Datei config.pro angelegt\n"
            "Der Mapkey auto wurde Ihrer config.pro hinzugefügt !\n",
            "Die Datei „<list>“ konnte nicht gelesen werden.\nGrund: ");
        row("en", "en",
            "1 file selected.\nA new config.pro has been created\n"
            "The mapkey auto has been added to your config.pro!\n",
            "The file “<list>” could not be read.\nReason: ");
    }
    void listFileWithStoredValues()
    {
        QFETCH(QString, language);
        QFETCH(QString, said);
        QFETCH(QString, unreadable);
        m_batch.environment.insert(u"KETTWERK_LANG"_s, language);
        // A heading, a path, versions of one drawing, an empty line, a lone CR.
        QVERIFY(writeBytes(file(u"list.txt"_s),
                           "Name\r\nE:\\proj\\bracket.drw.3\r\n\r\nbracket.drw.4\r"));
        QVERIFY(writeBytes(file(u"doit.pro"_s), QByteArray(5000, 'x'))); // longer, replaced whole
        storeSetting(settings::kMapkeyNames, u"+;%bb;%00;"_s);
        storeSetting(settings::kWorkingFolder, m_work->path());
        QCOMPARE(m_batch.run({u"--install-auto"_s, u"--list"_s, file(u"list.txt"_s)}), 0);
        QCOMPARE(QString::fromUtf8(m_batch.out), said);
        QCOMPARE(readBytes(file(u"doit.pro"_s)), oneFileBatch("bracket.drw", "+;%bb;%00;"));
        QCOMPARE(readBytes(file(u"config.pro"_s)), kAutoBlock);
        const QString list = QDir::toNativeSeparators(file(u"none.txt"_s));
        QCOMPARE(m_batch.run({u"--list"_s, list}), 2);
        QVERIFY2(m_batch.err.startsWith(unreadable.replace(u"<list>"_s, list)),
                 qPrintable(m_batch.err));
    }
    void readFailingPartwayWritesNothing_data()
    {
        QTest::addColumn<QString>("failing"); // "-" for standard input
        QTest::addColumn<QString>("command");
        row("list file", "list.txt", "--list list.txt");
        row("standard input", "-", "--list -");
        row("config.pro", "config.pro", "--install-auto");
    }
    void readFailingPartwayWritesNothing()
    {
#ifdef Q_OS_LINUX
        QFETCH(QString, failing);
        QFETCH(QString, command);
        const QByteArray list = QByteArray("bracket.drw\n").repeated(1000);
        const QByteArray config = QByteArray("mapkey m @MAPKEY_LABELeins;\r\n").repeated(1000);
        QVERIFY(writeBytes(file(u"list.txt"_s), list) && writeBytes(file(u"config.pro"_s), config));
        m_batch.environment.insert(u"LD_PRELOAD"_s, qEnvironmentVariable("KETTWERK_FAILING_READ"));
        m_batch.environment.insert(u"KETTWERK_FAIL_PATH"_s,
                                   failing == u"-"_s ? failing : file(failing));
        m_batch.environment.insert(u"KETTWERK_FAIL_AFTER"_s, u"4096"_s);
        const QStringList arguments =
            command.split(u' ').replaceInStrings(u"list.txt"_s, file(u"list.txt"_s));
        QCOMPARE(m_batch.run(arguments + QStringList{u"--out"_s, m_work->path()}, list), 2);
        QVERIFY2(m_batch.err.contains(u"Input/output error"_s), qPrintable(m_batch.err));
        QVERIFY(!QFile::exists(file(u"doit.pro"_s)));
        QCOMPARE(readBytes(file(u"config.pro"_s)), config);
#else
        QSKIP("The failing read is put in place with LD_PRELOAD");
#endif
    }
    // A reader that goes away early: the rest cannot be printed.
    void closedOutputIsAFailure()
    {
#ifdef Q_OS_LINUX
        QProcess shell;
        shell.setProcessEnvironment(m_batch.environment);
        shell.start(u"bash"_s, {u"-c"_s, u"seq 1 50000 | \"$KETTWERK_BATCH\" --list - --print | "
                                         u"head -c 1 >/dev/null; exit ${PIPESTATUS[1]}"_s});
        QVERIFY(shell.waitForFinished(60000));
        QCOMPARE(shell.exitCode(), 2);
        QVERIFY(shell.readAllStandardError().contains("Broken pipe"));
#else
        QSKIP("Needs a shell pipeline");
#endif
    }
    // An empty folder would mean the root of the drive, or the program's folder.
    void emptyWorkingFolderIsRefused()
    {
        QCOMPARE(m_batch.run({u"--list"_s, u"-"_s, u"--out"_s, QString()}, "a.drw\n"), 1);
        QVERIFY(QDir().mkpath(m_settings.folder() + u"/Kettwerk"_s));
        QVERIFY(writeBytes(m_settings.folder() + u"/Kettwerk/Kettwerk.ini"_s,
                           "[Optionen]\ntxt_pro=\n"));
        for (const QStringList& arguments :
             {QStringList{u"--list"_s, u"-"_s}, QStringList{u"--install-auto"_s}}) {
            QCOMPARE(m_batch.run(arguments, "a.drw\n"), 2);
            QVERIFY2(m_batch.err.contains(u"kein Speicherort"_s), qPrintable(m_batch.err));
        }
    }
    void concurrentInstallationsKeepEveryBlock()
    {
        QVERIFY(writeBytes(file(u"config.pro"_s), "! meine Einstellungen\r\n"));
        std::array<QProcess, 20> running;
        for (QProcess& process : running) {
            process.setProcessEnvironment(m_batch.environment);
            process.start(qEnvironmentVariable("KETTWERK_BATCH"),
                          {u"--install-auto"_s, u"--out"_s, m_work->path()});
        }
        for (QProcess& process : running)
            QVERIFY(process.waitForFinished(60000) && process.exitCode() == 0);
        const QByteArray config = readBytes(file(u"config.pro"_s));
        QVERIFY(config.startsWith("! meine Einstellungen\r\n"));
        QCOMPARE(config.count(kAutoBlock), 20);
        QCOMPARE(config.size(), 23 + 20 * kAutoBlock.size());
        QCOMPARE(entries(m_work->path()), QStringList{u"config.pro"_s});
    }
};

QTEST_GUILESS_MAIN(TestBatchJob)
#include "tst_batchjob.moc"
