// What get, set and watch address: VR(5), TABLE(0..9), IN(3), OP(8..15), AIN(0), AOUT(1),
// VRSTRING(10), or a parameter name of the family the options choose.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "json.h"
#include "kova/tesselapi.h"
#include "parameters.h"

namespace KovaTool {

struct Item {
    enum class Kind { Parameter, Vr, Table, Input, Output, AnalogueIn, AnalogueOut, VrString };
    Kind kind = Kind::Parameter;
    std::string name;  // as written; the parameter name for parameters
    std::uint32_t first = 0;
    std::uint32_t count = 1;
};

// UsageError for a malformed index or range.
Item ParseItem(std::string_view text);

// A number, a truth value or a text; an array for a range.
Json ReadItem(kova_context context, const Item& item, const ParameterAddress& address);

// One value per element of the item (one text for VRSTRING); UsageError for a read-only item or a
// wrong number of values.
void WriteItem(kova_context context, const Item& item, const ParameterAddress& address,
               const std::vector<std::string>& values);

}  // namespace KovaTool
