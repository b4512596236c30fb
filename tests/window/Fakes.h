#pragma once
// Scripted stand-ins for what the window needs from outside: every box is recorded, input boxes
// and file dialogs answer from queues, random numbers come from a list.

#include "Dialogs.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace lampen::testing {

struct Box {
    std::string text;
    Icon icon = Icon::None;
    std::string title;
};

struct Prompt {
    std::string prompt;
    std::string title;
};

class FakeDialogs : public Dialogs {
public:
    std::vector<Box> boxes;
    std::vector<Prompt> prompts;
    std::deque<std::string> replies;   // answers to input boxes; "" when empty (cancelled)
    std::deque<std::string> openNames; // answers to the open dialog; "" when empty (cancelled)
    std::deque<std::string> saveNames;

    void message(const std::string& text, Icon icon, const std::string& title) override {
        boxes.push_back({text, icon, title});
    }
    std::string input(const std::string& prompt, const std::string& title) override {
        prompts.push_back({prompt, title});
        return pop(replies);
    }
    std::string openFileName() override { return pop(openNames); }
    std::string saveFileName() override { return pop(saveNames); }

private:
    static std::string pop(std::deque<std::string>& q) {
        if (q.empty())
            return {};
        std::string s = std::move(q.front());
        q.pop_front();
        return s;
    }
};

// Returns the listed values in turn, then cycles through them again.
class FakeRandom : public Random {
public:
    std::vector<double> values{0.0};
    std::size_t next_ = 0;
    int seeds = 0;

    void seedFromClock() override { ++seeds; }
    double next() override {
        if (values.empty())
            throw std::logic_error("FakeRandom has no values");
        return values[next_++ % values.size()];
    }
};

class FakeMetrics : public TextMetrics {
public:
    double lineHeight = 11; // the matrix font's line at the reference layout
    double matrixLineHeight() const override { return lineHeight; }
};

// A started window with its fakes, as most tests want it.
struct Harness {
    FakeDialogs dialogs;
    FakeRandom random;
    FakeMetrics metrics;
};

} // namespace lampen::testing
