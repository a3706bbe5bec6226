// CRC throughput of the fast paths against one table look-up per byte.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "shared/transfer/crc.h"

namespace {

using Kova::TesselApi::Shared::Crc;

const std::vector<std::uint8_t>& Data() {
    static const std::vector<std::uint8_t> data = [] {
        std::vector<std::uint8_t> bytes(16u << 20);
        std::uint32_t state = 1;
        for (auto& byte : bytes) {
            state = state * 1664525u + 1013904223u;
            byte = static_cast<std::uint8_t>(state >> 24);
        }
        return bytes;
    }();
    return data;
}

void Run(benchmark::State& state, std::string_view model) {
    const auto& data = Data();
    for (auto _ : state) {
        Crc crc(*Kova::TesselApi::Shared::FindCrcModel(model));
        crc.Update(data.data(), data.size());
        benchmark::DoNotOptimize(crc.Value());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}

// CRC-16 takes the carry-less folding where the processor has it; CRC-32 (reflected) shows the
// sliced tables alone.
void Crc16Update(benchmark::State& state) { Run(state, "CRC-16"); }
BENCHMARK(Crc16Update)->Unit(benchmark::kMillisecond);

void Crc32Sliced(benchmark::State& state) { Run(state, "CRC-32"); }
BENCHMARK(Crc32Sliced)->Unit(benchmark::kMillisecond);

void Crc16Bytewise(benchmark::State& state) {
    const auto& data = Data();
    for (auto _ : state) {
        Crc crc;
        crc.UpdateBytewise(data.data(), data.size());
        benchmark::DoNotOptimize(crc.Value());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(Crc16Bytewise)->Unit(benchmark::kMillisecond);

}  // namespace
