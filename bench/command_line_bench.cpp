// What the module adds to a command line and a version read, against calling the stand-in itself.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "kova/tesselapi.h"
#include "vireo_api.h"

namespace {

constexpr const char* kCommand = "VR(1)=1";

// One open session shared by every benchmark of this file.
kova_context Session() {
    static kova_context context = [] {
        const kova_version version{KOVA_VERSION_MAJOR, KOVA_VERSION_MINOR, KOVA_VERSION_PATCH, KOVA_VERSION_BUILD};
        kova_context made = nullptr;
        if (kova_CreateContext(&version, nullptr, nullptr, &made) != 0 || kova_OpenConnection(made) != 0) std::abort();
        return made;
    }();
    return context;
}

void ExecuteThroughModule(benchmark::State& state) {
    kova_context context = Session();
    for (auto _ : state) benchmark::DoNotOptimize(kova_Execute(context, kCommand));
}
BENCHMARK(ExecuteThroughModule);

void ExecuteDirect(benchmark::State& state) {
    Session();
    for (auto _ : state) benchmark::DoNotOptimize(vireo_api_execute(kCommand));
}
BENCHMARK(ExecuteDirect);

void FirmwareVersionThroughModule(benchmark::State& state) {
    kova_context context = Session();
    double version = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kova_GetFirmwareVersionNumber(context, &version));
        benchmark::DoNotOptimize(version);
    }
}
BENCHMARK(FirmwareVersionThroughModule);

// The library's own way to the same number: the VERSION parameter by identifier.
void FirmwareVersionDirect(benchmark::State& state) {
    Session();
    vireo_api_value value{};
    for (auto _ : state) {
        value.tag = VIREO_API_INT32;
        benchmark::DoNotOptimize(vireo_api_get_system_parameter(55, &value));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(FirmwareVersionDirect);

}  // namespace
