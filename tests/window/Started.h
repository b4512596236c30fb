#pragma once
// A window after start-up, with scripted boxes and random numbers, and groups opened from files
// in a temporary folder of its own.

#include "Fakes.h"
#include "Lampen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

namespace lampen::testing {

// Bit i set for every control i that has the property (a member such as &Placed::visible).
template <class Controls, class Property> unsigned maskOf(const Controls& controls, Property has) {
    unsigned m = 0;
    for (std::size_t i = 0; i < controls.size(); ++i)
        m |= std::invoke(has, controls[i]) ? 1u << i : 0u;
    return m;
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
    // The codes as a group file, opened: circuit 1 of them is current.
    void openCodes(const std::vector<std::string>& codes) {
        std::string bytes;
        for (const auto& c : codes)
            bytes += c + "\r\n";
        write("codes.lmp", bytes);
        w.openGroupFile(path("codes.lmp"));
    }
    void press(std::initializer_list<int> switches) {
        for (int sw : switches)
            w.cmdSchalter_Click(sw);
    }
    // "neue Zielvorgabe" drawing exactly these lamps.
    void newTarget(unsigned lamps) {
        h.random.drawing(lamps, s().maxIndex + 1);
        w.cmdAufgabe_Click();
    }
    std::string counters() const { // the six counters as shown, joined by "|"
        const auto& c = w.view().txtStatistik;
        return c[0] + "|" + c[1] + "|" + c[2] + "|" + c[3] + "|" + c[4] + "|" + c[5];
    }
};

} // namespace lampen::testing
