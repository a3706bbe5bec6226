#include "vireo/connection_vireo.h"

#include <cmath>
#include <cstring>
#include <string>

#include "shared/text_return.h"
#include "vireo/command_line/command_line.h"
#include "vireo/command_line/line_format.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"

namespace Kova::TesselApi::Vireo {

using Shared::Error;

Connection_Vireo::Connection_Vireo(Shared::EventFunction eventFunction)
    : ConnectionBase(std::move(eventFunction)) {}

Connection_Vireo::~Connection_Vireo() = default;

bool Connection_Vireo::IsConnected() { return connected_; }

std::uint32_t Connection_Vireo::GetConnectionType() { return KOVA_CONNECTION_VIREO; }

void Connection_Vireo::OnLibraryEvent(void* user, const vireo_api_event* event) {
    if (!user || !event || (event->kind != 0 && event->kind != 1)) return;
    Connection_Vireo* connection = static_cast<CallbackRecord*>(user)->connection;
    const char* text = event->text ? event->text : "";
    connection->Log(Shared::EventInformation, Shared::kSuccess, std::string_view(text, std::strlen(text)));
}

void Connection_Vireo::ForgetFirmwareVersion() {
    firmwareVersion_ = 0;
    firmwareVersionWhole_ = 0;
    firmwareVersionFraction_ = 0;
}

Result Connection_Vireo::OpenConnection() {
    if (connected_) return Error(Shared::Reopen);
    ForgetFirmwareVersion();
    callbackRecord_.connection = this;
    const Result opened = OpenConvention(Direct().open(&Connection_Vireo::OnLibraryEvent, &callbackRecord_));
    if (opened != Shared::kSuccess) return opened;

    double version = 0;
    const Result read = GetSystemParameter_VERSION(version);
    if (read != Shared::kSuccess) {
        Direct().close();
        return read;
    }
    firmwareVersion_ = version;
    firmwareVersionFraction_ = std::modf(version, &firmwareVersionWhole_);
    connected_ = true;
    return Shared::kSuccess;
}

Result Connection_Vireo::CloseConnection() {
    blocks_.Close();
    if (connected_) {
        if (Direct().is_open() != 0) Direct().close();
        ForgetFirmwareVersion();
        connected_ = false;
    }
    return Shared::kSuccess;
}

Result Connection_Vireo::GetFirmwareVersionNumber(double& version) {
    if (!connected_) return Error(Shared::Disconnected);
    version = firmwareVersion_;
    return Shared::kSuccess;
}

Result Connection_Vireo::Execute(std::string_view command) { return CommandLine::Execute(command); }

Result Connection_Vireo::ExecuteWithResponse4a(std::string_view command, char* buffer, std::uint32_t& size) {
    const std::uint32_t capacity = size;
    const Result result = CommandLine::ExecuteInto(command, buffer, size);
    if (result == Shared::kSuccess) Shared::TerminateLibraryReply(buffer, capacity, size);
    return result;
}

Result Connection_Vireo::ExecuteWithResponse4b(std::string_view command, const StringSink& sink) {
    if (!sink) return Error(Shared::BadArgument);
    return CommandLine::ExecuteInPieces(command, sink);
}

Result Connection_Vireo::ExecuteWithResponse4c(std::string_view command, const StringSink& sink) {
    if (!sink) return Error(Shared::BadArgument);
    std::string reply;
    const Result result = CommandLine::ExecuteInPieces(command, [&reply](std::string_view piece) { reply += piece; });
    if (result == Shared::kSuccess) sink(reply);
    return result;
}

// The library's answer is of no use here, and a library without the function is no failure.
Result Connection_Vireo::Ex(std::uint32_t value) {
    Invoke(LowLevel().vireo_api_ex, value);
    return Shared::kSuccess;
}

Result Connection_Vireo::Cancel(std::uint32_t, std::uint32_t value) {
    return StatusConvention(Invoke(LowLevel().vireo_api_cancel, value));
}

Result Connection_Vireo::Initialise() { return CommandLine::Execute(CommandLine::kInitialise); }

Result Connection_Vireo::UnitClear() { return Execute(CommandLine::kUnitClear); }

Result Connection_Vireo::Halt() { return CommandConvention(Invoke(LowLevel().vireo_api_halt)); }

void Connection_Vireo::Destroy() { delete this; }

Result Connection_Vireo::Disconnect() { return CloseConnection(); }

}  // namespace Kova::TesselApi::Vireo
