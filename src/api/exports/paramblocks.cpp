// Parameter blocks: define, append, delete and fetch. The export refuses only what the caller must
// always give (the out id, a mask or axis range where one is required, the outputs of program-variable
// reads); the operation judges the value array, since a closed connection is reported first.
#include "api/call.h"
#include "kova/tesselapi.h"

using namespace Kova::TesselApi::Api;

// Define and append.
kova_result kova_ParamBlockDefineVr(kova_context h, const uint32_t* indices, uint32_t count, uint32_t* id) {
    return Call(h, {id}, [&](IConnection& c) { return c.ParamBlockDefineVr(indices, count, *id); });
}
kova_result kova_ParamBlockAppendVr(kova_context h, const uint32_t* indices, uint32_t count, uint32_t id) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockAppendVr(indices, count, id); });
}
kova_result kova_ParamBlockDefineTable(kova_context h, const uint32_t* indices, uint32_t count, uint32_t* id) {
    return Call(h, {id}, [&](IConnection& c) { return c.ParamBlockDefineTable(indices, count, *id); });
}
kova_result kova_ParamBlockAppendTable(kova_context h, const uint32_t* indices, uint32_t count, uint32_t id) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockAppendTable(indices, count, id); });
}
kova_result kova_ParamBlockDefineAxis(kova_context h, const char* const* names, uint32_t count, uint32_t* id) {
    return Call(h, {id}, [&](IConnection& c) { return c.ParamBlockDefineAxis(names, count, *id); });
}
kova_result kova_ParamBlockAppendAxis(kova_context h, const char* const* names, uint32_t count, uint32_t id) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockAppendAxis(names, count, id); });
}
kova_result kova_ParamBlockDefineSystem(kova_context h, const char* const* names, uint32_t count, uint32_t* id) {
    return Call(h, {id}, [&](IConnection& c) { return c.ParamBlockDefineSystem(names, count, *id); });
}
kova_result kova_ParamBlockAppendSystem(kova_context h, const char* const* names, uint32_t count, uint32_t id) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockAppendSystem(names, count, id); });
}
kova_result kova_ParamBlockDefineIO(kova_context h, const kova_io_range* ranges, uint32_t count, uint32_t* id) {
    return Call(h, {id}, [&](IConnection& c) { return c.ParamBlockDefineIO(ranges, count, *id); });
}
kova_result kova_ParamBlockAppendIO(kova_context h, const kova_io_range* ranges, uint32_t count, uint32_t id) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockAppendIO(ranges, count, id); });
}
kova_result kova_ParamBlockDefineProgVar(kova_context h, const char* program, uint32_t process,
                                         const char* const* names, uint32_t count, uint32_t* id) {
    return Call(h, {id}, [&](IConnection& c) {
        return c.ParamBlockDefineProgVar(In(program), process, names, count, *id);
    });
}
kova_result kova_ParamBlockAppendProgVar(kova_context h, const char* program, uint32_t process,
                                         const char* const* names, uint32_t count, uint32_t id) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockAppendProgVar(In(program), process, names, count, id); });
}

// Delete.
kova_result kova_ParamBlockDelete(kova_context h, uint32_t id) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockDelete(id); });
}
kova_result kova_ParamBlockDeleteAll(kova_context h) {
    return Call(h, [](IConnection& c) { return c.ParamBlockDeleteAll(); });
}

// Fetch VR, TABLE, system and I/O blocks.
kova_result kova_ParamBlockFetchAllVr(kova_context h, uint32_t id, double* values, uint32_t size) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockFetchAllVr(id, values, size); });
}
kova_result kova_ParamBlockFetchChangedVr(kova_context h, uint32_t id, double* values, uint32_t size,
                                          uint64_t* changed) {
    return Call(h, {changed}, [&](IConnection& c) { return c.ParamBlockFetchChangedVr(id, values, size, *changed); });
}
kova_result kova_ParamBlockFetchAllTable(kova_context h, uint32_t id, double* values, uint32_t size) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockFetchAllTable(id, values, size); });
}
kova_result kova_ParamBlockFetchChangedTable(kova_context h, uint32_t id, double* values, uint32_t size,
                                             uint64_t* changed) {
    return Call(h, {changed},
                [&](IConnection& c) { return c.ParamBlockFetchChangedTable(id, values, size, *changed); });
}
kova_result kova_ParamBlockFetchAllSystem(kova_context h, uint32_t id, double* values, uint32_t size) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockFetchAllSystem(id, values, size); });
}
kova_result kova_ParamBlockFetchChangedSystem(kova_context h, uint32_t id, double* values, uint32_t size,
                                              uint64_t* changed) {
    return Call(h, {changed},
                [&](IConnection& c) { return c.ParamBlockFetchChangedSystem(id, values, size, *changed); });
}
kova_result kova_ParamBlockFetchAllIO(kova_context h, uint32_t id, uint8_t outputs, uint64_t* values, uint32_t size) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockFetchAllIO(id, outputs, values, size); });
}
kova_result kova_ParamBlockFetchChangedIO(kova_context h, uint32_t id, uint8_t outputs, uint64_t* values,
                                          uint32_t size, uint64_t* changed) {
    return Call(h, {changed},
                [&](IConnection& c) { return c.ParamBlockFetchChangedIO(id, outputs, values, size, *changed); });
}

// Fetch axis blocks.
kova_result kova_ParamBlockFetchAllAxisParam5a(kova_context h, uint32_t id, uint32_t axis, double* values,
                                               uint32_t size) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockFetchAllAxisParam5a(id, axis, values, size); });
}
kova_result kova_ParamBlockFetchAllAxisParam5b(kova_context h, uint32_t id, const kova_axis_range* range,
                                               double* values, uint32_t size) {
    return Call(h, {range}, [&](IConnection& c) { return c.ParamBlockFetchAllAxisParam5b(id, *range, values, size); });
}
kova_result kova_ParamBlockFetchAllAxisParam6a(kova_context h, uint32_t id, const uint32_t* axes, uint32_t axisCount,
                                               double* values, uint32_t size) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockFetchAllAxisParam6a(id, axes, axisCount, values, size); });
}
kova_result kova_ParamBlockFetchAllAxisParam6b(kova_context h, uint32_t id, const kova_axis_range* ranges,
                                               uint32_t rangeCount, double* values, uint32_t size) {
    return Call(h, [&](IConnection& c) {
        return c.ParamBlockFetchAllAxisParam6b(id, ranges, rangeCount, values, size);
    });
}
kova_result kova_ParamBlockFetchChangedAxisParam6a(kova_context h, uint32_t id, uint32_t axis, double* values,
                                                   uint32_t size, uint64_t* changed) {
    return Call(h, {changed},
                [&](IConnection& c) { return c.ParamBlockFetchChangedAxisParam6a(id, axis, values, size, *changed); });
}
kova_result kova_ParamBlockFetchChangedAxisParam6b(kova_context h, uint32_t id, const kova_axis_range* range,
                                                   double* values, uint32_t size, uint64_t* changed) {
    return Call(h, {range},
                [&](IConnection& c) { return c.ParamBlockFetchChangedAxisParam6b(id, *range, values, size, changed); });
}
kova_result kova_ParamBlockFetchChangedAxisParam7a(kova_context h, uint32_t id, const uint32_t* axes,
                                                   uint32_t axisCount, double* values, uint32_t size,
                                                   uint64_t* changed) {
    return Call(h, [&](IConnection& c) {
        return c.ParamBlockFetchChangedAxisParam7a(id, axes, axisCount, values, size, changed);
    });
}
kova_result kova_ParamBlockFetchChangedAxisParam7b(kova_context h, uint32_t id, const kova_axis_range* ranges,
                                                   uint32_t rangeCount, double* values, uint32_t size,
                                                   uint64_t* changed) {
    return Call(h, [&](IConnection& c) {
        return c.ParamBlockFetchChangedAxisParam7b(id, ranges, rangeCount, values, size, changed);
    });
}

// Program-variable blocks.
kova_result kova_ParamBlockFetchAllProgVar(kova_context h, uint32_t id, double* values, uint32_t size) {
    return Call(h, [&](IConnection& c) { return c.ParamBlockFetchAllProgVar(id, values, size); });
}
kova_result kova_ParamBlockFetchChangedProgVar(kova_context h, uint32_t id, double* values, uint32_t size,
                                               uint64_t* changed) {
    return Call(h, {changed},
                [&](IConnection& c) { return c.ParamBlockFetchChangedProgVar(id, values, size, *changed); });
}
kova_result kova_ParamBlockGetProgDoubleValue(kova_context h, uint32_t id, uint32_t entry, double* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.ParamBlockGetProgDoubleValue(id, entry, *value); });
}
kova_result kova_ParamBlockGetProgInt64Value(kova_context h, uint32_t id, uint32_t entry, int64_t* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.ParamBlockGetProgInt64Value(id, entry, *value); });
}
kova_result kova_ParamBlockGetProgUInt64Value(kova_context h, uint32_t id, uint32_t entry, uint64_t* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.ParamBlockGetProgUInt64Value(id, entry, *value); });
}
kova_result kova_ParamBlockGetProgInt32Value(kova_context h, uint32_t id, uint32_t entry, int32_t* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.ParamBlockGetProgInt32Value(id, entry, *value); });
}
kova_result kova_ParamBlockGetProgUInt32Value(kova_context h, uint32_t id, uint32_t entry, uint32_t* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.ParamBlockGetProgUInt32Value(id, entry, *value); });
}
kova_result kova_ParamBlockGetProgBoolValue(kova_context h, uint32_t id, uint32_t entry, bool* value) {
    return Call(h, {value}, [&](IConnection& c) { return c.ParamBlockGetProgBoolValue(id, entry, *value); });
}
kova_result kova_ParamBlockGetProgStrValue5a(kova_context h, uint32_t id, uint32_t entry, char* buffer,
                                             uint32_t* size) {
    return Call(h, {size}, [&](IConnection& c) { return c.ParamBlockGetProgStrValue5a(id, entry, buffer, *size); });
}
// Unlike other text returns, the callback is required here.
kova_result kova_ParamBlockGetProgStrValue5b(kova_context h, uint32_t id, uint32_t entry,
                                             kova_string_callback callback, void* user) {
    return Call(h, {Callback(callback)},
                [&](IConnection& c) { return c.ParamBlockGetProgStrValue5b(id, entry, Sink(callback, user)); });
}
