// The check before writing doit.pro: a full list against a large config.pro.
#include "core/BatchCheck.h"

#include <benchmark/benchmark.h>

namespace bench {
namespace {

// n names, a few of them with something to report: a blank, an unknown
// type, a twin that differs only in case.
QStringList selectionOf(int n)
{
    QStringList names;
    names.reserve(n);
    for (int i = 0; i < n; ++i) {
        if (i % 100 == 1)
            names.append(QStringLiteral("Part%1.drw").arg(i - 1));
        else if (i % 250 == 0)
            names.append(QStringLiteral("part %1.drw").arg(i));
        else
            names.append(QStringLiteral("part%1.%2").arg(i).arg(i % 500 == 3 ? u"txt" : u"drw"));
    }
    return names;
}

// `count` mapkeys "m<i>", each calling the next two, so that the calls form
// long chains and every definition is reached; a, b and c start them.
kettwerk::MapkeyDefinitions definitionsOf(int count)
{
    QByteArray text = "mapkey a @MAPKEY_LABELStart;%m0;\nmapkey b %m1;\nmapkey c %m2;\\\n"
                      "mapkey(continued) %m3;\n";
    for (int i = 0; i < count; ++i) {
        text += "mapkey m" + QByteArray::number(i) + " @MAPKEY_LABELSchritt " +
                QByteArray::number(i) + ";~ Command `ProCmdRegen`;";
        for (int next = i + 1; next <= i + 2 && next < count; ++next)
            text += "%m" + QByteArray::number(next) + ";";
        text += "\r\n";
    }
    kettwerk::MapkeyDefinitions definitions;
    definitions.addText(text, QStringLiteral("config.pro"));
    return definitions;
}

void BM_CheckBatch(benchmark::State& state)
{
    const QStringList selection = selectionOf(int(state.range(0)));
    const kettwerk::MapkeyDefinitions definitions = definitionsOf(2000);
    const QStringList searched{QStringLiteral("/home/u/config.pro"),
                               QStringLiteral("/work/config.pro")};
    qsizetype findings = 0;
    for (auto _ : state) {
        const QList<kettwerk::Finding> found =
            kettwerk::checkBatch(selection, QStringLiteral("a;%b;%c"), definitions, searched);
        findings = found.size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = double(findings);
}

} // namespace

void registerCheckBenchmarks()
{
    benchmark::RegisterBenchmark("CheckBatch", BM_CheckBatch)
        ->Arg(32767)
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
