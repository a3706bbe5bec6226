// Texts of results and of the controller's current errors. The text exports need no context and
// report nothing: a null callback or record simply gets no call.
#include "api/call.h"
#include "kova/tesselapi.h"
#include "shared/errors/error_catalogue.h"
#include "shared/errors/error_info_text.h"
#include "shared/errors/text_template.h"

using namespace Kova::TesselApi::Api;
namespace Errors = Kova::TesselApi::Shared;

// The public header spells the codes out for C; they must stay those of the catalogue.
#define KOVA_ERROR_CODE(code, name, description, mark) \
    static_assert(KOVA_##name == (code), "public code differs: " #name);
#include "shared/errors/error_codes.def"
#undef KOVA_ERROR_CODE

namespace {

// Text exports return nothing, so a failure inside has nowhere to go but away.
template <class Operation>
void Quietly(Operation&& operation) noexcept {
    try {
        operation();
    } catch (...) {
    }
}

}  // namespace

void kova_GetErrorName(kova_result result, kova_string_callback callback, void* user) {
    if (callback == nullptr) return;
    Quietly([&] { Deliver(callback, user, Errors::LookupError(result).name); });
}

void kova_GetErrorString(kova_result result, kova_string_callback callback, void* user) {
    if (callback == nullptr) return;
    Quietly([&] { Deliver(callback, user, Errors::LookupError(result).description); });
}

kova_result kova_EnumErrors(kova_context h, kova_error_info_callback callback, void* user, uint32_t flags) {
    return Call(h, [&](IConnection& c) { return c.EnumErrors(SinkOf<Errors::ErrorInfoSink>(callback, user), flags); });
}

void kova_GetErrorInfoString(const kova_error_info* info, uint32_t text_kind, kova_string_callback callback,
                             void* user) {
    if (info == nullptr || callback == nullptr) return;
    Quietly([&] { Deliver(callback, user, Errors::ErrorInfoText(*info, text_kind)); });
}

void kova_GetErrorInfoStringEx(const kova_error_info* info, uint32_t text_kind, const char* format,
                               kova_string_callback callback, void* user) {
    if (info == nullptr || callback == nullptr) return;
    Quietly([&] {
        const std::string message = Errors::ErrorInfoText(*info, text_kind);
        const Errors::ErrorAttributeByName attributes(*info, message);
        Deliver(callback, user, Errors::ExpandTemplate(In(format), attributes));
    });
}
