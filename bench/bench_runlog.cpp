// doit.log of a large batch: read whole by kettwerk-batch --status, and
// followed line by line by the progress window.
#include "core/BatchJob.h"
#include "core/RunLog.h"
#include "platform/SettingsStore.h"
#include "ui/RunWindow.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace bench {
namespace {

const QByteArray kId = "k7f3q";

// The head Kettwerk writes for `files` files, with CR LF as on Windows.
QByteArray headOf(int files)
{
    QByteArray text = "KETTWERK-LAUF 1 " + kId + " 2026-12-07T17:32:02+01:00 " +
                      QByteArray::number(files) + "\r\n";
    for (int i = 1; i <= files; ++i)
        text += "F " + QByteArray::number(i) + " part " + QByteArray::number(i) + "_rev.drw\r\n";
    return text;
}

// A start marker as cmd.exe's echo writes it, the blank before ">>" kept.
QByteArray startOf(int number)
{
    return "S " + QByteArray::number(number) + ' ' + kId + " \r\n";
}

// The whole log of a finished run, from the file, and its summary.
void BM_RunLogRead(benchmark::State& state)
{
    const int files = int(state.range(0));
    QByteArray text = headOf(files);
    for (int i = 1; i <= files; ++i)
        text += startOf(i);
    text += "E " + kId + " \r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doit.log"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        state.SkipWithError("doit.log could not be written");
        return;
    }
    file.close();
    qsizetype finished = 0;
    for (auto _ : state) {
        const kettwerk::Result<kettwerk::RunLog> log = kettwerk::readRunLog(path);
        if (!log.ok()) {
            state.SkipWithError("doit.log was not read");
            return;
        }
        finished = kettwerk::progressOf(log.value()).finished;
        benchmark::DoNotOptimize(finished);
    }
    state.counters["finished"] = double(finished);
    state.counters["bytes"] = double(text.size());
}

// One new marker for a reader that already holds the whole list and all but
// one start: what the window does at each change of the file.
void BM_RunLogAppend(benchmark::State& state)
{
    const int files = int(state.range(0));
    QByteArray text = headOf(files);
    for (int i = 1; i < files; ++i)
        text += startOf(i);
    kettwerk::RunLogReader reader(QStringLiteral("doit.log"));
    reader.append(text);
    // The batch run again and again from the start, so the numbers stay in
    // the list however many rounds the benchmark makes.
    QList<QByteArray> lines;
    for (int i = 1; i <= files; ++i)
        lines.append(startOf(i));
    qsizetype next = files - 1;
    for (auto _ : state) {
        reader.append(lines.at(next));
        next = (next + 1) % files;
    }
    if (!reader.state().ok() || !reader.log().problems.isEmpty())
        state.SkipWithError("the markers were not read");
}

// The progress window's look at a log that has not changed, as it takes one
// every second while Pro/ENGINEER works on a long file: what following an
// idle run costs, per second.
void BM_RunWindowIdlePoll(benchmark::State& state)
{
    const int files = int(state.range(0));
    QByteArray text = headOf(files);
    for (int i = 1; i <= files / 2; ++i)
        text += startOf(i);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("doit.log")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        state.SkipWithError("doit.log could not be written");
        return;
    }
    file.close();
    kettwerk::BatchJob job;
    job.setWorkingFolder(dir.path());
    kettwerk::platform::SettingsStore settings;
    kettwerk::ui::RunWindow window(job, settings, nullptr);
    window.show();
    for (auto _ : state)
        window.poll();
    window.close();
}

} // namespace

void registerRunLogBenchmarks()
{
    benchmark::RegisterBenchmark("RunLogRead", BM_RunLogRead)
        ->Arg(32767)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RunLogAppend", BM_RunLogAppend)
        ->Arg(32767)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("RunWindowIdlePoll", BM_RunWindowIdlePoll)
        ->Arg(32767)
        ->Unit(benchmark::kMicrosecond);
}

} // namespace bench
