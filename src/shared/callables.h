// Callables that operations receive in place of the caller's C callbacks.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "kova/tesselapi_types.h"
#include "shared/result.h"

namespace Kova::TesselApi::Shared {

// Receives one piece of text; the view is valid only during the call.
using StringSink = std::function<void(std::string_view)>;

enum EventType : std::uint32_t {
    EventError = 0,
    EventWarning = 1,
    EventInformation = 2,
};

using EventFunction = std::function<void(std::uint32_t type, Result result, std::string_view text)>;

using ErrorInfo = kova_error_info;
using ErrorInfoSink = std::function<void(const ErrorInfo&)>;
using ProgressSink = std::function<void(const kova_progress_info&)>;
using DirSink = std::function<void(const kova_file_info&, const char* name)>;
using ProcessSink = std::function<void(const kova_process_info&, const char* name)>;
using CompileSink = std::function<void(std::uint32_t type, std::string_view program, std::uint32_t line,
                                       std::uint32_t code, std::string_view text)>;
using FunctionInfoSink =
    std::function<void(std::string_view name, std::uint32_t index, std::string_view word,
                       std::uint32_t returnType, std::uint32_t paramCount, const std::uint32_t* paramTypes,
                       const std::string_view* paramNames)>;
using EthercatInfoSink = std::function<void(const kova_ethercat_info&, const char* text)>;
using EthercatIdSink = std::function<void(std::uint32_t id, const char* name)>;
using SxBusSliceSink = std::function<void(const kova_sxbus_slice_info&)>;
using ProjectKeyQuery = std::function<bool(const char* authority)>;
using UpdateProgressSink = std::function<void(std::uint32_t stage, float fraction, const char* text)>;

}  // namespace Kova::TesselApi::Shared
