// The parameter surfaces: the per-name exports generated from the parameter tables, the interfaces
// they reach, and the typed by-name exports.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/open_context.h"
#include "shared/parameters/parameter_ops.h"

namespace {

using namespace KovaTest;

using ParametersTest = OpenContext;

// What one per-name export answered to a null handle, a null value pointer (getters only) and a
// live context.
struct Answers {
    kova_result nullHandle;
    kova_result nullValue;
    kova_result live;
};

std::map<std::string, Answers> CallEveryPerNameExport(kova_context context) {
    std::map<std::string, Answers> answers;
#define KOVA_TEST_GET_AT(function, index, type)                                                    \
    {                                                                                              \
        type value{};                                                                              \
        answers[#function] = {function(nullptr, index, &value), function(context, index, nullptr), \
                              function(context, index, &value)};                                   \
    }
#define KOVA_TEST_SET_AT_RW(function, index, type) \
    answers[#function] = {function(nullptr, index, type{}), 0, function(context, index, type{})};
#define KOVA_TEST_SET_AT_RO(function, index, type)
#define KOVA_TEST_GET(function, type)                                                                            \
    {                                                                                                            \
        type value{};                                                                                            \
        answers[#function] = {function(nullptr, &value), function(context, nullptr), function(context, &value)}; \
    }
#define KOVA_TEST_SET_RW(function, type) \
    answers[#function] = {function(nullptr, type{}), 0, function(context, type{})};
#define KOVA_TEST_SET_RO(function, type)

#define KOVA_PARAMETER(name, identifier, kind, access, type)                      \
    KOVA_TEST_GET_AT(kova_GetAxisParameter_##name, 1, KOVA_PARAMETER_TYPE_##type) \
    KOVA_TEST_SET_AT_##access(kova_SetAxisParameter_##name, 1, KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/axis.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(name, identifier, kind, access, type)                  \
    KOVA_TEST_GET(kova_GetSystemParameter_##name, KOVA_PARAMETER_TYPE_##type) \
    KOVA_TEST_SET_##access(kova_SetSystemParameter_##name, KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/system.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(name, identifier, kind, access, type)                         \
    KOVA_TEST_GET_AT(kova_GetProcessParameter_##name, 2, KOVA_PARAMETER_TYPE_##type) \
    KOVA_TEST_SET_AT_##access(kova_SetProcessParameter_##name, 2, KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/process.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(name, identifier, kind, access, type)                      \
    KOVA_TEST_GET_AT(kova_GetSlotParameter_##name, 0, KOVA_PARAMETER_TYPE_##type) \
    KOVA_TEST_SET_AT_##access(kova_SetSlotParameter_##name, 0, KOVA_PARAMETER_TYPE_##type)
#include "kova/parameters/slot.def"
#undef KOVA_PARAMETER
    return answers;
}

TEST_F(ParametersTest, PerNameExportsCheckHandleThenValuePointerAndReachTheController) {
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    const auto answers = CallEveryPerNameExport(context);
    EXPECT_EQ(answers.size(), 513u);
    for (const auto& [name, answer] : answers) {
        EXPECT_EQ(answer.nullHandle, kInvalidContext) << name;
        if (name.rfind("kova_Get", 0) == 0) {
            EXPECT_EQ(answer.nullValue, kBadArgument) << name;
        }
        EXPECT_EQ(answer.live, 0u) << name;
    }
}

const char* const kExportList[] = {
#include "exports_list.inc"
};

TEST(ParameterTables, ProduceExactlyThePerNameExportsOfTheExportList) {
    std::set<std::string> listed;
    for (const char* name : kExportList) {
        for (const char* prefix : {"kova_GetAxisParameter_", "kova_SetAxisParameter_", "kova_GetSystemParameter_",
                                   "kova_SetSystemParameter_", "kova_GetProcessParameter_",
                                   "kova_SetProcessParameter_", "kova_GetSlotParameter_", "kova_SetSlotParameter_"}) {
            if (std::strncmp(name, prefix, std::strlen(prefix)) == 0) listed.insert(name);
        }
    }
    std::set<std::string> generated;
    for (const auto& entry : CallEveryPerNameExport(nullptr)) generated.insert(entry.first);
    EXPECT_EQ(generated, listed);
}

// Counted through the same expansion that builds the interfaces: a wrong access column or a lost row
// moves every later slot.
#define KOVA_PARAMETER_OP(name, params) +1
constexpr int kAxisOperations = 0
#define KOVA_PARAMETER KOVA_AXIS_PARAMETER_OPS
#include "kova/parameters/axis.def"
#undef KOVA_PARAMETER
    ;
constexpr int kSystemOperations = 0
#define KOVA_PARAMETER KOVA_SYSTEM_PARAMETER_OPS
#include "kova/parameters/system.def"
#undef KOVA_PARAMETER
    ;
constexpr int kProcessOperations = 0
#define KOVA_PARAMETER KOVA_PROCESS_PARAMETER_OPS
#include "kova/parameters/process.def"
#undef KOVA_PARAMETER
    ;
constexpr int kSlotOperations = 0
#define KOVA_PARAMETER KOVA_SLOT_PARAMETER_OPS
#include "kova/parameters/slot.def"
#undef KOVA_PARAMETER
    ;
#undef KOVA_PARAMETER_OP

TEST(ParameterInterfaces, HoldTheirNumberOfOperations) {
    EXPECT_EQ(kAxisOperations, 359);
    EXPECT_EQ(kSystemOperations, 138);
    EXPECT_EQ(kProcessOperations, 11);
    EXPECT_EQ(kSlotOperations, 5);
}

struct Row {
    std::string name;
    std::uint32_t identifier;
    int kind;
    std::string type;
};

#define KOVA_PARAMETER(name, identifier, kind, access, type) {#name, identifier, kind, #type},
const std::vector<Row> kAxisRows = {
#include "kova/parameters/axis.def"
};
const std::vector<Row> kSystemRows = {
#include "kova/parameters/system.def"
};
const std::vector<Row> kProcessRows = {
#include "kova/parameters/process.def"
};
const std::vector<Row> kSlotRows = {
#include "kova/parameters/slot.def"
};
#undef KOVA_PARAMETER

TEST(ParameterTables, NameEachParameterAndIdentifierOncePerFamily) {
    for (const auto* rows : {&kAxisRows, &kSystemRows, &kProcessRows, &kSlotRows}) {
        std::set<std::string> names;
        std::set<std::uint32_t> identifiers;
        for (const Row& row : *rows) {
            EXPECT_TRUE(names.insert(row.name).second) << row.name;
            if (row.identifier != KOVA_PARAMETER_NO_IDENTIFIER) {
                EXPECT_TRUE(identifiers.insert(row.identifier).second) << row.name;
            }
        }
    }
    EXPECT_EQ(kAxisRows.size(), 203u);
    EXPECT_EQ(kSystemRows.size(), 83u);
    EXPECT_EQ(kProcessRows.size(), 8u);
    EXPECT_EQ(kSlotRows.size(), 5u);
}

TEST(ParameterTables, GiveALibraryKindExactlyToParametersWithAnIdentifier) {
    for (const auto* rows : {&kAxisRows, &kSystemRows, &kProcessRows, &kSlotRows}) {
        for (const Row& row : *rows) {
            EXPECT_EQ(row.kind == 0, row.identifier == KOVA_PARAMETER_NO_IDENTIFIER) << row.name;
            EXPECT_TRUE(row.kind >= 0 && row.kind <= 8) << row.name;
            // Floats travel as 64-bit floats and nothing else does.
            EXPECT_EQ(row.kind == 1 || row.kind == 2, row.type == "Double") << row.name;
        }
    }
}

void CountText(void* user, const char*, uint32_t) { ++*static_cast<int*>(user); }

// The typed by-name exports of one indexed family, each given the same name and index.
#define KOVA_TEST_BY_NAME_AT(Family, Type, type)                                                                 \
    {                                                                                                            \
        type value{};                                                                                            \
        const std::string what = #Family #Type;                                                                  \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(nullptr, "X", 1, &value), kInvalidContext) << what;   \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, "X", 1, nullptr), kBadArgument) << what;     \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, "X", 1, &value), kNotSupported) << what;     \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, nullptr, 1, &value), kNotSupported) << what; \
        EXPECT_EQ(kova_Set##Family##Parameter##Type##Value(nullptr, "X", 1, type{}), kInvalidContext) << what;   \
        EXPECT_EQ(kova_Set##Family##Parameter##Type##Value(context, "X", 1, type{}), kNotSupported) << what;     \
        EXPECT_EQ(kova_Set##Family##Parameter##Type##Value(context, nullptr, 1, type{}), kNotSupported) << what; \
    }
#define KOVA_TEST_BY_NAME(Family, Type, type)                                                               \
    {                                                                                                       \
        type value{};                                                                                       \
        const std::string what = #Family #Type;                                                             \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(nullptr, "X", &value), kInvalidContext) << what; \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, "X", nullptr), kBadArgument) << what;   \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, "X", &value), kNotSupported) << what;   \
        EXPECT_EQ(kova_Set##Family##Parameter##Type##Value(nullptr, "X", type{}), kInvalidContext) << what; \
        EXPECT_EQ(kova_Set##Family##Parameter##Type##Value(context, "X", type{}), kNotSupported) << what;   \
    }
#define KOVA_TEST_BY_NAME_ALL_TYPES(EXPECTATIONS, Family) \
    EXPECTATIONS(Family, Double, double)                  \
    EXPECTATIONS(Family, Int64, int64_t)                  \
    EXPECTATIONS(Family, UInt64, uint64_t)                \
    EXPECTATIONS(Family, Int32, int32_t)                  \
    EXPECTATIONS(Family, UInt32, uint32_t)                \
    EXPECTATIONS(Family, Bool, bool)

TEST_F(ParametersTest, ByNameExportsCheckHandleThenValuePointerInEveryFamilyAndType) {
    KOVA_TEST_BY_NAME_ALL_TYPES(KOVA_TEST_BY_NAME, System)
    KOVA_TEST_BY_NAME_ALL_TYPES(KOVA_TEST_BY_NAME_AT, Axis)
    KOVA_TEST_BY_NAME_ALL_TYPES(KOVA_TEST_BY_NAME_AT, Process)
    KOVA_TEST_BY_NAME_ALL_TYPES(KOVA_TEST_BY_NAME_AT, Slot)
    KOVA_TEST_BY_NAME_ALL_TYPES(KOVA_TEST_BY_NAME_AT, Port)
}

TEST_F(ParametersTest, SystemTextByNameNeedsOnlyTheSizePointerAndHandsTheCallbackDown) {
    char buffer[16] = "untouched";
    uint32_t size = sizeof buffer;
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(nullptr, "VERSION", buffer, &size), kInvalidContext);
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(context, "VERSION", buffer, nullptr), kBadArgument);
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(context, "VERSION", nullptr, &size), kNotSupported);
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(context, "VERSION", buffer, &size), kNotSupported);
    EXPECT_STREQ(buffer, "untouched");

    int calls = 0;
    EXPECT_EQ(kova_GetSystemParameterStringValue4b(nullptr, "VERSION", CountText, &calls), kInvalidContext);
    EXPECT_EQ(kova_GetSystemParameterStringValue4b(context, "VERSION", nullptr, nullptr), kNotSupported);
    EXPECT_EQ(kova_GetSystemParameterStringValue4b(context, "VERSION", CountText, &calls), kNotSupported);
    EXPECT_EQ(calls, 0);

    EXPECT_EQ(kova_SetSystemParameterStringValue(nullptr, "NAME", "abc"), kInvalidContext);
    EXPECT_EQ(kova_SetSystemParameterStringValue(context, "NAME", nullptr), kNotSupported);
    EXPECT_EQ(kova_SetSystemParameterStringValue(context, nullptr, "abc"), kNotSupported);
}

}  // namespace
