// The controller's built-in functions: names, descriptions, parameter counts and types.
#include <vector>

#include "api/call.h"
#include "kova/tesselapi.h"

using namespace Kova::TesselApi::Api;
using Kova::TesselApi::Shared::FunctionInfoSink;

namespace {

// The caller's info callback as a sink. The C form takes the parameter names as two parallel arrays
// of pointers and lengths; a null callback gives an empty sink.
FunctionInfoSink InfoSink(kova_function_info_callback callback, void* user) {
    if (callback == nullptr) return {};
    return [callback, user](std::string_view name, std::uint32_t index, std::string_view word,
                            std::uint32_t returnType, std::uint32_t paramCount, const std::uint32_t* paramTypes,
                            const std::string_view* paramNames) {
        std::vector<const char*> names(paramCount);
        std::vector<std::uint32_t> lengths(paramCount);
        for (std::uint32_t i = 0; i < paramCount; ++i) {
            names[i] = paramNames[i].data();
            lengths[i] = static_cast<std::uint32_t>(paramNames[i].size());
        }
        callback(user, name.data(), static_cast<std::uint32_t>(name.size()), index, word.data(),
                 static_cast<std::uint32_t>(word.size()), returnType, paramCount, paramTypes, names.data(),
                 lengths.data());
    };
}

}  // namespace

kova_result kova_GetBasicFunctionNames3(kova_context h, kova_string_callback callback, void* user) {
    return Call(h, [&](IConnection& c) { return c.GetBasicFunctionNames3(Sink(callback, user)); });
}
kova_result kova_GetBasicFunctionNames4(kova_context h, kova_string_callback callback, void* user,
                                        const char* filter) {
    return Call(h, [&](IConnection& c) { return c.GetBasicFunctionNames4(Sink(callback, user), In(filter)); });
}
kova_result kova_GetBasicFunctionNames6(kova_context h, kova_string_callback callback, void* user, const char* filter,
                                        uint32_t first, uint32_t second) {
    return Call(h, [&](IConnection& c) {
        return c.GetBasicFunctionNames6(Sink(callback, user), In(filter), first, second);
    });
}
kova_result kova_GetBasicFunctionInfos3(kova_context h, kova_function_info_callback callback, void* user) {
    return Call(h, [&](IConnection& c) { return c.GetBasicFunctionInfos3(InfoSink(callback, user)); });
}
kova_result kova_GetBasicFunctionInfos4(kova_context h, kova_function_info_callback callback, void* user,
                                        const char* filter) {
    return Call(h, [&](IConnection& c) { return c.GetBasicFunctionInfos4(InfoSink(callback, user), In(filter)); });
}
kova_result kova_GetBasicFunctionInfos6(kova_context h, kova_function_info_callback callback, void* user,
                                        const char* filter, uint32_t first, uint32_t second) {
    return Call(h, [&](IConnection& c) {
        return c.GetBasicFunctionInfos6(InfoSink(callback, user), In(filter), first, second);
    });
}
kova_result kova_GetBasicFunctionParamCount(kova_context h, const char* name, uint32_t* count) {
    return Call(h, {count}, [&](IConnection& c) { return c.GetBasicFunctionParamCount(In(name), *count); });
}
kova_result kova_GetBasicFunctionParamType(kova_context h, const char* name, uint32_t index, uint32_t* type) {
    return Call(h, {type}, [&](IConnection& c) { return c.GetBasicFunctionParamType(In(name), index, *type); });
}
