/* errors exports. */
#ifndef KOVA_TESSELAPI_ERRORS_H
#define KOVA_TESSELAPI_ERRORS_H

#include "kova/tesselapi_types.h"

#endif
