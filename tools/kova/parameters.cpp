#include "parameters.h"

#include <charconv>
#include <cstdint>
#include <type_traits>

#include "failures.h"

namespace KovaTool {

namespace {

template <typename T>
struct Operations {
    using Value = T;
    kova_result (*getSystem)(kova_context, const char*, T*);
    kova_result (*setSystem)(kova_context, const char*, T);
    kova_result (*get[4])(kova_context, const char*, std::int32_t, T*);  // Axis, Process, Slot, Port
    kova_result (*set[4])(kova_context, const char*, std::int32_t, T);
};

#define KOVA_TOOL_OPERATIONS(Type)                                                                          \
    Operations<KOVA_PARAMETER_TYPE_##Type> {                                                                \
        kova_GetSystemParameter##Type##Value, kova_SetSystemParameter##Type##Value,                         \
            {kova_GetAxisParameter##Type##Value, kova_GetProcessParameter##Type##Value,                     \
             kova_GetSlotParameter##Type##Value, kova_GetPortParameter##Type##Value},                       \
            {kova_SetAxisParameter##Type##Value, kova_SetProcessParameter##Type##Value,                     \
             kova_SetSlotParameter##Type##Value, kova_SetPortParameter##Type##Value},                       \
    }

// Calls visit with the operations of the type.
template <typename Visit>
auto WithOperations(ValueType type, Visit visit) {
    switch (type) {
        case ValueType::Int64: return visit(KOVA_TOOL_OPERATIONS(Int64));
        case ValueType::UInt64: return visit(KOVA_TOOL_OPERATIONS(UInt64));
        case ValueType::Int32: return visit(KOVA_TOOL_OPERATIONS(Int32));
        case ValueType::UInt32: return visit(KOVA_TOOL_OPERATIONS(UInt32));
        case ValueType::Bool: return visit(KOVA_TOOL_OPERATIONS(Bool));
        case ValueType::Double: break;
    }
    return visit(KOVA_TOOL_OPERATIONS(Double));
}

#undef KOVA_TOOL_OPERATIONS

template <typename T>
Json ToJson(T value) {
    if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, double>)
        return Json(value);
    else if constexpr (std::is_same_v<T, std::uint64_t>)
        return value > static_cast<std::uint64_t>(INT64_MAX) ? Json(static_cast<double>(value))
                                                             : Json(static_cast<std::int64_t>(value));
    else
        return Json(static_cast<std::int64_t>(value));
}

template <typename T>
T Parse(std::string_view text) {
    if constexpr (std::is_same_v<T, bool>) {
        if (text == "1" || text == "true" || text == "on" || text == "ON" || text == "TRUE") return true;
        if (text == "0" || text == "false" || text == "off" || text == "OFF" || text == "FALSE") return false;
        throw UsageError("not a truth value: " + std::string(text));
    } else if constexpr (std::is_same_v<T, double>) {
        return ParseNumber(text);
    } else {
        T value{};
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size())
            throw UsageError("not a whole number of the parameter's type: " + std::string(text));
        return value;
    }
}

}  // namespace

ValueType ValueTypeFromName(std::string_view name) {
    static constexpr std::pair<std::string_view, ValueType> kNames[] = {
        {"double", ValueType::Double}, {"int64", ValueType::Int64},   {"uint64", ValueType::UInt64},
        {"int32", ValueType::Int32},   {"uint32", ValueType::UInt32}, {"bool", ValueType::Bool}};
    for (const auto& [text, type] : kNames)
        if (text == name) return type;
    throw UsageError("unknown value type: " + std::string(name));
}

double ParseNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        throw UsageError("not a number: " + std::string(text));
    return value;
}

Json GetParameter(kova_context context, const ParameterAddress& address, const std::string& name) {
    return WithOperations(address.type, [&](const auto& operations) {
        typename std::decay_t<decltype(operations)>::Value value{};
        const kova_result result =
            address.family == Family::System
                ? operations.getSystem(context, name.c_str(), &value)
                : operations.get[static_cast<int>(address.family) - 1](context, name.c_str(), address.index, &value);
        Check(result, "read " + name);
        return ToJson(value);
    });
}

void SetParameter(kova_context context, const ParameterAddress& address, const std::string& name,
                  std::string_view text) {
    WithOperations(address.type, [&](const auto& operations) {
        const auto value = Parse<typename std::decay_t<decltype(operations)>::Value>(text);
        const kova_result result =
            address.family == Family::System
                ? operations.setSystem(context, name.c_str(), value)
                : operations.set[static_cast<int>(address.family) - 1](context, name.c_str(), address.index, value);
        Check(result, "write " + name);
    });
}

}  // namespace KovaTool
