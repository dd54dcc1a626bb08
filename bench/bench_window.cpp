// The list actions of the main window, each timed from the click to the
// repainted window, at 32,767 and at 100,000 entries.
#include "WindowHarness.h"
#include "core/BatchJob.h"
#include "core/BatchRun.h"
#include "core/SafeWrite.h"
#include "filelist/FileList.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHash>

#include <benchmark/benchmark.h>

#include <functional>

namespace bench {
namespace {

using Prepare = std::function<void(int n)>;

// "part<i><suffix>" for i below n, made once per size and suffix.
const QStringList& names(int n, const QString& suffix = QStringLiteral(".drw"))
{
    static QHash<QString, QStringList> made;
    QStringList& list = made[suffix + QString::number(n)];
    if (list.isEmpty()) {
        list.reserve(n);
        for (int i = 0; i < n; ++i)
            list.append(QStringLiteral("part%1%2").arg(i).arg(suffix));
    }
    return list;
}

// n lines "part<i>.drw", each ending in CR LF, as copied from a table.
QString clipboardText(int n)
{
    return names(n).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// The list holds the n plain entries and the panel is in view; marks as they were.
void listOf(int n)
{
    const QStringList& wanted = names(n);
    if (fileList().entries() != wanted)
        fileList().setEntries(wanted, true);
    showFileListPanel();
}

// Runs `prepare` (untimed) and then clicks `button` (timed) in every iteration.
void timeClick(benchmark::State& state, const Prepare& prepare, const QString& button)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        prepare(n);
        settle();
        state.ResumeTiming();
        press(button);
        settle();
    }
}

void registerClick(const char* name, const QString& button, Prepare prepare)
{
    benchmark::RegisterBenchmark(
        name, [button, prepare](benchmark::State& state) { timeClick(state, prepare, button); })
        ->Arg(32767)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);
}

// The selection of n names that a hand-over of the plain list gives.
void selectionOf(int n)
{
    if (job().selection().size() != n)
        job().setSelection(names(n));
}

// What OK in the mapkey window does with the names "ds".
void BM_Compose(benchmark::State& state)
{
    const int n = int(state.range(0));
    job().setMapkeyNames(QStringLiteral("ds"));
    for (auto _ : state) {
        state.PauseTiming();
        selectionOf(n);
        settle();
        state.ResumeTiming();
        if (!kettwerk::composeBatch(job()).ok())
            state.SkipWithError("composition refused");
        settle();
    }
}

// Composing and writing, from the names to doit.pro on disk.
void BM_ComposeAndWrite(benchmark::State& state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        closeCompletionWindows();
        selectionOf(n);
        settle();
        state.ResumeTiming();
        enterMapkeys(QStringLiteral("ds"));
        press(QStringLiteral("cmd_fcreate"));
        settle();
    }
}

// The yardstick for the two above: reading the finished doit.pro and
// writing it again as safely (temporary file, flushed, renamed).
void BM_CopyFinishedFile(benchmark::State& state)
{
    const int n = int(state.range(0));
    closeCompletionWindows();
    selectionOf(n);
    const kettwerk::Result<kettwerk::ComposedBatch> batch = kettwerk::composeBatch(job());
    if (!batch.ok() || !kettwerk::writeBatchFile(job(), batch.value(), false).ok())
        state.SkipWithError("doit.pro not written");
    const QString from = job().batchFilePath();
    const QString to = workFolder() + QStringLiteral("/copy.pro");
    for (auto _ : state) {
        // A megabyte at a time, as a file copy goes.
        QFile source(from);
        const auto copy = [&source](QIODevice& target) {
            while (!source.atEnd()) {
                const QByteArray chunk = source.read(1 << 20);
                if (chunk.isEmpty() || target.write(chunk) != chunk.size())
                    return false;
            }
            return true;
        };
        if (!source.open(QIODevice::ReadOnly) || !kettwerk::writeFileAtomically(to, copy).ok())
            state.SkipWithError("copy failed");
    }
    QFile::remove(to);
}

void BM_PeakMemory(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(state.iterations());
    state.counters["peak_MiB"] = peakMiB();
}

} // namespace

void registerWindowBenchmarks()
{
    registerClick("Paste", QStringLiteral("cmd_paste"), [](int n) {
        fileList().clear();
        QGuiApplication::clipboard()->setText(clipboardText(n));
    });
    registerClick("MarkAll", QStringLiteral("cmd_all"), [](int n) {
        listOf(n);
        fileList().unmarkAll();
    });
    registerClick("MarkAll_fromEverySecond", QStringLiteral("cmd_all"), [](int n) {
        listOf(n);
        fileList().setMarks(everySecond(n));
    });
    registerClick("MarkNone", QStringLiteral("cmd_nono"), [](int n) {
        listOf(n);
        fileList().markAll();
    });
    registerClick("MarkNone_fromEverySecond", QStringLiteral("cmd_nono"), [](int n) {
        listOf(n);
        fileList().setMarks(everySecond(n));
    });
    registerClick("ClearList", QStringLiteral("cmd_clearlist"), [](int n) {
        listOf(n);
        fileList().markAll();
    });
    // The suffix buttons change every entry, so each run starts from a fresh
    // list: bare names to add a suffix to, names with the suffix to strip it.
    const struct
    {
        const char* name;
        const char* button;
        const char16_t* start;
    } suffixButtons[] = {
        {"Suffix_add_drw", "cmd_Z", u""},
        {"Suffix_add_prt", "cmd_P", u""},
        {"Suffix_strip_drw", "cmd_ZZ", u".drw"},
        {"Suffix_strip_prt", "cmd_PP", u".prt"},
    };
    for (const auto& suffix : suffixButtons) {
        const QString start = QString::fromUtf16(suffix.start);
        registerClick(suffix.name, QString::fromLatin1(suffix.button), [start](int n) {
            fileList().setEntries(names(n, start), true);
            showFileListPanel();
        });
    }
    registerClick("HandOver_allMarked", QStringLiteral("cmd_file"), [](int n) {
        listOf(n);
        fileList().markAll();
    });
    registerClick("HandOver_everySecondMarked", QStringLiteral("cmd_file"), [](int n) {
        listOf(n);
        fileList().setMarks(everySecond(n));
    });
    benchmark::RegisterBenchmark("Compose", BM_Compose)
        ->Arg(32767)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);
    registerClick("WriteDoitPro", QStringLiteral("cmd_fcreate"), [](int n) {
        closeCompletionWindows();
        selectionOf(n);
        enterMapkeys(QStringLiteral("ds"));
    });
    for (const auto& [name, run] : {std::pair{"ComposeAndWriteDoitPro", &BM_ComposeAndWrite},
                                    std::pair{"CopyFinishedFile", &BM_CopyFinishedFile}}) {
        benchmark::RegisterBenchmark(name, run)->Arg(32767)->Arg(100000)->Unit(
            benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("PeakMemory", BM_PeakMemory)->Iterations(1);
}

} // namespace bench
