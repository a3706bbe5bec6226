#include "shared/blocks/prm_blk.h"

namespace Kova::TesselApi::Shared {

std::vector<NumericVariant>* PrmBlk::VariantCache(std::int64_t) { return nullptr; }
std::vector<std::string>* PrmBlk::StringCache(std::int64_t) { return nullptr; }
std::vector<double>* PrmBlk::DecimalCache(std::int64_t) { return nullptr; }
std::vector<std::uint64_t>* PrmBlk::WordCache(std::int64_t) { return nullptr; }
std::vector<std::uint32_t>* PrmBlk::Numbers() { return nullptr; }
std::vector<std::string>* PrmBlk::Names() { return nullptr; }
std::vector<kova_io_range>* PrmBlk::Ranges() { return nullptr; }
Result PrmBlk::DefineNumbers(const std::uint32_t*, std::uint32_t, bool) { return Error(NotSupported); }
Result PrmBlk::DefineNames(const std::string_view*, std::uint32_t, bool) { return Error(NotSupported); }
Result PrmBlk::DefineNames(const char* const*, std::uint32_t, bool) { return Error(NotSupported); }
Result PrmBlk::DefineRanges(const kova_io_range*, std::uint32_t, bool) { return Error(NotSupported); }

}  // namespace Kova::TesselApi::Shared
