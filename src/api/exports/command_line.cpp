// Opening and closing the connection, and command lines of the controller's language.
#include "api/call.h"
#include "kova/tesselapi.h"

using namespace Kova::TesselApi::Api;

kova_result kova_OpenConnection(kova_context h) {
    return Call(h, [](IConnection& c) { return c.OpenConnection(); });
}
kova_result kova_CloseConnection(kova_context h) {
    return Call(h, [](IConnection& c) { return c.CloseConnection(); });
}
kova_result kova_ConnPath(kova_context h, const char* path) {
    return Call(h, [&](IConnection& c) { return c.ConnPath(In(path)); });
}
kova_result kova_GetFirmwareVersionNumber(kova_context h, double* version) {
    return Call(h, {version}, [&](IConnection& c) { return c.GetFirmwareVersionNumber(*version); });
}
kova_result kova_Execute(kova_context h, const char* command) {
    return Call(h, [&](IConnection& c) { return c.Execute(In(command)); });
}
kova_result kova_ExecuteWithResponse4a(kova_context h, const char* command, char* buffer, uint32_t* size) {
    return Call(h, {size}, [&](IConnection& c) { return c.ExecuteWithResponse4a(In(command), buffer, *size); });
}
kova_result kova_ExecuteWithResponse4b(kova_context h, const char* command, kova_string_callback callback,
                                       void* user) {
    return Call(h, [&](IConnection& c) { return c.ExecuteWithResponse4b(In(command), Sink(callback, user)); });
}
kova_result kova_ExecuteWithResponse4c(kova_context h, const char* command, kova_string_callback callback,
                                       void* user) {
    return Call(h, [&](IConnection& c) { return c.ExecuteWithResponse4c(In(command), Sink(callback, user)); });
}
kova_result kova_Ex(kova_context h, uint32_t value) {
    return Call(h, [&](IConnection& c) { return c.Ex(value); });
}
kova_result kova_Cancel(kova_context h, uint32_t unused, uint32_t value) {
    return Call(h, [&](IConnection& c) { return c.Cancel(unused, value); });
}
kova_result kova_Initialise(kova_context h) {
    return Call(h, [](IConnection& c) { return c.Initialise(); });
}
