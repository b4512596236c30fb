#include "FirstFrame.h"

#include "BareWindow.h"
#include "Desktop.h"
#include "LampenWindow.h"
#include "Screen.h"
#include "Timing.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

extern char** environ;

namespace bench {

std::string firstFrameOption(WindowKind kind) {
    return kind == WindowKind::Program ? "--first-frame=program" : "--first-frame=bare";
}

std::optional<WindowKind> firstFrameKind(const std::string& argument) {
    for (WindowKind kind : {WindowKind::Program, WindowKind::Bare})
        if (argument == firstFrameOption(kind))
            return kind;
    return std::nullopt;
}

namespace {

// This process's environment with the Qt platform replaced.
std::vector<std::string> environmentFor(const std::string& platform) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    env.push_back("QT_QPA_PLATFORM=" + platform);
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> p;
    for (std::string& s : strings)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

// Everything the child wrote to the pipe, until it closes it.
std::string readAll(int fd) {
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

} // namespace

std::optional<FirstFrame> timeFirstFrame(const std::string& program, WindowKind kind,
                                         const std::string& platform) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        std::perror("bench_startup: pipe");
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    std::vector<std::string> args{program, firstFrameOption(kind)};
    std::vector<std::string> env = environmentFor(platform);

    const double start = monotonicSeconds();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, pointers(args).data(),
                                   pointers(env).data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (failed) {
        close(fds[0]);
        std::fprintf(stderr, "bench_startup: cannot start %s: %s\n", program.c_str(),
                     std::strerror(failed));
        return std::nullopt;
    }
    const std::string report = readAll(fds[0]);
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);

    double painted = 0, cpu = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(report.c_str(), "frame %lf %lf", &painted, &cpu) != 2) {
        std::fprintf(stderr, "bench_startup: the %s window on %s painted no frame\n",
                     kind == WindowKind::Program ? "program's" : "bare", platform.c_str());
        return std::nullopt;
    }
    // ru_maxrss is in kilobytes on Linux.
    return FirstFrame{painted - start, cpu, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

namespace {

// Notes the window's first paint; once the event loop is back, the frame is complete.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [] {
                std::printf("frame %.9f %.9f\n", monotonicSeconds(), processCpuSeconds());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

int reportFirstFrame(WindowKind kind) {
    std::unique_ptr<QMainWindow> window;
    if (kind == WindowKind::Program) {
        lampen::ui::useClassicStyle(); // as the program starts
        window = std::make_unique<LampenWindow>(kScreen);
    } else
        window = std::make_unique<BareWindow>(kRoomPlace);
    FirstPaint watcher;
    window->installEventFilter(&watcher);
    window->setGeometry(QRect(QPoint(0, 0), kScreen.pixels));
    window->show();
    // A window that never shows would leave the benchmark waiting for ever.
    QTimer::singleShot(30000, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}

} // namespace bench
