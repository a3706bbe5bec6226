#include "vireo/blocks/block_readers.h"

#include <cstring>

#include "kova/parameters/value_types.h"
#include "shared/blocks/fetch_entries.h"
#include "vireo/command_line/command_line.h"

namespace Kova::TesselApi::Vireo {

using Shared::Error;
using Shared::NumericVariant;
using Shared::Result;

namespace {

// Parameters read through the library: any failure of the call is a link failure here, since a
// block has no command line to fall back on.
template <typename Call>
Result ReadTagged(Call call, NumericVariant& value) {
    vireo_api_value tagged{};
    tagged.tag = VIREO_API_INT32;
    if (call(&tagged) != 0) return Error(Shared::LowLevelError);
    std::uint64_t field = 0;
    std::memcpy(&field, &tagged.value, sizeof field);
    return Shared::VariantFromTag(tagged.tag, field, value);
}

Result ReadAnalogue(const std::atomic<decltype(&::vireo_api_get_ain)>& entry, std::uint32_t identifier,
                    NumericVariant& value) {
    std::int32_t read = 0;
    const Result result = StatusConvention(Invoke(entry, identifier & 0xFFFFu, &read));
    if (result == Shared::kSuccess) value = Shared::VariantOf(read);
    return result;
}

}  // namespace

Result ReadAxisParameter(std::uint32_t identifier, std::uint32_t axis, NumericVariant& value) {
    return ReadTagged(
        [&](vireo_api_value* tagged) {
            return Invoke(LowLevel().vireo_api_get_axis_parameter, identifier, static_cast<std::int32_t>(axis), tagged);
        },
        value);
}

Result ReadSystemValue(std::uint32_t identifier, std::string_view name, NumericVariant& value) {
    LowLevelTable& library = LowLevel();
    if ((identifier >> 16) == (kAnalogueInputs >> 16)) return ReadAnalogue(library.vireo_api_get_ain, identifier, value);
    if ((identifier >> 16) == (kAnalogueOutputs >> 16)) return ReadAnalogue(library.vireo_api_get_aout, identifier, value);
    if (identifier == KOVA_PARAMETER_NO_IDENTIFIER) {
        double number = 0;
        const Result result = CommandLine::QueryPrint(name, number);
        if (result == Shared::kSuccess) value = Shared::VariantOf(number);
        return result;
    }
    return ReadTagged(
        [&](vireo_api_value* tagged) { return Invoke(library.vireo_api_get_system_parameter, identifier, tagged); },
        value);
}

Result ReadIoRange(bool outputs, const kova_io_range& range, std::uint64_t& word) {
    LowLevelTable& library = LowLevel();
    std::int32_t read = 0;
    const std::int32_t status = Invoke(outputs ? library.vireo_api_get_op_range : library.vireo_api_get_in_range,
                                       range.first, range.first + range.count - 1, &read);
    if (status != 0) return Error(Shared::LowLevelError);
    word = static_cast<std::uint64_t>(static_cast<std::int64_t>(read)) & Shared::LowBits(range.count % 64);
    return Shared::kSuccess;
}

}  // namespace Kova::TesselApi::Vireo
