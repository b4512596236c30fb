#pragma once
// The command line of the program, read before any window system is touched: --help and
// --version need no display, and a wrong call is refused before the window opens.

#include <string>
#include <string_view>
#include <vector>

namespace lampen::app {

struct CommandLine {
    enum class Action { Run, Help, Version, Wrong };
    Action action = Action::Run;
    std::string file;  // the group to open after start-up; empty for none
    std::string error; // what was wrong, when the action is Wrong
};

// Reads the arguments after the program name. Qt's own options (-platform NAME, -style NAME,
// -reverse, ...) are let through for QApplication; "--" ends the options.
CommandLine readCommandLine(const std::vector<std::string_view>& args);

// The usage text, ending in a line feed.
std::string usageText();

} // namespace lampen::app
