#include "platform/system_error/system_error.h"

#include <string.h>

namespace Kova::TesselApi::Platform {

// errno numbers stand in for the Windows numbers here. strerrordesc_np, unlike strerror_r, answers
// null for a number the system has no text for instead of making one up.
std::string SystemErrorText(std::uint32_t number) {
    if (number > 0x7FFFFFFFu) return {};
    const char* text = strerrordesc_np(static_cast<int>(number));
    if (text == nullptr) return {};
    std::string result(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
    return result;
}

}  // namespace Kova::TesselApi::Platform
