/* paramblocks exports. */
#ifndef KOVA_TESSELAPI_PARAMBLOCKS_H
#define KOVA_TESSELAPI_PARAMBLOCKS_H

#include "kova/tesselapi_types.h"

#endif
