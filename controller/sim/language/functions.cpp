#include "sim/language/functions.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "sim/language/lexer.h"

namespace Simulator::Language {
namespace {

constexpr int ArityOf(std::string_view parameters) {
    return static_cast<int>(std::count(parameters.begin(), parameters.end(), ':'));
}

#define KOVA_SIM_FUNCTION(name, group, parameters, result, body) \
    {#name, #group, parameters, #result, ArityOf(parameters), [](const double* a) -> double { return body; }},

// Trigonometry works in radians.
constexpr Function kFunctions[] = {
    KOVA_SIM_FUNCTION(ABS, MATH, "X:FLOAT", FLOAT, std::fabs(a[0]))
    KOVA_SIM_FUNCTION(SQR, MATH, "X:FLOAT", FLOAT, std::sqrt(a[0]))
    KOVA_SIM_FUNCTION(SIN, MATH, "X:FLOAT", FLOAT, std::sin(a[0]))
    KOVA_SIM_FUNCTION(COS, MATH, "X:FLOAT", FLOAT, std::cos(a[0]))
    KOVA_SIM_FUNCTION(TAN, MATH, "X:FLOAT", FLOAT, std::tan(a[0]))
    KOVA_SIM_FUNCTION(ASIN, MATH, "X:FLOAT", FLOAT, std::asin(a[0]))
    KOVA_SIM_FUNCTION(ACOS, MATH, "X:FLOAT", FLOAT, std::acos(a[0]))
    KOVA_SIM_FUNCTION(ATAN, MATH, "X:FLOAT", FLOAT, std::atan(a[0]))
    KOVA_SIM_FUNCTION(ATAN2, MATH, "Y:FLOAT,X:FLOAT", FLOAT, std::atan2(a[0], a[1]))
    KOVA_SIM_FUNCTION(EXP, MATH, "X:FLOAT", FLOAT, std::exp(a[0]))
    KOVA_SIM_FUNCTION(LN, MATH, "X:FLOAT", FLOAT, std::log(a[0]))
    KOVA_SIM_FUNCTION(INT, MATH, "X:FLOAT", INTEGER, std::trunc(a[0]))
    KOVA_SIM_FUNCTION(FRAC, MATH, "X:FLOAT", FLOAT, a[0] - std::trunc(a[0]))
    KOVA_SIM_FUNCTION(SGN, MATH, "X:FLOAT", INTEGER, a[0] > 0 ? 1.0 : a[0] < 0 ? -1.0 : 0.0)
    KOVA_SIM_FUNCTION(MIN, MATH, "A:FLOAT,B:FLOAT", FLOAT, std::min(a[0], a[1]))
    KOVA_SIM_FUNCTION(MAX, MATH, "A:FLOAT,B:FLOAT", FLOAT, std::max(a[0], a[1]))
};

#undef KOVA_SIM_FUNCTION

constexpr bool ArgumentsFit() {
    for (const Function& function : kFunctions)
        if (function.arity > kMaxArity) return false;
    return true;
}
static_assert(ArgumentsFit());

}  // namespace

std::span<const Function> Functions() { return kFunctions; }

const Function* FindFunction(std::string_view name) {
    for (const Function& function : kFunctions)
        if (EqualsUpper(name, function.name)) return &function;
    return nullptr;
}

}  // namespace Simulator::Language
