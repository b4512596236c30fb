#include "Repaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <optional>

namespace bench {

namespace {

double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Counts the paint events of a window and all its widgets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& window) {
        window.installEventFilter(this);
        for (QWidget* w : window.findChildren<QWidget*>())
            w->installEventFilter(this);
    }
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// CPU seconds per interaction over one round; nullopt when nothing was painted.
std::optional<double> round(const std::function<void()>& interaction, int times,
                            const PaintCounter& paints) {
    const int before = paints.count;
    const double start = threadCpuSeconds();
    for (int i = 0; i < times; ++i) {
        interaction();
        // The repaint the interaction asked for happens here, as it would in the event loop.
        QCoreApplication::processEvents();
    }
    const double used = threadCpuSeconds() - start;
    if (paints.count == before)
        return std::nullopt;
    return used / times;
}

} // namespace

std::optional<Paired> timeRepaints(const Interaction& step, QWidget& programWindow,
                                   QWidget& bareWindow, int rounds) {
    const PaintCounter programPaints(programWindow), barePaints(bareWindow);
    Paired figures;
    for (int r = -1; r < rounds; ++r) { // round -1 warms up
        const auto program = round(step.program, step.perRound, programPaints);
        const auto bare = round(step.bare, step.perRound, barePaints);
        if (!program || !bare) {
            std::fprintf(stderr, "bench_startup: an interaction repainted nothing\n");
            return std::nullopt;
        }
        if (r >= 0) {
            figures.program.push_back(*program);
            figures.bare.push_back(*bare);
        }
    }
    return figures;
}

} // namespace bench
