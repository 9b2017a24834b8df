// Google Benchmark figures for every calculator operation and for the whole
// typical batch (gravity 1.08, 赤霞珠, 100 kg, 12.5 %vol, 17 g, the three
// calculations). It prints times; it asserts nothing about them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/calculations.h"
#include "core/calculator_fields.h"
#include "core/gravity_table.h"
#include "core/key_filter.h"
#include "core/numeric_text.h"
#include "core/variety_table.h"

namespace {

using namespace mostaric;

// Chooses the entry whose text is `text`; a missing entry stops the run, since
// the figures would then measure something else than the batch.
void chooseText(ChoiceList& list, std::string_view text)
{
    const auto it = std::find(list.items.begin(), list.items.end(), text);
    if (it == list.items.end()) {
        std::fprintf(stderr, "no entry \"%.*s\" in a list\n", static_cast<int>(text.size()),
                     text.data());
        std::abort();
    }
    list.choose(static_cast<std::size_t>(it - list.items.begin()));
}

// Types `text` key by key through the filter, as the window does.
void typeInto(std::string& field, std::string_view text)
{
    field.clear();
    for (const char c : text) {
        std::int16_t code = static_cast<unsigned char>(c);
        onNumericKeyPress(code);
        if (code != 0)
            field.push_back(static_cast<char>(code));
    }
}

CalculatorFields loadedFields()
{
    CalculatorFields fields;
    onMainWindowLoad(fields);
    return fields;
}

// The state just before the three buttons of the typical batch are pressed.
CalculatorFields batchInputs()
{
    CalculatorFields fields = loadedFields();
    chooseText(fields.bizhong, "1.08");
    onGravityChosen(fields);
    chooseText(fields.pinzhong, "赤霞珠");
    onVarietyChosen(fields);
    typeInto(fields.weit, "100");
    typeInto(fields.Tt2, "12.5");
    chooseText(fields.xiguan, "17");
    return fields;
}

void BM_onMainWindowLoad(benchmark::State& state)
{
    for (auto _ : state) {
        CalculatorFields fields;  // a fresh window each time: the lists only grow
        onMainWindowLoad(fields);
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(BM_onMainWindowLoad);

void BM_onGravityChosen(benchmark::State& state)
{
    CalculatorFields fields = loadedFields();
    chooseText(fields.bizhong, "1.08");
    for (auto _ : state) {
        onGravityChosen(fields);
        benchmark::DoNotOptimize(fields.T1);
    }
}
BENCHMARK(BM_onGravityChosen);

// The last row is the slowest to find for a table searched in order.
void BM_onGravityChosen_lastRow(benchmark::State& state)
{
    CalculatorFields fields = loadedFields();
    fields.bizhong.choose(fields.bizhong.items.size() - 1);
    for (auto _ : state) {
        onGravityChosen(fields);
        benchmark::DoNotOptimize(fields.T1);
    }
}
BENCHMARK(BM_onGravityChosen_lastRow);

void BM_onVarietyChosen(benchmark::State& state)
{
    CalculatorFields fields = loadedFields();
    chooseText(fields.pinzhong, "赤霞珠");
    for (auto _ : state) {
        onVarietyChosen(fields);
        benchmark::DoNotOptimize(fields.sd);
    }
}
BENCHMARK(BM_onVarietyChosen);

void BM_onSugarCalculation(benchmark::State& state)
{
    CalculatorFields fields = batchInputs();
    for (auto _ : state) {
        benchmark::DoNotOptimize(onSugarCalculation(fields));
    }
}
BENCHMARK(BM_onSugarCalculation);

void BM_onSulfiteCalculation(benchmark::State& state)
{
    CalculatorFields fields = batchInputs();
    onSugarCalculation(fields);
    for (auto _ : state) {
        benchmark::DoNotOptimize(onSulfiteCalculation(fields));
    }
}
BENCHMARK(BM_onSulfiteCalculation);

void BM_onYeastCalculation(benchmark::State& state)
{
    CalculatorFields fields = batchInputs();
    onSugarCalculation(fields);
    for (auto _ : state) {
        benchmark::DoNotOptimize(onYeastCalculation(fields));
    }
}
BENCHMARK(BM_onYeastCalculation);

void BM_onNumericKeyPress(benchmark::State& state)
{
    // A digit, the point, backspace and three codes the filter cancels.
    constexpr std::int16_t kCodes[] = {'7', '.', 8, 'a', -20000, 0x4E00};
    for (auto _ : state) {
        for (const std::int16_t original : kCodes) {
            std::int16_t code = original;
            benchmark::DoNotOptimize(code);
            onNumericKeyPress(code);
            benchmark::DoNotOptimize(code);
        }
    }
    state.SetItemsProcessed(state.iterations() * std::size(kCodes));
}
BENCHMARK(BM_onNumericKeyPress);

void BM_ReadNumber(benchmark::State& state)
{
    const std::string_view texts[] = {"12.5", "100", "1.659", "-0.62", "abc", ""};
    for (auto _ : state) {
        for (const std::string_view text : texts) {
            benchmark::DoNotOptimize(text);
            benchmark::DoNotOptimize(ReadNumber(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::size(texts));
}
BENCHMARK(BM_ReadNumber);

void BM_FormatFixed(benchmark::State& state)
{
    const double values[] = {1.6592592592592593, 63.02858, 3.44, 27.866666, -0.0004, 1e15};
    for (auto _ : state) {
        for (const double value : values) {
            benchmark::DoNotOptimize(value);
            benchmark::DoNotOptimize(FormatFixed(value, FixedPattern::ThreeDecimals));
            benchmark::DoNotOptimize(FormatFixed(value, FixedPattern::TwoDecimals));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::size(values) * 2);
}
BENCHMARK(BM_FormatFixed);

// Everything the typical batch runs, from the window's start-up step to the
// last button.
void BM_TypicalBatch(benchmark::State& state)
{
    for (auto _ : state) {
        CalculatorFields fields = batchInputs();
        onSugarCalculation(fields);
        onSulfiteCalculation(fields);
        onYeastCalculation(fields);
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(BM_TypicalBatch);

// Prints the batch's results once, so a reader of the figures sees that the
// work measured is the real one.
void printBatchResults()
{
    CalculatorFields fields = batchInputs();
    onSugarCalculation(fields);
    onSulfiteCalculation(fields);
    onYeastCalculation(fields);
    std::printf("typical batch: Tt1=%s jiutiji=%s s2=%s s3=%s jiaomu2=%s\n", fields.Tt1.c_str(),
                fields.jiutiji.c_str(), fields.s2.c_str(), fields.s3.c_str(),
                fields.jiaomu2.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    printBatchResults();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
