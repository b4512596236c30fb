// The window held against a bare QMainWindow with one QLabel, built with the same flags, on the
// same 1024 x 768 screen, in the same run:
//  - process start to first painted frame, offscreen and on an X server (when DISPLAY is set),
//    goal 1.3 x the bare window, and the peak resident memory of those processes, goal 1.15 x;
//  - a click on a switch to the repainted room, goal 1.5 x a bare repaint of a widget of the
//    room's size; a step to the next circuit, goal 2 x; and 100 slider steps, shown for
//    comparison against 100 bare repaints.
// Options: --runs N (processes of each kind per platform, default 15).

#include "Desktop.h"
#include "startup/BareWindow.h"
#include "startup/FirstFrame.h"
#include "startup/Repaint.h"
#include "startup/Screen.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

using bench::Comparison;
using bench::Paired;

struct Goal {
    double ratio; // 0: none, the figure is shown for comparison
};

void printHeader() {
    std::printf("%-40s %4s %10s %10s %8s %8s  %s\n", "figure", "unit", "program", "bare", "ratio",
                "(min)", "goal");
}

// One row: both medians, the median and the smallest ratio of the rounds, and the goal.
void printRow(const char* figure, const char* unit, double scale, const Comparison& c, Goal goal) {
    std::printf("%-40s %4s %10.2f %10.2f %8.2f %8.2f  ", figure, unit, c.program * scale,
                c.bare * scale, c.ratioMedian, c.ratioMin);
    if (goal.ratio > 0)
        std::printf("<= %.2f x bare: %s\n", goal.ratio,
                    c.ratioMedian <= goal.ratio ? "met" : "NOT met");
    else
        std::printf("(for comparison)\n");
}

// First frames and peak memory on one platform: the two kinds in turn, after one warm-up each.
bool firstFrames(const std::string& self, const std::string& platform, const char* name, int runs) {
    using bench::WindowKind;
    Paired frame, memory;
    for (int r = -1; r < runs; ++r) {
        const auto program = bench::timeFirstFrame(self, WindowKind::Program, platform);
        const auto bare = bench::timeFirstFrame(self, WindowKind::Bare, platform);
        if (!program || !bare)
            return false;
        if (r < 0)
            continue;
        frame.program.push_back(program->seconds);
        frame.bare.push_back(bare->seconds);
        memory.program.push_back(program->peakMegabytes);
        memory.bare.push_back(bare->peakMegabytes);
    }
    const std::string frameRow = std::string("process start to first frame, ") + name;
    const std::string memoryRow = std::string("peak resident memory, ") + name;
    printRow(frameRow.c_str(), "ms", 1e3, bench::compare(frame), {1.3});
    printRow(memoryRow.c_str(), "MB", 1, bench::compare(memory), {1.15});
    return true;
}

// The interactions, in two windows that stay open side by side.
bool repaints() {
    // The program in its own style, as it starts; the bare window in the desktop's.
    const std::unique_ptr<QStyle> desktop(QStyleFactory::create(QApplication::style()->name()));
    lampen::ui::useClassicStyle();
    LampenWindow program(bench::kScreen);
    program.setGeometry(QRect(QPoint(0, 0), bench::kScreen.pixels));
    program.show();
    auto* room = program.findChild<QWidget*>(QStringLiteral("picRaum"));
    auto* s0 = program.findChild<QPushButton*>(QStringLiteral("cmdSchalter(0)"));
    auto* next = program.findChild<QPushButton*>(QStringLiteral("cmdNächstes"));
    auto* slider = program.findChild<QScrollBar*>(QStringLiteral("hscLampwinkel"));
    if (!room || !s0 || !next || !slider) {
        std::fprintf(stderr, "bench_startup: a control of the room is missing\n");
        return false;
    }
    // The bare label takes the room's place and size.
    BareWindow bare(room->geometry().translated(room->parentWidget()->pos()));
    bare.setStyle(desktop.get());
    bare.label()->setStyle(desktop.get());
    bare.setGeometry(program.geometry());
    bare.show();
    QCoreApplication::processEvents();
    QLabel* label = bare.label();

    auto slide = [slider] {
        // 50 steps up and 50 down, so every round starts where the last began.
        for (int i = 0; i < 100; ++i) {
            slider->triggerAction(i < 50 ? QAbstractSlider::SliderSingleStepAdd
                                         : QAbstractSlider::SliderSingleStepSub);
            QCoreApplication::processEvents();
        }
    };
    auto bareHundred = [label] {
        for (int i = 0; i < 100; ++i) {
            label->update();
            QCoreApplication::processEvents();
        }
    };
    struct Row {
        const char* figure;
        const char* unit;
        double scale;
        bench::Interaction step;
        int rounds;
        Goal goal;
    };
    const Row rows[] = {
        {"switch click to repainted room",
         "us",
         1e6,
         {[s0] { s0->click(); }, [label] { label->update(); }, 40},
         31,
         {1.5}},
        {"step to the next circuit",
         "us",
         1e6,
         {[next] { next->click(); }, [label] { label->update(); }, 38}, // the group twice
         31,
         {2.0}},
        {"100 slider steps", "ms", 1e3, {slide, bareHundred, 1}, 9, {0}},
    };
    for (const Row& row : rows) {
        const auto figures = bench::timeRepaints(row.step, program, bare, row.rounds);
        if (!figures)
            return false;
        printRow(row.figure, row.unit, row.scale, bench::compare(*figures), row.goal);
    }
    return true;
}

// The offscreen platform complains once per window that it cannot pass size hints on, and every
// helper process that it has no runtime folder; neither concerns the figures.
void quietSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")) ||
        message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// --runs N; other options (a benchmark library's, passed to every program) are ignored.
int runsOption(int argc, char* argv[]) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--runs")
            return std::max(1, std::atoi(argv[i + 1]));
    return 15;
}

} // namespace

int main(int argc, char* argv[]) {
    const auto helper = argc > 1 ? bench::firstFrameKind(argv[1]) : std::nullopt;
    // An X server is used only where asked for: the interactions are timed off screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !helper)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietSizeHints);
    QApplication app(argc, argv);
    if (helper)
        return bench::reportFirstFrame(*helper);

    const int runs = runsOption(argc, argv);
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    std::printf("Lampen Glimmrix against a bare QMainWindow with one QLabel, %d x %d pixels; "
                "ratio = program / bare, median of the rounds' ratios and the smallest.\n"
                "First frames: wall time of %d processes of each kind in turn; interactions: "
                "CPU time, each with its repaint.\n\n",
                bench::kScreen.pixels.width(), bench::kScreen.pixels.height(), runs);
    printHeader();
    bool ok = firstFrames(self, "offscreen", "offscreen", runs);
    if (qEnvironmentVariableIsSet("DISPLAY"))
        ok = firstFrames(self, "xcb", "Xvfb", runs) && ok;
    else
        std::printf("(no DISPLAY: the first frame on an X server is not measured)\n");
    ok = repaints() && ok;
    return ok ? 0 : 1;
}
