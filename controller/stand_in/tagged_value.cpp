#include "stand_in/tagged_value.h"

namespace StandIn {

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
