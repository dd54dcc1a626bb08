// The list actions of the main window, each timed from the click to the
// repainted window, at 32,767 and at 100,000 entries.
#include "FileList.h"
#include "FileListPanel.h"
#include "MainWindow.h"
#include "Templates.h"
#include "TextReplace.h"
#include "WindowHarness.h"

#include <QApplication>
#include <QClipboard>
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
    panel().show();
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

QString filledTemplate()
{
    return kettwerk::replaceAll(kettwerk::templates::customTemplate(),
                                QString::fromUtf16(kettwerk::templates::kPlaceholder),
                                QStringLiteral("ds"));
}

// The selection of n names that a hand-over of the plain list gives.
void selectionOf(int n)
{
    if (window().selection().size() != n)
        window().setSelection(names(n));
}

void BM_Compose(benchmark::State& state)
{
    const int n = int(state.range(0));
    const QString block = filledTemplate();
    for (auto _ : state) {
        state.PauseTiming();
        selectionOf(n);
        settle();
        state.ResumeTiming();
        if (!window().CREATE(block))
            state.SkipWithError("composition refused");
        settle();
    }
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
            panel().show();
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
    const QString block = filledTemplate();
    registerClick("WriteDoitPro", QStringLiteral("cmd_fcreate"), [block](int n) {
        closeCompletionWindows();
        selectionOf(n);
        window().CREATE(block);
    });
    benchmark::RegisterBenchmark("PeakMemory", BM_PeakMemory)->Iterations(1);
}

} // namespace bench
