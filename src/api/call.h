// How an export reaches the connection: test the handle, check the pointers the export itself
// needs, then call one operation, with every exception stopped here.
#pragma once

#include <cstring>
#include <initializer_list>
#include <string_view>
#include <type_traits>

#include "kova/tesselapi_types.h"
#include "shared/callables.h"
#include "shared/connection/interfaces.h"

namespace Kova::TesselApi::Api {

using Shared::IConnection;
using Shared::Result;

inline IConnection* ConnectionOf(kova_context handle) { return reinterpret_cast<IConnection*>(handle); }
inline kova_context HandleOf(IConnection* connection) { return reinterpret_cast<kova_context>(connection); }

// Runs an operation; an exception becomes the fatal library result.
template <class Operation>
Result Guarded(Operation&& operation) noexcept {
    try {
        return operation();
    } catch (...) {
        return Shared::kCaughtException;
    }
}

// View is the interface the operation belongs to; required lists the pointers that must not be null.
template <class View = IConnection, class Operation>
Result Call(kova_context handle, std::initializer_list<const void*> required, Operation&& operation) noexcept {
    if (handle == nullptr) return Shared::Error(Shared::InvalidContext);
    for (const void* pointer : required) {
        if (pointer == nullptr) return Shared::Error(Shared::BadArgument);
    }
    View& view = *ConnectionOf(handle);
    return Guarded([&] { return operation(view); });
}

template <class View = IConnection, class Operation>
Result Call(kova_context handle, Operation&& operation) noexcept {
    return Call<View>(handle, {}, std::forward<Operation>(operation));
}

// A function pointer among the required arguments.
template <class R, class... A>
const void* Callback(R (*callback)(A...)) {
    return reinterpret_cast<const void*>(callback);
}

// One call of the caller's string callback with a whole text.
inline void Deliver(kova_string_callback callback, void* user, std::string_view text) {
    callback(user, text.data(), static_cast<std::uint32_t>(text.size()));
}

// For operations that fill a view: on success the export hands it to the caller's callback once.
template <class Operation>
Result CallWithView(kova_context handle, kova_string_callback callback, void* user, Operation&& operation) noexcept {
    return Call(handle, {Callback(callback)}, [&](IConnection& connection) {
        std::string_view text;
        const Result result = operation(connection, text);
        if (result == Shared::kSuccess) Deliver(callback, user, text);
        return result;
    });
}

// A terminated input string as a view; null is the empty string.
inline std::string_view In(const char* text) { return text ? std::string_view(text, std::strlen(text)) : std::string_view(); }

// The caller's string callback as a sink; a null callback gives an empty sink.
inline Shared::StringSink Sink(kova_string_callback callback, void* user) {
    if (callback == nullptr) return {};
    return [callback, user](std::string_view text) { Deliver(callback, user, text); };
}

// What a record sink passes on to the C callback: records by address, plain values and texts as they are.
template <class T>
auto ToCallback(const T& argument) {
    if constexpr (std::is_class_v<T>) {
        return &argument;
    } else {
        return argument;
    }
}

// The caller's callback of (user, arguments...) as the operation's sink, for sinks whose arguments are
// records and plain values; a null callback gives an empty sink.
template <class SinkType, class R, class... A>
SinkType SinkOf(R (*callback)(void*, A...), void* user) {
    if (callback == nullptr) return {};
    return [callback, user](const auto&... arguments) { return callback(user, ToCallback(arguments)...); };
}

}  // namespace Kova::TesselApi::Api
