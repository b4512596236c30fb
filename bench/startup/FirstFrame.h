#pragma once
// Process start to first painted frame, measured from outside: this program starts itself again
// in a helper mode that builds one window, shows it, and reports the moment its first frame is
// painted; the operating system reports the helper's peak resident memory.

#include <optional>
#include <string>

namespace bench {

// What a window to time is: the program's own or the bare baseline.
enum class WindowKind { Program, Bare };

struct FirstFrame {
    double seconds = 0;    // wall time from starting the process to the painted frame
    double cpuSeconds = 0; // CPU time of the process until then
    double peakMegabytes = 0;
};

// The helper mode's option, and the kind it names (nullopt when the argument is no such option).
std::string firstFrameOption(WindowKind kind);
std::optional<WindowKind> firstFrameKind(const std::string& argument);

// Starts `program --first-frame=KIND` on the given Qt platform and waits for it. On failure it
// says why on standard error and returns nullopt.
std::optional<FirstFrame> timeFirstFrame(const std::string& program, WindowKind kind,
                                         const std::string& platform);

// The helper's side: runs the event loop until the window's first frame is painted, writes the
// moment to standard output, and returns the process's exit status.
int reportFirstFrame(WindowKind kind);

} // namespace bench
