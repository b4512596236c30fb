#pragma once
// A window after start-up, with scripted boxes and random numbers, and groups opened from files
// in a temporary folder of its own.

#include "Fakes.h"
#include "Lampen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>

namespace lampen::testing {

// Bit i set for every control i that has the property (a member such as &Placed::visible).
template <class Controls, class Property> unsigned maskOf(const Controls& controls, Property has) {
    unsigned m = 0;
    for (std::size_t i = 0; i < controls.size(); ++i)
        m |= std::invoke(has, controls[i]) ? 1u << i : 0u;
    return m;
}

// x: shown; Ändern, Wege, Matrix, Erklärung 0 and 1, Rechenweg.
inline std::string panels(const View& v) {
    const auto& p = v.panels;
    return {"-x"[p.editor],         "-x"[p.solutions],      "-x"[p.matrix],
            "-x"[p.explanation[0]], "-x"[p.explanation[1]], "-x"[p.rechenweg]};
}

class Started : public ::testing::Test {
protected:
    Harness h;
    Lampen w{h.dialogs, h.random, h.metrics};
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("lampen-test-" + std::to_string(std::random_device{}()));

    Started() { std::filesystem::create_directory(dir); }
    ~Started() override { std::filesystem::remove_all(dir); }
    void SetUp() override { w.Form_Load(); }

    const GameState& s() const { return w.state(); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        return (std::ostringstream() << std::ifstream(dir / name, std::ios::binary).rdbuf()).str();
    }
    // The codes as a group file, opened: circuit 1 of them is current.
    void openCodes(const std::vector<std::string>& codes) {
        std::string bytes;
        for (const auto& c : codes)
            bytes += c + "\r\n";
        write("codes.lmp", bytes);
        w.openGroupFile(path("codes.lmp"));
    }
    // Plays events like "S0 S2 wege": S<n> switch n, L<n> lamp button n, A<n> / B<n> answer n
    // of either assessment, I<n> / K<n> the panels' buttons, N<n> insert a circuit, and the
    // named commands below.
    void play(const std::string& events) {
        using Command = void (Lampen::*)();
        static const std::map<std::string, Command> commands{
            {"aus", &Lampen::cmdLampenaus_Click},    {"neu", &Lampen::cmdAufgabe_Click},
            {"wege", &Lampen::cmdWege_Click},        {"status", &Lampen::cmdStatus_Click},
            {"ändern", &Lampen::cmdAendern_Click},   {"fertig", &Lampen::cmdSpielen_Click},
            {"tipp", &Lampen::cmdTipp_Click},        {"rechenweg", &Lampen::cmdRechenweg_Click},
            {"schritt", &Lampen::cmdSchritt_Click},  {"alle", &Lampen::cmdAlleSchritte_Click},
            {"weg", &Lampen::cmdRechenwegAus_Click}, {"nächste", &Lampen::cmdNaechstes_Click},
            {"vorige", &Lampen::cmdVoriges_Click},   {"hilfe", &Lampen::cmdHilfe_Click},
            {"math", &Lampen::cmdMath_Click},        {"matrix", &Lampen::cmdMzeigen_Click},
            {"copy", &Lampen::cmdCopy_Click},        {"dazu", &Lampen::cmdAddLampe_Click},
            {"weniger", &Lampen::cmdLoeLampe_Click}, {"entfernen", &Lampen::cmdLoeSchaltung_Click}};
        using Indexed = void (Lampen::*)(int);
        static const std::map<char, Indexed> indexed{
            {'S', &Lampen::cmdSchalter_Click},    {'L', &Lampen::cmdLampe_Click},
            {'A', &Lampen::optLoesbar_Click},     {'B', &Lampen::Option1_Click},
            {'I', &Lampen::cmdInfofenster_Click}, {'K', &Lampen::cmdAusKB_Click},
            {'N', &Lampen::cmdAddSchaltung_Click}};
        std::istringstream in(events);
        for (std::string e; in >> e;) {
            const auto c = commands.find(e);
            const auto i = e.size() == 2 ? indexed.find(e[0]) : indexed.end();
            if (c == commands.end() && i == indexed.end())
                throw std::invalid_argument(e);
            c != commands.end() ? (w.*c->second)() : (w.*i->second)(e[1] - '0');
        }
    }
    std::string counters() const { // the six counters as shown, joined by "|"
        const auto& c = w.view().txtStatistik;
        return c[0] + "|" + c[1] + "|" + c[2] + "|" + c[3] + "|" + c[4] + "|" + c[5];
    }
};

} // namespace lampen::testing
