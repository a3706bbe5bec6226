// The functions whose behaviour the stand-in does not offer yet: they answer "not supported".
#include "vireo_api.h"

#define VIREO_STAND_IN_Sim(name, parameters)
#define VIREO_STAND_IN_Unsupported(name, parameters) \
    int32_t name parameters { return -2; }
#define VIREO_FUNCTION(name, parameters, stand_in) VIREO_STAND_IN_##stand_in(name, parameters)

#pragma GCC diagnostic ignored "-Wunused-parameter"

extern "C" {
#include "vireo_api_functions.def"
}
