// The library's VR and TABLE memory, VR bits and the digital and analogue I/O, served from the
// simulated controller. Statuses are the controller's own numbers (19: out of range).
#include <cmath>
#include <cstdint>

#include "sim/controller.h"
#include "stand_in/session.h"
#include "vireo_api.h"

namespace {

using Simulator::Controller;
using Simulator::Errors::kPARAMETER_OUT_OF_RANGE;

using StandIn::kBadArgument;
using StandIn::Simulation;

// A range word holds one bit per point.
constexpr std::uint32_t kRangeWidth = 32;
// Bits a VR can hold exactly: those of a 64-bit float's integer range.
constexpr std::uint16_t kVrBits = 53;

template <typename Run>
int32_t WithController(Run run) {
    return StandIn::WithSimulation([&](Simulation& simulation) { return run(simulation.controller); });
}

bool RangeFits(uint32_t first, uint32_t last) { return first <= last && last - first < kRangeWidth; }

// A VR's value as the integer its bits are taken from; values beyond the exact range do not
// have bits to speak of.
bool BitsOf(double value, std::int64_t& bits) {
    if (!(std::fabs(value) < 9007199254740992.0)) return false;
    bits = static_cast<std::int64_t>(value);
    return true;
}

template <typename Get>
int32_t ReadWord(uint32_t point, int32_t* word, Get get) {
    if (!word) return kBadArgument;
    return WithController([&](Controller& controller) {
        bool state = false;
        const int status = get(controller, point, state);
        if (status == 0) *word = state ? 1 : 0;
        return status;
    });
}

// Points first..last land in bits 0.. of the word.
template <typename Get>
int32_t ReadRange(uint32_t first, uint32_t last, int32_t* word, Get get) {
    if (!word) return kBadArgument;
    if (!RangeFits(first, last)) return kBadArgument;
    return WithController([&](Controller& controller) {
        uint32_t packed = 0;
        for (uint32_t point = first; point <= last; ++point) {
            bool state = false;
            if (const int status = get(controller, point, state); status != 0) return status;
            if (state) packed |= 1u << (point - first);
        }
        *word = static_cast<int32_t>(packed);
        return 0;
    });
}

int Input(const Controller& c, uint32_t point, bool& state) { return c.GetInput(point, state); }

}  // namespace

extern "C" {

int32_t vireo_api_get_vr(uint32_t first, uint32_t count, double* values) {
    if (!values) return kBadArgument;
    return WithController([&](Controller& controller) { return controller.GetVr(first, count, values); });
}

int32_t vireo_api_set_vr(uint32_t first, uint32_t count, const double* values) {
    if (!values) return kBadArgument;
    return WithController([&](Controller& controller) { return controller.SetVr(first, count, values); });
}

int32_t vireo_api_get_table(uint32_t first, uint32_t count, double* values) {
    if (!values) return kBadArgument;
    return WithController([&](Controller& controller) { return controller.GetTable(first, count, values); });
}

int32_t vireo_api_set_table(uint32_t first, uint32_t count, const double* values) {
    if (!values) return kBadArgument;
    return WithController([&](Controller& controller) { return controller.SetTable(first, count, values); });
}

int32_t vireo_api_get_vr_bit(uint32_t vr, uint16_t bit, uint8_t* value) {
    if (!value) return kBadArgument;
    if (bit >= kVrBits) return kPARAMETER_OUT_OF_RANGE;
    return WithController([&](Controller& controller) {
        double number = 0;
        if (const int status = controller.GetVr(vr, 1, &number); status != 0) return status;
        std::int64_t bits = 0;
        if (!BitsOf(number, bits)) return kPARAMETER_OUT_OF_RANGE;
        *value = static_cast<uint8_t>((bits >> bit) & 1);
        return 0;
    });
}

int32_t vireo_api_set_vr_bit(uint32_t vr, uint16_t bit, uint8_t value) {
    if (bit >= kVrBits) return kPARAMETER_OUT_OF_RANGE;
    return WithController([&](Controller& controller) {
        double number = 0;
        if (const int status = controller.GetVr(vr, 1, &number); status != 0) return status;
        std::int64_t bits = 0;
        if (!BitsOf(number, bits)) return kPARAMETER_OUT_OF_RANGE;
        const std::int64_t mask = std::int64_t{1} << bit;
        bits = value ? (bits | mask) : (bits & ~mask);
        const double updated = static_cast<double>(bits);
        return controller.SetVr(vr, 1, &updated);
    });
}

int32_t vireo_api_clear(void) {
    return WithController([](Controller& controller) {
        controller.ClearVr();
        return 0;
    });
}

int32_t vireo_api_get_in(uint32_t input, int32_t* state) { return ReadWord(input, state, Input); }

int32_t vireo_api_get_in_range(uint32_t first, uint32_t last, int32_t* states) {
    return ReadRange(first, last, states, Input);
}

int32_t vireo_api_get_op(uint32_t output, int32_t* state) {
    return ReadWord(output, state, [](const Controller& c, uint32_t point, bool& on) { return c.GetOutput(point, on); });
}

int32_t vireo_api_get_op_range(uint32_t first, uint32_t last, int32_t* states) {
    return ReadRange(first, last, states,
                     [](const Controller& c, uint32_t point, bool& on) { return c.GetOutput(point, on); });
}

int32_t vireo_api_set_op(uint32_t output, uint8_t state) {
    return WithController([&](Controller& controller) { return controller.SetOutput(output, state != 0); });
}

// Bit i of the pattern drives output first + i.
int32_t vireo_api_set_op_range(uint32_t first, uint32_t last, uint32_t states) {
    if (!RangeFits(first, last)) return kBadArgument;
    return WithController([&](Controller& controller) {
        for (uint32_t point = first; point <= last; ++point)
            if (const int status = controller.SetOutput(point, ((states >> (point - first)) & 1u) != 0); status != 0)
                return status;
        return 0;
    });
}

int32_t vireo_api_set_invert_in(uint32_t input, uint8_t invert) {
    return WithController([&](Controller& controller) { return controller.SetInvertInput(input, invert != 0); });
}

int32_t vireo_api_get_invert_in(uint32_t input, int32_t* invert) {
    return ReadWord(input, invert,
                    [](const Controller& c, uint32_t point, bool& on) { return c.GetInvertInput(point, on); });
}

int32_t vireo_api_get_ain(uint32_t channel, int32_t* value) {
    if (!value) return kBadArgument;
    return WithController([&](Controller& controller) { return controller.GetAnalogueInput(channel, *value); });
}

int32_t vireo_api_get_aout(uint32_t channel, int32_t* value) {
    if (!value) return kBadArgument;
    return WithController([&](Controller& controller) { return controller.GetAnalogueOutput(channel, *value); });
}

int32_t vireo_api_set_aout(uint32_t channel, int32_t value) {
    return WithController([&](Controller& controller) { return controller.SetAnalogueOutput(channel, value); });
}

}  // extern "C"
