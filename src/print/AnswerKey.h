#pragma once
// The answer key: per circuit its rank, how many patterns it can make, the page's target,
// whether it is solvable, the fewest presses and every solving set. Laid out into lines that
// fill as many pages headed "Lösungen" as they need; a circuit's list of sets may run on.

#include "CircuitSheet.h"
#include "PageGeometry.h"

#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace lampen::print {

struct KeyLine {
    enum class Style { Circuit, Fact, Sets };
    Style style = Style::Fact;
    QString text;
    bool startsCircuit = false; // the circuit's first line: its facts are kept together
};

// The width of a text in mm as the page's font of that style would print it.
using TextWidth = std::function<double(KeyLine::Style, const QString&)>;

// The answer key's lines; the solving sets are wrapped to the text width, never split.
std::vector<KeyLine> answerKeyLines(const std::vector<CircuitSheet>& sheets,
                                    const TextWidth& widthMm);

// The lines shared out onto pages. A circuit starts on a new page when its first lines would
// not fit below the previous one.
std::vector<std::vector<KeyLine>> answerKeyPages(const std::vector<KeyLine>& lines);

// Measures with the fonts of the painter's device.
TextWidth deviceTextWidth(QPainter& p, const PageScale& mm);

void paintAnswerKeyPage(QPainter& p, const PageScale& mm, const QString& groupName,
                        const std::vector<KeyLine>& lines);

} // namespace lampen::print
