// Schaltmuster numbers as the texts of their switch sets.

#include "Analysis.h"

#include <gtest/gtest.h>

#include <string>

namespace lampen {
namespace {

TEST(Analysis, SchaltmusterTextIsLowestSwitchFirst) {
    const struct {
        std::string decimal, text;
    } cases[] = {
        {"1", "1"},
        {"5", "101"},
        {"6", "011"},
        {"12", "0011"},
        {" 5", "101"},
        {"65541", "101"},
        {"-1", "1111111111111111"}, // taken as 16 bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(toSchaltmuster(c.decimal), c.text) << '"' << c.decimal << '"';
    EXPECT_EQ(schaltmusterText(12), "0011");
}

} // namespace
} // namespace lampen
