/* io exports. */
#ifndef KOVA_TESSELAPI_IO_H
#define KOVA_TESSELAPI_IO_H

#include "kova/tesselapi_types.h"

#endif
