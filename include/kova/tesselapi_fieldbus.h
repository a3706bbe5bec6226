/* fieldbus exports. */
#ifndef KOVA_TESSELAPI_FIELDBUS_H
#define KOVA_TESSELAPI_FIELDBUS_H

#include "kova/tesselapi_types.h"

#endif
