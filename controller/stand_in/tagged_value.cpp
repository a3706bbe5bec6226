#include "stand_in/tagged_value.h"

namespace StandIn {

vireo_api_value Encode(std::uint32_t kind, double number) {
    vireo_api_value v{};
    switch (kind) {
    case 2: v.tag = VIREO_API_FLOAT32; v.value.f32 = static_cast<float>(number); break;
    case 3: v.tag = VIREO_API_INT64; v.value.i64 = static_cast<std::int64_t>(number); break;
    case 4: v.tag = VIREO_API_UINT64; v.value.u64 = static_cast<std::uint64_t>(number); break;
    case 5: v.tag = VIREO_API_INT32; v.value.i32 = static_cast<std::int32_t>(number); break;
    case 6: v.tag = VIREO_API_UINT32; v.value.u32 = static_cast<std::uint32_t>(number); break;
    case 7: v.tag = VIREO_API_INT16; v.value.i16 = static_cast<std::int16_t>(number); break;
    case 8: v.tag = VIREO_API_UINT16; v.value.u16 = static_cast<std::uint16_t>(number); break;
    default: v.tag = VIREO_API_FLOAT64; v.value.f64 = number; break;
    }
    return v;
}

bool Decode(const vireo_api_value& value, double& number) {
    switch (value.tag) {
    case VIREO_API_FLOAT32: number = value.value.f32; return true;
    case VIREO_API_FLOAT64: number = value.value.f64; return true;
    case VIREO_API_INT8: number = value.value.i8; return true;
    case VIREO_API_INT16: number = value.value.i16; return true;
    case VIREO_API_INT32: number = value.value.i32; return true;
    case VIREO_API_INT64: number = static_cast<double>(value.value.i64); return true;
    case VIREO_API_UINT8: number = value.value.u8; return true;
    case VIREO_API_UINT16: number = value.value.u16; return true;
    case VIREO_API_UINT32: number = value.value.u32; return true;
    case VIREO_API_UINT64: number = static_cast<double>(value.value.u64); return true;
    default: return false;
    }
}

}  // namespace StandIn
