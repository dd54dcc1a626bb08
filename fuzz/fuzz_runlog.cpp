// doit.log, any bytes at all, as the window reads it while it grows: cut
// into pieces at random places, it must read exactly what it reads in one
// piece, and every number it reports as started must be one of the list.
#include "core/RunLog.h"
#include "core/RunTiming.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool sameLog(const kettwerk::RunLogReader& a, const kettwerk::RunLogReader& b)
{
    const kettwerk::RunLog& x = a.log();
    const kettwerk::RunLog& y = b.log();
    return x.id == y.id && x.written == y.written && x.files == y.files && x.started == y.started &&
           x.ended == y.ended && x.otherBatchLines == y.otherBatchLines &&
           x.problems == y.problems && a.state().error() == b.state().error() &&
           a.bytesRead() == b.bytesRead() && a.bytesFed() == b.bytesFed();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte only chooses where the rest is cut, so that the fuzzer
    // can vary the pieces without changing the text.
    std::uint32_t seed = data[0] | 1u;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    kettwerk::RunLogReader whole(QStringLiteral("doit.log"));
    whole.append(bytes);
    kettwerk::RunLogReader pieces(QStringLiteral("doit.log"));
    kettwerk::RunTiming timing;
    QDateTime seen = QDateTime::fromSecsSinceEpoch(1'800'000'000);
    for (qsizetype at = 0; at < bytes.size();) {
        seed = seed * 1664525u + 1013904223u;
        const qsizetype length = qMin<qsizetype>((seed >> 24) % 17, bytes.size() - at);
        pieces.append(bytes.sliced(at, length)); // empty pieces too, as a read that found nothing
        at += length;
        timing.update(pieces.log(), seen);
        seen = seen.addSecs((seed >> 8) % 100);
        check(!timing.stalled(seen, kettwerk::progressOf(pieces.log()), {}) ||
              !pieces.log().started.isEmpty());
    }
    check(sameLog(whole, pieces));
    whole.finish();
    pieces.finish();
    check(sameLog(whole, pieces));
    check(pieces.bytesRead() <= pieces.bytesFed() && pieces.bytesFed() == bytes.size());

    const kettwerk::RunLog& log = pieces.log();
    for (const qsizetype number : log.started)
        check(number >= 1 && number <= log.files.size());
    const kettwerk::RunProgress progress = kettwerk::progressOf(log);
    check(progress.finished <= progress.total && progress.started <= progress.total);
    for (const bool skipCurrent : {false, true}) {
        const QList<qsizetype> rest = kettwerk::remainingFiles(log, skipCurrent);
        check(rest.isEmpty() || (rest.first() >= 1 && rest.last() == log.files.size()));
    }
    return 0;
}
