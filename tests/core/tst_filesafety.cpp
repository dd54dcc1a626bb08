#include "ConfigInstaller.h"
#include "Files.h"
#include "SafeWrite.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

#ifdef Q_OS_UNIX
struct stat statOf(const QString& path)
{
    struct stat info = {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

// Runs `write` with the file size limited to `bytes`, as a full disk would.
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

} // namespace

// Rewriting the user's files: no write leaves a file other than it was or
// as it should be, its owner and links included.
class TestFileSafety : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rewriteKeepsOwnerModeAndHardLinks();
    void failedRewriteInPlacePutsTheOldBytesBack();
    void readOnlyFileIsRefusedForEveryone();
    void secondWriterWaitsForTheLock();

private:
    QTemporaryDir m_dir;
};

void TestFileSafety::rewriteKeepsOwnerModeAndHardLinks()
{
#ifdef Q_OS_UNIX
    const QString path = m_dir.filePath(u"config.pro"_s);
    const QString other = m_dir.filePath(u"other-name.pro"_s);
    QVERIFY(writeBytes(path, "alt\r\n"));
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    // Only the superuser can hand a file to someone else, as a shared
    // project folder has it (alice's file, bob's installation).
    const bool root = ::geteuid() == 0;
    if (root)
        QCOMPARE(::chown(QFile::encodeName(path).constData(), 4242, 4343), 0);
    QVERIFY(writeFileAtomically(path, "neu\r\n", nullptr));
    QCOMPARE(statOf(path).st_mode & 07777, mode_t(0640));
    if (root) {
        QCOMPARE(statOf(path).st_uid, uid_t(4242));
        QCOMPARE(statOf(path).st_gid, gid_t(4343));
    }

    // A second name of the same file sees the new bytes: the link holds.
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    const ConfigInstallResult installed = installAutoMapkey(path);
    QVERIFY2(installed.ok, qPrintable(installed.error));
    QCOMPARE(statOf(path).st_ino, statOf(other).st_ino);
    QVERIFY(readBytes(other).startsWith("neu\r\n! Mapkey zum ausfuehren der doit.pro\r\n"));
    QCOMPARE(entries(m_dir.path()), (QStringList{u"config.pro"_s, u"other-name.pro"_s}));
    QVERIFY(QFile::remove(other) && QFile::remove(path));
#else
    QSKIP("Owners and hard links as POSIX keeps them");
#endif
}

void TestFileSafety::failedRewriteInPlacePutsTheOldBytesBack()
{
#ifdef Q_OS_UNIX
    const QString path = m_dir.filePath(u"linked.pro"_s);
    const QString other = m_dir.filePath(u"second.pro"_s);
    QVERIFY(writeBytes(path, "! alt\r\n"));
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    QString error;
    const bool written = withFileSizeLimit(
        100, [&] { return writeFileAtomically(path, QByteArray(500, 'x'), &error); });
    QVERIFY(!written);
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QCOMPARE(readBytes(path), QByteArray("! alt\r\n"));
    QCOMPARE(statOf(path).st_ino, statOf(other).st_ino);
    QCOMPARE(entries(m_dir.path()), (QStringList{u"linked.pro"_s, u"second.pro"_s}));
    QVERIFY(QFile::remove(other) && QFile::remove(path));
#else
    QSKIP("Hard links and file size limits as POSIX keeps them");
#endif
}

void TestFileSafety::readOnlyFileIsRefusedForEveryone()
{
    // The superuser passes the system's own check; the refusal must not.
    const QString path = m_dir.filePath(u"doit.pro"_s);
    QVERIFY(writeBytes(path, "earlier"));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QString error;
    QVERIFY(!writeFileAtomically(path, "new", &error));
    QVERIFY2(error.contains(u"schreibgeschützt"_s), qPrintable(error));
    QCOMPARE(readBytes(path), QByteArray("earlier"));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner) &&
            QFile::remove(path));
}

void TestFileSafety::secondWriterWaitsForTheLock()
{
    const QString path = m_dir.filePath(u"config.pro"_s);
    auto first = std::make_unique<FileLock>(path);
    QString error;
    QVERIFY(first->acquire(&error, 0));
    FileLock second(path);
    QVERIFY(!second.acquire(&error, 50));
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    first.reset();
    QVERIFY(second.acquire(&error, 0));
}

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
