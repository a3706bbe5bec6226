#include "support/recording_library.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <type_traits>

#include "vireo/binding/low_level.h"

using Kova::TesselApi::Vireo::Direct;
using Kova::TesselApi::Vireo::DirectLinks;
using Kova::TesselApi::Vireo::LowLevel;
using Kova::TesselApi::Vireo::LowLevelTable;

namespace KovaTest {
namespace {

RecordingLibrary* active = nullptr;

enum Function : std::size_t {
#define VIREO_FUNCTION(name, parameters, stand_in) F_##name,
#include "vireo_api_functions.def"
#undef VIREO_FUNCTION
};

constexpr const char* kNames[] = {
#define VIREO_FUNCTION(name, parameters, stand_in) #name,
#include "vireo_api_functions.def"
#undef VIREO_FUNCTION
};

template <typename T>
std::string Describe(T value) {
    if constexpr (std::is_same_v<T, const char*>) {
        return value ? value : "null";
    } else if constexpr (std::is_same_v<T, const vireo_api_value*>) {
        if (!value) return "null";
        char text[64];
        if (value->tag == VIREO_API_FLOAT64) std::snprintf(text, sizeof text, "%d:%g", value->tag, value->value.f64);
        else if (value->tag == VIREO_API_FLOAT32) std::snprintf(text, sizeof text, "%d:%g", value->tag, value->value.f32);
        else std::snprintf(text, sizeof text, "%d:%lld", value->tag, static_cast<long long>(value->value.i64));
        return text;
    } else if constexpr (std::is_pointer_v<T>) {
        return value ? "ptr" : "null";
    } else if constexpr (std::is_floating_point_v<T>) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", value);
        return text;
    } else {
        return std::to_string(value);
    }
}

// What a function does besides recording; the default writes nothing and succeeds.
template <std::size_t I, typename... A>
std::int32_t Behave(std::integral_constant<std::size_t, I>, A...) {
    return 0;
}

using std::integral_constant;

std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_version>, char* text, uint32_t size,
                    uint32_t* length) {
    const std::string& version = active->version;
    if (length) *length = static_cast<uint32_t>(version.size());
    if (text && size > version.size()) std::memcpy(text, version.c_str(), version.size() + 1);
    return 0;
}

std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_open>, vireo_api_event_callback events, void* user) {
    active->events = events;
    active->eventsUser = user;
    return 0;
}

std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_is_open>) { return 1; }

// The scripted reply into a caller's buffer, as much as fits.
std::int32_t WriteReply(char* reply, uint32_t size, uint32_t* written) {
    const std::size_t n = std::min<std::size_t>(active->reply.size(), size);
    if (n) std::memcpy(reply, active->reply.data(), n);
    *written = static_cast<uint32_t>(n);
    return 0;
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_execute2>, const char*, char* reply, uint32_t size,
                    uint32_t* written) {
    return WriteReply(reply, size, written);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_dir>, const char*, char* reply, uint32_t size,
                    uint32_t* written) {
    return WriteReply(reply, size, written);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_process>, const char*, char* reply, uint32_t size,
                    uint32_t* written) {
    return WriteReply(reply, size, written);
}

// The scripted reply in pieces through a reply callback.
std::int32_t DeliverReply(vireo_api_reply_callback callback, void* user) {
    const std::string& reply = active->reply;
    callback(user, nullptr, 0);   // pieces without data are the library's to send; the module skips them
    for (std::size_t at = 0; at < reply.size(); at += active->pieceSize)
        callback(user, reply.data() + at, static_cast<uint32_t>(std::min<std::size_t>(active->pieceSize, reply.size() - at)));
    return 0;
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_execute_with_callback>, const char*,
                    vireo_api_reply_callback callback, void* user) {
    return DeliverReply(callback, user);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_program_compile_with_callback>, const char*,
                    vireo_api_reply_callback callback, void* user) {
    return DeliverReply(callback, user);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_program_compile_all_with_callback>,
                    vireo_api_reply_callback callback, void* user) {
    return DeliverReply(callback, user);
}

std::int32_t GetParameter(vireo_api_value* value) {
    *value = active->parameter;
    return 0;
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_system_parameter>, uint32_t, vireo_api_value* v) {
    return GetParameter(v);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_axis_parameter>, uint32_t, int32_t,
                    vireo_api_value* v) {
    return GetParameter(v);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_process_parameter>, uint32_t, int32_t,
                    vireo_api_value* v) {
    return GetParameter(v);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_slot_parameter>, uint32_t, int32_t,
                    vireo_api_value* v) {
    return GetParameter(v);
}

std::int32_t ReadMemory(const std::vector<double>& memory, uint32_t first, uint32_t count, double* values) {
    if (static_cast<std::uint64_t>(first) + count > memory.size()) return -1;
    std::copy_n(memory.begin() + first, count, values);
    return 0;
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_vr>, uint32_t first, uint32_t count,
                    double* values) {
    if (active->vrReadsBeforeFailure == 0) return -1;
    if (active->vrReadsBeforeFailure > 0) --active->vrReadsBeforeFailure;
    return ReadMemory(active->vr, first, count, values);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_table>, uint32_t first, uint32_t count,
                    double* values) {
    return ReadMemory(active->table, first, count, values);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_set_vr>, uint32_t first, uint32_t count,
                    const double* values) {
    std::vector<double>& vr = active->vr;
    if (vr.size() < static_cast<std::size_t>(first) + count) vr.resize(static_cast<std::size_t>(first) + count);
    std::copy_n(values, count, vr.begin() + first);
    return 0;
}
std::int32_t WriteWord(int32_t* word) {
    *word = active->word;
    return 0;
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_in>, uint32_t, int32_t* w) { return WriteWord(w); }
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_op>, uint32_t, int32_t* w) { return WriteWord(w); }
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_is_file>, const char*, uint32_t* flags) {
    *flags = static_cast<uint32_t>(active->word);
    return 0;
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_invert_in>, uint32_t, int32_t* w) {
    return WriteWord(w);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_in_range>, uint32_t, uint32_t, int32_t* w) {
    return WriteWord(w);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_op_range>, uint32_t, uint32_t, int32_t* w) {
    return WriteWord(w);
}
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_ain>, uint32_t, int32_t* w) { return WriteWord(w); }
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_aout>, uint32_t, int32_t* w) { return WriteWord(w); }
std::int32_t Behave(integral_constant<std::size_t, F_vireo_api_get_vr_bit>, uint32_t, uint16_t, uint8_t* value) {
    *value = static_cast<uint8_t>(active->word);
    return 0;
}

template <std::size_t I, typename Signature>
struct Recorder;

template <std::size_t I, typename... A>
struct Recorder<I, std::int32_t (*)(A...)> {
    static std::int32_t Call(A... args) {
        std::string described;
        ((described += (described.empty() ? "" : ", ") + Describe(args)), ...);
        active->calls.push_back({kNames[I], described});
        const std::int32_t status = Behave(integral_constant<std::size_t, I>{}, args...);
        return active->Scripted(kNames[I], status);
    }
};

template <std::size_t I, typename F>
F RecorderOf(const std::atomic<F>&) {
    return &Recorder<I, F>::Call;
}

}  // namespace

struct RecordingLibrary::Saved {
    DirectLinks direct;
#define VIREO_FUNCTION(name, parameters, stand_in) decltype(&::name) name = nullptr;
#include "vireo_api_functions.def"
#undef VIREO_FUNCTION
};

RecordingLibrary::RecordingLibrary() : saved_(new Saved) {
    saved_->direct = Direct();
    active = this;
    LowLevelTable& table = LowLevel();
#define VIREO_FUNCTION(name, parameters, stand_in) \
    saved_->name = table.name.load();              \
    table.name.store(RecorderOf<F_##name>(table.name));
#include "vireo_api_functions.def"
#undef VIREO_FUNCTION
    Direct().open = table.vireo_api_open.load();
    Direct().close = table.vireo_api_close.load();
    Direct().is_open = table.vireo_api_is_open.load();
}

RecordingLibrary::~RecordingLibrary() {
    LowLevelTable& table = LowLevel();
#define VIREO_FUNCTION(name, parameters, stand_in) table.name.store(saved_->name);
#include "vireo_api_functions.def"
#undef VIREO_FUNCTION
    Direct() = saved_->direct;
    delete saved_;
    active = nullptr;
}

std::vector<std::string> RecordingLibrary::CallsOf(std::string_view function) const {
    std::vector<std::string> found;
    for (const LowLevelCall& call : calls)
        if (call.function == function) found.push_back(call.arguments);
    return found;
}

void RecordingLibrary::Answer(std::string_view function, std::int32_t status) {
    statuses_.emplace_back(std::string(function), status);
}

std::int32_t RecordingLibrary::Scripted(std::string_view function, std::int32_t otherwise) const {
    for (auto it = statuses_.rbegin(); it != statuses_.rend(); ++it)
        if (it->first == function) return it->second;
    return otherwise;
}

void RecordingLibrary::Remove(std::string_view function) {
    LowLevelTable& table = LowLevel();
#define VIREO_FUNCTION(name, parameters, stand_in) \
    if (function == #name) table.name.store(nullptr);
#include "vireo_api_functions.def"
#undef VIREO_FUNCTION
}

void RecordingLibrary::SendEvent(std::int32_t kind, const char* text) const {
    const vireo_api_event event{kind, text};
    events(eventsUser, &event);
}

}  // namespace KovaTest
