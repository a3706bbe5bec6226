// Finding a parameter of a family by its name: a table per name length, and within it a list per
// first byte, so a lookup compares only names of the same length and first letter.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "vireo/parameters/parameter_access.h"

namespace Kova::TesselApi::Vireo {

struct ParameterEntry {
    std::string_view name;
    std::uint8_t tag;   // the parameter's library kind; a lookup with tag 0 matches any
    std::uint32_t identifier;
    kova_parameter_kind kind;
};

class ParameterNameMap {
public:
    explicit ParameterNameMap(const std::vector<ParameterEntry>& entries);

    // Case-sensitive; null when the family has no such name.
    const ParameterEntry* Find(std::string_view name, std::uint8_t tag = 0) const;

private:
    struct Bucket {
        std::array<std::uint8_t, 256> listOfFirstByte{};   // 0: no list
        std::vector<std::vector<ParameterEntry>> lists;    // list n is lists[n - 1]
    };
    std::vector<std::unique_ptr<Bucket>> byLength_;
};

// The process-wide map of a family, built when the module is loaded.
const ParameterNameMap& ParameterNames(ParameterFamily family);

}  // namespace Kova::TesselApi::Vireo
