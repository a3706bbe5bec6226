// FUNCTION_LIST: what the built-in functions are, from the table the executor evaluates them by.
//   FUNCTION_LIST                          one info line per function
//   FUNCTION_LIST(0[, "filter"[, a[, b]]]) info lines of the functions whose names begin with
//                                          the filter (any case)
//   FUNCTION_LIST(1[, "filter"[, a[, b]]]) their names, one per line
//   FUNCTION_LIST("NAME")                  the function's parameter count
//   FUNCTION_LIST("NAME", i)               the type word of its parameter i, from 0
// An info line is NAME[index]:GROUP(P:TYPE,...):RESULT, the index being the function's place in
// the table. Of the matching functions, a skips the first a and b (0: no limit) lists at most b,
// so an editor can fetch a long list page by page.
#pragma once

#include "sim/controller.h"

namespace Simulator::Language {

int FunctionList(CommandCall& call);

}  // namespace Simulator::Language
