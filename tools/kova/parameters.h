// Parameters by name, for every family and value type the module offers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "json.h"
#include "kova/tesselapi.h"

namespace KovaTool {

enum class Family { System, Axis, Process, Slot, Port };
enum class ValueType { Double, Int64, UInt64, Int32, UInt32, Bool };

struct ParameterAddress {
    Family family = Family::System;
    std::int32_t index = 0;  // axis, process, slot or port; unused for the system family
    ValueType type = ValueType::Double;
};

// "double", "int64", "uint64", "int32", "uint32" or "bool" (UsageError otherwise).
ValueType ValueTypeFromName(std::string_view name);

// The value read in the address's type, as JSON (its Text() is also what the tool prints).
Json GetParameter(kova_context context, const ParameterAddress& address, const std::string& name);
// The text is read in the address's type (UsageError when it does not read as one).
void SetParameter(kova_context context, const ParameterAddress& address, const std::string& name,
                  std::string_view text);

// The text as a number, the whole of it (UsageError otherwise).
double ParseNumber(std::string_view text);

}  // namespace KovaTool
