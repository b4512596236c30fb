#pragma once
// A window after start-up, with scripted boxes and random numbers.

#include "Fakes.h"
#include "Lampen.h"

#include <gtest/gtest.h>

#include <functional>

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

    void SetUp() override { w.Form_Load(); }
    void goTo(const std::string& n) { // circuit n of the group, as navigation loads it
        w.setTxtAktuell(n);
        w.loadCircuit();
        w.refreshView();
    }
    void loadCode(const std::string& code) { // the code in slot 1, loaded
        w.schaltgruppe.setSlot(1, code);
        goTo("1");
    }
    void press(std::initializer_list<int> switches) {
        for (int s : switches)
            w.cmdSchalter_Click(s);
    }
    void setTarget(unsigned lamps) { // exactly these lamps as the target, analysed as if drawn
        for (std::size_t l = 0; l < kLampCount; ++l)
            w.shpLampe[l].border = (lamps >> l) & 1u ? colour::yellow : colour::black;
        w.analyseTarget();
    }
    unsigned targetLamps() const { return maskOf(w.shpLampe, &LampShape::isTarget); }
    unsigned litLamps() const { return maskOf(w.shpLampe, &LampShape::on); }
    std::string counters() const { // the six counters, joined by "|"
        const auto& c = w.txtStatistik;
        return c[0] + "|" + c[1] + "|" + c[2] + "|" + c[3] + "|" + c[4] + "|" + c[5];
    }
};

} // namespace lampen::testing
