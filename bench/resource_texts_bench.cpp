// What a text lookup costs: the first one of a document builds its tables (here built again on every
// iteration from the resource library's bytes), every later one is a search in a table.
#include <benchmark/benchmark.h>

#include "shared/resources/resource_library.h"
#include "shared/resources/resource_tables.h"
#include "shared/resources/resource_texts.h"

namespace {

using namespace Kova::TesselApi::Shared;

void ResourceTableBuild(benchmark::State& state) {
    const auto bytes = ResourceDocumentBytes(ResourceDocumentName(ResourceDocument::AxisInfo));
    if (!bytes) {
        state.SkipWithError("the resource library is not beside the benchmark");
        return;
    }
    for (auto _ : state) {
        TextTables tables;
        ReadResourceDocument(ResourceDocument::AxisInfo, *bytes, tables);
        benchmark::DoNotOptimize(tables.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes->size()));
}
BENCHMARK(ResourceTableBuild)->Unit(benchmark::kMicrosecond);

void ResourceTextLookup(benchmark::State& state) {
    benchmark::DoNotOptimize(ResourceText("MotionType_Name", 0));  // the tables, built once
    for (auto _ : state) benchmark::DoNotOptimize(ResourceText("MotionType_Name", 21));
}
BENCHMARK(ResourceTextLookup);

}  // namespace
