// kettwerk-bench: drives the real main window on the offscreen platform.
#include "WindowHarness.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace bench {
void registerWindowBenchmarks();
void registerBrowserBenchmarks();
void registerCheckBenchmarks();
void registerRunLogBenchmarks();
} // namespace bench

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform warns about window calls it cannot carry out, such
// as raise(); those lines would break up the table. Serious messages stay.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        g_defaultHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::startHarness();
    bench::registerWindowBenchmarks();
    bench::registerBrowserBenchmarks();
    bench::registerCheckBenchmarks();
    bench::registerRunLogBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    bench::stopHarness();
    benchmark::Shutdown();
    return 0;
}
