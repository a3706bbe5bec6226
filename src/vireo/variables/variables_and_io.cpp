// VR and TABLE values, VR bits and strings, digital and analogue I/O: each one or a few direct
// library calls read under the status convention, never a command line.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "shared/text_return.h"
#include "vireo/connection_vireo.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"

namespace Kova::TesselApi::Vireo {

namespace {

// A digital range covers first..last inclusive; the word holds at most 33 points as the library
// packs them, so anything wider is refused before the library sees it.
constexpr std::uint32_t kWidestDigitalSpan = 32;
// VR strings are read back in blocks of this many characters.
constexpr std::uint32_t kVrStringBlock = 256;

bool ValidRange(std::uint32_t first, std::uint32_t last) {
    return first <= last && last - first <= kWidestDigitalSpan;
}

// The character a VR holds: its value truncated to a 32-bit integer, low byte kept. Values no
// 32-bit integer can hold become 0x80000000 (low byte 0), as the processor's own truncation gives,
// without the undefined conversion.
char CharacterOf(double value) {
    std::int32_t whole = INT32_MIN;
    if (value > -2147483649.0 && value < 2147483648.0) whole = static_cast<std::int32_t>(value);
    return static_cast<char>(static_cast<std::uint32_t>(whole) & 0xFFu);
}

Result ReadVr(std::uint32_t index, double& value) {
    double read = 0;
    const Result result = StatusConvention(Invoke(LowLevel().vireo_api_get_vr, index, 1u, &read));
    if (result == Shared::kSuccess) value = read;
    return result;
}

Result WriteVr(std::uint32_t index, double value) {
    return StatusConvention(Invoke(LowLevel().vireo_api_set_vr, index, 1u, &value));
}

// The number of VRs from start before the first one that holds exactly 0. Only the terminating
// 0 or a refused read ends the scan.
Result VrStringLength(std::uint32_t start, std::uint32_t& length) {
    for (std::uint32_t n = 0;; ++n) {
        double value = 0;
        const Result result = ReadVr(start + n, value);
        if (result != Shared::kSuccess) return result;
        if (value == 0.0) {
            length = n;
            return Shared::kSuccess;
        }
    }
}

Result ReadCharacters(std::uint32_t start, std::uint32_t count, std::string& text) {
    for (std::uint32_t i = 0; i < count; ++i) {
        double value = 0;
        const Result result = ReadVr(start + i, value);
        if (result != Shared::kSuccess) return result;
        text.push_back(CharacterOf(value));
    }
    return Shared::kSuccess;
}

// The single-point readers hand the library a word cleared to 0 and report whether it came back set.
template <typename Entry>
Result ReadFlag(const Entry& entry, std::uint32_t point, bool& state) {
    std::int32_t word = 0;
    const Result result = StatusConvention(Invoke(entry, point, &word));
    if (result == Shared::kSuccess) state = word != 0;
    return result;
}

template <typename Entry>
Result ReadRange(const Entry& entry, std::uint32_t first, std::uint32_t last, std::uint32_t& states) {
    if (!ValidRange(first, last)) return Error(Shared::BadArgument);
    std::int32_t word = 0;
    const Result result = StatusConvention(Invoke(entry, first, last, &word));
    if (result == Shared::kSuccess) states = static_cast<std::uint32_t>(word);
    return result;
}

template <typename Entry>
Result ReadValue(const Entry& entry, std::uint32_t channel, std::int32_t& value) {
    std::int32_t read = 0;
    const Result result = StatusConvention(Invoke(entry, channel, &read));
    if (result == Shared::kSuccess) value = read;
    return result;
}

// The caller's array goes to the library as it is; a missing one is refused here rather than
// handed on to a library that would write through it.
template <typename Entry, typename Values>
Result Transfer(const Entry& entry, std::uint32_t first, std::uint32_t count, Values* values) {
    if (values == nullptr && count != 0) return Error(Shared::BadArgument);
    return StatusConvention(Invoke(entry, first, count, values));
}

}  // namespace

Result Connection_Vireo::SetTableValue(std::uint32_t index, double value) {
    return StatusConvention(Invoke(LowLevel().vireo_api_set_table, index, 1u, &value));
}

Result Connection_Vireo::GetTableValue(std::uint32_t index, double& value) {
    double read = 0;
    const Result result = StatusConvention(Invoke(LowLevel().vireo_api_get_table, index, 1u, &read));
    if (result == Shared::kSuccess) value = read;
    return result;
}

Result Connection_Vireo::SetMultiTableValues(std::uint32_t first, std::uint32_t count, const double* values) {
    return Transfer(LowLevel().vireo_api_set_table, first, count, values);
}

Result Connection_Vireo::GetMultiTableValues(std::uint32_t first, std::uint32_t count, double* values) {
    return Transfer(LowLevel().vireo_api_get_table, first, count, values);
}

Result Connection_Vireo::SetVrValue(std::uint32_t index, double value) { return WriteVr(index, value); }

Result Connection_Vireo::GetVrValue(std::uint32_t index, double& value) { return ReadVr(index, value); }

Result Connection_Vireo::SetMultiVrValues(std::uint32_t first, std::uint32_t count, const double* values) {
    return Transfer(LowLevel().vireo_api_set_vr, first, count, values);
}

Result Connection_Vireo::GetMultiVrValues(std::uint32_t first, std::uint32_t count, double* values) {
    return Transfer(LowLevel().vireo_api_get_vr, first, count, values);
}

Result Connection_Vireo::ClearVariables() { return StatusConvention(Invoke(LowLevel().vireo_api_clear)); }

// The exports take the bit first, as the controller language does; the library takes the VR first.
Result Connection_Vireo::SetVrBit(std::uint16_t bit, std::uint32_t vr) {
    return StatusConvention(Invoke(LowLevel().vireo_api_set_vr_bit, vr, bit, std::uint8_t{1}));
}

Result Connection_Vireo::ClearVrBit(std::uint16_t bit, std::uint32_t vr) {
    return StatusConvention(Invoke(LowLevel().vireo_api_set_vr_bit, vr, bit, std::uint8_t{0}));
}

Result Connection_Vireo::GetVrBit(std::uint16_t bit, std::uint32_t vr, bool& value) {
    std::uint8_t read = 0;
    const Result result = StatusConvention(Invoke(LowLevel().vireo_api_get_vr_bit, vr, bit, &read));
    if (result == Shared::kSuccess) value = read != 0;
    return result;
}

// One VR per character, then the closing 0. What was written before a refused write stays.
Result Connection_Vireo::SetVrString(std::uint32_t start, std::string_view text) {
    std::uint32_t at = start;
    for (const char c : text) {
        const Result result = WriteVr(at++, static_cast<double>(static_cast<unsigned char>(c)));
        if (result != Shared::kSuccess) return result;
    }
    return WriteVr(at, 0.0);
}

Result Connection_Vireo::GetVrStringLen(std::uint32_t start, std::uint32_t& length) {
    return VrStringLength(start, length);
}

// Only the characters that fit are read.
Result Connection_Vireo::GetVrString4a(std::uint32_t start, char* buffer, std::uint32_t& size) {
    std::uint32_t length = 0;
    if (const Result result = VrStringLength(start, length); result != Shared::kSuccess) return result;
    return Shared::CopyToBuffer(length, buffer, size, [&](char* to, std::uint32_t count) {
        std::string text;
        const Result result = ReadCharacters(start, count, text);
        if (result == Shared::kSuccess) std::copy(text.begin(), text.end(), to);
        return result;
    });
}

Result Connection_Vireo::GetVrString4b(std::uint32_t start, const StringSink& sink) {
    if (!sink) return Error(Shared::BadArgument);
    std::uint32_t length = 0;
    if (const Result result = VrStringLength(start, length); result != Shared::kSuccess) return result;
    std::vector<double> values;
    std::string block;
    for (std::uint32_t at = 0; at < length; at += kVrStringBlock) {
        const std::uint32_t count = std::min(kVrStringBlock, length - at);
        values.assign(count, 0.0);
        const Result result = StatusConvention(Invoke(LowLevel().vireo_api_get_vr, start + at, count, values.data()));
        if (result != Shared::kSuccess) return result;
        block.clear();
        for (const double value : values) block.push_back(CharacterOf(value));
        sink(block);
    }
    return Shared::kSuccess;
}

Result Connection_Vireo::GetVrString4c(std::uint32_t start, const StringSink& sink) {
    if (!sink) return Error(Shared::BadArgument);
    std::uint32_t length = 0;
    if (const Result result = VrStringLength(start, length); result != Shared::kSuccess) return result;
    std::string text;
    if (const Result result = ReadCharacters(start, length, text); result != Shared::kSuccess) return result;
    sink(text);
    return Shared::kSuccess;
}

Result Connection_Vireo::GetDIn3(std::uint32_t input, bool& state) {
    return ReadFlag(LowLevel().vireo_api_get_in, input, state);
}

Result Connection_Vireo::GetDIn4(std::uint32_t first, std::uint32_t last, std::uint32_t& states) {
    return ReadRange(LowLevel().vireo_api_get_in_range, first, last, states);
}

Result Connection_Vireo::GetDIn32(std::uint32_t& states) { return GetDIn4(0, 31, states); }

Result Connection_Vireo::GetDOut3(std::uint32_t output, bool& state) {
    return ReadFlag(LowLevel().vireo_api_get_op, output, state);
}

Result Connection_Vireo::GetDOut4(std::uint32_t first, std::uint32_t last, std::uint32_t& states) {
    return ReadRange(LowLevel().vireo_api_get_op_range, first, last, states);
}

Result Connection_Vireo::GetDOut32(std::uint32_t& states) { return GetDOut4(0, 31, states); }

Result Connection_Vireo::SetDOut3(std::uint32_t output, std::uint8_t state) {
    return StatusConvention(Invoke(LowLevel().vireo_api_set_op, output, state));
}

// Writing a range is the library's to judge.
Result Connection_Vireo::SetDOut4(std::uint32_t first, std::uint32_t last, std::uint32_t states) {
    return StatusConvention(Invoke(LowLevel().vireo_api_set_op_range, first, last, states));
}

Result Connection_Vireo::SetDOut32(std::uint32_t states) { return SetDOut4(0, 31, states); }

Result Connection_Vireo::SetInvertIN(std::uint32_t input, bool invert) {
    return StatusConvention(Invoke(LowLevel().vireo_api_set_invert_in, input, static_cast<std::uint8_t>(invert)));
}

Result Connection_Vireo::GetInvertIN(std::uint32_t input, bool& invert) {
    return ReadFlag(LowLevel().vireo_api_get_invert_in, input, invert);
}

Result Connection_Vireo::GetAIn(std::uint32_t channel, std::int32_t& value) {
    return ReadValue(LowLevel().vireo_api_get_ain, channel, value);
}

Result Connection_Vireo::GetAOut(std::uint32_t channel, std::int32_t& value) {
    return ReadValue(LowLevel().vireo_api_get_aout, channel, value);
}

Result Connection_Vireo::SetAOut(std::uint32_t channel, std::int32_t value) {
    return StatusConvention(Invoke(LowLevel().vireo_api_set_aout, channel, value));
}

}  // namespace Kova::TesselApi::Vireo
