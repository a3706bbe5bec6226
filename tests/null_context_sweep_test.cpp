// Every export that takes a context answers a null one with InvalidContext, whatever else it is given.
// The shipped module is loaded as an application would, and each export is found by name.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "platform/dynamic_symbols/dynamic_symbols.h"

namespace {

using namespace Kova::TesselApi;

constexpr std::uint64_t kInvalidContext = 0x8100000004;

const char* const kExportNames[] = {
#include "exports_list.inc"
};

// Exports that take no context first, or do not return a result.
const std::set<std::string> kNoContextFirst = {
    "kova_CreateContext",          "kta_factory",
    "kova_IsConnected",            "kova_GetConnectionType",
    "kova_GetErrorName",           "kova_GetErrorString",
    "kova_GetErrorInfoString",     "kova_GetErrorInfoStringEx",
    "kova_GetStringResourceNumKey", "kova_GetStringResourceStrKey",
    "kova_GetEthercatVID_Name",    "kova_GetEthercatPID_Name",
};

// Extra arguments are harmless on x86-64: the caller owns the stack and registers.
using AnyExport = std::uint64_t (*)(void*, void*, void*, void*, void*, void*, void*, void*);

TEST(NullContextSweep, EveryContextExportAnswersInvalidContext) {
    Platform::ModuleHandle module = Platform::LoadModule(KOVA_MODULE_FILE);
    ASSERT_NE(module, nullptr) << KOVA_MODULE_FILE;
    int checked = 0;
    for (const char* name : kExportNames) {
        auto symbol = Platform::FindSymbol(module, name);
        ASSERT_NE(symbol, nullptr) << name;
        if (kNoContextFirst.count(name)) continue;
        auto call = reinterpret_cast<AnyExport>(symbol);
        EXPECT_EQ(call(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), kInvalidContext)
            << name;
        ++checked;
    }
    EXPECT_EQ(checked, 860 - static_cast<int>(kNoContextFirst.size()));
    Platform::ReleaseModule(module);
}

}  // namespace
