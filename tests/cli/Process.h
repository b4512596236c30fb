#pragma once
// Runs a program with arguments and collects what it printed and how it ended.

#include <string>
#include <vector>

namespace lampen::test {

struct ProcessResult {
    bool started = false;
    bool exited = false; // false when a signal ended it
    int exitCode = -1;
    int signal = 0;
    std::string out;
    std::string err;
};

// Standard input is empty; no shell is involved, so arguments may hold any bytes but NUL.
ProcessResult runProgram(const std::string& program, const std::vector<std::string>& args);

} // namespace lampen::test
