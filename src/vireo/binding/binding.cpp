#include "vireo/binding/binding.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

#include "platform/dynamic_symbols/dynamic_symbols.h"
#include "shared/reply/buffer_base.h"
#include "vireo/binding/low_level.h"

namespace Kova::TesselApi::Vireo {

using Shared::Error;
using Shared::EventFunction;
using Shared::Result;

namespace {

constexpr const char* kLibraryModule = "vireo_api_x64";
// Builds whose third number is at least this one drive the controller the same way.
constexpr int kFirstCompatibleBuild = 1439;

void Report(const EventFunction& events, std::uint32_t type, Result result, std::string_view text) {
    if (events) events(type, result, text);
}

template <typename Function>
void Bind(std::atomic<Function>& entry, const char* name, const EventFunction& events) {
    if (Has(entry)) return;
    // The library is never loaded here: the copy the direct imports brought in is the one used.
    const Platform::ModuleHandle module = Platform::FindLoadedModule(kLibraryModule);
    if (!module) return;
    const auto function = reinterpret_cast<Function>(Platform::FindSymbol(module, name));
    entry.store(function, std::memory_order_relaxed);
    if (function) return;
    const auto number = static_cast<std::int32_t>(Platform::LastErrorNumber());
    Report(events, Shared::EventWarning, Shared::SignedSystemError(number),
           std::string("Failed to get ") + name + " address");
}

std::string ExpectedVersionText() {
    std::string text;
    for (const int number : kExpectedLowLevelVersion) text.append(text.empty() ? "" : ".").append(std::to_string(number));
    return text;
}

Result Mismatch(const EventFunction& events, std::uint32_t type, std::string_view text) {
    const Result mismatch = Error(Shared::VersionMismatch);
    Report(events, type, mismatch, text);
    return mismatch;
}

}  // namespace

void BindLowLevelLibrary(const EventFunction& events) {
    LowLevelTable& table = LowLevel();
#define VIREO_FUNCTION(name, parameters, stand_in) Bind(table.name, #name, events);
#include "vireo_api_functions.def"
#undef VIREO_FUNCTION
}

Result CheckLowLevelVersion(const EventFunction& events) {
    const auto& getVersion = LowLevel().vireo_api_get_version;
    std::uint32_t length = 0;
    if (!Has(getVersion) || Invoke(getVersion, nullptr, 0u, &length) != 0)
        return Mismatch(events, Shared::EventError, "VIREO API get version failed");

    Shared::BufferBase<char, 1024, 32> text;
    const std::uint32_t size = length + 16;
    text.Reserve(size);
    if (Invoke(getVersion, text.Data(), size, &length) != 0)
        return Mismatch(events, Shared::EventError, "VIREO API get version failed");
    text.Data()[size - 1] = '\0';
    const std::string version = text.Data();

    int numbers[4] = {};
    if (std::sscanf(version.c_str(), "%d.%d.%d.%d", &numbers[0], &numbers[1], &numbers[2], &numbers[3]) != 4)
        return Mismatch(events, Shared::EventError, "VIREO API version has unexpected format - " + version);
    if (std::equal(std::begin(numbers), std::end(numbers), std::begin(kExpectedLowLevelVersion)))
        return Shared::kSuccess;

    const bool compatible = numbers[2] >= kFirstCompatibleBuild;
    const std::string differs = "VIREO API version " + version + " differs - expected " + ExpectedVersionText();
    const Result mismatch = Mismatch(events, compatible ? Shared::EventWarning : Shared::EventError, differs);
    return compatible ? Shared::kSuccess : mismatch;
}

}  // namespace Kova::TesselApi::Vireo
