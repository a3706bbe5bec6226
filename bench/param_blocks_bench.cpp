// What a parameter block costs against its baselines, each measured in the same benchmark so the
// figures sit side by side: a VR block against direct library reads of the same VRs, and an axis
// view (16 parameters of 16 axes) against the same values read one command line each.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "kova/tesselapi.h"
#include "open_session.h"
#include "vireo_api.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint32_t kVrEntries = 32;
// Rounds of each side per timed batch, so the clock's own cost does not count.
constexpr int kBatch = 64;

constexpr const char* kAxisView[] = {"MPOS", "DPOS", "FE", "MSPEED", "VP_SPEED", "SPEED", "ACCEL", "DECEL",
                                     "UNITS", "IDLE", "MTYPE", "NTYPE", "REMAIN", "ENDMOVE", "MOVES_BUFFERED",
                                     "AXISSTATUS"};
constexpr uint32_t kAxisNames = sizeof kAxisView / sizeof kAxisView[0];
constexpr uint32_t kAxes = 16;

double Nanoseconds(Clock::duration d) { return std::chrono::duration<double, std::nano>(d).count(); }

void Require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "%s failed\n", what);
        std::abort();
    }
}

void VrBlockAgainstDirectReads(benchmark::State& state) {
    kova_context context = OpenSession();
    std::vector<uint32_t> indices(kVrEntries);
    for (uint32_t i = 0; i < kVrEntries; ++i) indices[i] = 200 + i;
    uint32_t id = 0;
    Require(kova_ParamBlockDefineVr(context, indices.data(), kVrEntries, &id) == 0, "define");
    double values[kVrEntries];
    uint64_t changed = 0;
    double blockNs = 0, directNs = 0;
    std::int64_t rounds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int r = 0; r < kBatch; ++r) benchmark::DoNotOptimize(kova_ParamBlockFetchChangedVr(context, id, values, kVrEntries, &changed));
        const auto t1 = Clock::now();
        for (int r = 0; r < kBatch; ++r)
            for (uint32_t i = 0; i < kVrEntries; ++i) benchmark::DoNotOptimize(vireo_api_get_vr(indices[i], 1, &values[i]));
        const auto t2 = Clock::now();
        blockNs += Nanoseconds(t1 - t0);
        directNs += Nanoseconds(t2 - t1);
        rounds += kBatch;
    }
    const double entries = static_cast<double>(rounds) * kVrEntries;
    state.counters["block_ns_per_entry"] = blockNs / entries;
    state.counters["direct_ns_per_entry"] = directNs / entries;
    state.counters["overhead_ns_per_entry"] = (blockNs - directNs) / entries;
    kova_ParamBlockDelete(context, id);
}
BENCHMARK(VrBlockAgainstDirectReads);

void AxisViewAgainstCommandLines(benchmark::State& state) {
    kova_context context = OpenSession();
    uint32_t id = 0;
    Require(kova_ParamBlockDefineAxis(context, kAxisView, kAxisNames, &id) == 0, "define");
    std::vector<double> values(kAxisNames * kAxes);
    std::vector<uint64_t> masks(kAxes);
    const kova_axis_range axes{0, kAxes};
    std::vector<std::string> queries;
    for (uint32_t axis = 0; axis < kAxes; ++axis)
        for (const char* name : kAxisView) queries.push_back("?" + std::string(name) + " AXIS(" + std::to_string(axis) + ");");
    char reply[256];
    double blockUs = 0, linesUs = 0;
    std::int64_t rounds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        Require(kova_ParamBlockFetchChangedAxisParam6b(context, id, &axes, values.data(),
                                                       static_cast<uint32_t>(values.size()), masks.data()) == 0,
                "fetch");
        const auto t1 = Clock::now();
        for (std::size_t q = 0; q < queries.size(); ++q) {
            uint32_t size = sizeof reply;
            Require(kova_ExecuteWithResponse4a(context, queries[q].c_str(), reply, &size) == 0, "query");
            values[q] = std::strtod(reply, nullptr);
        }
        const auto t2 = Clock::now();
        blockUs += Nanoseconds(t1 - t0) / 1000;
        linesUs += Nanoseconds(t2 - t1) / 1000;
        ++rounds;
    }
    state.counters["block_us_per_fetch"] = blockUs / static_cast<double>(rounds);
    state.counters["command_lines_us_per_fetch"] = linesUs / static_cast<double>(rounds);
    state.counters["command_lines_over_block"] = linesUs / blockUs;
    kova_ParamBlockDelete(context, id);
}
BENCHMARK(AxisViewAgainstCommandLines);

}  // namespace
