// The functions of vireo_api_x64 that the stand-in serves from its embedded simulated controller.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "sim/controller.h"
#include "stand_in/reply_chunks.h"
#include "stand_in/session.h"
#include "stand_in/tagged_value.h"
#include "tagged_kinds.h"
#include "vireo_api.h"

namespace {

using Simulator::Controller;
using Simulator::Family;

using StandIn::kBadArgument;
using StandIn::Simulation;

constexpr const char* kLibraryVersion = "2.339005006.1570.28865";

void Announce(vireo_api_event_callback events, void* user, const char* text) {
    if (!events) return;
    const vireo_api_event event{0, text};
    events(user, &event);
}

template <typename Run>
int32_t WithController(Run run) {
    return StandIn::WithSimulation([&](Simulation& simulation) { return run(simulation.controller); });
}

int32_t GetParameter(Family family, uint32_t id, int32_t index, vireo_api_value* value) {
    if (!value) return kBadArgument;
    return WithController([&](Controller& controller) {
        const Simulator::ParameterDef* def = Controller::Find(family, id);
        if (!def) return Simulator::Errors::kCOMMAND_NOT_RECOGNISED;
        double number = 0;
        const int status = controller.GetParameter(family, id, index, number);
        if (status != 0) return status;
        return TaggedKinds::Encode(def->kind, number, *value) ? 0 : Simulator::Errors::kPARAMETER_OUT_OF_RANGE;
    });
}

int32_t SetParameter(Family family, uint32_t id, int32_t index, const vireo_api_value* value) {
    if (!value) return kBadArgument;
    return WithController([&](Controller& controller) {
        double number = 0;
        if (!StandIn::Decode(*value, number)) return kBadArgument;
        return controller.SetParameter(family, id, index, number);
    });
}

}  // namespace

extern "C" {

int32_t vireo_api_get_version(char* text, uint32_t size, uint32_t* length) {
    const char* override = std::getenv("VIREO_SIM_VERSION");
    const char* version = override ? override : kLibraryVersion;
    const std::size_t n = std::strlen(version);
    if (length) *length = static_cast<uint32_t>(n);
    if (!text) return 0;
    if (size <= n) return kBadArgument;
    std::memcpy(text, version, n + 1);
    return 0;
}

int32_t vireo_api_open(vireo_api_event_callback events, void* user) {
    if (const int32_t error = StandIn::Open(); error != 0) return error;
    Announce(events, user, "Vireo software controller (simulated) started");
    Announce(events, user, "Vireo software controller (simulated) ready");
    return 0;
}

int32_t vireo_api_close(void) {
    StandIn::Close();
    return 0;
}

int32_t vireo_api_is_open(void) { return StandIn::Current() ? 1 : 0; }

int32_t vireo_api_ex(uint32_t) { return 0; }

int32_t vireo_api_execute(const char* command) {
    if (!command) return kBadArgument;
    return WithController([&](Controller& controller) {
        std::string reply;
        return controller.Execute(command, reply);
    });
}

int32_t vireo_api_execute2(const char* command, char* reply, uint32_t size, uint32_t* written) {
    if (!command || (!reply && size != 0)) return kBadArgument;
    return WithController([&](Controller& controller) {
        std::string text;
        const int status = controller.Execute(command, text);
        const std::size_t n = std::min<std::size_t>(text.size(), size);
        if (n) std::memcpy(reply, text.data(), n);
        if (written) *written = static_cast<uint32_t>(n);
        return status;
    });
}

int32_t vireo_api_execute_with_callback(const char* command, vireo_api_reply_callback callback, void* user) {
    if (!command) return kBadArgument;
    return WithController([&](Controller& controller) {
        std::string text;
        const int status = controller.Execute(command, text);
        StandIn::DeliverInChunks(text, callback, user);
        return status;
    });
}

// Nothing the simulated controller does can be cancelled part way.
int32_t vireo_api_cancel(uint32_t) {
    return WithController([](Controller&) { return 0; });
}

int32_t vireo_api_get_axis_parameter(uint32_t id, int32_t axis, vireo_api_value* value) {
    return GetParameter(Family::Axis, id, axis, value);
}
int32_t vireo_api_set_axis_parameter(uint32_t id, int32_t axis, const vireo_api_value* value) {
    return SetParameter(Family::Axis, id, axis, value);
}
int32_t vireo_api_get_system_parameter(uint32_t id, vireo_api_value* value) {
    return GetParameter(Family::System, id, 0, value);
}
int32_t vireo_api_set_system_parameter(uint32_t id, const vireo_api_value* value) {
    return SetParameter(Family::System, id, 0, value);
}
int32_t vireo_api_get_process_parameter(uint32_t id, int32_t process, vireo_api_value* value) {
    return GetParameter(Family::Process, id, process, value);
}
int32_t vireo_api_set_process_parameter(uint32_t id, int32_t process, const vireo_api_value* value) {
    return SetParameter(Family::Process, id, process, value);
}
int32_t vireo_api_get_slot_parameter(uint32_t id, int32_t slot, vireo_api_value* value) {
    return GetParameter(Family::Slot, id, slot, value);
}
int32_t vireo_api_set_slot_parameter(uint32_t id, int32_t slot, const vireo_api_value* value) {
    return SetParameter(Family::Slot, id, slot, value);
}

}  // extern "C"
