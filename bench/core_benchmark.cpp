// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include "core/fields.h"
#include "core/gravity_table.h"
#include "core/key_filter.h"
#include "core/numeric_text.h"
#include "core/start_up.h"
#include "core/variety_table.h"

namespace {

using namespace mostaric;

// Chooses the entry whose text is `text`; a missing entry stops the run, since
// the figures would then measure something else than the batch.
void chooseText(CalculatorFields& fields, Field list, std::string_view text)
{
    const auto entries = listEntries(list);
    if (std::find(entries.begin(), entries.end(), text) == entries.end()) {
        std::fprintf(stderr, "no entry \"%.*s\" in a list\n", static_cast<int>(text.size()),
                     text.data());
        std::abort();
    }
    fields.text(list) = text;
}

// Types `text` key by key through the filter, as the window does.
void typeInto(std::string& field, std::string_view text)
{
    field.clear();
    for (const char c : text) {
        if (acceptsKey(static_cast<unsigned char>(c)))
            field.push_back(c);
    }
}

// The state just before the three buttons of the typical batch are pressed.
CalculatorFields batchInputs()
{
    CalculatorFields fields = startUpFields();
    chooseText(fields, Field::bizhong, "1.08");
    fields = chooseGravity(fields.text(Field::bizhong)).appliedTo(fields);
    chooseText(fields, Field::pinzhong, "赤霞珠");
    fields = chooseVariety(fields.text(Field::pinzhong)).appliedTo(fields);
    typeInto(fields.text(Field::weit), "100");
    typeInto(fields.text(Field::Tt2), "12.5");
    chooseText(fields, Field::xiguan, "17");
    return fields;
}

CalculatorFields pressAll(CalculatorFields fields)
{
    fields = calculateSugar(fields).appliedTo(fields);
    fields = calculateSulfite(fields).appliedTo(fields);
    return calculateYeast(fields).appliedTo(fields);
}

void BM_startUpFields(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(startUpFields());
        for (const Field list : {Field::pinzhong, Field::bizhong, Field::xiguan})
            benchmark::DoNotOptimize(listEntries(list));
    }
}
BENCHMARK(BM_startUpFields);

void BM_chooseGravity(benchmark::State& state)
{
    std::string_view gravity = "1.056";
    for (auto _ : state) {
        benchmark::DoNotOptimize(gravity);
        benchmark::DoNotOptimize(chooseGravity(gravity));
    }
}
BENCHMARK(BM_chooseGravity);

// The last row is the longest search.
void BM_chooseGravity_lastRow(benchmark::State& state)
{
    std::string_view gravity = kGravityTable.back().gravity;
    for (auto _ : state) {
        benchmark::DoNotOptimize(gravity);
        benchmark::DoNotOptimize(chooseGravity(gravity));
    }
}
BENCHMARK(BM_chooseGravity_lastRow);

void BM_chooseVariety(benchmark::State& state)
{
    std::string_view name = "赤霞珠";
    for (auto _ : state) {
        benchmark::DoNotOptimize(name);
        benchmark::DoNotOptimize(chooseVariety(name));
    }
}
BENCHMARK(BM_chooseVariety);

template <FieldUpdate (*Calculation)(const CalculatorFields&)>
void BM_calculation(benchmark::State& state)
{
    const CalculatorFields fields = calculateSugar(batchInputs()).appliedTo(batchInputs());
    for (auto _ : state)
        benchmark::DoNotOptimize(Calculation(fields));
}
BENCHMARK(BM_calculation<calculateSugar>)->Name("BM_calculateSugar");
BENCHMARK(BM_calculation<calculateSulfite>)->Name("BM_calculateSulfite");
BENCHMARK(BM_calculation<calculateYeast>)->Name("BM_calculateYeast");

void BM_acceptsKey(benchmark::State& state)
{
    // A digit, the point, backspace and three codes the filter refuses.
    constexpr std::int16_t kCodes[] = {'7', '.', 8, 'a', -20000, 0x4E00};
    for (auto _ : state) {
        for (std::int16_t code : kCodes) {
            benchmark::DoNotOptimize(code);
            benchmark::DoNotOptimize(acceptsKey(code));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::size(kCodes)));
}
BENCHMARK(BM_acceptsKey);

void BM_readNumber(benchmark::State& state)
{
    const std::string_view texts[] = {"12.5", "100", "1.659", "-0.62", "abc", ""};
    for (auto _ : state) {
        // Copies, not const: Google Benchmark 1.9 deprecates DoNotOptimize of a const.
        for (std::string_view text : texts) {
            benchmark::DoNotOptimize(text);
            benchmark::DoNotOptimize(readNumber(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::size(texts)));
}
BENCHMARK(BM_readNumber);

void BM_formatFixed(benchmark::State& state)
{
    const double values[] = {1.6592592592592593, 63.02858, 3.44, 27.866666, -0.0004, 1e15};
    for (auto _ : state) {
        // Copies, not const: Google Benchmark 1.9 deprecates DoNotOptimize of a const.
        for (double value : values) {
            benchmark::DoNotOptimize(value);
            benchmark::DoNotOptimize(formatFixed(value, FixedPattern::ThreeDecimals));
            benchmark::DoNotOptimize(formatFixed(value, FixedPattern::TwoDecimals));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::size(values)) * 2);
}
BENCHMARK(BM_formatFixed);

// Everything the typical batch runs, from the window's start-up step to the
// last button.
void BM_TypicalBatch(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(pressAll(batchInputs()));
}
BENCHMARK(BM_TypicalBatch);

// Prints the batch's results once, so a reader of the figures sees that the
// work measured is the real one.
void printBatchResults()
{
    const CalculatorFields fields = pressAll(batchInputs());
    std::printf("typical batch: Tt1=%s jiutiji=%s s2=%s s3=%s jiaomu2=%s\n",
                fields.text(Field::Tt1).c_str(), fields.text(Field::jiutiji).c_str(),
                fields.text(Field::s2).c_str(), fields.text(Field::s3).c_str(),
                fields.text(Field::jiaomu2).c_str());
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
