// Texts of codes, looked up by text kind. They need no context and never fail: what cannot be found
// is handed over as an empty text, in exactly one callback call.
//
// The text registry and its resource documents are not bound in yet, so every lookup finds nothing;
// this is also what an application sees when the resource library is absent.
#include "kova/tesselapi.h"

namespace {

void HandOverEmptyText(kova_string_callback callback, void* user) {
    if (callback == nullptr) return;
    callback(user, "", 0);
}

}  // namespace

void kova_GetStringResourceNumKey(const char* /*kind*/, uint64_t /*key*/, kova_string_callback callback, void* user) {
    HandOverEmptyText(callback, user);
}

// No text kind is keyed by text, so this answer is final.
void kova_GetStringResourceStrKey(const char* /*kind*/, const char* /*key*/, kova_string_callback callback,
                                  void* user) {
    HandOverEmptyText(callback, user);
}

void kova_GetEthercatVID_Name(uint32_t /*vendor*/, kova_string_callback callback, void* user) {
    HandOverEmptyText(callback, user);
}

void kova_GetEthercatPID_Name(uint32_t /*vendor*/, uint32_t /*product*/, kova_string_callback callback, void* user) {
    HandOverEmptyText(callback, user);
}
