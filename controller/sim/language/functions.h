// The built-in functions of the language: one table that the parser resolves names in, the
// executor evaluates from, and the function listing describes.
#pragma once

#include <span>
#include <string_view>

namespace Simulator::Language {

inline constexpr int kMaxArity = 4;

struct Function {
    std::string_view name;
    std::string_view group;        // what the function works on: MATH, ...
    std::string_view parameters;   // "NAME:TYPE,NAME:TYPE", empty for none
    std::string_view result;       // the type word of the value it returns
    int arity;                     // how many parameters `parameters` lists, up to kMaxArity
    double (*evaluate)(const double* arguments);
};

std::span<const Function> Functions();
const Function* FindFunction(std::string_view name);

}  // namespace Simulator::Language
