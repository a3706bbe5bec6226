// How a context reaches its controller: host, port, time-outs and named connection parameters.
#include "api/call.h"
#include "kova/tesselapi.h"

using namespace Kova::TesselApi::Api;

kova_result kova_SetTcpHostName(kova_context h, const char* host) {
    return Call(h, [&](IConnection& c) { return c.SetTcpHostName(In(host)); });
}
kova_result kova_GetTcpHostName(kova_context h, kova_string_callback callback, void* user) {
    return CallWithView(h, callback, user, [](IConnection& c, std::string_view& host) { return c.GetTcpHostName(host); });
}
kova_result kova_SetTcpPort(kova_context h, uint16_t port) {
    return Call(h, [&](IConnection& c) { return c.SetTcpPort(port); });
}
kova_result kova_GetTcpPort(kova_context h, uint16_t* port) {
    return Call(h, [&](IConnection& c) { return c.GetTcpPort(port); });
}
kova_result kova_SetTcpConnectTimeout(kova_context h, uint32_t timeout) {
    return Call(h, [&](IConnection& c) { return c.SetTcpConnectTimeout(timeout); });
}
kova_result kova_GetTcpConnectTimeout(kova_context h, uint32_t* timeout) {
    return Call(h, [&](IConnection& c) { return c.GetTcpConnectTimeout(timeout); });
}
kova_result kova_SetTcpCommandTimeout(kova_context h, uint32_t timeout) {
    return Call(h, [&](IConnection& c) { return c.SetTcpCommandTimeout(timeout); });
}
kova_result kova_GetTcpCommandTimeout(kova_context h, uint32_t* timeout) {
    return Call(h, [&](IConnection& c) { return c.GetTcpCommandTimeout(timeout); });
}
kova_result kova_SetConnectionParameterBoolValue(kova_context h, const char* name, bool value) {
    return Call(h, [&](IConnection& c) { return c.SetConnectionParameterBoolValue(In(name), value); });
}
kova_result kova_GetConnectionParameterBoolValue(kova_context h, const char* name, bool* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.GetConnectionParameterBoolValue(In(name), *value); });
}
kova_result kova_SetConnectionParameterIntValue(kova_context h, const char* name, int32_t value) {
    return Call(h, [&](IConnection& c) { return c.SetConnectionParameterIntValue(In(name), value); });
}
kova_result kova_GetConnectionParameterIntValue(kova_context h, const char* name, int32_t* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.GetConnectionParameterIntValue(In(name), *value); });
}
kova_result kova_SetConnectionParameterDoubleValue(kova_context h, const char* name, double value) {
    return Call(h, [&](IConnection& c) { return c.SetConnectionParameterDoubleValue(In(name), value); });
}
kova_result kova_GetConnectionParameterDoubleValue(kova_context h, const char* name, double* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.GetConnectionParameterDoubleValue(In(name), *value); });
}
kova_result kova_SetConnectionParameterStringValue(kova_context h, const char* name, const char* value) {
    return Call(h, [&](IConnection& c) { return c.SetConnectionParameterStringValue(In(name), In(value)); });
}
kova_result kova_GetConnectionParameterStringValue4a(kova_context h, const char* name, char* buffer, uint32_t* size) {
    return Call(h, {size}, [&](IConnection& c) { return c.GetConnectionParameterStringValue(In(name), buffer, *size); });
}
kova_result kova_GetConnectionParameterStringValue4b(kova_context h, const char* name, kova_string_callback callback,
                                                     void* user) {
    return Call(h, [&](IConnection& c) { return c.GetConnectionParameterStringValue(In(name), Sink(callback, user)); });
}
