/* A C application includes the public header: it must compile as strict C11, warning-free. */
#include "kova/tesselapi.h"

/* Layout facts a C caller relies on when it shares records with the module. */
_Static_assert(sizeof(kova_result) == 8, "results are 64-bit");
_Static_assert(sizeof(kova_version) == 8, "a version is four 16-bit parts");
_Static_assert(KOVA_RESULT_FATAL == 0x8000000000ull, "the fatal mark is bit 39");

/* Every declaration must be usable from C; taking addresses makes the compiler check them. */
kova_result (*const kova_header_c_create)(const kova_version*, kova_event_callback, void*, kova_context*) =
    kova_CreateContext;
kova_result (*const kova_header_c_destroy)(kova_context) = kova_DestroyContext;
