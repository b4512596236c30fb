#include "AnswerKey.h"

#include "PageText.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>

namespace lampen::print {

namespace {

constexpr double kTextWidthMm = kPageWidthMm - 2 * kMarginMm;
constexpr double kCircuitGapMm = 4;
constexpr std::size_t kHeadLines = 4; // name, two facts, the first line of sets
constexpr const char* kSetsLabel = "Lösungen: ";
constexpr const char* kSetGap = "   ";

struct StyleLook {
    double points;
    bool bold;
    double lineMm;
};

StyleLook look(KeyLine::Style style) {
    switch (style) {
    case KeyLine::Style::Circuit:
        return {11, true, 6.5};
    case KeyLine::Style::Fact:
        return {10, false, 5};
    case KeyLine::Style::Sets:
        break;
    }
    return {9.5, false, 4.6};
}

QFont fontOf(KeyLine::Style style) {
    const StyleLook l = look(style);
    return pageFont(l.points, l.bold);
}

// The space a line takes on its page: a circuit's name keeps a gap to the circuit above.
double heightOf(const KeyLine& line, bool firstOnPage) {
    return look(line.style).lineMm + (line.startsCircuit && !firstOnPage ? kCircuitGapMm : 0);
}

QString facts(const CircuitSheet& s) {
    return QStringLiteral("Rang %1, herstellbare Muster: %2 von %3")
        .arg(s.analysis.rank)
        .arg(s.analysis.producibleCount)
        .arg(s.analysis.patternCount);
}

QString verdict(const CircuitSheet& s) {
    QString text = QStringLiteral("Ziel: ") + qs(targetText(s));
    if (!s.analysis.targetSolvable)
        return text + QStringLiteral(" – lösbar: nein");
    return text +
           QStringLiteral(" – lösbar: ja – kleinste Schaltzahl: %1").arg(s.analysis.minPresses);
}

// The solving sets, as many to a line as fit.
void appendSets(std::vector<KeyLine>& lines, const CircuitSheet& s, const TextWidth& widthMm) {
    constexpr auto style = KeyLine::Style::Sets;
    QString line = qs(kSetsLabel);
    if (s.analysis.solutions.empty()) {
        lines.push_back({style, line + QStringLiteral("keine"), false});
        return;
    }
    bool lineHasSet = false;
    for (const auto set : s.analysis.solutions) {
        const QString text = qs(switchSetText(set));
        const QString longer = lineHasSet ? line + qs(kSetGap) + text : line + text;
        if (lineHasSet && widthMm(style, longer) > kTextWidthMm) {
            lines.push_back({style, line, false});
            line = text;
        } else {
            line = longer;
        }
        lineHasSet = true;
    }
    lines.push_back({style, line, false});
}

} // namespace

std::vector<KeyLine> answerKeyLines(const std::vector<CircuitSheet>& sheets,
                                    const TextWidth& widthMm) {
    std::vector<KeyLine> lines;
    for (const CircuitSheet& s : sheets) {
        lines.push_back({KeyLine::Style::Circuit, QStringLiteral("Schaltung %1").arg(s.nr), true});
        lines.push_back({KeyLine::Style::Fact, facts(s), false});
        lines.push_back({KeyLine::Style::Fact, verdict(s), false});
        appendSets(lines, s, widthMm);
    }
    return lines;
}

std::vector<std::vector<KeyLine>> answerKeyPages(const std::vector<KeyLine>& lines) {
    std::vector<std::vector<KeyLine>> pages(1);
    double y = kContentTopMm;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool firstOnPage = pages.back().empty();
        double need = heightOf(lines[i], firstOnPage);
        if (lines[i].startsCircuit) {
            const std::size_t end = std::min(lines.size(), i + kHeadLines);
            for (std::size_t j = i + 1; j < end; ++j)
                need += heightOf(lines[j], false);
        }
        if (!firstOnPage && y + need > kContentBottomMm) {
            pages.emplace_back();
            y = kContentTopMm;
        }
        y += heightOf(lines[i], pages.back().empty());
        pages.back().push_back(lines[i]);
    }
    return pages;
}

TextWidth deviceTextWidth(QPainter& p, const PageScale& mm) {
    // One metrics object per style, made once: measuring is the layout's inner loop.
    auto metrics = std::make_shared<std::array<QFontMetricsF, 3>>(
        std::array<QFontMetricsF, 3>{QFontMetricsF(fontOf(KeyLine::Style::Circuit), p.device()),
                                     QFontMetricsF(fontOf(KeyLine::Style::Fact), p.device()),
                                     QFontMetricsF(fontOf(KeyLine::Style::Sets), p.device())});
    return [metrics, mm](KeyLine::Style style, const QString& text) {
        return mm.toMm((*metrics)[static_cast<std::size_t>(style)].horizontalAdvance(text));
    };
}

void paintAnswerKeyPage(QPainter& p, const PageScale& mm, const QString& groupName,
                        const std::vector<KeyLine>& lines) {
    drawPageHeading(p, mm, QStringLiteral("Lösungen"), groupName);
    double y = kContentTopMm;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const KeyLine& line = lines[i];
        y += heightOf(line, i == 0);
        p.setFont(fontOf(line.style));
        // The baseline sits a fifth of the line above its bottom, leaving room for descenders.
        textAt(p, mm, kMarginMm, y - look(line.style).lineMm / 5, line.text);
    }
}

} // namespace lampen::print
