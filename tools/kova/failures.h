// What ends a command: a failed call (exit status 1) or a command line the tool cannot use (2).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "kova/tesselapi.h"

namespace KovaTool {

// A result other than success from the module or the controller.
class ModuleError : public std::runtime_error {
public:
    ModuleError(std::string_view action, kova_result result);
    kova_result Result() const { return result_; }

private:
    kova_result result_;
};

// An argument the tool cannot use.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "NAME: description" of a result, from the module's own catalogue.
std::string DescribeResult(kova_result result);

// Throws ModuleError unless result is success.
void Check(kova_result result, std::string_view action);

// A string callback that appends to the std::string behind user.
void AppendText(void* user, const char* text, uint32_t length);

}  // namespace KovaTool
