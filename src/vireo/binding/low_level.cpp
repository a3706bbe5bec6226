#include "vireo/binding/low_level.h"

namespace Kova::TesselApi::Vireo {

LowLevelTable& LowLevel() {
    static LowLevelTable table;
    return table;
}

DirectLinks& Direct() {
    static DirectLinks links;
    return links;
}

}  // namespace Kova::TesselApi::Vireo
