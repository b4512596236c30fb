#pragma once
// Scripted stand-ins for boxes, file dialogs, random numbers and font metrics.

#include "Dialogs.h"
#include "Random.h"
#include "TextMetrics.h"

#include <deque>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace lampen::testing {

struct Box {
    Box(std::string text, Icon icon, std::string title, std::string detail = {})
        : text(std::move(text)), icon(icon), title(std::move(title)), detail(std::move(detail)) {}
    std::string text;
    Icon icon = Icon::None;
    std::string title;
    std::string detail; // the informative text below the message, if any
    friend bool operator==(const Box&, const Box&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Box& b) {
        return os << b.title << " (icon " << static_cast<int>(b.icon) << "): " << b.text
                  << (b.detail.empty() ? "" : " / ") << b.detail;
    }
};

// Records every box; input boxes and file dialogs answer from queues, "" (cancelled) when empty.
struct FakeDialogs : Dialogs {
    std::vector<Box> boxes;
    std::vector<Box> prompts; // the input boxes: text is the prompt
    std::deque<std::string> replies, openNames, saveNames;

    void message(const std::string& text, Icon icon, const std::string& title,
                 const std::string& detail) override {
        boxes.push_back({text, icon, title, detail});
    }
    std::string input(const std::string& prompt, const std::string& title) override {
        prompts.push_back({prompt, Icon::None, title});
        return pop(replies);
    }
    std::string openFileName() override { return pop(openNames); }
    std::string saveFileName() override { return pop(saveNames); }
    static std::string pop(std::deque<std::string>& q) {
        std::string s = q.empty() ? "" : std::move(q.front());
        return q.empty() ? s : (q.pop_front(), s);
    }
};

struct FakeRandom : Random { // the values in turn, then from the first again; empty: throws
    std::vector<double> values{0.0};
    std::size_t next_ = 0;

    void seedFromClock() override {}
    double next() override { return values.at(values.empty() ? 0 : next_++ % values.size()); }
};

struct FakeMetrics : TextMetrics {
    double lineTwips = 11 * 3832.0 / 155; // 11 units of the matrix view, reference screen
    double lineHeightTwips(double) const override { return lineTwips; }
};

struct Harness {
    FakeDialogs dialogs;
    FakeRandom random;
    FakeMetrics metrics;
};

} // namespace lampen::testing
