// A statement the controller refuses, unwinding parser or executor with the controller error
// number (Errors::k...).
#pragma once

#include "sim/controller.h"

namespace Simulator::Language {

struct Error {
    int number;
};

}  // namespace Simulator::Language
