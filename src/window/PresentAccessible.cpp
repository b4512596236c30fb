// What a screen reader says of the window's controls: lamps and switches with their state and
// wiring, the drawing areas, the sliders, the counters and the answer options.

#include "Captions.h"
#include "Presentation.h"

namespace lampen {

namespace {

// A caption without its closing full stop or colon, to be followed by more.
std::string lead(const char* caption) {
    std::string s(caption);
    if (!s.empty() && (s.back() == '.' || s.back() == ':'))
        s.pop_back();
    return s;
}

std::string lampDescription(const GameState& s, int l) {
    std::string d = hasBit(s.lit, l) ? "an" : "aus";
    if (hasBit(s.target, l))
        d += ", Ziel";
    return d;
}

// Only a wire of value 1 toggles its lamp; the others are drawn but do nothing.
std::string switchDescription(const GameState& s, int sw) {
    std::string lamps;
    for (int l = 0; l <= s.maxIndex; ++l)
        if (sw <= s.maxIndex && s.wiring(sw, l) == 1)
            lamps += (lamps.empty() ? "L" : ", L") + std::to_string(l);
    return lamps.empty() ? "schaltet keine Lampe" : "schaltet " + lamps;
}

std::string roomDescription(const GameState& s) {
    const int n = s.maxIndex + 1;
    int lit = 0;
    for (int l = 0; l < n; ++l)
        lit += hasBit(s.lit, l) ? 1 : 0;
    return "Schaltung " + std::to_string(s.current.value) + " von " +
           std::to_string(s.count.value) + ": " + std::to_string(n) + " Lampen, " +
           std::to_string(lit) + " an";
}

// Every control's name and what a screen reader calls it never change; lamps, switches and the
// room come first, two entries a lamp and then the room, and get their descriptions per view.
std::vector<AccessibleText> fixedTexts() {
    std::vector<AccessibleText> a;
    a.reserve(2 * kLampCount + 16);
    for (int i = 0; i < kLampCount; ++i) {
        a.push_back({arrayName("shpLampe", i), "Lampe " + std::to_string(i), ""});
        a.push_back({arrayName("cmdSchalter", i), "S" + std::to_string(i), ""});
    }
    a.push_back({"picRaum", "Lampen und Schalter", ""});
    a.push_back({"picMatrix", "Schaltmatrix",
                 "eine Zeile je Schalter, eine Spalte je Lampe, darunter Lampen und Ziel"});

    const std::string lamps = lead(captions::lampsLabel), switches = lead(captions::switchesLabel);
    a.push_back({"hscLampwinkel", lamps + ": Drehung", ""});
    a.push_back({"hscRadLampe", lamps + ": Abstand", ""});
    a.push_back({"hscSchaltwinkel", switches + ": Drehung", ""});
    a.push_back({"hscRadSchalter", switches + ": Abstand", ""});

    for (int i = 0; i < 6; ++i)
        a.push_back(
            {arrayName("txtStatistik", i), captions::statistics[static_cast<std::size_t>(i)], ""});

    // The solvability question's options stand as (falsch, richtig), the general one's as
    // (richtig, falsch).
    const std::string solvable = lead(captions::solvableQuestion) + ": ";
    const std::string all = lead(captions::allPatternQuestion) + ": ";
    a.push_back({arrayName("optLösbar", 0), solvable + captions::wrong, ""});
    a.push_back({arrayName("optLösbar", 1), solvable + captions::right, ""});
    a.push_back({arrayName("Option1", 0), all + captions::right, ""});
    a.push_back({arrayName("Option1", 1), all + captions::wrong, ""});
    return a;
}

} // namespace

void presentAccessible(const GameState& s, View& v) {
    static const std::vector<AccessibleText> fixed = fixedTexts(); // built once, never changed
    auto& a = v.accessible;
    a = fixed;
    for (int i = 0; i < kLampCount; ++i) {
        const auto u = static_cast<std::size_t>(i);
        a[2 * u].description = lampDescription(s, i);
        a[2 * u + 1].description = switchDescription(s, i);
    }
    a[2 * kLampCount].description = roomDescription(s);
}

} // namespace lampen
