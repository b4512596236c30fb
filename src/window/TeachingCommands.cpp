// The handlers that teach: "Tipp" names the next switch to press from the lamps as they are.
// The Rechenweg panel's handlers are single verbs (Lampen.h).

#include "Lampen.h"

namespace lampen {

void Lampen::cmdTipp_Click() {
    if (state().editMode()) {
        cmdWege_Click(); // refused exactly as the solution paths are, with the same box
        return;
    }
    const Tip tip = game_.tip();
    std::string text;
    if (tip.there())
        text = "Die Lampen zeigen bereits das Ziel.";
    else if (!tip.reachable())
        text = "Das Ziel ist von hier aus nicht erreichbar.";
    else
        text = "Drücken Sie S" + std::to_string(tip.pressNext) + ".";
    dialogs_.message(text, Icon::None, "Tipp");
}

} // namespace lampen
