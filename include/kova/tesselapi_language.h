/* language exports. */
#ifndef KOVA_TESSELAPI_LANGUAGE_H
#define KOVA_TESSELAPI_LANGUAGE_H

#include "kova/tesselapi_types.h"

#endif
