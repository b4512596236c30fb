#pragma once
// A window after start-up, with scripted boxes and random numbers.

#include "Fakes.h"
#include "Lampen.h"

#include <gtest/gtest.h>

#include <string>

namespace lampen::testing {

class Started : public ::testing::Test {
protected:
    Harness h;
    Lampen w{h.dialogs, h.random, h.metrics};

    void SetUp() override { w.Form_Load(); }

    // Makes circuit n of the current group current, as navigation would.
    void goTo(const std::string& n) {
        w.setTxtAktuell(n);
        w.loadCircuit();
        w.refreshView();
    }
    // Replaces slot 1 with the code and loads it.
    void loadCode(const std::string& code) {
        w.schaltgruppe.setSlot(1, code);
        goTo("1");
    }
    void press(std::initializer_list<int> switches) {
        for (int s : switches)
            w.cmdSchalter_Click(s);
    }
    // Marks exactly the given lamps as the target and analyses it, as a drawn target would be.
    void setTarget(unsigned lamps) {
        for (int l = 0; l < kLampCount; ++l)
            w.shpLampe[static_cast<std::size_t>(l)].border =
                (lamps >> l) & 1u ? colour::yellow : colour::black;
        w.analyseTarget();
    }
    unsigned targetLamps() const {
        unsigned m = 0;
        for (int l = 0; l < kLampCount; ++l)
            if (w.shpLampe[static_cast<std::size_t>(l)].isTarget())
                m |= 1u << l;
        return m;
    }
    unsigned litLamps() const {
        unsigned m = 0;
        for (int l = 0; l < kLampCount; ++l)
            if (w.shpLampe[static_cast<std::size_t>(l)].on)
                m |= 1u << l;
        return m;
    }
};

} // namespace lampen::testing
