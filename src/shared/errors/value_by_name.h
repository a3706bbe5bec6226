// Named values that a text template refers to as {NAME}.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Kova::TesselApi::Shared {

class IValueByName {
public:
    static constexpr std::uint32_t kNoValue = 0xFFFFFFFFu;

    // The value of a name as a number; the empty name asks for the default value. kNoValue when no
    // value has that name.
    virtual std::uint32_t GetValue(std::string_view name) const = 0;
    // Appends the value of a name as text; false (and nothing appended) for an unknown name.
    virtual bool WriteValue(std::string_view name, std::string& output) const = 0;

protected:
    ~IValueByName() = default;
};

}  // namespace Kova::TesselApi::Shared
