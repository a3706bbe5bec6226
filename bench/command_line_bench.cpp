// What the module adds to a command line and a version read, against calling the stand-in itself.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "kova/tesselapi.h"
#include "open_session.h"
#include "vireo_api.h"

namespace {

constexpr const char* kCommand = "VR(1)=1";

void ExecuteThroughModule(benchmark::State& state) {
    kova_context context = OpenSession();
    for (auto _ : state) benchmark::DoNotOptimize(kova_Execute(context, kCommand));
}
BENCHMARK(ExecuteThroughModule);

void ExecuteDirect(benchmark::State& state) {
    OpenSession();
    for (auto _ : state) benchmark::DoNotOptimize(vireo_api_execute(kCommand));
}
BENCHMARK(ExecuteDirect);

// Lines the controller has not seen yet: more distinct lines than it keeps parsed.
void ExecuteDistinctLines(benchmark::State& state) {
    OpenSession();
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i) lines.push_back("VR(" + std::to_string(i) + ")=1");
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vireo_api_execute(lines[next].c_str()));
        next = (next + 1) % lines.size();
    }
}
BENCHMARK(ExecuteDistinctLines);

void FirmwareVersionThroughModule(benchmark::State& state) {
    kova_context context = OpenSession();
    double version = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kova_GetFirmwareVersionNumber(context, &version));
        benchmark::DoNotOptimize(version);
    }
}
BENCHMARK(FirmwareVersionThroughModule);

// The library's own way to the same number: the VERSION parameter by identifier.
void FirmwareVersionDirect(benchmark::State& state) {
    OpenSession();
    vireo_api_value value{};
    for (auto _ : state) {
        value.tag = VIREO_API_INT32;
        benchmark::DoNotOptimize(vireo_api_get_system_parameter(55, &value));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(FirmwareVersionDirect);

}  // namespace
