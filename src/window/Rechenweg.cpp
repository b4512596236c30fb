#include "Rechenweg.h"

#include <algorithm>

namespace lampen {

namespace {

constexpr std::size_t kLabelWidth = 9; // "Zeile 10 "

void appendHeader(std::string& out, int k) {
    out.append(kLabelWidth, ' ');
    for (int s = 0; s <= k; ++s) {
        out += 'S';
        out += static_cast<char>('0' + s);
        out += "  ";
    }
    out += "| Ziel\n";
}

// One cell: the digit, in brackets when it is the pivot.
void appendCell(std::string& out, bool one, bool pivot) {
    out += pivot ? '[' : ' ';
    out += one ? '1' : '0';
    out += pivot ? ']' : ' ';
}

// pivotRow -1: no pivot marked.
void appendMatrix(std::string& out, int k, const AugmentedRows& rows, int pivotRow,
                  int pivotColumn) {
    appendHeader(out, k);
    for (int r = 0; r <= k; ++r) {
        const unsigned row = rows[static_cast<std::size_t>(r)];
        const std::size_t lineStart = out.size();
        out += "Zeile " + std::to_string(r + 1);
        out.resize(lineStart + kLabelWidth, ' ');
        for (int c = 0; c <= k + 1; ++c) {
            if (c == k + 1)
                out += "| ";
            appendCell(out, ((row >> c) & 1u) != 0, r == pivotRow && c == pivotColumn);
            out += ' ';
        }
        while (out.back() == ' ')
            out.pop_back();
        out += '\n';
    }
}

std::string switchList(unsigned switches) {
    std::string list;
    for (int s = 0; s <= kMaxIndex; ++s)
        if ((switches >> s) & 1u)
            list += (list.empty() ? "S" : " S") + std::to_string(s);
    return list;
}

void appendResult(std::string& out, const EliminationSteps& e) {
    out += "Rang: " + std::to_string(e.rank) + '\n';
    if (e.solvable) {
        out += "Lösung: " + switchList(e.solution) + '\n';
        out += "freie Schalter: " +
               (e.freeSwitches == 0 ? std::string("keine") : switchList(e.freeSwitches)) + '\n';
        return;
    }
    out += "keine Lösung\n";
    if (e.contradictionRow >= 0)
        out += "Zeile " + std::to_string(e.contradictionRow + 1) + " lautet 0 = 1\n";
    else // the target is no lamp and only the empty switch set gives it
        out += "nur erfüllt, wenn kein Schalter gedrückt wird\n";
}

} // namespace

std::string rechenwegText(const EliminationSteps& e, int shownSteps) {
    const int k = e.maxIndex;
    shownSteps = std::clamp(shownSteps, 0, e.stepCount);
    std::string out;
    out.reserve(static_cast<std::size_t>(shownSteps + 2) * static_cast<std::size_t>(k + 3) *
                static_cast<std::size_t>(4 * k + 24));
    out += "Schritt 0\n";
    appendMatrix(out, k, e.start, -1, -1);
    for (int n = 1; n <= shownSteps; ++n) {
        const EliminationStep& step = e.steps[static_cast<std::size_t>(n - 1)];
        const RowOperation& op = step.operation;
        out += "\nSchritt " + std::to_string(n) + ": Zeile " + std::to_string(op.row + 1) +
               (op.kind == RowOperationKind::Exchange ? " ↔ " : " + ") + "Zeile " +
               std::to_string(op.other + 1) + '\n';
        appendMatrix(out, k, step.rows, step.pivotRow, step.pivotColumn);
    }
    if (shownSteps == e.stepCount) {
        out += '\n';
        appendResult(out, e);
    }
    return out;
}

} // namespace lampen
