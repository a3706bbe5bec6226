// Texts of codes, looked up by text kind. They need no context and never fail: what cannot be found
// (an unknown kind or key, a missing resource library or document) is handed over as an empty text,
// in exactly one callback call.
#include <string_view>

#include "kova/tesselapi.h"
#include "shared/resources/resource_texts.h"

namespace {

using namespace Kova::TesselApi::Shared;

void HandOver(std::string_view text, kova_string_callback callback, void* user) {
    callback(user, text.empty() ? "" : text.data(), static_cast<uint32_t>(text.size()));
}

}  // namespace

void kova_GetStringResourceNumKey(const char* kind, uint64_t key, kova_string_callback callback, void* user) {
    if (callback == nullptr) return;
    HandOver(ResourceText(kind == nullptr ? "" : kind, key), callback, user);
}

// No text kind is keyed by text, so this answer is final.
void kova_GetStringResourceStrKey(const char* /*kind*/, const char* /*key*/, kova_string_callback callback,
                                  void* user) {
    if (callback == nullptr) return;
    HandOver({}, callback, user);
}

void kova_GetEthercatVID_Name(uint32_t vendor, kova_string_callback callback, void* user) {
    if (callback == nullptr) return;
    HandOver(EthercatVendorName(vendor), callback, user);
}

void kova_GetEthercatPID_Name(uint32_t vendor, uint32_t product, kova_string_callback callback, void* user) {
    if (callback == nullptr) return;
    HandOver(EthercatProductName(vendor, product), callback, user);
}
