// lampen-analyse --arbeitsblatt run as a process without a display: silent success, and the
// exit status and message for an unreadable group, an unwritable output and a wrong call.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string scratch(const std::string& name) {
    return LAMPEN_CLI_SCRATCH_DIR "/" + name;
}

std::string readAll(const std::string& path) {
    return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str();
}

// Runs the program with no display and no platform chosen, as on a server; `env` names extra
// variables to set.
Outcome run(const std::vector<std::string>& args, const std::string& env = {}) {
    const std::string base =
        scratch(::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + env +
                          " '" LAMPEN_ANALYSE_PROGRAM "'";
    for (const std::string& a : args)
        command += " '" + a + "'";
    const int status =
        std::system((command + " </dev/null >'" + base + ".out' 2>'" + base + ".err'").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readAll(base + ".out"),
            readAll(base + ".err")};
}

TEST(WorksheetCli, WritesAPdfSilentlyWithoutADisplay) {
    const std::string group = scratch("drei.lmp");
    std::ofstream(group, std::ios::binary) << "2*110*011*001*\r\n0*1*\r\n";
    for (const std::vector<std::string>& source :
         {std::vector<std::string>{"--builtin"}, std::vector<std::string>{group}}) {
        const std::string pdf = scratch("blatt.pdf");
        std::remove(pdf.c_str());
        std::vector<std::string> args{"--arbeitsblatt", pdf};
        args.insert(args.end(), source.begin(), source.end());
        const Outcome o = run(args);
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.out + o.err, "");
        EXPECT_EQ(readAll(pdf).substr(0, 5), "%PDF-");
    }
}

TEST(WorksheetCli, ExitStatusAndMessageForEveryFailure) {
    const std::string pdf = scratch("fehler.pdf");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"--arbeitsblatt", pdf, scratch("fehlt.lmp")}, 1, "fehlt.lmp: "},
        {{"--arbeitsblatt", scratch("kein/ordner.pdf"), "--builtin"},
         1,
         "kann keine Datei angelegt werden"},
        {{"--builtin", "--arbeitsblatt"}, 2, "--arbeitsblatt ohne Ausgabedatei"},
        {{"--arbeitsblatt", pdf}, 2, "keine Datei angegeben"},
        {{"--arbeitsblatt", pdf, "--builtin", "x.lmp"}, 2, "genau eine Gruppe"},
        {{"--json", "--arbeitsblatt", pdf, "--builtin"}, 2, "schließen sich aus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const Outcome o = run(c.args);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
    }
    EXPECT_EQ(readAll(pdf), "") << "no failed call writes the output";
}

// The report never starts Qt: a platform that does not exist would stop it at once.
TEST(WorksheetCli, TheReportRunsWithoutQt) {
    const Outcome o = run({"--builtin"}, "QT_QPA_PLATFORM=keine");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("Voreinstellung.lmp"), std::string::npos);
}

} // namespace
