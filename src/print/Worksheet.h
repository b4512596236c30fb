#pragma once
// A group as a worksheet for the classroom: one A4 page per circuit with the room, a table to
// tick the presses and the circuit's matrix, then the answer key headed "Lösungen".
// Needs a QGuiApplication (fonts); draws in black and white so that it photocopies well.

#include <QByteArray>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lampen::print {

// The task the window shows for one circuit of the group.
struct CurrentTask {
    int index = 0;       // 0-based place of the circuit in the group
    unsigned target = 0; // bit l set for every target lamp
};

struct WorksheetInput {
    std::string groupName;          // the group's file name; folders are not printed
    std::vector<std::string> codes; // the circuits' Schaltcodes, circuit 1 first
    // Without it, and on every other page, the target is every lamp of the circuit.
    std::optional<CurrentTask> current;
};

struct WorksheetPdf {
    bool ok = false;
    QByteArray bytes;
    int pages = 0;
    std::string error; // German, for the user, unless ok
};

// The whole worksheet as PDF bytes.
WorksheetPdf renderWorksheet(const WorksheetInput& input);

struct WorksheetResult {
    bool ok = false;
    std::string error; // German, for the user, unless ok
};

// Renders the worksheet and replaces the file with it only when complete: a failure at any step
// leaves an old file as it was.
WorksheetResult writeWorksheet(const std::filesystem::path& file, const WorksheetInput& input);

} // namespace lampen::print
