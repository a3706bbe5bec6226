#include "vireo/connection_vireo.h"

namespace Kova::TesselApi::Vireo {

Connection_Vireo::Connection_Vireo(Shared::EventFunction eventFunction)
    : ConnectionBase(std::move(eventFunction)) {}

Connection_Vireo::~Connection_Vireo() = default;

bool Connection_Vireo::IsConnected() { return connected_; }

std::uint32_t Connection_Vireo::GetConnectionType() { return KOVA_CONNECTION_VIREO; }

Result Connection_Vireo::CloseConnection() {
    connected_ = false;
    return Shared::kSuccess;
}

void Connection_Vireo::Destroy() { delete this; }

Result Connection_Vireo::Disconnect() { return CloseConnection(); }

}  // namespace Kova::TesselApi::Vireo
