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

// The typed by-name exports of one family, against the stand-in: a name of the family's table, a
// name the controller does not know, and no name.
constexpr kova_result kUnknownCommand = 0x400000001;

#define KOVA_TEST_BY_NAME_AT(Family, Type, type, known, written)                                                  \
    {                                                                                                             \
        type value{};                                                                                             \
        const std::string what = #Family #Type;                                                                   \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(nullptr, known, 1, &value), kInvalidContext) << what;  \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, known, 1, nullptr), kBadArgument) << what;    \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, known, 1, &value), 0u) << what;               \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, "NO_SUCH", 1, &value), kUnknownCommand) << what; \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, nullptr, 1, &value), kBadArgument) << what;   \
        EXPECT_EQ(kova_Set##Family##Parameter##Type##Value(nullptr, known, 1, type{}), kInvalidContext) << what;  \
        EXPECT_EQ(kova_Set##Family##Parameter##Type##Value(context, known, 1, type{}), written) << what;          \
        EXPECT_EQ(kova_Set##Family##Parameter##Type##Value(context, nullptr, 1, type{}), kBadArgument) << what;   \
    }
#define KOVA_TEST_BY_NAME(Family, Type, type, known, written)                                                    \
    {                                                                                                            \
        type value{};                                                                                            \
        const std::string what = #Family #Type;                                                                  \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(nullptr, known, &value), kInvalidContext) << what;    \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, known, nullptr), kBadArgument) << what;      \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, known, &value), 0u) << what;                 \
        EXPECT_EQ(kova_Get##Family##Parameter##Type##Value(context, "NO_SUCH", &value), kUnknownCommand) << what; \
        EXPECT_EQ(kova_Set##Family##Parameter##Type##Value(nullptr, known, type{}), kInvalidContext) << what;    \
        EXPECT_EQ(kova_Set##Family##Parameter##Type##Value(context, known, type{}), written) << what;            \
        EXPECT_EQ(kova_Set##Family##Parameter##Type##Value(context, nullptr, type{}), kBadArgument) << what;     \
    }
#define KOVA_TEST_BY_NAME_ALL_TYPES(EXPECTATIONS, Family, known, written) \
    EXPECTATIONS(Family, Double, double, known, written)                  \
    EXPECTATIONS(Family, Int64, int64_t, known, written)                  \
    EXPECTATIONS(Family, UInt64, uint64_t, known, written)                \
    EXPECTATIONS(Family, Int32, int32_t, known, written)                  \
    EXPECTATIONS(Family, UInt32, uint32_t, known, written)                \
    EXPECTATIONS(Family, Bool, bool, known, written)

TEST_F(ParametersTest, ByNameExportsCheckHandleThenValuePointerAndReachTheControllerInEveryFamilyAndType) {
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    KOVA_TEST_BY_NAME_ALL_TYPES(KOVA_TEST_BY_NAME, System, "DISPLAY", 0u)
    KOVA_TEST_BY_NAME_ALL_TYPES(KOVA_TEST_BY_NAME_AT, Axis, "JOGSPEED", 0u)
    KOVA_TEST_BY_NAME_ALL_TYPES(KOVA_TEST_BY_NAME_AT, Process, "TICKS", 0u)
    // Slot parameters are all read only.
    KOVA_TEST_BY_NAME_ALL_TYPES(KOVA_TEST_BY_NAME_AT, Slot, "COMMSTYPE", 0x400000015u)
    KOVA_TEST_BY_NAME_ALL_TYPES(KOVA_TEST_BY_NAME_AT, Port, "PORT_MODE", 0u)
}

TEST_F(ParametersTest, ByNameValuesAreReadInTheRequestedType) {
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

TEST_F(ParametersTest, SystemTextsGoByCommandLine) {
    ASSERT_EQ(kova_OpenConnection(context), 0u);
    char buffer[16] = "untouched";
    uint32_t size = sizeof buffer;
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(nullptr, "VERSION", buffer, &size), kInvalidContext);
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(context, "VERSION", buffer, nullptr), kBadArgument);
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(context, "VERSION", nullptr, &size), kBadArgument);
    ASSERT_EQ(kova_GetSystemParameterStringValue4a(context, "VERSION", buffer, &size), 0u);
    EXPECT_EQ(std::string(buffer, size), "2.0350\r\n");
    size = sizeof buffer;
    EXPECT_EQ(kova_GetSystemParameterStringValue4a(context, "", buffer, &size), kBadArgument);

    std::vector<std::string> pieces;
    EXPECT_EQ(kova_GetSystemParameterStringValue4b(nullptr, "VERSION", RecordText, &pieces), kInvalidContext);
    EXPECT_EQ(kova_GetSystemParameterStringValue4b(context, "VERSION", nullptr, nullptr), kBadArgument);
    ASSERT_EQ(kova_GetSystemParameterStringValue4b(context, "VERSION", RecordText, &pieces), 0u);
    std::string whole;
    for (const std::string& piece : pieces) whole += piece;
    EXPECT_EQ(whole, "2.0350\r\n");

    EXPECT_EQ(kova_SetSystemParameterStringValue(nullptr, "NAME", "abc"), kInvalidContext);
    EXPECT_EQ(kova_SetSystemParameterStringValue(context, nullptr, "abc"), kBadArgument);
    // The controller keeps no texts in system parameters: the assignment is refused as a mix of types.
    EXPECT_EQ(kova_SetSystemParameterStringValue(context, "DISPLAY", "abc"), 0x400000094u);
}

}  // namespace
