// Projects and project keys, unit clear, the controller lock and the firmware update.
#include "api/call.h"
#include "kova/tesselapi.h"

using namespace Kova::TesselApi::Api;
namespace Shared = Kova::TesselApi::Shared;

// An empty key query means the caller offers no keys: the loader then treats every authority as unknown.
kova_result kova_LoadProject(kova_context h, const char* projectPath, kova_project_key_callback callback,
                             void* user) {
    return Call(h, [&](IConnection& c) { return c.LoadProject(In(projectPath), SinkOf<Shared::ProjectKeyQuery>(callback, user)); });
}
kova_result kova_ProjectKey(kova_context h, const char* key, int32_t number) {
    return Call(h, [&](IConnection& c) { return c.ProjectKey(In(key), number); });
}
kova_result kova_ProjectKeyRegistryList(kova_context h, kova_string_callback callback, void* user) {
    return Call(h, [&](IConnection& c) { return c.ProjectKeyRegistryList(Sink(callback, user)); });
}
kova_result kova_ProjectKeyRegistryStore(kova_context h, const char* authority, const char* key, int32_t number) {
    return Call(h, [&](IConnection& c) { return c.ProjectKeyRegistryStore(In(authority), In(key), number); });
}
kova_result kova_ProjectKeyRegistryClear(kova_context h) {
    return Call(h, [](IConnection& c) { return c.ProjectKeyRegistryClear(); });
}
kova_result kova_ProjectKeyRegistryUse(kova_context h, const char* authority) {
    return Call(h, [&](IConnection& c) { return c.ProjectKeyRegistryUse(In(authority)); });
}

kova_result kova_UnitClear(kova_context h) {
    return Call(h, [](IConnection& c) { return c.UnitClear(); });
}
kova_result kova_LockController(kova_context h, uint32_t code) {
    return Call(h, [&](IConnection& c) { return c.LockController(code); });
}
kova_result kova_UnlockController(kova_context h, uint32_t code) {
    return Call(h, [&](IConnection& c) { return c.UnlockController(code); });
}

kova_result kova_SystemUpdate(kova_context h, const char* firmwarePath, kova_update_progress_callback callback,
                              void* user) {
    return Call(h, [&](IConnection& c) { return c.SystemUpdate(In(firmwarePath), SinkOf<Shared::UpdateProgressSink>(callback, user)); });
}
