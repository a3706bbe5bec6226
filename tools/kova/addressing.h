// Which family a parameter name belongs to, from the command's options.
#pragma once

#include <cstdint>
#include <string>

#include "parameters.h"

namespace CLI {
class App;
}

namespace KovaTool {

// The family options of get and set; at most one of them.
struct Addressing {
    std::int32_t axis = -1, process = -1, slot = -1, port = -1;
    std::string type = "double";

    void AddTo(CLI::App& command);
    ParameterAddress Address() const;
};

}  // namespace KovaTool
