/* Kova Tessel API: the connection module through which an application commands and observes a
   Vireo motion controller. Every export returns a kova_result unless its comment says otherwise. */
#ifndef KOVA_TESSELAPI_H
#define KOVA_TESSELAPI_H

#include "kova/tesselapi_types.h"

#include "kova/tesselapi_context.h"
#include "kova/tesselapi_errors.h"
#include "kova/tesselapi_io.h"
#include "kova/tesselapi_motion.h"
#include "kova/tesselapi_programs.h"
#include "kova/tesselapi_parameters.h"
#include "kova/tesselapi_paramblocks.h"
#include "kova/tesselapi_fieldbus.h"
#include "kova/tesselapi_resources.h"
#include "kova/tesselapi_language.h"

#endif
