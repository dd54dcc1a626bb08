#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace kettwerk::platform {
namespace {

std::function<int(const QString&)> g_hook;

constexpr int kOpened = 42;      // any value above 32 means success
constexpr int kFileNotFound = 2; // the shell's code for "cannot be opened"

bool looksLikeAddress(const QString& text)
{
    // "C:\x" has a one-letter scheme; real schemes are longer.
    const qsizetype colon = text.indexOf(u':');
    return colon > 1 && QUrl(text).isValid() && !QUrl(text).scheme().isEmpty();
}

} // namespace

int shellOpen(const QString& pathOrAddress)
{
    if (g_hook)
        return g_hook(pathOrAddress);
    const QUrl url =
        looksLikeAddress(pathOrAddress) ? QUrl(pathOrAddress) : QUrl::fromLocalFile(pathOrAddress);
    return QDesktopServices::openUrl(url) ? kOpened : kFileNotFound;
}

void setShellOpenHook(std::function<int(const QString&)> hook)
{
    g_hook = std::move(hook);
}

} // namespace kettwerk::platform
