#include "shared/connection/connection_base.h"

#include "shared/version.h"

namespace Kova::TesselApi::Shared {

Result ConnectionBase::GetApiVersion(std::uint64_t& version) {
    version = kPackedApiVersion;
    return kSuccess;
}

Result ConnectionBase::GetApiVersionStr(std::string_view& text) {
    text = kApiVersionText;
    return kSuccess;
}

void ConnectionBase::Event(std::uint32_t type, Result result, std::string_view text) {
    if (eventFunction_) eventFunction_(type, result, text);
}

void ConnectionBase::Log(std::uint32_t type, Result result, std::string_view text) { Event(type, result, text); }

}  // namespace Kova::TesselApi::Shared
