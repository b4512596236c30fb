// Worksheets as PDF: the built-in group of 19 circuits and a full group of 200 circuits of ten
// lamps each, rendered and written to a file. The counters give the size of a page.

#include "Schaltgruppe.h"
#include "Worksheet.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// 200 circuits of ten lamps with wiring from a fixed linear congruential sequence: the largest
// pages, and answer keys of every length.
std::vector<std::string> fullGroup() {
    std::vector<std::string> codes;
    std::uint32_t x = 12345;
    for (int c = 0; c < lampen::kMaxCircuits; ++c) {
        std::string code = "9*";
        for (int s = 0; s < 10; ++s) {
            for (int l = 0; l < 10; ++l) {
                x = x * 1664525u + 1013904223u;
                code += (x >> 28) < 5 ? '1' : '0';
            }
            code += '*';
        }
        codes.push_back(std::move(code));
    }
    return codes;
}

void writeGroup(benchmark::State& state, const lampen::print::WorksheetInput& input) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "lampen-bench-arbeitsblatt.pdf";
    for (auto _ : state) {
        const auto result = lampen::print::writeWorksheet(file, input);
        if (!result.ok)
            state.SkipWithError(result.error.c_str());
    }
    const lampen::print::WorksheetPdf pdf = lampen::print::renderWorksheet(input);
    state.counters["pages"] = pdf.pages;
    state.counters["bytes_per_page"] = static_cast<double>(pdf.bytes.size()) / pdf.pages;
    std::filesystem::remove(file);
}

void BM_WorksheetBuiltIn(benchmark::State& state) {
    const auto& codes = lampen::builtInCodes();
    writeGroup(state, {"Voreinstellung.lmp", {codes.begin(), codes.end()}, std::nullopt});
}
BENCHMARK(BM_WorksheetBuiltIn)->Unit(benchmark::kMillisecond);

void BM_Worksheet200Circuits(benchmark::State& state) {
    writeGroup(state, {"voll.lmp", fullGroup(), std::nullopt});
}
BENCHMARK(BM_Worksheet200Circuits)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
