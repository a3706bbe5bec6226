// What the module adds to a parameter read and to a block of VRs, against the stand-in's own
// functions.
#include <benchmark/benchmark.h>

#include <vector>

#include "kova/tesselapi.h"
#include "open_session.h"
#include "vireo_api.h"

namespace {

constexpr uint32_t kSpeedIdentifier = 132;
constexpr uint32_t kVrBlock = 1000;

void ParameterThroughModule(benchmark::State& state) {
    kova_context context = OpenSession();
    double speed = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kova_GetAxisParameter_SPEED(context, 1, &speed));
        benchmark::DoNotOptimize(speed);
    }
}
BENCHMARK(ParameterThroughModule);

void ParameterDirect(benchmark::State& state) {
    OpenSession();
    vireo_api_value value{};
    for (auto _ : state) {
        value.tag = VIREO_API_INT32;
        benchmark::DoNotOptimize(vireo_api_get_axis_parameter(kSpeedIdentifier, 1, &value));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(ParameterDirect);

void VrBlockThroughModule(benchmark::State& state) {
    kova_context context = OpenSession();
    std::vector<double> values(kVrBlock);
    for (auto _ : state) {
        if (kova_GetMultiVrValues(context, 0, kVrBlock, values.data()) != 0) state.SkipWithError("refused");
        benchmark::DoNotOptimize(values.data());
    }
}
BENCHMARK(VrBlockThroughModule);

void VrBlockDirect(benchmark::State& state) {
    OpenSession();
    std::vector<double> values(kVrBlock);
    for (auto _ : state) {
        if (vireo_api_get_vr(0, kVrBlock, values.data()) != 0) state.SkipWithError("refused");
        benchmark::DoNotOptimize(values.data());
    }
}
BENCHMARK(VrBlockDirect);

}  // namespace
