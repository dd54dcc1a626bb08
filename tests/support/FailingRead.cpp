// Loaded with LD_PRELOAD into a program under test: every read of one file
// fails with EIO once some of its bytes have arrived, as on a dying disk or
// a network share that drops away. No real file can be made to do that.
//
// KETTWERK_FAIL_PATH names the file ("-" for standard input),
// KETTWERK_FAIL_AFTER how many of its bytes still arrive.
#include <dlfcn.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

namespace {

using ReadCall = ssize_t (*)(int, void*, size_t);

long long g_delivered = 0;

bool isWatched(int fd, const char* path)
{
    if (std::strcmp(path, "-") == 0)
        return fd == STDIN_FILENO;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t length = ::readlink(link, target, sizeof target - 1);
    if (length <= 0)
        return false;
    target[length] = '\0';
    return std::strcmp(target, path) == 0;
}

} // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t size)
{
    static const auto realRead = reinterpret_cast<ReadCall>(::dlsym(RTLD_NEXT, "read"));
    const char* path = std::getenv("KETTWERK_FAIL_PATH");
    if (!path || !isWatched(fd, path))
        return realRead(fd, buffer, size);
    const char* after = std::getenv("KETTWERK_FAIL_AFTER");
    const long long limit = after ? std::atoll(after) : 0;
    if (g_delivered >= limit) {
        errno = EIO;
        return -1;
    }
    if (g_delivered + static_cast<long long>(size) > limit)
        size = static_cast<size_t>(limit - g_delivered);
    const ssize_t got = realRead(fd, buffer, size);
    if (got > 0)
        g_delivered += got;
    return got;
}
