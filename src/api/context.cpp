// Making and ending contexts: the module factory and the exports around it.
#include "api/call.h"
#include "kova/tesselapi.h"
#include "shared/version.h"
#include "vireo/binding/binding.h"
#include "vireo/connection_vireo.h"

using namespace Kova::TesselApi;
using Api::ConnectionOf;
using Api::HandleOf;
using Shared::Error;
using Shared::Result;

namespace {

constexpr std::string_view kVersionMismatchText = "Version mismatch between modules of Tessel API";

Shared::EventFunction* EventFunctionOf(kova_event_function* events) {
    return reinterpret_cast<Shared::EventFunction*>(events);
}

}  // namespace

kova_result kta_factory(uint32_t connection_type, const kova_version* version, kova_event_function* events,
                        kova_context* context) {
    return Api::Guarded([&]() -> Result {
        Shared::EventFunction* eventFunction = EventFunctionOf(events);
        if (version == nullptr || context == nullptr) return Error(Shared::BadArgument);
        static const Shared::EventFunction kNoEvents;
        const Shared::EventFunction& events = eventFunction ? *eventFunction : kNoEvents;
        Vireo::BindLowLevelLibrary(events);
        if (!Shared::SameVersion(*version, Shared::kApiVersion)) {
            const Result mismatch = Error(Shared::VersionMismatch);
            if (events) events(Shared::EventError, mismatch, kVersionMismatchText);
            return mismatch;
        }
        const Result lowLevelVersion = Vireo::CheckLowLevelVersion(events);
        if (lowLevelVersion != Shared::kSuccess) return lowLevelVersion;
        if (connection_type != KOVA_CONNECTION_VIREO) return Error(Shared::InvalidContext);
        auto* connection = new Vireo::Connection_Vireo(eventFunction ? std::move(*eventFunction) : Shared::EventFunction{});
        *context = HandleOf(connection);
        return Shared::kSuccess;
    });
}

kova_result kova_CreateContext(const kova_version* version, kova_event_callback callback, void* user,
                               kova_context* context) {
    if (version == nullptr || context == nullptr) return Error(Shared::BadArgument);
    return Api::Guarded([&] {
        Shared::EventFunction events;
        if (callback != nullptr) {
            events = [callback, user](std::uint32_t type, Result result, std::string_view text) {
                callback(user, type, result, text.data(), text.size());
            };
        }
        return kta_factory(KOVA_CONNECTION_VIREO, version, reinterpret_cast<kova_event_function*>(&events), context);
    });
}

kova_result kova_DestroyContext(kova_context context) {
    if (context == nullptr) return Error(Shared::InvalidContext);
    Shared::IConnection* connection = ConnectionOf(context);
    const Result closed = Api::Guarded([&] { return connection->IsConnected() ? connection->CloseConnection() : Shared::kSuccess; });
    connection->Destroy();
    return closed;
}

bool kova_IsConnected(kova_context context) { return context != nullptr && ConnectionOf(context)->IsConnected(); }

uint32_t kova_GetConnectionType(kova_context context) {
    return context == nullptr ? 0 : ConnectionOf(context)->GetConnectionType();
}

kova_result kova_GetApiVersion(kova_context context, uint64_t* version) {
    return Api::Call(context, {version}, [&](Shared::IConnection& c) { return c.GetApiVersion(*version); });
}

kova_result kova_GetApiVersionStr(kova_context context, kova_string_callback callback, void* user) {
    return Api::CallWithView(context, callback, user,
                             [](Shared::IConnection& c, std::string_view& text) { return c.GetApiVersionStr(text); });
}
