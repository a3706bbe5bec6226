// The parameter surfaces, walked from the parameter tables: every per-name export reaches the library
// with its own identifier and in its kind's width (or the command line when it has no identifier), a
// read-only parameter has no setter; and the typed by-name exports of every family and type.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kova/parameters/by_name.h"
#include "platform/dynamic_symbols/dynamic_symbols.h"
#include "support/recording_session.h"
#include "tagged_kinds.h"

namespace {

using namespace KovaTest;

enum class Family { System, Axis, Process, Slot };

// One row of a parameter table with its two exports, typeless; the setter is null for read-only rows.
struct Row {
    Family family;
    const char* name;
    std::uint32_t identifier;
    kova_parameter_kind kind;
    const char* type;
    void (*get)();
    void (*set)();
};

template <typename F>
void (*Typeless(F function))() { return reinterpret_cast<void (*)()>(function); }

#define KOVA_TEST_SETTER_RW(function) Typeless(&function)
#define KOVA_TEST_SETTER_RO(function) nullptr
#define KOVA_TEST_ROW(family, prefix, name, identifier, kind, access, type)                                      \
    {Family::family, #name, identifier, KOVA_PARAMETER_KIND_##kind, #type, Typeless(&kova_Get##prefix##_##name), \
     KOVA_TEST_SETTER_##access(kova_Set##prefix##_##name)},
const Row kRows[] = {
#define KOVA_PARAMETER(...) KOVA_TEST_ROW(System, SystemParameter, __VA_ARGS__)
#include "kova/parameters/system.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(...) KOVA_TEST_ROW(Axis, AxisParameter, __VA_ARGS__)
#include "kova/parameters/axis.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(...) KOVA_TEST_ROW(Process, ProcessParameter, __VA_ARGS__)
#include "kova/parameters/process.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(...) KOVA_TEST_ROW(Slot, SlotParameter, __VA_ARGS__)
#include "kova/parameters/slot.def"
#undef KOVA_PARAMETER
};

struct FamilyTraits {
    const char* prefix;     // of the exports
    const char* library;    // stem of the library's functions
    const char* modifier;   // of the command lines
    std::int32_t index;     // used in the calls; none for the system family
};

FamilyTraits Traits(Family family) {
    switch (family) {
    case Family::Axis: return {"AxisParameter", "axis", "AXIS", 3};
    case Family::Process: return {"ProcessParameter", "process", "PROC", 2};
    case Family::Slot: return {"SlotParameter", "slot", "SLOT", 1};
    case Family::System: break;
    }
    return {"SystemParameter", "system", nullptr, -1};
}

// Calls `use` with a value of the row's type.
template <typename Use>
void WithType(const Row& row, Use use) {
    const std::string type = row.type;
    if (type == "Double") use(double{});
    else if (type == "Int64") use(std::int64_t{});
    else if (type == "UInt64") use(std::uint64_t{});
    else if (type == "Int32") use(std::int32_t{});
    else if (type == "UInt32") use(std::uint32_t{});
    else if (type == "Int16") use(std::int16_t{});
    else if (type == "UInt16") use(std::uint16_t{});
    else if (type == "Bool") use(bool{});
    else ADD_FAILURE() << row.name << ": unknown type " << type;
}

template <typename T>
kova_result CallGet(const Row& row, kova_context context, T& value) {
    const std::int32_t index = Traits(row.family).index;
    if (row.family == Family::System) return reinterpret_cast<kova_result (*)(kova_context, T*)>(row.get)(context, &value);
    return reinterpret_cast<kova_result (*)(kova_context, std::int32_t, T*)>(row.get)(context, index, &value);
}

template <typename T>
kova_result CallSet(const Row& row, kova_context context, T value) {
    const std::int32_t index = Traits(row.family).index;
    if (row.family == Family::System) return reinterpret_cast<kova_result (*)(kova_context, T)>(row.set)(context, value);
    return reinterpret_cast<kova_result (*)(kova_context, std::int32_t, T)>(row.set)(context, index, value);
}

// What the library records for a call with the row's identifier and index.
std::string LibraryCall(const Row& row, const std::string& value) {
    const FamilyTraits traits = Traits(row.family);
    std::string call = std::to_string(row.identifier) + ", ";
    if (row.family != Family::System) call += std::to_string(traits.index) + ", ";
    return call + value;
}

// The command line the row falls back to, with `tail` after the parameter (";" or "=7").
std::string CommandLine(const Row& row, const std::string& head, const std::string& tail) {
    const FamilyTraits traits = Traits(row.family);
    std::string line = head + row.name;
    if (traits.modifier) line += std::string(" ") + traits.modifier + "(" + std::to_string(traits.index) + ")";
    return line + tail;
}

using PerNameExports = OpenWithRecordingLibrary;

TEST_F(PerNameExports, ReadTheirIdentifierInTheirKindsWidthWhateverTheTag) {
    library.reply = "7\r\n";
    for (const Row& row : kRows) {
        library.calls.clear();
        library.parameter = {};
        if (row.kind != KOVA_PARAMETER_KIND_None) {
            ASSERT_TRUE(TaggedKinds::Encode(row.kind, 7.0, library.parameter));
            library.parameter.tag = VIREO_API_INT8;
        }
        const std::string getter = std::string("vireo_api_get_") + Traits(row.family).library + "_parameter";
        WithType(row, [&](auto value) {
            ASSERT_EQ(CallGet(row, context, value), 0u) << row.name;
            const double expected = std::is_same_v<decltype(value), bool> ? 1.0 : 7.0;
            EXPECT_EQ(static_cast<double>(value), expected) << row.name;
        });
        if (row.kind == KOVA_PARAMETER_KIND_None) {
            EXPECT_TRUE(library.CallsOf(getter).empty()) << row.name;
            EXPECT_EQ(library.CallsOf("vireo_api_execute2"),
                      std::vector<std::string>{CommandLine(row, "?", ";") + ", ptr, 256, ptr"});
        } else {
            EXPECT_EQ(library.CallsOf(getter), std::vector<std::string>{LibraryCall(row, "ptr")});
        }
    }
}

TEST_F(PerNameExports, WriteTheirIdentifierUnderTheirKindsTag) {
    for (const Row& row : kRows) {
        if (!row.set) continue;
        library.calls.clear();
        WithType(row, [&](auto value) {
            using T = decltype(value);
            ASSERT_EQ(CallSet(row, context, static_cast<T>(1)), 0u) << row.name;
        });
        const std::string setter = std::string("vireo_api_set_") + Traits(row.family).library + "_parameter";
        if (row.kind == KOVA_PARAMETER_KIND_None) {
            EXPECT_EQ(library.CallsOf("vireo_api_execute"), std::vector<std::string>{CommandLine(row, "", "=1")});
        } else {
            vireo_api_value expected{};
            ASSERT_TRUE(TaggedKinds::Encode(row.kind, 1.0, expected));
            EXPECT_EQ(library.CallsOf(setter),
                      std::vector<std::string>{LibraryCall(row, std::to_string(expected.tag) + ":1")});
        }
    }
}

TEST(PerNameExportsOfTheModule, ExistForEveryRowWithASetterOnlyWhereWritable) {
    namespace Platform = Kova::TesselApi::Platform;
    Platform::ModuleHandle module = Platform::LoadModule(KOVA_MODULE_FILE);
    ASSERT_NE(module, nullptr) << KOVA_MODULE_FILE;
    for (const Row& row : kRows) {
        const std::string stem = std::string(Traits(row.family).prefix) + "_" + row.name;
        EXPECT_NE(Platform::FindSymbol(module, ("kova_Get" + stem).c_str()), nullptr) << stem;
        EXPECT_EQ(Platform::FindSymbol(module, ("kova_Set" + stem).c_str()) != nullptr, row.set != nullptr) << stem;
    }
}

// The typed by-name exports of one family, against the stand-in: a name of the family's table, a
// name the controller does not know, and no name (a null context is the null-context sweep's).
constexpr kova_result kUnknownCommand = 0x400000001;

template <typename T, typename Get, typename Set, typename... Index>
void ExpectByName(kova_context context, const std::string& what, const char* known, kova_result written, Get get,
                  Set set, Index... index) {
    T value{};
    EXPECT_EQ(get(context, known, index..., nullptr), kBadArgument) << what;
    EXPECT_EQ(get(context, known, index..., &value), 0u) << what;
    EXPECT_EQ(get(context, "NO_SUCH", index..., &value), kUnknownCommand) << what;
    EXPECT_EQ(get(context, nullptr, index..., &value), kBadArgument) << what;
    EXPECT_EQ(set(context, known, index..., T{}), written) << what;
    EXPECT_EQ(set(context, nullptr, index..., T{}), kBadArgument) << what;
}

using ByNameExports = OpenContext;

TEST_F(ByNameExports, CheckTheirPointersAndReachTheControllerInEveryFamilyAndType) {
    ASSERT_EQ(kova_OpenConnection(context), 0u);
#define KOVA_TEST_SYSTEM(Family, Type)                                                                 \
    ExpectByName<KOVA_PARAMETER_TYPE_##Type>(context, #Family #Type, "DISPLAY", 0u,                    \
                                             kova_Get##Family##Parameter##Type##Value,                 \
                                             kova_Set##Family##Parameter##Type##Value);
    KOVA_BY_NAME_TYPES(KOVA_TEST_SYSTEM, System)
    // A writable name of each indexed family; slot parameters are all read only.
    const auto known = [](const char* family) -> std::pair<const char*, kova_result> {
        const std::string f = family;
        if (f == "Axis") return {"JOGSPEED", 0u};
        if (f == "Process") return {"TICKS", 0u};
        if (f == "Slot") return {"COMMSTYPE", 0x400000015u};
        return {"PORT_MODE", 0u};
    };
#define KOVA_TEST_INDEXED(Family, Type)                                                                 \
    ExpectByName<KOVA_PARAMETER_TYPE_##Type>(context, #Family #Type, known(#Family).first,              \
                                             known(#Family).second,                                     \
                                             kova_Get##Family##Parameter##Type##Value,                  \
                                             kova_Set##Family##Parameter##Type##Value, std::int32_t{1});
#define KOVA_TEST_FAMILY(Family, index) KOVA_BY_NAME_TYPES(KOVA_TEST_INDEXED, Family)
    KOVA_BY_NAME_INDEXED_FAMILIES(KOVA_TEST_FAMILY)
}

TEST_F(ByNameExports, ReadValuesInTheRequestedType) {
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    ASSERT_EQ(kova_SetAxisParameterDoubleValue(context, "SPEED", 2, 12.75), 0u);
    double speed = 0;
    EXPECT_EQ(kova_GetAxisParameterDoubleValue(context, "SPEED", 2, &speed), 0u);
    EXPECT_DOUBLE_EQ(speed, 12.75);
    int32_t whole = 0;
    EXPECT_EQ(kova_GetAxisParameterInt32Value(context, "SPEED", 2, &whole), 0u);
    EXPECT_EQ(whole, 12);
    bool on = false;
    EXPECT_EQ(kova_GetAxisParameterBoolValue(context, "SPEED", 2, &on), 0u);
    EXPECT_TRUE(on);
    uint32_t baud = 0;
    EXPECT_EQ(kova_GetPortParameterUInt32Value(context, "BAUD_RATE", 0, &baud), 0u);
    EXPECT_EQ(baud, 38400u);
    // Names are case-sensitive in the module's tables; the controller itself is not.
    EXPECT_EQ(kova_GetAxisParameterDoubleValue(context, "speed", 2, &speed), 0u);
    EXPECT_DOUBLE_EQ(speed, 12.75);
    // A reply with a sign cannot be read as unsigned (AIN0 has no identifier: it goes by command line).
    ASSERT_EQ(kova_Execute(context, "AIN0=-5"), 0u);
    uint64_t unsignedValue = 0;
    EXPECT_EQ(kova_GetSystemParameterUInt64Value(context, "AIN0", &unsignedValue), kBadArgument);
    int64_t signedValue = 0;
    EXPECT_EQ(kova_GetSystemParameterInt64Value(context, "AIN0", &signedValue), 0u);
    EXPECT_EQ(signedValue, -5);
    // By identifier, a float that does not fit the requested integer type is held at its limit.
    ASSERT_EQ(kova_SetAxisParameterDoubleValue(context, "JOGSPEED", 0, -5), 0u);
    EXPECT_EQ(kova_GetAxisParameterUInt64Value(context, "JOGSPEED", 0, &unsignedValue), 0u);
    EXPECT_EQ(unsignedValue, 0u);
}

TEST_F(ByNameExports, ValuesBeyondAParametersWidthLeaveTheControllerUnchanged) {
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    ASSERT_EQ(kova_SetSystemParameterInt32Value(context, "LIMIT_BUFFERED", 12), 0u);
    EXPECT_EQ(kova_SetSystemParameterDoubleValue(context, "LIMIT_BUFFERED", 1e300), 0x100000017u);
    EXPECT_EQ(kova_SetSystemParameterDoubleValue(context, "LIMIT_BUFFERED", std::nan("")), 0x100000017u);
    EXPECT_EQ(kova_Execute(context, "LIMIT_BUFFERED=1e300"), 0x400000013u);
    int32_t limit = 0;
    EXPECT_EQ(kova_GetSystemParameterInt32Value(context, "LIMIT_BUFFERED", &limit), 0u);
    EXPECT_EQ(limit, 12);
}

TEST_F(ByNameExports, SystemTextsGoByCommandLine) {
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    char buffer[16] = "untouched";
    uint32_t size = sizeof buffer;
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(context, "VERSION", buffer, nullptr), kBadArgument);
    ASSERT_EQ(kova_GetSystemParameterStringValue4a(context, "VERSION", buffer, &size), 0u);
    EXPECT_EQ(std::string(buffer, size), "2.0350");
    size = sizeof buffer;
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(context, "", buffer, &size), kBadArgument);
    // The library decides about a null buffer: with no room it writes nothing and succeeds.
    size = 0;
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(context, "VERSION", nullptr, &size), 0u);
    EXPECT_EQ(size, 0u);

    std::vector<std::string> pieces;
    EXPECT_EQ(kova_GetSystemParameterStringValue4b(context, "VERSION", nullptr, nullptr), kBadArgument);
    ASSERT_EQ(kova_GetSystemParameterStringValue4b(context, "VERSION", RecordText, &pieces), 0u);
    std::string whole;
    for (const std::string& piece : pieces) whole += piece;
    EXPECT_EQ(whole, "2.0350");

    EXPECT_EQ(kova_SetSystemParameterStringValue(context, nullptr, "abc"), kBadArgument);
    // The controller keeps no texts in system parameters: the assignment is refused as a mix of types.
    EXPECT_EQ(kova_SetSystemParameterStringValue(context, "DISPLAY", "abc"), 0x400000094u);
}

}  // namespace
