// lampen-analyse as a process: JSON and table against the core analysis, unreadable files, the
// worksheet. Wrong usage is checked by check-option.sh, the JSON's validity by check-json.sh.

#include "Analysis.h"
#include "Schaltcode.h"
#include "Schaltgruppe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace lampen {
namespace {

const std::string kScratch = LAMPEN_CLI_SCRATCH_DIR "/";

std::string readAll(const std::string& path) {
    return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str();
}

struct Outcome {
    int status = -1; // the exit status; -1 when the program did not end by itself
    std::string out, err;
};

// Runs the program through the shell; its output goes to files named after the running test, as
// ctest runs the tests of this program side by side.
Outcome run(const std::vector<std::string>& args, const std::string& env = {}) {
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + env +
                          " '" LAMPEN_ANALYSE_PROGRAM "'";
    for (const std::string& a : args)
        command += " '" + a + "'";
    const std::string base =
        kScratch + testing::UnitTest::GetInstance()->current_test_info()->name();
    const int status =
        std::system((command + " </dev/null >'" + base + ".out' 2>'" + base + ".err'").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readAll(base + ".out"),
            readAll(base + ".err")};
}

// One circuit's report as the core analysis sees it, in the program's JSON form.
std::string circuitJson(int nr, std::string_view code) {
    Verbindungsmatrix m;
    const int k = readMaxIndex(code);
    readWiring(code, k, m);
    const Analysis a = analyse(k, m, (1u << (k + 1)) - 1);
    std::ostringstream json;
    json << std::boolalpha << "{\"nr\":" << nr << ",\"code\":\"" << code << "\",\"lamps\":" << k + 1
         << ",\"rank\":" << a.rank << ",\"patterns\":" << a.patternCount
         << ",\"producible\":" << a.producibleCount
         << ",\"allProducible\":" << a.allPatternsProducible
         << ",\"fullTarget\":{\"solvable\":" << a.targetSolvable
         << ",\"minPresses\":" << (a.targetSolvable ? std::to_string(a.minPresses) : "null")
         << ",\"solutions\":[";
    for (std::size_t i = 0; i < a.solutions.size(); ++i)
        json << (i > 0 ? ",\"" : "\"") << schaltmusterText(a.solutions[i]) << '"';
    return json.str() + "]}}";
}

std::string groupJson(const std::string& file, const std::vector<std::string_view>& codes) {
    std::string json = "{\"file\":\"" + file + "\",\"circuits\":[";
    for (std::size_t i = 0; i < codes.size(); ++i)
        json += (i > 0 ? "," : "") + circuitJson(static_cast<int>(i + 1), codes[i]);
    return json + "]}";
}

const std::vector<std::string_view> kBuiltIn(builtInCodes().begin(), builtInCodes().end());

TEST(AnalyseCli, BuiltInGroupAgreesWithTheCoreAnalysis) {
    const Outcome json = run({"--builtin", "--json"});
    EXPECT_EQ(std::tuple(json.status, json.err), std::tuple(0, ""));
    EXPECT_EQ(json.out, "{\"files\":[" + groupJson("Voreinstellung.lmp", kBuiltIn) + "]}\n");

    // The report never starts Qt: a platform that does not exist would stop it at once.
    const Outcome table = run({"--builtin"}, "QT_QPA_PLATFORM=keine");
    EXPECT_EQ(std::tuple(table.status, table.err), std::tuple(0, ""));
    EXPECT_EQ(table.out.find("Voreinstellung.lmp: 19 Schaltungen, Ziel: alle Lampen\n"), 0u);
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 21); // 2 + 19 rows
    std::istringstream text(table.out.substr(table.out.find('\n')));
    std::string words, word; // the column headings, then circuit 1's row
    for (int i = 0; i < 20 && text >> word; ++i)
        words += (i > 0 ? " " : "") + word;
    EXPECT_EQ(words, "Nr. Code Lampen Rang Muster herstellbar alle lösbar min. Lösungen "
                     "1 2*110*011*001* 3 3 7 7 ja ja 2 101");
}

TEST(AnalyseCli, UnreadableFilesAreNamedAndTheOthersStillReported) {
    const std::string good = kScratch + "gut.lmp", gone = kScratch + "fehlt.lmp",
                      folder = LAMPEN_CLI_SCRATCH_DIR;
    std::ofstream(good, std::ios::binary) << "2*110*011*101*\r\n0*1*\r\n";
    const std::string reasons[] = {"Datei oder Ordner nicht gefunden",
                                   "ist ein Ordner, keine Datei"};
    const std::string err = "lampen-analyse: " + gone + ": " + reasons[0] +
                            "\nlampen-analyse: " + folder + ": " + reasons[1] + "\n";
    const Outcome r = run({"--json", good, gone, folder, "--builtin"});
    EXPECT_EQ(std::tuple(r.status, r.err), std::tuple(1, err));
    // Each unreadable file in its place, with the reason in German.
    EXPECT_EQ(r.out, "{\"files\":[" + groupJson(good, {"2*110*011*101*", "0*1*"}) +
                         ",{\"file\":\"" + gone + "\",\"error\":\"" + reasons[0] +
                         "\"},{\"file\":\"" + folder + "\",\"error\":\"" + reasons[1] + "\"}," +
                         groupJson("Voreinstellung.lmp", kBuiltIn) + "]}\n");

    const Outcome table = run({gone, good, folder});
    EXPECT_EQ(std::tuple(table.status, table.err), std::tuple(1, err));
    EXPECT_EQ(table.out.find(good + ": 2 Schaltungen"), 0u) << table.out; // no table, no gap
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 4) << table.out;
}

// --arbeitsblatt writes the PDF silently; its failures are in the option table of the CMake file.
TEST(WorksheetCli, WritesThePdfSilently) {
    const std::string pdf = kScratch + "arbeitsblatt.pdf",
                      group = kScratch + "arbeitsblatt-gruppe.lmp";
    std::ofstream(group, std::ios::binary) << "2*110*011*001*\r\n0*1*\r\n";
    std::remove(pdf.c_str());
    const Outcome o = run({"--arbeitsblatt", pdf, group});
    EXPECT_EQ(std::tuple(o.status, o.out, o.err), std::tuple(0, "", ""));
    EXPECT_EQ(readAll(pdf).substr(0, 5), "%PDF-");
}

} // namespace
} // namespace lampen
