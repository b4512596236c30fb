#include "PdfText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace lampen::testing {

namespace {

std::string readAll(const std::string& path) {
    return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str();
}

bool run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

} // namespace

std::string scratchPath(const std::string& suffix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    return LAMPEN_PRINT_SCRATCH_DIR "/" + name + suffix;
}

std::vector<std::string> pdfPageTexts(const std::string& pdf) {
    const std::string out = pdf + ".txt";
    if (!run("pdftotext -enc UTF-8 '" + pdf + "' '" + out + "'"))
        return {};
    // pdftotext ends every page with a form feed.
    std::vector<std::string> pages;
    std::istringstream text(readAll(out));
    for (std::string page; std::getline(text, page, '\f');)
        pages.push_back(page);
    return pages;
}

int pdfPageCount(const std::string& pdf) {
    const std::string out = pdf + ".info";
    if (!run("pdfinfo '" + pdf + "' > '" + out + "'"))
        return -1;
    std::istringstream info(readAll(out));
    for (std::string line; std::getline(info, line);)
        if (line.rfind("Pages:", 0) == 0)
            return std::atoi(line.c_str() + 6);
    return -1;
}

} // namespace lampen::testing
