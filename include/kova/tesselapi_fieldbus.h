/* Fieldbus networks: EtherCAT sub-devices and their CoE objects, SX-Bus I/O slices. */
#ifndef KOVA_TESSELAPI_FIELDBUS_H
#define KOVA_TESSELAPI_FIELDBUS_H

#include "kova/tesselapi_types.h"

/* CoE data types of kova_Ethercat_CoRead and kova_Ethercat_CoWrite (the standard CoE type indices). */
enum kova_coe_data_type {
    KOVA_COE_BOOLEAN = 1,
    KOVA_COE_INTEGER8 = 2,
    KOVA_COE_INTEGER16 = 3,
    KOVA_COE_INTEGER32 = 4,
    KOVA_COE_UNSIGNED8 = 5,
    KOVA_COE_UNSIGNED16 = 6,
    KOVA_COE_UNSIGNED32 = 7,
    KOVA_COE_REAL32 = 8,
    KOVA_COE_REAL64 = 17,
    KOVA_COE_INTEGER64 = 21,
    KOVA_COE_UNSIGNED64 = 27
};

/* EtherCAT. Each network belongs to a controller slot; sub-devices are addressed by their position on
   it. The _VR forms have the controller store the answer in the VR given instead of returning it.
   The network-changing operations report the sub-devices they find through the callback (may be null). */
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_StartNetwork2(kova_context context, int32_t slot);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_StartNetwork5(kova_context context, int32_t slot, int32_t a,
                                                               kova_ethercat_info_callback callback, void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_StartNetwork6(kova_context context, int32_t slot, int32_t a,
                                                               int32_t b, kova_ethercat_info_callback callback,
                                                               void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_StopNetwork(kova_context context, int32_t slot);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SetState(kova_context context, int32_t slot, int32_t state,
                                                          kova_ethercat_info_callback callback, void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetState(kova_context context, int32_t slot, int32_t* state);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetState_VR(kova_context context, int32_t slot, int32_t vr);
/* Calls the callback once per sub-device of the network; the callback is required. */
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_EnumSubDevices(kova_context context, int32_t slot,
                                                                kova_ethercat_info_callback callback, void* user);

KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CheckSubDeviceOnline(kova_context context, int32_t slot,
                                                                      int32_t position, bool* online);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CheckSubDeviceOnline_VR(kova_context context, int32_t slot,
                                                                         int32_t position, int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CheckNumberOfSubDevices(kova_context context, int32_t slot,
                                                                         uint32_t* count);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CheckNumberOfSubDevices_VR(kova_context context, int32_t slot,
                                                                            int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetSubDeviceAddress(kova_context context, int32_t slot,
                                                                     int32_t position, int32_t* address);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetSubDeviceAddress_VR(kova_context context, int32_t slot,
                                                                        int32_t position, int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetSubDeviceAxis(kova_context context, int32_t slot,
                                                                  int32_t position, int32_t* axis);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetSubDeviceAxis_VR(kova_context context, int32_t slot,
                                                                     int32_t position, int32_t vr);

/* ESC registers and ESI data: length in bytes; a write takes at most 60 bytes. */
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SetSubDevice_ESC_Register(kova_context context, int32_t slot,
                                                                           int32_t position, uint32_t address,
                                                                           uint32_t length, const uint8_t* data);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetSubDevice_ESC_Register(kova_context context, int32_t slot,
                                                                           int32_t position, uint32_t address,
                                                                           uint32_t length, uint8_t* data);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetSubDevice_ESC_Register_VR(kova_context context, int32_t slot,
                                                                              int32_t position, uint32_t address,
                                                                              uint32_t length, int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SetSubDevice_ESI_Data(kova_context context, int32_t slot,
                                                                       int32_t position, uint32_t address,
                                                                       uint32_t length, const uint8_t* data);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetSubDevice_ESI_Data(kova_context context, int32_t slot,
                                                                       int32_t position, uint32_t address,
                                                                       uint32_t length, uint8_t* data);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetSubDevice_ESI_Data_VR(kova_context context, int32_t slot,
                                                                          int32_t position, uint32_t address,
                                                                          uint32_t length, int32_t vr);

/* The extra arguments go to the controller unchanged. */
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SendResetSequence2(kova_context context, int32_t slot);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SendResetSequence3(kova_context context, int32_t slot, int32_t a);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SendResetSequence4(kova_context context, int32_t slot, int32_t a,
                                                                    int32_t b);

KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SetStatusMaskAndTriggerPattern(kova_context context, int32_t slot,
                                                                                int32_t position, uint32_t mask,
                                                                                uint32_t pattern);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SetStatusMaskAndTriggerPattern_VR(kova_context context,
                                                                                   int32_t slot, int32_t position,
                                                                                   int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetStatusMaskAndTriggerPattern(kova_context context, int32_t slot,
                                                                                int32_t position, uint32_t* mask,
                                                                                uint32_t* pattern);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetStatusMaskAndTriggerPattern_VR(kova_context context,
                                                                                   int32_t slot, int32_t position,
                                                                                   int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SetSync0StartTime(kova_context context, int32_t value);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SetSync0StartTime_VR(kova_context context, int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SetDistrClockReference(kova_context context, int32_t slot,
                                                                        int32_t a, int32_t b);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SetDistrClockReference_VR(kova_context context, int32_t slot,
                                                                           int32_t a, int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_SetEmergencyMsgControl(kova_context context, int32_t slot,
                                                                        uint32_t value);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetEmergencyMsgControl(kova_context context, int32_t slot,
                                                                        uint32_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_GetEmergencyMsgControl_VR(kova_context context, int32_t slot,
                                                                           int32_t vr);

/* CoE objects of a sub-device (slot and position) or of the drive behind an axis; type is a
   kova_coe_data_type. */
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoRead_DoubleValue(kova_context context, int32_t slot,
                                                                    int32_t position, uint16_t index,
                                                                    uint8_t subindex, uint32_t type, double* value);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoRead_IntValue(kova_context context, int32_t slot,
                                                                 int32_t position, uint16_t index, uint8_t subindex,
                                                                 uint32_t type, int64_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoRead_VR(kova_context context, int32_t slot, int32_t position,
                                                           uint16_t index, uint8_t subindex, uint32_t type,
                                                           int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoWrite_DoubleValue(kova_context context, int32_t slot,
                                                                     int32_t position, uint16_t index,
                                                                     uint8_t subindex, uint32_t type, double value);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoWrite_IntValue(kova_context context, int32_t slot,
                                                                  int32_t position, uint16_t index,
                                                                  uint8_t subindex, uint32_t type, int64_t value);
/* Writes the value that the VR holds. */
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoWrite_VR(kova_context context, int32_t slot, int32_t position,
                                                            uint16_t index, uint8_t subindex, uint32_t type,
                                                            int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoReadAxis_DoubleValue(kova_context context, int32_t axis,
                                                                        uint16_t index, uint8_t subindex,
                                                                        uint32_t type, double* value);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoReadAxis_IntValue(kova_context context, int32_t axis,
                                                                     uint16_t index, uint8_t subindex, uint32_t type,
                                                                     int64_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoReadAxis_VR(kova_context context, int32_t axis, uint16_t index,
                                                               uint8_t subindex, uint32_t type, int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoWriteAxis_DoubleValue(kova_context context, int32_t axis,
                                                                         uint16_t index, uint8_t subindex,
                                                                         uint32_t type, double value);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoWriteAxis_IntValue(kova_context context, int32_t axis,
                                                                      uint16_t index, uint8_t subindex,
                                                                      uint32_t type, int64_t value);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_CoWriteAxis_VR(kova_context context, int32_t axis, uint16_t index,
                                                                uint8_t subindex, uint32_t type, int32_t vr);

/* The vendors, or the products of one vendor, that the controller knows; the callback is required. */
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_EnumKnownVendors(kova_context context,
                                                                  kova_ethercat_id_callback callback, void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_Ethercat_EnumKnownProducts(kova_context context, uint32_t vendor,
                                                                   kova_ethercat_id_callback callback, void* user);

/* SX-Bus slices of a controller slot. This module drives no SX-Bus: these answer NotSupported once
   their arguments are checked. */
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_StartNetwork(kova_context context, int32_t slot,
                                                           kova_sxbus_slice_callback callback, void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_StopNetwork(kova_context context, int32_t slot);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_EnumNetwork(kova_context context, int32_t slot,
                                                          kova_sxbus_slice_callback callback, void* user);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_GetNetworkState(kova_context context, int32_t slot, uint32_t* state);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_GetErrorFlags(kova_context context, int32_t slot, uint32_t* flags);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_GetNumberOfSlices(kova_context context, int32_t slot,
                                                                uint32_t* count);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_GetWarningSliceMap(kova_context context, int32_t slot,
                                                                 uint32_t* map);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_GetSliceOnline(kova_context context, int32_t slot, uint32_t slice,
                                                             bool* online);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_GetSliceType(kova_context context, int32_t slot, uint32_t slice,
                                                           uint32_t* type);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_GetSliceStatus(kova_context context, int32_t slot, uint32_t slice,
                                                             uint32_t* status);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_GetSliceExtendedStatus(kova_context context, int32_t slot,
                                                                     uint32_t slice, uint32_t* status);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_ReadSliceRegister(kova_context context, int32_t slot, uint32_t slice,
                                                                uint32_t reg, uint32_t* value);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_ReadSliceRegister_VR(kova_context context, int32_t slot,
                                                                   uint32_t slice, uint32_t reg, int32_t vr);
KOVA_EXTERN_C KOVA_API kova_result kova_SxBus_WriteSliceRegister(kova_context context, int32_t slot,
                                                                 uint32_t slice, uint32_t reg, uint32_t value);

#endif
