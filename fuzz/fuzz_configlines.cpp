// The lines of a config.pro, any bytes at all, as the installation copies
// them: every line ends in CR LF afterwards, and nothing else changes.
#include "core/ConfigInstaller.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray copied;
    kettwerk::appendLinesWithCrLf(bytes, copied);
    if (!copied.isEmpty() && !copied.endsWith("\r\n"))
        std::abort();
    // Without its line ends the text is the same, byte for byte.
    QByteArray before = bytes.toByteArray();
    QByteArray after = copied;
    before.replace("\r\n", "\n").replace('\r', '\n');
    after.replace("\r\n", "\n");
    if (after.contains('\r') || (after != before && after != before + "\n"))
        std::abort();
    return 0;
}
