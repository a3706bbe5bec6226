// EtherCAT networks, sub-devices, CoE objects and the vendors and products the controller knows.
#include "api/call.h"
#include "kova/tesselapi.h"

using namespace Kova::TesselApi::Api;
using Kova::TesselApi::Shared::EthercatIdSink;
using Kova::TesselApi::Shared::EthercatInfoSink;

// Network start, stop and state.
kova_result kova_Ethercat_StartNetwork2(kova_context h, int32_t slot) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_StartNetwork2(slot); });
}
kova_result kova_Ethercat_StartNetwork5(kova_context h, int32_t slot, int32_t a, kova_ethercat_info_callback callback,
                                        void* user) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_StartNetwork5(slot, a, SinkOf<EthercatInfoSink>(callback, user)); });
}
kova_result kova_Ethercat_StartNetwork6(kova_context h, int32_t slot, int32_t a, int32_t b,
                                        kova_ethercat_info_callback callback, void* user) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_StartNetwork6(slot, a, b, SinkOf<EthercatInfoSink>(callback, user)); });
}
kova_result kova_Ethercat_StopNetwork(kova_context h, int32_t slot) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_StopNetwork(slot); });
}
kova_result kova_Ethercat_SetState(kova_context h, int32_t slot, int32_t state, kova_ethercat_info_callback callback,
                                   void* user) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_SetState(slot, state, SinkOf<EthercatInfoSink>(callback, user)); });
}
kova_result kova_Ethercat_GetState(kova_context h, int32_t slot, int32_t* state) {
    return Call(h, {state}, [&](IConnection& c) { return c.Ethercat_GetState(slot, *state); });
}
kova_result kova_Ethercat_GetState_VR(kova_context h, int32_t slot, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_GetState_VR(slot, vr); });
}
kova_result kova_Ethercat_EnumSubDevices(kova_context h, int32_t slot, kova_ethercat_info_callback callback,
                                         void* user) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_EnumSubDevices(slot, SinkOf<EthercatInfoSink>(callback, user)); });
}

// Sub-device queries.
kova_result kova_Ethercat_CheckSubDeviceOnline(kova_context h, int32_t slot, int32_t position, bool* online) {
    return Call(h, {online}, [&](IConnection& c) { return c.Ethercat_CheckSubDeviceOnline(slot, position, *online); });
}
kova_result kova_Ethercat_CheckSubDeviceOnline_VR(kova_context h, int32_t slot, int32_t position, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_CheckSubDeviceOnline_VR(slot, position, vr); });
}
kova_result kova_Ethercat_CheckNumberOfSubDevices(kova_context h, int32_t slot, uint32_t* count) {
    return Call(h, {count}, [&](IConnection& c) { return c.Ethercat_CheckNumberOfSubDevices(slot, *count); });
}
kova_result kova_Ethercat_CheckNumberOfSubDevices_VR(kova_context h, int32_t slot, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_CheckNumberOfSubDevices_VR(slot, vr); });
}
kova_result kova_Ethercat_GetSubDeviceAddress(kova_context h, int32_t slot, int32_t position, int32_t* address) {
    return Call(h, {address},
                [&](IConnection& c) { return c.Ethercat_GetSubDeviceAddress(slot, position, *address); });
}
kova_result kova_Ethercat_GetSubDeviceAddress_VR(kova_context h, int32_t slot, int32_t position, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_GetSubDeviceAddress_VR(slot, position, vr); });
}
kova_result kova_Ethercat_GetSubDeviceAxis(kova_context h, int32_t slot, int32_t position, int32_t* axis) {
    return Call(h, {axis}, [&](IConnection& c) { return c.Ethercat_GetSubDeviceAxis(slot, position, *axis); });
}
kova_result kova_Ethercat_GetSubDeviceAxis_VR(kova_context h, int32_t slot, int32_t position, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_GetSubDeviceAxis_VR(slot, position, vr); });
}

// ESC registers and ESI data. A read fills the caller's buffer, so the buffer is required here; a write
// judges its data together with its length.
kova_result kova_Ethercat_SetSubDevice_ESC_Register(kova_context h, int32_t slot, int32_t position, uint32_t address,
                                                    uint32_t length, const uint8_t* data) {
    return Call(h, [&](IConnection& c) {
        return c.Ethercat_SetSubDevice_ESC_Register(slot, position, address, length, data);
    });
}
kova_result kova_Ethercat_GetSubDevice_ESC_Register(kova_context h, int32_t slot, int32_t position, uint32_t address,
                                                    uint32_t length, uint8_t* data) {
    return Call(h, {data}, [&](IConnection& c) {
        return c.Ethercat_GetSubDevice_ESC_Register(slot, position, address, length, data);
    });
}
kova_result kova_Ethercat_GetSubDevice_ESC_Register_VR(kova_context h, int32_t slot, int32_t position,
                                                       uint32_t address, uint32_t length, int32_t vr) {
    return Call(h, [&](IConnection& c) {
        return c.Ethercat_GetSubDevice_ESC_Register_VR(slot, position, address, length, vr);
    });
}
kova_result kova_Ethercat_SetSubDevice_ESI_Data(kova_context h, int32_t slot, int32_t position, uint32_t address,
                                                uint32_t length, const uint8_t* data) {
    return Call(h, [&](IConnection& c) {
        return c.Ethercat_SetSubDevice_ESI_Data(slot, position, address, length, data);
    });
}
kova_result kova_Ethercat_GetSubDevice_ESI_Data(kova_context h, int32_t slot, int32_t position, uint32_t address,
                                                uint32_t length, uint8_t* data) {
    return Call(h, {data}, [&](IConnection& c) {
        return c.Ethercat_GetSubDevice_ESI_Data(slot, position, address, length, data);
    });
}
kova_result kova_Ethercat_GetSubDevice_ESI_Data_VR(kova_context h, int32_t slot, int32_t position, uint32_t address,
                                                   uint32_t length, int32_t vr) {
    return Call(h, [&](IConnection& c) {
        return c.Ethercat_GetSubDevice_ESI_Data_VR(slot, position, address, length, vr);
    });
}

// Reset sequences, trigger pattern, clocks and emergency messages.
kova_result kova_Ethercat_SendResetSequence2(kova_context h, int32_t slot) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_SendResetSequence2(slot); });
}
kova_result kova_Ethercat_SendResetSequence3(kova_context h, int32_t slot, int32_t a) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_SendResetSequence3(slot, a); });
}
kova_result kova_Ethercat_SendResetSequence4(kova_context h, int32_t slot, int32_t a, int32_t b) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_SendResetSequence4(slot, a, b); });
}
kova_result kova_Ethercat_SetStatusMaskAndTriggerPattern(kova_context h, int32_t slot, int32_t position,
                                                         uint32_t mask, uint32_t pattern) {
    return Call(h, [&](IConnection& c) {
        return c.Ethercat_SetStatusMaskAndTriggerPattern(slot, position, mask, pattern);
    });
}
kova_result kova_Ethercat_SetStatusMaskAndTriggerPattern_VR(kova_context h, int32_t slot, int32_t position,
                                                            int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_SetStatusMaskAndTriggerPattern_VR(slot, position, vr); });
}
kova_result kova_Ethercat_GetStatusMaskAndTriggerPattern(kova_context h, int32_t slot, int32_t position,
                                                         uint32_t* mask, uint32_t* pattern) {
    return Call(h, {mask, pattern}, [&](IConnection& c) {
        return c.Ethercat_GetStatusMaskAndTriggerPattern(slot, position, *mask, *pattern);
    });
}
kova_result kova_Ethercat_GetStatusMaskAndTriggerPattern_VR(kova_context h, int32_t slot, int32_t position,
                                                            int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_GetStatusMaskAndTriggerPattern_VR(slot, position, vr); });
}
kova_result kova_Ethercat_SetSync0StartTime(kova_context h, int32_t value) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_SetSync0StartTime(value); });
}
kova_result kova_Ethercat_SetSync0StartTime_VR(kova_context h, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_SetSync0StartTime_VR(vr); });
}
kova_result kova_Ethercat_SetDistrClockReference(kova_context h, int32_t slot, int32_t a, int32_t b) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_SetDistrClockReference(slot, a, b); });
}
kova_result kova_Ethercat_SetDistrClockReference_VR(kova_context h, int32_t slot, int32_t a, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_SetDistrClockReference_VR(slot, a, vr); });
}
kova_result kova_Ethercat_SetEmergencyMsgControl(kova_context h, int32_t slot, uint32_t value) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_SetEmergencyMsgControl(slot, value); });
}
kova_result kova_Ethercat_GetEmergencyMsgControl(kova_context h, int32_t slot, uint32_t* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.Ethercat_GetEmergencyMsgControl(slot, *value); });
}
kova_result kova_Ethercat_GetEmergencyMsgControl_VR(kova_context h, int32_t slot, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_GetEmergencyMsgControl_VR(slot, vr); });
}

// CoE objects of a sub-device.
kova_result kova_Ethercat_CoRead_DoubleValue(kova_context h, int32_t slot, int32_t position, uint16_t index,
                                             uint8_t subindex, uint32_t type, double* value) {
    return Call(h, {value}, [&](IConnection& c) {
        return c.Ethercat_CoRead_DoubleValue(slot, position, index, subindex, type, *value);
    });
}
kova_result kova_Ethercat_CoRead_IntValue(kova_context h, int32_t slot, int32_t position, uint16_t index,
                                          uint8_t subindex, uint32_t type, int64_t* value) {
    return Call(h, {value}, [&](IConnection& c) {
        return c.Ethercat_CoRead_IntValue(slot, position, index, subindex, type, *value);
    });
}
kova_result kova_Ethercat_CoRead_VR(kova_context h, int32_t slot, int32_t position, uint16_t index, uint8_t subindex,
                                    uint32_t type, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_CoRead_VR(slot, position, index, subindex, type, vr); });
}
kova_result kova_Ethercat_CoWrite_DoubleValue(kova_context h, int32_t slot, int32_t position, uint16_t index,
                                              uint8_t subindex, uint32_t type, double value) {
    return Call(h, [&](IConnection& c) {
        return c.Ethercat_CoWrite_DoubleValue(slot, position, index, subindex, type, value);
    });
}
kova_result kova_Ethercat_CoWrite_IntValue(kova_context h, int32_t slot, int32_t position, uint16_t index,
                                           uint8_t subindex, uint32_t type, int64_t value) {
    return Call(h, [&](IConnection& c) {
        return c.Ethercat_CoWrite_IntValue(slot, position, index, subindex, type, value);
    });
}
kova_result kova_Ethercat_CoWrite_VR(kova_context h, int32_t slot, int32_t position, uint16_t index,
                                     uint8_t subindex, uint32_t type, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_CoWrite_VR(slot, position, index, subindex, type, vr); });
}

// CoE objects of the drive behind an axis.
kova_result kova_Ethercat_CoReadAxis_DoubleValue(kova_context h, int32_t axis, uint16_t index, uint8_t subindex,
                                                 uint32_t type, double* value) {
    return Call(h, {value}, [&](IConnection& c) {
        return c.Ethercat_CoReadAxis_DoubleValue(axis, index, subindex, type, *value);
    });
}
kova_result kova_Ethercat_CoReadAxis_IntValue(kova_context h, int32_t axis, uint16_t index, uint8_t subindex,
                                              uint32_t type, int64_t* value) {
    return Call(h, {value}, [&](IConnection& c) {
        return c.Ethercat_CoReadAxis_IntValue(axis, index, subindex, type, *value);
    });
}
kova_result kova_Ethercat_CoReadAxis_VR(kova_context h, int32_t axis, uint16_t index, uint8_t subindex,
                                        uint32_t type, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_CoReadAxis_VR(axis, index, subindex, type, vr); });
}
kova_result kova_Ethercat_CoWriteAxis_DoubleValue(kova_context h, int32_t axis, uint16_t index, uint8_t subindex,
                                                  uint32_t type, double value) {
    return Call(h, [&](IConnection& c) {
        return c.Ethercat_CoWriteAxis_DoubleValue(axis, index, subindex, type, value);
    });
}
kova_result kova_Ethercat_CoWriteAxis_IntValue(kova_context h, int32_t axis, uint16_t index, uint8_t subindex,
                                               uint32_t type, int64_t value) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_CoWriteAxis_IntValue(axis, index, subindex, type, value); });
}
kova_result kova_Ethercat_CoWriteAxis_VR(kova_context h, int32_t axis, uint16_t index, uint8_t subindex,
                                         uint32_t type, int32_t vr) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_CoWriteAxis_VR(axis, index, subindex, type, vr); });
}

// Known vendors and products.
kova_result kova_Ethercat_EnumKnownVendors(kova_context h, kova_ethercat_id_callback callback, void* user) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_EnumKnownVendors(SinkOf<EthercatIdSink>(callback, user)); });
}
kova_result kova_Ethercat_EnumKnownProducts(kova_context h, uint32_t vendor, kova_ethercat_id_callback callback,
                                            void* user) {
    return Call(h, [&](IConnection& c) { return c.Ethercat_EnumKnownProducts(vendor, SinkOf<EthercatIdSink>(callback, user)); });
}
