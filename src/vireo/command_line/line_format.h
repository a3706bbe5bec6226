// The texts of the command lines the module sends, built in one place. Pieces are appended to one
// string; a number goes in through a fixed buffer.
#pragma once

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

namespace Kova::TesselApi::Vireo::CommandLine {

inline constexpr std::string_view kInitialise = "INITIALISE";
inline constexpr std::string_view kUnitClear = "UNIT_CLEAR";
inline constexpr std::string_view kCompileAll = "COMPILE_ALL";
inline constexpr std::string_view kFunctionInfos = "FUNCTION_LIST";
inline constexpr std::string_view kFunctionNames = "FUNCTION_LIST(1)";

// "?name;"
std::string QueryLine(std::string_view name);
// "?name modifier(index);"
std::string ModifiedQueryLine(std::string_view name, std::string_view modifier, std::int32_t index);
// "?name(index);"
std::string IndexedQueryLine(std::string_view name, std::int32_t index);
// "PRINT name;"
std::string PrintLine(std::string_view name);
// "name=value"
std::string AssignmentLine(std::string_view name, std::string_view value);
// "name modifier(index)=value"
std::string ModifiedAssignmentLine(std::string_view name, std::string_view modifier, std::int32_t index,
                                   std::string_view value);
// name="text"
std::string TextAssignmentLine(std::string_view name, std::string_view text);

// COMPILE "name"
std::string CompileLine(std::string_view name);
// "!name,z": the CRC of a file in the controller's store.
std::string RemoteCrcLine(std::string_view name);
// FUNCTION_LIST(mode,"filter"), with ",first" when first or second is not 0 and ",second" when
// second is not 0; mode 1 lists names, 0 descriptions.
std::string FunctionListLine(std::uint32_t mode, std::string_view filter, std::uint32_t first, std::uint32_t second);
// FUNCTION_LIST("name"), the parameter count of a function.
std::string FunctionParamCountLine(std::string_view name);
// FUNCTION_LIST("name",index), the type of one of its parameters.
std::string FunctionParamTypeLine(std::string_view name, std::uint32_t index);

// A number as an assignment writes it: floats with six significant digits ("%g"), integers and
// truth values in decimal.
template <typename T>
std::string ValueText(T value) {
    char text[40];
    if constexpr (std::is_floating_point_v<T>)
        std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    else if constexpr (std::is_same_v<T, bool>)
        std::snprintf(text, sizeof text, "%d", value ? 1 : 0);
    else if constexpr (std::is_signed_v<T>)
        std::snprintf(text, sizeof text, "%" PRId64, static_cast<std::int64_t>(value));
    else
        std::snprintf(text, sizeof text, "%" PRIu64, static_cast<std::uint64_t>(value));
    return text;
}

}  // namespace Kova::TesselApi::Vireo::CommandLine
