#include "failures.h"

#include <cinttypes>
#include <cstdio>

namespace KovaTool {

void AppendText(void* user, const char* text, uint32_t length) { static_cast<std::string*>(user)->append(text, length); }

std::string DescribeResult(kova_result result) {
    std::string name;
    std::string text;
    kova_GetErrorName(result, AppendText, &name);
    kova_GetErrorString(result, AppendText, &text);
    if (name.empty()) {
        char hex[32];
        std::snprintf(hex, sizeof hex, "0x%010" PRIx64, result);
        name = hex;
    }
    return text.empty() ? name : name + ": " + text;
}

ModuleError::ModuleError(std::string_view action, kova_result result)
    : std::runtime_error(std::string(action) + ": " + DescribeResult(result)), result_(result) {}

void Check(kova_result result, std::string_view action) {
    if (result != 0) throw ModuleError(action, result);
}

}  // namespace KovaTool
