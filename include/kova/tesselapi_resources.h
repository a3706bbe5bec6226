/* resources exports. */
#ifndef KOVA_TESSELAPI_RESOURCES_H
#define KOVA_TESSELAPI_RESOURCES_H

#include "kova/tesselapi_types.h"

#endif
