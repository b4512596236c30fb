// The window's start-up and its answer to a press, on the offscreen platform:
//  - from constructing the window to its first painted frame (goal: 150 ms or less),
//  - from a click on a switch to the repainted room (goal: 4 ms or less),
//  - the resident memory of the running program (goal: 60 MB or less).
// The very first window also pays for loading fonts and plugins; it is timed once, apart.

#include "LampenWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

const ScreenMetrics kScreen{QSize(1024, 768), 96};

// Resident memory of this process in MB, from /proc/self/status; 0 when it cannot be read.
double residentMegabytes() {
    // A /proc file reports no size, so it is read line by line until its end.
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0;
}

// Builds, shows and paints one window; returns the painted frame.
QPixmap firstFrame(std::unique_ptr<LampenWindow>& window) {
    window = std::make_unique<LampenWindow>(kScreen);
    window->setGeometry(0, 0, kScreen.pixels.width(), kScreen.pixels.height());
    window->show();
    return window->grab();
}

void BM_FirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<LampenWindow> window;
        const QPixmap frame = firstFrame(window);
        benchmark::DoNotOptimize(frame.cacheKey());
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(BM_FirstFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_PressToRepaintedRoom(benchmark::State& state) {
    std::unique_ptr<LampenWindow> window;
    firstFrame(window);
    auto* room = window->findChild<QWidget*>(QStringLiteral("picRaum"));
    auto* s0 = window->findChild<QPushButton*>(QStringLiteral("cmdSchalter(0)"));
    if (!room || !s0) {
        state.SkipWithError("room or switch S0 missing");
        return;
    }
    for (auto _ : state) {
        s0->click();
        const QPixmap painted = room->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
    state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(BM_PressToRepaintedRoom)->Unit(benchmark::kMicrosecond);

// The offscreen platform complains once per window that it cannot pass size hints on; hundreds
// of windows would bury the figures.
void quietSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietSizeHints);
    QApplication app(argc, argv);

    {
        QElapsedTimer cold;
        cold.start();
        std::unique_ptr<LampenWindow> window;
        firstFrame(window);
        std::printf(
            "first window of the process (fonts and plugins loaded): %.1f ms, RSS %.1f MB\n",
            static_cast<double>(cold.nsecsElapsed()) / 1e6, residentMegabytes());
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("resident memory at the end: %.1f MB\n", residentMegabytes());
    return 0;
}
