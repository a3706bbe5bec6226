// Texts by text kind and numeric key, for every kind the module knows: the resource documents' tables
// (each read once, on the first lookup that needs it) and the error catalogue.
#pragma once

#include <cstdint>
#include <string_view>

namespace Kova::TesselApi::Shared {

// Empty for an unknown kind or key. The view lives as long as the process.
std::string_view ResourceText(std::string_view textKind, std::uint64_t key);
std::string_view EthercatVendorName(std::uint32_t vendor);
std::string_view EthercatProductName(std::uint32_t vendor, std::uint32_t product);

}  // namespace Kova::TesselApi::Shared
