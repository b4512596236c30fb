#pragma once
// The command line of lampen-analyse: which groups to analyse and how to print them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lampen::cli {

// One group to report: a file, or the built-in group.
struct Source {
    bool builtIn = false;
    std::string file; // empty for the built-in group
};

struct Options {
    bool json = false;
    bool help = false;
    bool version = false;
    std::vector<Source> sources;          // in the order given; the built-in group at most once
    std::optional<std::string> worksheet; // --arbeitsblatt OUT.pdf: the group as a worksheet
};

struct ParsedArguments {
    bool ok = false;
    Options options;
    std::string error; // what was wrong, for the user; empty when ok
};

// Reads the arguments after the program name. "--" ends the options, so a file whose name
// starts with "-" can still be named.
ParsedArguments parseArguments(const std::vector<std::string_view>& args);

// The usage text, ending in a line feed.
std::string usageText();

} // namespace lampen::cli
