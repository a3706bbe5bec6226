// TABLE and VR values, VR bits and strings, digital and analogue I/O, the scope and its trigger.
#include "api/call.h"
#include "kova/tesselapi.h"

using namespace Kova::TesselApi::Api;

kova_result kova_SetTableValue(kova_context h, uint32_t index, double value) {
    return Call(h, [&](IConnection& c) { return c.SetTableValue(index, value); });
}
kova_result kova_GetTableValue(kova_context h, uint32_t index, double* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.GetTableValue(index, *value); });
}
kova_result kova_SetMultiTableValues(kova_context h, uint32_t first, uint32_t count, const double* values) {
    return Call(h, [&](IConnection& c) { return c.SetMultiTableValues(first, count, values); });
}
kova_result kova_GetMultiTableValues(kova_context h, uint32_t first, uint32_t count, double* values) {
    return Call(h, [&](IConnection& c) { return c.GetMultiTableValues(first, count, values); });
}
kova_result kova_SetVrValue(kova_context h, uint32_t index, double value) {
    return Call(h, [&](IConnection& c) { return c.SetVrValue(index, value); });
}
kova_result kova_GetVrValue(kova_context h, uint32_t index, double* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.GetVrValue(index, *value); });
}
kova_result kova_SetMultiVrValues(kova_context h, uint32_t first, uint32_t count, const double* values) {
    return Call(h, [&](IConnection& c) { return c.SetMultiVrValues(first, count, values); });
}
kova_result kova_GetMultiVrValues(kova_context h, uint32_t first, uint32_t count, double* values) {
    return Call(h, [&](IConnection& c) { return c.GetMultiVrValues(first, count, values); });
}

kova_result kova_SetVrBit(kova_context h, uint16_t bit, uint32_t vr) {
    return Call(h, [&](IConnection& c) { return c.SetVrBit(bit, vr); });
}
kova_result kova_ClearVrBit(kova_context h, uint16_t bit, uint32_t vr) {
    return Call(h, [&](IConnection& c) { return c.ClearVrBit(bit, vr); });
}
kova_result kova_GetVrBit(kova_context h, uint16_t bit, uint32_t vr, bool* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.GetVrBit(bit, vr, *value); });
}

kova_result kova_SetVrString(kova_context h, uint32_t start, const char* text) {
    return Call(h, [&](IConnection& c) { return c.SetVrString(start, In(text)); });
}
kova_result kova_GetVrStringLen(kova_context h, uint32_t start, uint32_t* length) {
    return Call(h, {length}, [&](IConnection& c) { return c.GetVrStringLen(start, *length); });
}
kova_result kova_GetVrString4a(kova_context h, uint32_t start, char* buffer, uint32_t* size) {
    return Call(h, {size}, [&](IConnection& c) { return c.GetVrString4a(start, buffer, *size); });
}
kova_result kova_GetVrString4b(kova_context h, uint32_t start, kova_string_callback callback, void* user) {
    return Call(h, [&](IConnection& c) { return c.GetVrString4b(start, Sink(callback, user)); });
}
kova_result kova_GetVrString4c(kova_context h, uint32_t start, kova_string_callback callback, void* user) {
    return Call(h, [&](IConnection& c) { return c.GetVrString4c(start, Sink(callback, user)); });
}

kova_result kova_GetDIn3(kova_context h, uint32_t input, bool* state) {
    return Call(h, {state}, [&](IConnection& c) { return c.GetDIn3(input, *state); });
}
kova_result kova_GetDIn4(kova_context h, uint32_t first, uint32_t last, uint32_t* states) {
    return Call(h, {states}, [&](IConnection& c) { return c.GetDIn4(first, last, *states); });
}
kova_result kova_GetDIn32(kova_context h, uint32_t* states) {
    return Call(h, {states}, [&](IConnection& c) { return c.GetDIn32(*states); });
}
kova_result kova_GetDOut3(kova_context h, uint32_t output, bool* state) {
    return Call(h, {state}, [&](IConnection& c) { return c.GetDOut3(output, *state); });
}
kova_result kova_GetDOut4(kova_context h, uint32_t first, uint32_t last, uint32_t* states) {
    return Call(h, {states}, [&](IConnection& c) { return c.GetDOut4(first, last, *states); });
}
kova_result kova_GetDOut32(kova_context h, uint32_t* states) {
    return Call(h, {states}, [&](IConnection& c) { return c.GetDOut32(*states); });
}
kova_result kova_SetDOut3(kova_context h, uint32_t output, uint8_t state) {
    return Call(h, [&](IConnection& c) { return c.SetDOut3(output, state); });
}
kova_result kova_SetDOut4(kova_context h, uint32_t first, uint32_t last, uint32_t states) {
    return Call(h, [&](IConnection& c) { return c.SetDOut4(first, last, states); });
}
kova_result kova_SetDOut32(kova_context h, uint32_t states) {
    return Call(h, [&](IConnection& c) { return c.SetDOut32(states); });
}
kova_result kova_SetInvertIN(kova_context h, uint32_t input, bool invert) {
    return Call(h, [&](IConnection& c) { return c.SetInvertIN(input, invert); });
}
kova_result kova_GetInvertIN(kova_context h, uint32_t input, bool* invert) {
    return Call(h, {invert}, [&](IConnection& c) { return c.GetInvertIN(input, *invert); });
}

kova_result kova_GetAIn(kova_context h, uint32_t channel, int32_t* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.GetAIn(channel, *value); });
}
kova_result kova_GetAOut(kova_context h, uint32_t channel, int32_t* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.GetAOut(channel, *value); });
}
kova_result kova_SetAOut(kova_context h, uint32_t channel, int32_t value) {
    return Call(h, [&](IConnection& c) { return c.SetAOut(channel, value); });
}

// The scope operations judge their arrays and texts themselves.
kova_result kova_ScopeOn1(kova_context h) {
    return Call(h, [](IConnection& c) { return c.ScopeOn1(); });
}
kova_result kova_ScopeOn2(kova_context h, int32_t period) {
    return Call(h, [&](IConnection& c) { return c.ScopeOn2(period); });
}
kova_result kova_ScopeOn6(kova_context h, int32_t period, int32_t first, int32_t last, const int32_t* values,
                          uint32_t count) {
    return Call(h, [&](IConnection& c) { return c.ScopeOn6(period, first, last, values, count); });
}
kova_result kova_ScopeOn7(kova_context h, int32_t mode, const char* parameters, int32_t first, int32_t last,
                          const int32_t* values, uint32_t count) {
    return Call(h, [&](IConnection& c) { return c.ScopeOn7(mode, In(parameters), first, last, values, count); });
}
kova_result kova_ScopeOff(kova_context h) {
    return Call(h, [](IConnection& c) { return c.ScopeOff(); });
}
kova_result kova_Trigger(kova_context h, uint8_t value) {
    return Call(h, [&](IConnection& c) { return c.Trigger(value); });
}
