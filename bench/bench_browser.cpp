// The folder browser filling the file list from a large folder.
#include "WindowHarness.h"
#include "filelist/FileList.h"

#include "ui/MainWindow.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace bench {
namespace {

// A folder of `matching` drawings and a tenth as many other files, made once.
const QTemporaryDir& folderOf(int matching)
{
    static QTemporaryDir folder;
    static int made = 0;
    for (; made < matching; ++made) {
        QFile(folder.filePath(QStringLiteral("part%1.drw").arg(made))).open(QIODevice::WriteOnly);
        if (made % 10 == 0)
            QFile(folder.filePath(QStringLiteral("note%1.txt").arg(made)))
                .open(QIODevice::WriteOnly);
    }
    return folder;
}

// Typing the folder's path into the browser: folder test, file box, folder
// list, and the file list refilled with every matching name.
void BM_BrowseFolder(benchmark::State& state)
{
    const int matching = int(state.range(0));
    const QString big = folderOf(matching).path();
    static QTemporaryDir empty;
    auto* path = window().findChild<QLineEdit*>(QStringLiteral("txt_path"));
    for (auto _ : state) {
        state.PauseTiming();
        path->setText(empty.path());
        settle();
        state.ResumeTiming();
        path->setText(big);
        settle();
    }
    if (fileList().count() != matching)
        state.SkipWithError("the file list does not hold every matching file");
}

} // namespace

void registerBrowserBenchmarks()
{
    benchmark::RegisterBenchmark("BrowseFolder", BM_BrowseFolder)
        ->Arg(20000)
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
