// SX-Bus slices of a controller slot.
#include "api/call.h"
#include "kova/tesselapi.h"

using namespace Kova::TesselApi::Api;
using Kova::TesselApi::Shared::SxBusSliceSink;

kova_result kova_SxBus_StartNetwork(kova_context h, int32_t slot, kova_sxbus_slice_callback callback, void* user) {
    return Call(h, [&](IConnection& c) { return c.SxBus_StartNetwork(slot, SinkOf<SxBusSliceSink>(callback, user)); });
}
kova_result kova_SxBus_StopNetwork(kova_context h, int32_t slot) {
    return Call(h, [&](IConnection& c) { return c.SxBus_StopNetwork(slot); });
}
kova_result kova_SxBus_EnumNetwork(kova_context h, int32_t slot, kova_sxbus_slice_callback callback, void* user) {
    return Call(h, [&](IConnection& c) { return c.SxBus_EnumNetwork(slot, SinkOf<SxBusSliceSink>(callback, user)); });
}
kova_result kova_SxBus_GetNetworkState(kova_context h, int32_t slot, uint32_t* state) {
    return Call(h, {state}, [&](IConnection& c) { return c.SxBus_GetNetworkState(slot, *state); });
}
kova_result kova_SxBus_GetErrorFlags(kova_context h, int32_t slot, uint32_t* flags) {
    return Call(h, {flags}, [&](IConnection& c) { return c.SxBus_GetErrorFlags(slot, *flags); });
}
kova_result kova_SxBus_GetNumberOfSlices(kova_context h, int32_t slot, uint32_t* count) {
    return Call(h, {count}, [&](IConnection& c) { return c.SxBus_GetNumberOfSlices(slot, *count); });
}
kova_result kova_SxBus_GetWarningSliceMap(kova_context h, int32_t slot, uint32_t* map) {
    return Call(h, {map}, [&](IConnection& c) { return c.SxBus_GetWarningSliceMap(slot, *map); });
}
kova_result kova_SxBus_GetSliceOnline(kova_context h, int32_t slot, uint32_t slice, bool* online) {
    return Call(h, {online}, [&](IConnection& c) { return c.SxBus_GetSliceOnline(slot, slice, *online); });
}
kova_result kova_SxBus_GetSliceType(kova_context h, int32_t slot, uint32_t slice, uint32_t* type) {
    return Call(h, {type}, [&](IConnection& c) { return c.SxBus_GetSliceType(slot, slice, *type); });
}
kova_result kova_SxBus_GetSliceStatus(kova_context h, int32_t slot, uint32_t slice, uint32_t* status) {
    return Call(h, {status}, [&](IConnection& c) { return c.SxBus_GetSliceStatus(slot, slice, *status); });
}
kova_result kova_SxBus_GetSliceExtendedStatus(kova_context h, int32_t slot, uint32_t slice, uint32_t* status) {
    return Call(h, {status}, [&](IConnection& c) { return c.SxBus_GetSliceExtendedStatus(slot, slice, *status); });
}
kova_result kova_SxBus_ReadSliceRegister(kova_context h, int32_t slot, uint32_t slice, uint32_t reg, uint32_t* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.SxBus_ReadSliceRegister(slot, slice, reg, *value); });
}
kova_result kova_SxBus_ReadSliceRegister_VR(kova_context h, int32_t slot, uint32_t slice, uint32_t reg, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.SxBus_ReadSliceRegister_VR(slot, slice, reg, vr); });
}
kova_result kova_SxBus_WriteSliceRegister(kova_context h, int32_t slot, uint32_t slice, uint32_t reg,
                                          uint32_t value) {
    return Call(h, [&](IConnection& c) { return c.SxBus_WriteSliceRegister(slot, slice, reg, value); });
}
