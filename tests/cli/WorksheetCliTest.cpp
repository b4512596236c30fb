// lampen-analyse --arbeitsblatt run as a process with no display and no Qt platform chosen:
// silent success, and the exit status and message for every failure.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

const std::string kScratch = LAMPEN_CLI_SCRATCH_DIR "/";

std::string readAll(const std::string& path) {
    return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str();
}

struct Outcome {
    int status = -1;
    std::string out, err;
};

Outcome run(const std::vector<std::string>& args, const std::string& env = {}) {
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + env +
                          " '" LAMPEN_ANALYSE_PROGRAM "'";
    for (const std::string& a : args)
        command += " '" + a + "'";
    // Named after the test: ctest runs the tests of this program side by side.
    const std::string base =
        kScratch + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const int status =
        std::system((command + " </dev/null >'" + base + ".out' 2>'" + base + ".err'").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readAll(base + ".out"),
            readAll(base + ".err")};
}

TEST(WorksheetCli, SilentSuccessAndAStatusAndMessageForEveryFailure) {
    const std::string pdf = kScratch + "arbeitsblatt.pdf",
                      group = kScratch + "arbeitsblatt-gruppe.lmp";
    std::ofstream(group, std::ios::binary) << "2*110*011*001*\r\n0*1*\r\n";
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message; // "" for none at all
    };
    const Case cases[] = {
        {{"--arbeitsblatt", pdf, "--builtin"}, 0, ""},
        {{"--arbeitsblatt", pdf, group}, 0, ""},
        {{"--arbeitsblatt", pdf, kScratch + "fehlt.lmp"}, 1, "fehlt.lmp: "},
        {{"--arbeitsblatt", kScratch + "x/b.pdf", "--builtin"},
         1,
         "b.pdf: Datei oder Ordner nicht gefunden"},
        {{"--builtin", "--arbeitsblatt"}, 2, "--arbeitsblatt ohne Ausgabedatei"},
        {{"--arbeitsblatt", pdf}, 2, "keine Datei angegeben"},
        {{"--arbeitsblatt", pdf, "--builtin", group}, 2, "genau eine Gruppe"},
        {{"--json", "--arbeitsblatt", pdf, "--builtin"}, 2, "schließen sich aus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back() + " " + c.message);
        std::remove(pdf.c_str());
        const Outcome o = run(c.args);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err.empty(), *c.message == '\0') << o.err;
        EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
        EXPECT_EQ(readAll(pdf).substr(0, 5), c.status == 0 ? "%PDF-" : "");
    }
}

// The report never starts Qt: a platform that does not exist would stop it at once.
TEST(WorksheetCli, TheReportRunsWithoutQt) {
    const Outcome o = run({"--builtin"}, "QT_QPA_PLATFORM=keine");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("Voreinstellung.lmp"), std::string::npos);
}

} // namespace
